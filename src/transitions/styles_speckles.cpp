// Styles 123 to 127: speckles that run ahead of an advancing edge, and random squares. Both draw
// from the engine's generator: the speckles take new numbers in every frame, the squares reseed
// the generator with W * H in every frame so that each frame draws the same squares.

#include <algorithm>

#include "transitions/band_axis.h"
#include "transitions/frame_mask.h"
#include "transitions/transition_styles.h"

namespace {

// Bands f pixels thick start every f / 2 pixels across the picture, so neighbours overlap by
// half. Each holds a solid part up to the edge and up to n squares of f x f beyond it, for
// i = n down to 1 one random number r below i each: square i shows when r <= 1 for i <= t, and
// when r = 0 beyond, so squares near the edge show more often. Within a picture's last frames
// (the advance at the full length) e is 0 and only the solid parts remain.
void Speckle(const TFrame& f, const TBandAxis& axis, bool fromFar) {
  const int32_t e = axis.advance < axis.length ? axis.length / 10 : 0;
  const int32_t size = std::max(e / 20, 2);
  const int32_t n = e / size;
  const int32_t t = (3 * e / size) / 4;
  const int32_t a = axis.advance;
  const int32_t l = axis.length;
  TFrameMask mask(f.W, f.H);
  for (int32_t b = 0; b < axis.breadth; b += size / 2) {
    mask.AddRect(fromFar ? axis.Band(l - a, l, b, size) : axis.Band(0, a, b, size));
    for (int32_t i = n; i >= 1; --i) {
      const int32_t r = f.random.Below(i);
      if (i <= t ? r > 1 : r != 0) continue;
      mask.AddRect(fromFar ? axis.Band(l - a - i * size, l - a - i * size + size, b, size)
                           : axis.Band(a + i * size - size, a + i * size, b, size));
    }
  }
  f.DrawThrough(mask);
}

// Squares 2s wide centred on a grid of pitch s, each shown when a number below 100 drawn for it
// is below the progress. The same seed gives the same numbers in every frame, so a square once
// shown stays shown as the progress grows.
void RandomSquares(const TFrame& f) {
  f.random.Seed(static_cast<uint32_t>(f.W) * static_cast<uint32_t>(f.H));
  const int32_t s = f.S > 1 ? f.S / 2 : f.S;
  TFrameMask mask(f.W, f.H);
  for (int32_t x = 0; x < f.W; x += s)
    for (int32_t y = 0; y < f.H; y += s)
      if (f.random.Below(100) < f.progress) mask.AddRect({x - s, y - s, x + s, y + s});
  f.DrawThrough(mask);
}

}  // namespace

void AddSpeckleStyles(TStyleProcedures& t) {
  t[123] = [](const TFrame& f) { Speckle(f, TBandAxis::Rows(f), true); };
  t[124] = [](const TFrame& f) { Speckle(f, TBandAxis::Rows(f), false); };
  t[125] = [](const TFrame& f) { Speckle(f, TBandAxis::Columns(f), true); };
  t[126] = [](const TFrame& f) { Speckle(f, TBandAxis::Columns(f), false); };
  t[127] = RandomSquares;
}
