#include "platform/screen_capture.h"

#include <cstdlib>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>
#include <QApplication>
#include <xcb/xcb.h>

#include "graphics/qt_seam.h"
#include "graphics/raster.h"
#include "platform/menu_window_widget.h"

namespace {

// How long a hidden window may take to leave the screen, and the desktop to repaint beneath it.
constexpr int kUnmapTimeoutMs = 1000;
constexpr int kRepaintTimeoutMs = 500;
constexpr int kRepaintLookMs = 20;

xcb_connection_t* QtX11Connection() {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  return x11 ? x11->connection() : nullptr;
}

// The screen number of the display Qt connected to (":0.1" is screen 1).
int ScreenNumber() {
  const char* display = std::getenv("DISPLAY");
  if (!display) return 0;
  const std::string name(display);
  const size_t colon = name.rfind(':');
  const size_t dot = name.find('.', colon == std::string::npos ? 0 : colon);
  return dot == std::string::npos ? 0 : std::atoi(name.c_str() + dot + 1);
}

bool Viewable(xcb_connection_t* connection, xcb_window_t window) {
  xcb_get_window_attributes_reply_t* reply =
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
  if (!reply) return false;
  const bool viewable = reply->map_state == XCB_MAP_STATE_VIEWABLE;
  free(reply);
  return viewable;
}

void SettleEvents(int ms) {
  QElapsedTimer waited;
  waited.start();
  while (waited.elapsed() < ms) {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
    QThread::msleep(2);
  }
}

// Waits until the X server no longer shows any hidden top-level window of the application.
void WaitUntilHiddenWindowsGone(xcb_connection_t* connection) {
  std::vector<xcb_window_t> hidden;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (!widget->isVisible() && widget->testAttribute(Qt::WA_WState_Created))
      hidden.push_back(static_cast<xcb_window_t>(widget->winId()));
  xcb_flush(connection);
  QElapsedTimer waited;
  waited.start();
  for (xcb_window_t window : hidden)
    while (Viewable(connection, window) && waited.elapsed() < kUnmapTimeoutMs) SettleEvents(kRepaintLookMs / 4);
}

bool ScreenReadable() {
  if (!QtX11Connection()) return false;
  const char* wayland = std::getenv("WAYLAND_DISPLAY");
  return !(wayland && *wayland);
}

QImage Grab(const QRect& onScreen) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen || onScreen.isEmpty()) return {};
  return screen->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(), onScreen.height())
      .toImage()
      .convertToFormat(QImage::Format_RGB32);
}

// The grab of a screen area of size pixels as a bitmap of that size. On a screen Qt scales by N
// the grab holds the server's own N x N device pixels for each pixel of the area; one pixel of
// each block stands for it, as the windows the player drew there are one colour per block.
TBitmap32 InWindowPixels(const QImage& grabbed, QSize size) {
  TBitmap32 device = BitmapFromQImage(grabbed);
  if (grabbed.size() == size) return device;
  TBitmap32 pixels(size.width(), size.height());
  StretchNearest(pixels.View(), TRect::FromSize(0, 0, size.width(), size.height()), device.View(),
                 TRect::FromSize(0, 0, device.Width(), device.Height()));
  return pixels;
}

// The part of the menu's picture inside area, where the shown menu lies; black elsewhere.
TBitmap32 FromMenuPicture(const QRect& area, const TQtMenuWindow* menu) {
  TBitmap32 copy(area.width(), area.height());
  if (menu && menu->isVisible()) {
    const QPoint client = menu->mapToGlobal(QPoint(0, 0));
    CopyRect(copy.View(), {client.x() - area.x(), client.y() - area.y()}, menu->Surface().View());
  }
  for (TPixel32& pixel : copy.Pixels()) pixel |= 0xFF000000u;
  return copy;
}

}  // namespace

bool CompositorRuns() {
  xcb_connection_t* connection = QtX11Connection();
  if (!connection) return false;
  const std::string name = "_NET_WM_CM_S" + std::to_string(ScreenNumber());
  xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
      connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
  if (!atom) return false;
  const xcb_atom_t selection = atom->atom;
  free(atom);
  if (selection == XCB_ATOM_NONE) return false;  // nobody ever named it, so nobody owns it
  xcb_get_selection_owner_reply_t* owner =
      xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
  if (!owner) return false;
  const bool owned = owner->owner != XCB_NONE;
  free(owner);
  return owned;
}

TBitmap32 CaptureScreen(const QRect& area, const TQtMenuWindow* menu,
                        const std::function<void(const std::string&)>& report) {
  if (area.isEmpty()) return {};
  if (!ScreenReadable()) {
    if (report) report("the screen cannot be read here; a picture window blends over the menu's own picture and black");
    return FromMenuPicture(area, menu);
  }
  WaitUntilHiddenWindowsGone(QtX11Connection());
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect onScreen = screen ? area.intersected(screen->geometry()) : QRect();
  QImage grabbed = Grab(onScreen);
  QElapsedTimer settling;
  settling.start();
  while (!grabbed.isNull() && settling.elapsed() < kRepaintTimeoutMs) {
    SettleEvents(kRepaintLookMs);
    QImage again = Grab(onScreen);
    if (again == grabbed) break;
    grabbed = std::move(again);
  }
  if (grabbed.isNull() && !onScreen.isEmpty()) {
    if (report) report("the screen could not be read; a picture window blends over the menu's own picture and black");
    return FromMenuPicture(area, menu);
  }
  TBitmap32 copy(area.width(), area.height());
  if (!grabbed.isNull())
    CopyRect(copy.View(), {onScreen.x() - area.x(), onScreen.y() - area.y()},
             InWindowPixels(grabbed, onScreen.size()).View());
  for (TPixel32& pixel : copy.Pixels()) pixel |= 0xFF000000u;
  return copy;
}
