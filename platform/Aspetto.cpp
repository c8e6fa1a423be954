#include "platform/Aspetto.h"

#include <QAbstractButton>
#include <QCursor>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>
#include <QWidget>

namespace numerella {

QRect geometriaTwips(const QWidget* w)
{
    const QRect g = w->geometry();
    return {twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height())};
}

void disponi(QWidget* w, int sinistra, int alto, int larghezza, int altezza)
{
    w->setGeometry(rettangoloTwips(sinistra, alto, larghezza, altezza));
}

void disponi(QWidget* contenitore, std::initializer_list<Posto> posti)
{
    for (const Posto& p : posti) {
        auto* w = contenitore->findChild<QWidget*>(QString::fromLatin1(p.nome));
        Q_ASSERT_X(w, "disponi", p.nome);
        if (w)
            disponi(w, p.sinistra, p.alto, p.larghezza, p.altezza);
    }
}

long coloreImpacchettato(const QColor& c)
{
    return c.red() + 256L * c.green() + 65536L * c.blue();
}

QColor coloreDaImpacchettato(long valore)
{
    return QColor(int(valore & 0xff), int((valore >> 8) & 0xff), int((valore >> 16) & 0xff));
}

void coloraSfondo(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Button, c);
    p.setColor(QPalette::Base, c);
    w->setPalette(p);
    if (!qobject_cast<QAbstractButton*>(w) && !qobject_cast<QLineEdit*>(w))
        w->setAutoFillBackground(true);
}

void coloraTesto(QWidget* w, const QColor& c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    p.setColor(QPalette::Text, c);
    w->setPalette(p);
}

void rendiTrasparente(QWidget* w)
{
    w->setAutoFillBackground(false);
    w->setAttribute(Qt::WA_TranslucentBackground, false);
}

QFont fontDi(const QString& famiglia, double punti, bool grassetto)
{
    QFont f(famiglia);
    f.setPointSizeF(punti);
    f.setBold(grassetto);
    return f;
}

QFont arial(double punti, bool grassetto)
{
    return fontDi(QStringLiteral("Arial"), punti, grassetto);
}
QFont sansSerif(double punti, bool grassetto)
{
    return fontDi(QStringLiteral("Arial"), punti, grassetto);
}

QLabel* nuovaEtichetta(QWidget* genitore, const QString& nome, const QString& testo, const QString& descrizione)
{
    auto* l = new QLabel(testo, genitore);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    l->setAccessibleName(descrizione.isEmpty() ? testo.trimmed() : descrizione);
    return l;
}

void daiFuoco(QWidget* w)
{
    if (!w || w->isHidden() || !w->isEnabled() || !w->isVisibleTo(w->window()))
        return;
    w->setFocus(Qt::OtherFocusReason);
}

QPixmap immagineSvg(const QString& risorsa, int lato)
{
    QSvgRenderer disegno(risorsa);
    if (!disegno.isValid())
        return {};
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter pittore(&immagine);
    disegno.render(&pittore);
    return immagine;
}

void cursoreMano(QWidget* w)
{
    static const QCursor mano = [] {
        const QPixmap immagine = immagineSvg(QStringLiteral(":/assets/mano.svg"), 32);
        return immagine.isNull() ? QCursor(Qt::PointingHandCursor) : QCursor(immagine, 10, 1);
    }();
    w->setCursor(mano);
}

} // namespace numerella
