#pragma once
// Shared by the picture decoder tests: comparing decoded test data files with Qt's own image
// readers as an independent reference.

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/qt_seam.h"
#include "support/test_data.h"

// The file as Qt's image reader decodes it (empty when Qt cannot read it).
inline TBitmap32 QtReference(const std::string& relative) {
  QImage image(QString::fromStdString(TestDataPath(relative)));
  return image.isNull() ? TBitmap32() : BitmapFromQImage(image);
}

struct TPixelDifference {
  int maxChannel = 0;        // largest difference of any channel (colour only where both are visible)
  double meanChannel = 0;    // mean colour difference over the visible pixels
  int maxAlpha = 0;          // largest alpha difference
};

// Compares two bitmaps of the same size; colours count only where both pixels are not fully
// transparent, since a transparent pixel's colour is not seen.
inline TPixelDifference ComparePixels(const TBitmap32& a, const TBitmap32& b) {
  TPixelDifference d;
  int64_t sum = 0, count = 0;
  for (int32_t y = 0; y < a.Height(); ++y) {
    for (int32_t x = 0; x < a.Width(); ++x) {
      TPixel32 p = a.At(x, y), q = b.At(x, y);
      d.maxAlpha = std::max(d.maxAlpha, std::abs(PixelA(p) - PixelA(q)));
      if (PixelA(p) == 0 || PixelA(q) == 0) continue;
      for (int shift : {0, 8, 16}) {
        int diff = std::abs(static_cast<int>((p >> shift) & 255) - static_cast<int>((q >> shift) & 255));
        d.maxChannel = std::max(d.maxChannel, diff);
        sum += diff;
        ++count;
      }
    }
  }
  d.meanChannel = count ? static_cast<double>(sum) / count : 0;
  return d;
}
