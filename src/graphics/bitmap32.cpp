#include "graphics/bitmap32.h"

#include <algorithm>

TBitmapView TBitmapView::SubView(const TRect& rect) const {
  TRect r = rect.Intersect(Bounds());
  if (r.IsEmpty()) return {};
  return {Row(r.top) + r.left, r.Width(), r.Height(), m_stride};
}

TBitmap32::TBitmap32(int32_t width, int32_t height, TPixel32 fill) { Resize(width, height, fill); }

void TBitmap32::Resize(int32_t width, int32_t height, TPixel32 fill) {
  if (width <= 0 || height <= 0) width = height = 0;
  m_width = width;
  m_height = height;
  m_pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), fill);
}

void TBitmap32::Fill(TPixel32 pixel) { std::fill(m_pixels.begin(), m_pixels.end(), pixel); }
