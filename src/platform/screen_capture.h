#pragma once
// The screen behind a window about to show: a still copy of its pixels for the fades and for
// per-pixel alpha without a compositor, and whether a compositor runs that blends translucent
// windows itself.

#include <functional>
#include <string>

#include <QRect>

#include "graphics/bitmap32.h"

class TQtMenuWindow;

// Whether a compositing manager runs on the X screen Qt shows its windows on: some client owns
// the _NET_WM_CM_S<screen> selection. False off Qt's X11 platform.
bool CompositorRuns();

// The screen's pixels inside area (screen coordinates, in the windows' pixels: on a screen Qt
// scales by N, one device pixel of each N x N block), opaque; what lies off the screen is
// black. Windows of this application that were hidden just before are really gone first: the X
// server has unmapped them, and the screen is copied once two looks a moment apart agree, so the
// desktop beneath has repainted and no ghost of a hidden menu is frozen into the copy.
//
// Where the screen cannot be read (Qt's platform is not X11, an X server of a Wayland session,
// which gives its X clients a black root, or a read that fails), the copy holds menu's own
// picture where the shown menu window lies and black elsewhere (menu may be null), and report
// (when set) hears why.
TBitmap32 CaptureScreen(const QRect& area, const TQtMenuWindow* menu, const std::function<void(const std::string&)>& report);
