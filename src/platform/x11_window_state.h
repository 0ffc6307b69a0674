#pragma once
// Window states that Qt has no call for, set through the X11 window manager protocol
// (_NET_WM_STATE). Outside Qt's X11 platform these do nothing.

class QWindow;

// Leaves window out of the taskbar and the pager, or puts it back. A hidden window gets the state
// before it is shown (Qt keeps states it finds there); a shown one asks the window manager.
void SetSkipTaskbar(QWindow* window, bool skip);
