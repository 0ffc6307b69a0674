#include "server_cursor.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <memory>

std::optional<TServerCursor> ServerCursor(const std::string& display) {
  const std::unique_ptr<Display, decltype(&XCloseDisplay)> connection(XOpenDisplay(display.c_str()), XCloseDisplay);
  if (!connection) return std::nullopt;
  int eventBase = 0;
  int errorBase = 0;
  if (!XFixesQueryExtension(connection.get(), &eventBase, &errorBase)) return std::nullopt;
  const std::unique_ptr<XFixesCursorImage, decltype(&XFree)> cursor(XFixesGetCursorImage(connection.get()), XFree);
  if (!cursor) return std::nullopt;
  TServerCursor shown{QImage(cursor->width, cursor->height, QImage::Format_ARGB32_Premultiplied),
                      QPoint(cursor->xhot, cursor->yhot)};
  // Xlib hands each 32-bit pixel (premultiplied ARGB) in an unsigned long.
  for (int y = 0; y < cursor->height; ++y)
    for (int x = 0; x < cursor->width; ++x)
      shown.image.setPixel(x, y, static_cast<QRgb>(cursor->pixels[y * cursor->width + x]));
  return shown;
}
