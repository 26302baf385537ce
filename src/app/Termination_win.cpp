// Windows asks a window to close with WM_CLOSE (taskkill, the taskbar) and a session's end with
// WM_QUERYENDSESSION; Qt turns both into the main window's close event, which runs the close question. Nothing
// further to install.
#include "app/Termination.h"

void WatchTermination(QObject*) {}
