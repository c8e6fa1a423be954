#pragma once
// A window of the program. Its controls live in a client area of a fixed size in twips, under an
// optional menu bar. The handlers follow the window rules: the load handler runs when the window
// manager loads the window, the activation handler each time it becomes the active window, and a
// close request unloads the window through the manager.
#include "platform/Servizi.h"

#include <QWidget>

class QMenuBar;

namespace numerella {

class Finestra : public QWidget
{
    Q_OBJECT
public:
    Finestra(Servizi& servizi, const QString& nome);

    // Runs once, when the manager loads the window, before any reference to it takes effect.
    virtual void Form_Load() {}
    // Runs each time the window becomes the active window, the first showing included.
    virtual void Form_Activate() {}
    // Run by the manager when the window is being unloaded (close box, code or program exit).
    virtual void Form_QueryUnload() {}
    virtual void Form_Unload() {}
    // Runs on a left click on the window itself (pressed and released inside it); controls that take
    // their own clicks, or are marked not to pass them on, never reach it.
    virtual void Form_Click() {}

    // The client area that holds the controls.
    QWidget* area() const { return m_area; }
    // The menu bar, created on first use above the client area.
    QMenuBar* barraMenu();
    // The client area's size, in twips.
    void impostaAreaClient(int larghezzaTwips, int altezzaTwips);
    // Centre the window on the screen when it is first shown (on by default).
    void impostaCentrata(bool centrata) { m_centrata = centrata; }

protected:
    Servizi& s;
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QWidget* m_area;
    QMenuBar* m_menu = nullptr;
    bool m_centrata = true;
    bool m_giaMostrata = false;
    bool m_premuto = false;
};

} // namespace numerella
