#include "windows/start/frmSfondo.h"

#include "platform/Aspetto.h"
#include "platform/BarraApplicazioni.h"
#include "platform/GestoreFinestre.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QScreen>

namespace numerella {

frmSfondo::frmSfondo(Servizi& servizi) : Finestra(servizi, QStringLiteral("frmSfondo"))
{
    // No border and no title bar. On Windows a tool window stays out of the task bar; elsewhere some window
    // managers keep tool windows above the others, which would hide the start window, so there it stays a
    // plain window and asks the window manager to leave it out of the task bar.
#ifdef Q_OS_WIN
    setWindowFlags(Qt::Window | Qt::Tool | Qt::FramelessWindowHint);
#else
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
#endif
    setWindowTitle(QStringLiteral("NUMERELLA.1"));
    setAccessibleName(QStringLiteral("Sfondo"));
    impostaCentrata(false);
    // The surface follows the window's size instead of fixing it.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);
    area()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    coloraSfondo(this, rgb(192, 255, 192));
}

void frmSfondo::Form_Load()
{
    if (QScreen* schermo = QGuiApplication::primaryScreen())
        setGeometry(schermo->availableGeometry());
    tieniFuoriDallaBarra(this);
    showMaximized();
    s.finestre.carica(QStringLiteral("FrmInizio"));
    s.finestre.mostra(QStringLiteral("FrmInizio"));
}

void frmSfondo::Form_Click()
{
    s.finestre.mostra(QStringLiteral("FrmInizio"));
}
void frmSfondo::Form_DblClick()
{
    s.finestre.mostra(QStringLiteral("FrmInizio"));
}

void frmSfondo::mouseDoubleClickEvent(QMouseEvent* e)
{
    e->accept();
    if (e->button() == Qt::LeftButton)
        Form_DblClick();
}

} // namespace numerella
