// Styles 118 to 122, which work on the pixels directly: the fade, and the pivots that swing the
// new picture into place about a corner.

#include <cmath>
#include <numbers>

#include "transitions/transition_styles.h"

namespace {

void Fade(const TFrame& f) {
  const uint32_t p = static_cast<uint32_t>(f.progress);
  const auto mix = [p](uint32_t oldValue, uint32_t newValue) { return ((100 - p) * oldValue + p * newValue) / 100; };
  for (int32_t y = 0; y < f.H; ++y) {
    TPixel32* out = f.display.Row(y);
    const TPixel32* in = f.newImage.Row(y);
    for (int32_t x = 0; x < f.W; ++x) {
      const TPixel32 o = out[x];
      const TPixel32 n = in[x];
      // The fourth byte (alpha) is kept as the display holds it.
      out[x] = (o & 0xFF000000u) | (mix((o >> 16) & 0xFF, (n >> 16) & 0xFF) << 16) |
               (mix((o >> 8) & 0xFF, (n >> 8) & 0xFF) << 8) | mix(o & 0xFF, n & 0xFF);
    }
  }
}

// Every display pixel takes the new picture's pixel at pivot + rotation(angle) * (pixel - pivot),
// with sine and cosine in 16.16 fixed point and the source position rounded to the nearest
// pixel; pixels whose source lies outside the new picture keep the old picture. The angle is
// taken in exact degrees, (100 - progress) * 90 / 100, not truncated to whole degrees, so that
// each step of the progress turns the picture a little. A positive angle turns the same way as
// the rotating polygons (clockwise on the screen, whose y axis points down).
void Pivot(const TFrame& f, TPoint pivot, bool negative) {
  const double degrees = (100 - f.progress) * 90.0 / 100.0;
  const double radians = (negative ? -degrees : degrees) * std::numbers::pi / 180.0;
  const int64_t c = std::lround(std::cos(radians) * 65536.0);
  const int64_t s = std::lround(std::sin(radians) * 65536.0);
  constexpr int64_t kHalf = int64_t{1} << 15;
  for (int32_t y = 0; y < f.H; ++y) {
    const int64_t dy = y - pivot.y;
    TPixel32* out = f.display.Row(y);
    // Fixed-point source position of the row's first pixel; each next pixel adds (c, s).
    int64_t sx = (0 - pivot.x) * c - dy * s;
    int64_t sy = (0 - pivot.x) * s + dy * c;
    for (int32_t x = 0; x < f.W; ++x, sx += c, sy += s) {
      const int64_t px = pivot.x + ((sx + kHalf) >> 16);
      const int64_t py = pivot.y + ((sy + kHalf) >> 16);
      if (px >= 0 && px < f.W && py >= 0 && py < f.H)
        out[x] = f.newImage.At(static_cast<int32_t>(px), static_cast<int32_t>(py));
    }
  }
}

}  // namespace

void AddPixelStyles(TStyleProcedures& t) {
  t[118] = Fade;
  t[119] = [](const TFrame& f) { Pivot(f, {-1, -1}, false); };
  t[120] = [](const TFrame& f) { Pivot(f, {-1, f.H}, true); };
  t[121] = [](const TFrame& f) { Pivot(f, {f.W, -1}, true); };
  t[122] = [](const TFrame& f) { Pivot(f, {f.W, f.H}, false); };
}
