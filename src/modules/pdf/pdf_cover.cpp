#include "modules/pdf/pdf_cover.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

QPixmap PdfCoverPicture() {
  constexpr int kSide = 128;
  QImage image(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  // A sheet with its top right corner folded down.
  QPainterPath sheet;
  sheet.moveTo(24, 8);
  sheet.lineTo(80, 8);
  sheet.lineTo(104, 32);
  sheet.lineTo(104, 120);
  sheet.lineTo(24, 120);
  sheet.closeSubpath();
  painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 2));
  painter.setBrush(QColor(0xF4, 0xF4, 0xF4));
  painter.drawPath(sheet);
  QPainterPath fold;
  fold.moveTo(80, 8);
  fold.lineTo(80, 32);
  fold.lineTo(104, 32);
  fold.closeSubpath();
  painter.setBrush(QColor(0xD0, 0xD0, 0xD0));
  painter.drawPath(fold);
  // Lines of text and a red band with the letters.
  painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 3));
  for (int y = 44; y <= 60; y += 8) painter.drawLine(36, y, 92, y);
  for (int y = 100; y <= 108; y += 8) painter.drawLine(36, y, 92, y);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(0xC8, 0x10, 0x10));
  painter.drawRoundedRect(QRectF(12, 68, 80, 24), 4, 4);
  QFont font("DejaVu Sans");
  font.setPixelSize(18);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRectF(12, 68, 80, 24), Qt::AlignCenter, "PDF");
  painter.end();
  return QPixmap::fromImage(image);
}
