#include "platform/opaque_picture.h"

#include <QImage>
#include <algorithm>

#include "graphics/qt_seam.h"

namespace {

// Rows copied at a time: a band of a wide window stays small, where a copy of the whole picture
// would double the memory a large window's first frame needs.
constexpr int kBandRows = 32;

// A painter on a window Qt scales draws each picture pixel as a block of device pixels, with
// no filtering between neighbours.
void PaintPixelForPixel(QPainter& painter) {
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
}

}  // namespace

void DrawOpaque(QPainter& painter, const TBitmapView& picture, const QRect& part) {
  const QRect area = part.intersected(QRect(0, 0, picture.Width(), picture.Height()));
  if (area.isEmpty()) return;
  PaintPixelForPixel(painter);
  QImage band(area.width(), std::min(area.height(), kBandRows), QImage::Format_RGB32);
  for (int top = area.top(); top <= area.bottom(); top += band.height()) {
    const int rows = std::min(band.height(), area.bottom() + 1 - top);
    for (int y = 0; y < rows; ++y) {
      const TPixel32* in = picture.Row(top + y) + area.x();
      auto* out = reinterpret_cast<TPixel32*>(band.scanLine(y));
      for (int x = 0; x < area.width(); ++x) out[x] = in[x] | MakePixel(0, 0, 0, 255);
    }
    painter.drawImage(QPoint(area.x(), top), band, QRect(0, 0, area.width(), rows));
  }
}

void DrawWindowPicture(QPainter& painter, const TBitmapView& picture, const QRect& part, bool translucent) {
  if (!translucent) {
    DrawOpaque(painter, picture, part);
    return;
  }
  PaintPixelForPixel(painter);
  painter.fillRect(part, Qt::transparent);
  painter.drawImage(QPoint(0, 0), WrapAsQImage(picture));
}
