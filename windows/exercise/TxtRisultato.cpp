#include "windows/exercise/TxtRisultato.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace numerella {

namespace {

constexpr int kNessunCarattere = -1;

// The character code a key gives, or kNessunCarattere for keys that only move or edit.
int codiceCarattere(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete:
        return kNessunCarattere;
    default:
        break;
    }
    const QString testo = e->text();
    if (testo.isEmpty())
        return kNessunCarattere;
    return int(testo.at(0).unicode());
}

} // namespace

TxtRisultato::TxtRisultato(QWidget* genitore) : QLineEdit(genitore)
{
    setObjectName(QStringLiteral("TxtRisultato"));
    setAccessibleName(QStringLiteral("Risultato"));
    setMaxLength(3);
    setAlignment(Qt::AlignCenter);
    // Nothing may enter the box around the key handler: no context menu, no dropped text.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

bool TxtRisultato::filtra(int& KeyAscii)
{
    if (m_gestoreTasto)
        m_gestoreTasto(KeyAscii);
    return KeyAscii != 0;
}

void TxtRisultato::keyPressEvent(QKeyEvent* e)
{
    if (e->matches(QKeySequence::Paste)) {
        e->accept();
        inserisciFiltrato(QGuiApplication::clipboard()->text());
        return;
    }
    const int codice = codiceCarattere(e);
    if (codice == kNessunCarattere) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    e->accept();
    int KeyAscii = codice;
    if (!filtra(KeyAscii) || KeyAscii == 13)
        return; // refused, or Enter, which the handler has dealt with
    if (KeyAscii == codice)
        QLineEdit::keyPressEvent(e);
    else if (KeyAscii == 8)
        backspace();
    else
        insert(QString(QChar(KeyAscii)));
}

void TxtRisultato::inserisciFiltrato(const QString& testo)
{
    for (const QChar c : testo) {
        // Line breaks and other control characters of a copied text are not keys.
        if (c.unicode() < 32)
            continue;
        int KeyAscii = c.unicode();
        if (filtra(KeyAscii) && KeyAscii >= 32)
            insert(QString(QChar(KeyAscii)));
    }
}

void TxtRisultato::inputMethodEvent(QInputMethodEvent* e)
{
    const QString composto = e->commitString();
    e->accept();
    if (!composto.isEmpty())
        inserisciFiltrato(composto);
}

void TxtRisultato::mouseReleaseEvent(QMouseEvent* e)
{
    // The middle button pastes the selection on some desktops: through the key handler too.
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        if (QGuiApplication::clipboard()->supportsSelection())
            inserisciFiltrato(QGuiApplication::clipboard()->text(QClipboard::Selection));
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit cliccato();
}

} // namespace numerella
