// Styles 128 to 135: the old picture is pushed (or squeezed) out by the whole current offset
// while the new one enters behind it.

#include "graphics/raster.h"
#include "transitions/transition_styles.h"

namespace {

// Stretches rectangle src of the display onto rectangle dst of the display. A move of the same
// size is a plain (overlap-safe) copy; a squeeze goes through a copy of the old picture.
void MoveDisplay(const TFrame& f, const TRect& src, const TRect& dst) {
  if (src.Width() == dst.Width() && src.Height() == dst.Height()) {
    CopyRect(f.display, {dst.left, dst.top}, f.display.SubView(src));
    return;
  }
  TBitmap32 old(f.W, f.H);
  CopyRect(old.View(), {0, 0}, f.display);
  StretchNearest(f.display, dst, old.View(), src);
}

}  // namespace

void AddPushStyles(TStyleProcedures& t) {
  t[128] = [](const TFrame& f) {
    MoveDisplay(f, {0, 0, f.W - f.X, f.H}, {f.X, 0, f.W, f.H});
    f.Copy({f.W - f.X, 0, f.W, f.H}, {0, 0, f.X, f.H});
  };
  t[129] = [](const TFrame& f) {
    MoveDisplay(f, {f.X, 0, f.W, f.H}, {0, 0, f.W - f.X, f.H});
    f.Copy({0, 0, f.X, f.H}, {f.W - f.X, 0, f.W, f.H});
  };
  t[130] = [](const TFrame& f) {
    MoveDisplay(f, {0, 0, f.W, f.H}, {f.X, 0, f.W, f.H});
    f.Copy({f.W - f.X, 0, f.W, f.H}, {0, 0, f.X, f.H});
  };
  t[131] = [](const TFrame& f) {
    MoveDisplay(f, {0, 0, f.W, f.H}, {0, 0, f.W - f.X, f.H});
    f.Copy({0, 0, f.X, f.H}, {f.W - f.X, 0, f.W, f.H});
  };
  t[132] = [](const TFrame& f) {
    MoveDisplay(f, {0, 0, f.W, f.H - f.Y}, {0, f.Y, f.W, f.H});
    f.Copy({0, f.H - f.Y, f.W, f.H}, {0, 0, f.W, f.Y});
  };
  t[133] = [](const TFrame& f) {
    MoveDisplay(f, {0, f.Y, f.W, f.H}, {0, 0, f.W, f.H - f.Y});
    f.Copy({0, 0, f.W, f.Y}, {0, f.H - f.Y, f.W, f.H});
  };
  t[134] = [](const TFrame& f) {
    MoveDisplay(f, {0, 0, f.W, f.H}, {0, f.Y, f.W, f.H});
    f.Copy({0, f.H - f.Y, f.W, f.H}, {0, 0, f.W, f.Y});
  };
  t[135] = [](const TFrame& f) {
    MoveDisplay(f, {0, 0, f.W, f.H}, {0, 0, f.W, f.H - f.Y});
    f.Copy({0, 0, f.W, f.Y}, {0, f.H - f.Y, f.W, f.H});
  };
}
