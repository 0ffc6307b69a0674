// Styles 65 to 68, 76 to 79 and 100 to 109: uneven shreds. Bands start every 5 rows and are
// 5 + (H mod 5) rows high (columns: every 5 columns, 5 + (W mod 5) wide), so they overlap a
// little; each band's edge is jittered by the difference of two random numbers from 0 to
// W / 7 - 1 (H / 7 for columns), drawn for that band in that frame, from the engine's
// generator. Once the advance reaches the full length there is no jitter; and a picture under 7
// pixels along the bands has no jitter either: nothing is drawn from an empty range.

#include <cstdint>

#include "transitions/band_axis.h"
#include "transitions/frame_mask.h"
#include "transitions/transition_styles.h"

namespace {

enum class TShredRule : uint8_t {
  srNone,
  srFromNear,   // left (rows) or top (columns)
  srFromFar,    // right or bottom
  srOutMiddle,  // out from the middle (rows) or the horizon (columns)
  srInMiddle,   // in to the middle or the horizon
};

class TJitter {
 public:
  TJitter(const TBandAxis& axis, TSeededRandom& random)
      : m_range(axis.advance < axis.length ? axis.length / 7 : 0), m_random(random) {}
  // r1 - r2 for one band edge (0 without jitter, and then the generator is not used).
  int32_t Next() {
    if (m_range < 1) return 0;
    const int32_t r1 = m_random.Below(m_range);
    return r1 - m_random.Below(m_range);
  }

 private:
  int32_t m_range;
  TSeededRandom& m_random;
};

void AddShreds(TFrameMask& mask, const TBandAxis& axis, TShredRule rule, TSeededRandom& random) {
  if (rule == TShredRule::srNone) return;
  const int32_t thickness = 5 + axis.breadth % 5;
  const int32_t n = axis.length;
  const int32_t a = axis.advance;
  TJitter jitter(axis, random);
  for (int32_t start = 0; start < axis.breadth; start += 5) {
    switch (rule) {
      case TShredRule::srFromFar: mask.AddRect(axis.Band(n - a + jitter.Next(), n, start, thickness)); break;
      case TShredRule::srFromNear: mask.AddRect(axis.Band(0, a + jitter.Next(), start, thickness)); break;
      case TShredRule::srOutMiddle: {
        const int32_t first = jitter.Next();
        const int32_t second = jitter.Next();
        mask.AddRect(axis.Band((n - a + first) / 2, n / 2, start, thickness));
        mask.AddRect(axis.Band(n / 2, (n + a + second) / 2, start, thickness));
        break;
      }
      case TShredRule::srInMiddle: {
        const int32_t first = jitter.Next();
        const int32_t second = jitter.Next();
        mask.AddRect(axis.Band(n - (a + first) / 2, n, start, thickness));
        mask.AddRect(axis.Band(0, (a + second) / 2, start, thickness));
        break;
      }
      case TShredRule::srNone: break;
    }
  }
}

// The column shreds are drawn (and take their random numbers) before the row shreds.
template <TShredRule Columns, TShredRule Rows>
void DrawShreds(const TFrame& f) {
  TFrameMask mask(f.W, f.H);
  AddShreds(mask, TBandAxis::Columns(f), Columns, f.random);
  AddShreds(mask, TBandAxis::Rows(f), Rows, f.random);
  f.DrawThrough(mask);
}

using enum TShredRule;

}  // namespace

void AddShredStyles(TStyleProcedures& t) {
  t[65] = DrawShreds<srNone, srFromFar>;
  t[66] = DrawShreds<srNone, srFromNear>;
  t[67] = DrawShreds<srNone, srOutMiddle>;
  t[68] = DrawShreds<srNone, srInMiddle>;
  t[76] = DrawShreds<srFromFar, srNone>;
  t[77] = DrawShreds<srFromNear, srNone>;
  t[78] = DrawShreds<srOutMiddle, srNone>;
  t[79] = DrawShreds<srInMiddle, srNone>;
  t[100] = DrawShreds<srFromFar, srFromFar>;
  t[101] = DrawShreds<srFromNear, srFromFar>;
  t[102] = DrawShreds<srFromFar, srFromNear>;
  t[103] = DrawShreds<srFromNear, srFromNear>;
  t[104] = DrawShreds<srOutMiddle, srFromFar>;
  t[105] = DrawShreds<srOutMiddle, srFromNear>;
  t[106] = DrawShreds<srFromFar, srOutMiddle>;
  t[107] = DrawShreds<srFromNear, srOutMiddle>;
  t[108] = DrawShreds<srOutMiddle, srOutMiddle>;
  t[109] = DrawShreds<srInMiddle, srInMiddle>;
}
