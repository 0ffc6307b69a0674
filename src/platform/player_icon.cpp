#include "platform/player_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "graphics/qt_seam.h"

namespace {

// Drawn on a 48-unit grid and scaled, so every size keeps the same proportions.
QImage DrawPlayerIcon(int side) {
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(side / 48.0, side / 48.0);

  QLinearGradient tile(0, 0, 0, 48);
  tile.setColorAt(0, QColor(0x2b, 0x6c, 0xb0));
  tile.setColorAt(1, QColor(0x1a, 0x3f, 0x73));
  painter.setPen(Qt::NoPen);
  painter.setBrush(tile);
  painter.drawRoundedRect(QRectF(1, 1, 46, 46), 9, 9);

  // The disc: a light ring around a hole.
  QPainterPath disc;
  disc.addEllipse(QPointF(24, 24), 18, 18);
  disc.addEllipse(QPointF(24, 24), 4.5, 4.5);
  painter.setBrush(QColor(0xe8, 0xf0, 0xf8));
  painter.drawPath(disc);

  // The play mark across the disc's right half.
  QPainterPath play;
  play.moveTo(21, 13);
  play.lineTo(38, 24);
  play.lineTo(21, 35);
  play.closeSubpath();
  QPainterPath hole;
  hole.addEllipse(QPointF(24, 24), 4.5, 4.5);
  painter.setBrush(QColor(0xf5, 0x8a, 0x1f));
  painter.drawPath(play.subtracted(hole));
  return image;
}

}  // namespace

QIcon DefaultPlayerIcon() {
  QIcon icon;
  for (int side : {16, 32, 48}) icon.addPixmap(QPixmap::fromImage(DrawPlayerIcon(side)));
  return icon;
}

QIcon IconFromBitmaps(const std::vector<TBitmap32>& images) {
  QIcon icon;
  for (const TBitmap32& image : images)
    if (!image.Empty()) icon.addPixmap(QPixmap::fromImage(WrapAsQImage(image.View()).copy()));
  return icon;
}
