#include "platform/Finestra.h"

#include "platform/GestoreFinestre.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace numerella {

Finestra::Finestra(Servizi& servizi, const QString& nome) : QWidget(nullptr), s(servizi), m_area(new QWidget(this))
{
    setObjectName(nome);
    setAttribute(Qt::WA_DeleteOnClose, false);
    // Fixed single border: a title, a system menu and a close box; no minimise and no maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    m_area->setObjectName(QStringLiteral("areaClient"));
    auto* strati = new QVBoxLayout(this);
    strati->setContentsMargins(0, 0, 0, 0);
    strati->setSpacing(0);
    strati->setSizeConstraint(QLayout::SetFixedSize);
    strati->addWidget(m_area);
}

QMenuBar* Finestra::barraMenu()
{
    if (!m_menu) {
        m_menu = new QMenuBar(this);
        m_menu->setNativeMenuBar(false);
        layout()->setMenuBar(m_menu);
    }
    return m_menu;
}

void Finestra::impostaAreaClient(int larghezzaTwips, int altezzaTwips)
{
    m_area->setFixedSize(larghezzaTwips / 15, altezzaTwips / 15);
}

bool Finestra::event(QEvent* e)
{
    const bool gestito = QWidget::event(e);
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return gestito;
}

void Finestra::closeEvent(QCloseEvent* e)
{
    // The close box asks the manager to unload the window; the manager hides and discards it.
    e->ignore();
    s.finestre.scarica(objectName());
}

void Finestra::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    if (m_giaMostrata)
        return;
    m_giaMostrata = true;
    if (!m_centrata)
        return;
    if (QScreen* schermo = screen() ? screen() : QGuiApplication::primaryScreen()) {
        QRect cornice = frameGeometry();
        cornice.moveCenter(schermo->availableGeometry().center());
        move(cornice.topLeft());
    }
}

void Finestra::mousePressEvent(QMouseEvent* e)
{
    m_premuto = e->button() == Qt::LeftButton;
    e->accept();
}

void Finestra::mouseReleaseEvent(QMouseEvent* e)
{
    const bool clic = m_premuto && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    m_premuto = false;
    e->accept();
    if (clic)
        Form_Click();
}

} // namespace numerella
