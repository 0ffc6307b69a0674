// Styles 118 to 122, which work on the pixels directly: the fade, and the pivots that swing the
// new picture into place about a corner.

#include <cmath>
#include <numbers>

#include "transitions/transition_styles.h"

namespace {

// x / 100 for x up to 255 * 100, as a multiply and a shift (exact over that range), so that the
// loop below vectorises.
constexpr uint32_t DivideBy100(uint32_t x) { return (x * 5243u) >> 19; }
static_assert(DivideBy100(25500) == 255 && DivideBy100(25499) == 254 && DivideBy100(99) == 0 && DivideBy100(100) == 1);

// One row of the fade; the rows of display and new picture never overlap, which lets the
// compiler vectorise the loop.
void FadeRow(TPixel32* __restrict out, const TPixel32* __restrict in, int32_t width, uint32_t p) {
  const uint32_t q = 100 - p;
  for (int32_t x = 0; x < width; ++x) {
    const uint32_t o = out[x];
    const uint32_t n = in[x];
    // Red and blue are mixed side by side in one word (each sum stays below 2^16); the fourth
    // byte (alpha) is kept as the display holds it.
    const uint32_t redBlue = q * (o & 0x00FF00FFu) + p * (n & 0x00FF00FFu);
    const uint32_t green = q * ((o >> 8) & 0xFF) + p * ((n >> 8) & 0xFF);
    out[x] = (o & 0xFF000000u) | (DivideBy100(redBlue >> 16) << 16) | (DivideBy100(green) << 8) |
             DivideBy100(redBlue & 0xFFFF);
  }
}

void Fade(const TFrame& f) {
  for (int32_t y = 0; y < f.H; ++y) FadeRow(f.display.Row(y), f.newImage.Row(y), f.W, static_cast<uint32_t>(f.progress));
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
