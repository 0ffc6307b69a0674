#include "graphics/text_layers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "graphics/colors.h"
#include "graphics/text_render.h"

namespace {

// The rotated copy of coverage around origin (0, 0); returns it with the place of the origin.
// Empty when the rotated box would pass the bitmap limits.
TCoverage Rotate(const TCoverage& coverage, int32_t degrees, TPoint& origin) {
  const double a = degrees * std::numbers::pi / 180.0, c = std::cos(a), s = std::sin(a);
  // A text point (u, v) lands at (u c + v s, -u s + v c) on the screen (y down).
  const double w = coverage.Width(), h = coverage.Height();
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (const auto& [u, v] : {std::pair{w, 0.0}, std::pair{0.0, h}, std::pair{w, h}}) {
    const double x = u * c + v * s, y = -u * s + v * c;
    minX = std::min(minX, x), maxX = std::max(maxX, x), minY = std::min(minY, y), maxY = std::max(maxY, y);
  }
  const int32_t left = static_cast<int32_t>(std::floor(minX)), top = static_cast<int32_t>(std::floor(minY));
  const auto width = static_cast<int64_t>(std::ceil(maxX)) - left, height = static_cast<int64_t>(std::ceil(maxY)) - top;
  if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels) return {};
  TCoverage rotated(static_cast<int32_t>(width), static_cast<int32_t>(height));
  for (int32_t y = 0; y < rotated.Height(); ++y)
    for (int32_t x = 0; x < rotated.Width(); ++x) {
      const double px = x + left + 0.5, py = y + top + 0.5;
      const auto u = static_cast<int32_t>(std::floor(px * c - py * s));
      const auto v = static_cast<int32_t>(std::floor(px * s + py * c));
      if (u >= 0 && v >= 0 && u < coverage.Width() && v < coverage.Height()) rotated.At(x, y) = coverage.At(u, v);
    }
  origin = {-left, -top};
  return rotated;
}

}  // namespace

TTextMask::TTextMask(const TCanvasFont& font, std::string_view text, int32_t width, int32_t height, uint32_t flags,
                     int32_t angleDegrees) {
  if (width <= 0 || height <= 0 || width > kMaxBitmapSide || height > kMaxBitmapSide ||
      int64_t{width} * height > kMaxBitmapPixels)
    return;
  TBitmap32 drawn(width, height, MakePixel(0, 0, 0));
  TCanvas canvas(drawn.View());
  canvas.Font() = font;
  canvas.Font().color = clWhite;
  canvas.Brush().style = TBrushStyle::bsClear;
  TRect rect{0, 0, width, height};
  DrawTextPlain(canvas, text, rect, flags);
  m_coverage = TCoverage(width, height);
  for (int32_t y = 0; y < height; ++y)
    std::transform(drawn.Row(y), drawn.Row(y) + width, m_coverage.Row(y), PixelR);
  if (angleDegrees % 360 != 0) m_coverage = Rotate(m_coverage, angleDegrees, m_origin);
}

TTextMask TTextMask::Dilated(int32_t radius) const {
  radius = std::max(radius, 0);
  TTextMask grown;
  grown.m_coverage = DilateSquare(m_coverage, radius);
  grown.m_origin = {m_origin.x + radius, m_origin.y + radius};
  return grown;
}

template <class AbovePixel>
void TTextMask::Blend(const TBitmapView& target, TPoint at, AbovePixel abovePixel) const {
  const int32_t dx = at.x - m_origin.x, dy = at.y - m_origin.y;
  for (int32_t y = std::max(0, -dy); y < m_coverage.Height() && y + dy < target.Height(); ++y) {
    for (int32_t x = std::max(0, -dx); x < m_coverage.Width() && x + dx < target.Width(); ++x) {
      const uint32_t c = m_coverage.At(x, y);
      if (c == 0) continue;
      TPixel32& out = target.At(x + dx, y + dy);
      const TPixel32 above = abovePixel(x + dx, y + dy);
      // Weighted by coverage, rounded to nearest; full coverage takes the pixel as it is.
      auto mix = [c](uint32_t below, uint32_t over) {
        return static_cast<uint8_t>((below * (255 - c) + over * c + 127) / 255);
      };
      out = c == 255 ? above
                     : MakePixel(mix(PixelR(out), PixelR(above)), mix(PixelG(out), PixelG(above)),
                                 mix(PixelB(out), PixelB(above)));
    }
  }
}

void TTextMask::PaintColour(const TBitmapView& target, TPoint at, TColor colour) const {
  const TPixel32 pixel = ColorToPixel(colour);
  Blend(target, at, [pixel](int32_t, int32_t) { return pixel; });
}

void TTextMask::PaintFrom(const TBitmapView& target, TPoint at, const TBitmap32& fill) const {
  if (fill.Width() < target.Width() || fill.Height() < target.Height()) return;
  Blend(target, at, [&fill](int32_t x, int32_t y) { return fill.At(x, y); });
}
