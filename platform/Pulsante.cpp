#include "platform/Pulsante.h"

#include "platform/Aspetto.h"

#include <QKeyEvent>

namespace numerella {

Pulsante::Pulsante(const QString& nome, const QString& testo, QWidget* genitore) : QPushButton(testo, genitore)
{
    setObjectName(nome);
    setAccessibleName(testo.isEmpty() ? nome : testo);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void Pulsante::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(e);
}

Pulsante* nuovoPulsante(QWidget* genitore, const QString& nome, const QString& testo, const QFont& font,
                        const QColor& sfondo, bool mano)
{
    auto* p = new Pulsante(nome, testo, genitore);
    p->setFont(font);
    coloraSfondo(p, sfondo);
    if (mano)
        cursoreMano(p);
    return p;
}

} // namespace numerella
