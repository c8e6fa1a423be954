#pragma once

class QWidget;

namespace numerella {

// Asks the window manager to keep a window that is not shown yet out of the task bar (and the pager).
// On X11 this is the _NET_WM_STATE_SKIP_TASKBAR state; elsewhere, or without X11, nothing happens.
void tieniFuoriDallaBarra(QWidget* finestra);

} // namespace numerella
