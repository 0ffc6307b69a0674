// Styles 58, 59, 69, 70 and 80 to 85: the new picture shows through one rounded rectangle whose
// edge sweeps across the picture (or, for 85, outside a shrinking rounded hole).

#include "transitions/frame_mask.h"
#include "transitions/transition_styles.h"

namespace {

struct TRoundedShape {
  TRect rect;
  int32_t cornerWidth;
  int32_t cornerHeight;
};

void DrawRounded(const TFrame& f, const TRoundedShape& shape) {
  TFrameMask mask(f.W, f.H);
  mask.AddRoundRect(shape.rect, shape.cornerWidth, shape.cornerHeight);
  f.DrawThrough(mask);
}

void CircularRevealToCentre(const TFrame& f) {
  TFrameMask mask(f.W, f.H);
  mask.AddRect({0, 0, f.W, f.H});
  TFrameMask hole(f.W, f.H);
  hole.AddRoundRect({f.X - f.W / 2, f.Y - f.H / 2, 3 * f.W / 2 - f.X, 3 * f.H / 2 - f.Y}, (f.W - f.X) * 9 / 5,
                    (f.H - f.Y) * 9 / 5);
  mask.XorWith(hole);
  f.DrawThrough(mask);
}

}  // namespace

void AddCurveStyles(TStyleProcedures& t) {
  t[58] = [](const TFrame& f) { DrawRounded(f, {{-2 * f.W, -5, 2 * f.X, f.H + 5}, 2 * f.W, 2 * f.W}); };
  t[59] = [](const TFrame& f) { DrawRounded(f, {{f.W - 2 * f.X, -5, 3 * f.W, f.H + 5}, 2 * f.W, 2 * f.W}); };
  t[69] = [](const TFrame& f) { DrawRounded(f, {{-5, -2 * f.H, f.W + 5, 2 * f.Y}, 2 * f.H, 2 * f.H}); };
  t[70] = [](const TFrame& f) { DrawRounded(f, {{-5, f.H - 2 * f.Y, f.W + 5, 3 * f.H}, 2 * f.H, 2 * f.H}); };
  t[80] = [](const TFrame& f) { DrawRounded(f, {{-2 * f.W, -2 * f.H, 2 * f.X, 2 * f.Y}, 2 * f.W, 2 * f.H}); };
  t[81] = [](const TFrame& f) { DrawRounded(f, {{f.W - 2 * f.X, -2 * f.H, 3 * f.W, 2 * f.Y}, 2 * f.W, 2 * f.H}); };
  t[82] = [](const TFrame& f) { DrawRounded(f, {{-2 * f.W, f.H - 2 * f.Y, 2 * f.X, 3 * f.H}, 2 * f.W, 2 * f.H}); };
  // The corner of this one is 2H wide, not 2W, as the style has always drawn it.
  t[83] = [](const TFrame& f) { DrawRounded(f, {{f.W - 2 * f.X, f.H - 2 * f.Y, 3 * f.W, 3 * f.H}, 2 * f.H, 2 * f.H}); };
  t[84] = [](const TFrame& f) { DrawRounded(f, {{f.W / 2 - f.X, f.H / 2 - f.Y, f.W / 2 + f.X, f.H / 2 + f.Y}, f.X * 9 / 5, f.Y * 9 / 5}); };
  t[85] = CircularRevealToCentre;
}
