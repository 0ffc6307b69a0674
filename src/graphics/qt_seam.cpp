#include "graphics/qt_seam.h"

#include <cstring>

QImage WrapAsQImage(const TBitmapView& view) {
  if (view.Empty()) return {};
  return QImage(reinterpret_cast<uchar*>(view.Row(0)), view.Width(), view.Height(),
                static_cast<qsizetype>(view.Stride()) * 4, QImage::Format_ARGB32);
}

TBitmap32 BitmapFromQImage(const QImage& image) {
  QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  TBitmap32 bitmap(argb.width(), argb.height());
  for (int y = 0; y < bitmap.Height(); ++y)
    std::memcpy(bitmap.Row(y), argb.constScanLine(y), static_cast<size_t>(bitmap.Width()) * 4);
  return bitmap;
}
