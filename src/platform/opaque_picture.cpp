#include "platform/opaque_picture.h"

#include <QImage>

#include "graphics/qt_seam.h"

void DrawOpaque(QPainter& painter, const TBitmapView& picture, const QRect& part) {
  const QRect area = part.intersected(QRect(0, 0, picture.Width(), picture.Height()));
  if (area.isEmpty()) return;
  QImage opaque(area.size(), QImage::Format_RGB32);
  for (int y = 0; y < area.height(); ++y) {
    const TPixel32* in = picture.Row(area.y() + y) + area.x();
    auto* out = reinterpret_cast<TPixel32*>(opaque.scanLine(y));
    for (int x = 0; x < area.width(); ++x) out[x] = in[x] | MakePixel(0, 0, 0, 255);
  }
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.drawImage(area.topLeft(), opaque);
}

void DrawWindowPicture(QPainter& painter, const TBitmapView& picture, const QRect& part, bool translucent) {
  if (!translucent) {
    DrawOpaque(painter, picture, part);
    return;
  }
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  painter.fillRect(part, Qt::transparent);
  painter.drawImage(QPoint(0, 0), WrapAsQImage(picture));
}
