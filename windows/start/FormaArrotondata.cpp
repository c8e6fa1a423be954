#include "windows/start/FormaArrotondata.h"

#include <QPainter>
#include <QPen>

namespace numerella {

FormaArrotondata::FormaArrotondata(const QString& nome, const QColor& riempimento, int spessoreBordo, QWidget* genitore)
    : QWidget(genitore), m_riempimento(riempimento), m_spessoreBordo(spessoreBordo)
{
    setObjectName(nome);
    // A drawing only: clicks go to whatever holds it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void FormaArrotondata::paintEvent(QPaintEvent*)
{
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    QPen bordo(palette().color(QPalette::WindowText));
    bordo.setWidth(m_spessoreBordo);
    pittore.setPen(bordo);
    pittore.setBrush(m_riempimento);
    const qreal meta = m_spessoreBordo / 2.0;
    const QRectF dentro = QRectF(rect()).adjusted(meta, meta, -meta, -meta);
    const qreal raggio = qMin(dentro.width(), dentro.height()) / 8.0;
    pittore.drawRoundedRect(dentro, raggio, raggio);
}

} // namespace numerella
