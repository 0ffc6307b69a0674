// Styles 1 to 57: the new picture stretched, slid or revealed through rectangles that follow the
// progress from an edge, a corner or the middle. Halves are integer halves truncated toward zero.

#include <algorithm>

#include "transitions/transition_styles.h"

namespace {

// The curl of "Unroll": where the rolled-up band ends, ahead of the unrolled part of length
// done (out of length): half as far again at the start, halfway to the end near the end, a
// tenth of the length in between.
int32_t CurlEdge(int32_t done, int32_t length) {
  if (done < length / 5) return done + done / 2;
  if (length < done + length / 5) return done + (length - done) / 2;
  return done + length / 10;
}

// The same curl seen from the far edge: rest is the part still rolled up.
int32_t CurlEdgeFromFar(int32_t done, int32_t rest, int32_t length) {
  if (done < length / 5) return rest - done / 2;
  if (rest < length / 5) return rest - rest / 2;
  return rest - length / 10;
}

void UnrollFromLeft(const TFrame& f) {
  const int32_t r = CurlEdge(f.X, f.W);
  f.CopyMirrored({r, 0, 2 * r - f.X, f.H}, {f.X, 0, r, f.H}, false);
  f.Reveal({0, 0, f.X, f.H});
}

void UnrollFromRight(const TFrame& f) {
  const int32_t e = f.W - f.X;
  const int32_t l = CurlEdgeFromFar(f.X, e, f.W);
  f.CopyMirrored({2 * l - e, 0, l, f.H}, {l, 0, e, f.H}, false);
  f.Reveal({e, 0, f.W, f.H});
}

void UnrollFromTop(const TFrame& f) {
  const int32_t r = CurlEdge(f.Y, f.H);
  f.CopyMirrored({0, r, f.W, 2 * r - f.Y}, {0, f.Y, f.W, r}, true);
  f.Reveal({0, 0, f.W, f.Y});
}

void UnrollFromBottom(const TFrame& f) {
  const int32_t e = f.H - f.Y;
  const int32_t l = CurlEdgeFromFar(f.Y, e, f.H);
  f.CopyMirrored({0, 2 * l - e, f.W, l}, {0, l, f.W, e}, true);
  f.Reveal({0, e, f.W, f.H});
}

}  // namespace

void AddRectangleStyles(TStyleProcedures& t) {
  t[1] = [](const TFrame& f) { f.Stretch({f.W - f.X, 0, f.W, f.H}); };
  t[2] = [](const TFrame& f) { f.Stretch({0, 0, f.X, f.H}); };
  t[3] = [](const TFrame& f) { f.Stretch({f.W - f.X, 0, 2 * f.W - f.X, f.H}); };
  t[4] = [](const TFrame& f) { f.Stretch({f.X - f.W, 0, f.X, f.H}); };
  t[5] = [](const TFrame& f) { f.Reveal({0, 0, f.X, f.H}); };
  t[6] = [](const TFrame& f) { f.Reveal({f.W - f.X, 0, f.W, f.H}); };
  t[7] = [](const TFrame& f) { f.Copy({0, 0, f.X, f.H}, {0, 0, 2 * f.W - f.X, f.H}); };
  t[8] = [](const TFrame& f) { f.Copy({f.W - f.X, 0, f.W, f.H}, {f.X - f.W, 0, f.W, f.H}); };
  t[9] = [](const TFrame& f) {
    f.Copy({(f.W - f.X) / 2, 0, (f.W + f.X) / 2, f.H}, {f.X - f.W, 0, 2 * f.W - f.X, f.H});
  };
  t[10] = [](const TFrame& f) { f.Stretch({(f.W - f.X) / 2, 0, (f.W + f.X) / 2, f.H}); };
  t[11] = [](const TFrame& f) { f.Reveal({(f.W - f.X) / 2, 0, (f.W + f.X) / 2, f.H}); };
  t[12] = [](const TFrame& f) {
    f.Reveal({0, 0, f.X / 2 + 1, f.H});
    f.Reveal({f.W - f.X / 2 - 1, 0, f.W, f.H});
  };
  t[13] = [](const TFrame& f) {
    f.Copy({0, 0, f.W / 2 + 1, f.H}, {0, 0, f.X / 2 + 1, f.H});
    f.Copy({f.W / 2, 0, f.W, f.H}, {f.W - f.X / 2 - 1, 0, f.W, f.H});
  };
  t[14] = UnrollFromLeft;
  t[15] = UnrollFromRight;
  t[16] = [](const TFrame& f) {
    f.Reveal({0, 0, f.X, f.H});
    f.Copy({f.X, 0, std::min(f.X + f.W / f.S, f.W), f.H}, {f.X, 0, f.W, f.H});
  };
  t[17] = [](const TFrame& f) {
    f.Reveal({f.W - f.X, 0, f.W, f.H});
    f.Copy({std::max(f.W - f.X - f.W / f.S, 0), 0, f.W - f.X, f.H}, {0, 0, f.W - f.X, f.H});
  };
  t[18] = [](const TFrame& f) { f.Stretch({0, f.H - f.Y, f.W, f.H}); };
  t[19] = [](const TFrame& f) { f.Stretch({0, 0, f.W, f.Y}); };
  t[20] = [](const TFrame& f) { f.Stretch({0, f.H - f.Y, f.W, 2 * f.H - f.Y}); };
  t[21] = [](const TFrame& f) { f.Stretch({0, f.Y - f.H, f.W, f.Y}); };
  t[22] = [](const TFrame& f) { f.Reveal({0, 0, f.W, f.Y}); };
  t[23] = [](const TFrame& f) { f.Reveal({0, f.H - f.Y, f.W, f.H}); };
  t[24] = [](const TFrame& f) { f.Copy({0, 0, f.W, f.Y}, {0, 0, f.W, 2 * f.H - f.Y}); };
  t[25] = [](const TFrame& f) { f.Copy({0, f.H - f.Y, f.W, f.H}, {0, f.Y - f.H, f.W, f.H}); };
  t[26] = [](const TFrame& f) {
    f.Copy({0, (f.H - f.Y) / 2, f.W, (f.H + f.Y) / 2}, {0, f.Y - f.H, f.W, 2 * f.H - f.Y});
  };
  t[27] = [](const TFrame& f) { f.Stretch({0, (f.H - f.Y) / 2, f.W, (f.H + f.Y) / 2}); };
  t[28] = [](const TFrame& f) { f.Reveal({0, (f.H - f.Y) / 2, f.W, (f.H + f.Y) / 2}); };
  t[29] = [](const TFrame& f) {
    f.Reveal({0, 0, f.W, f.Y / 2 + 1});
    f.Reveal({0, f.H - f.Y / 2 - 1, f.W, f.H});
  };
  t[30] = [](const TFrame& f) {
    f.Copy({0, 0, f.W, f.H / 2 + 1}, {0, 0, f.W, f.Y / 2 + 1});
    f.Copy({0, f.H / 2, f.W, f.H}, {0, f.H - f.Y / 2 - 1, f.W, f.H});
  };
  t[31] = UnrollFromTop;
  t[32] = UnrollFromBottom;
  t[33] = [](const TFrame& f) {
    f.Reveal({0, 0, f.W, f.Y});
    f.Copy({0, f.Y, f.W, std::min(f.Y + f.H / f.S, f.H)}, {0, f.Y, f.W, f.H});
  };
  t[34] = [](const TFrame& f) {
    f.Reveal({0, f.H - f.Y, f.W, f.H});
    f.Copy({0, std::max(f.H - f.Y - f.H / f.S, 0), f.W, f.H - f.Y}, {0, 0, f.W, f.H - f.Y});
  };
  t[35] = [](const TFrame& f) { f.Stretch({f.W - f.X, f.H - f.Y, f.W, f.H}); };
  t[36] = [](const TFrame& f) { f.Stretch({f.W - f.X, 0, f.W, f.Y}); };
  t[37] = [](const TFrame& f) { f.Stretch({0, 0, f.X, f.Y}); };
  t[38] = [](const TFrame& f) { f.Stretch({0, f.H - f.Y, f.X, f.H}); };
  t[39] = [](const TFrame& f) { f.Stretch({f.W - f.X, f.H - f.Y, 2 * f.W - f.X, 2 * f.H - f.Y}); };
  t[40] = [](const TFrame& f) { f.Stretch({f.W - f.X, f.Y - f.H, 2 * f.W - f.X, f.Y}); };
  t[41] = [](const TFrame& f) { f.Stretch({f.X - f.W, f.Y - f.H, f.X, f.Y}); };
  t[42] = [](const TFrame& f) { f.Stretch({f.X - f.W, f.H - f.Y, f.X, 2 * f.H - f.Y}); };
  t[43] = [](const TFrame& f) { f.Reveal({0, 0, f.X, f.Y}); };
  t[44] = [](const TFrame& f) { f.Reveal({0, f.H - f.Y, f.X, f.H}); };
  t[45] = [](const TFrame& f) { f.Reveal({f.W - f.X, f.H - f.Y, f.W, f.H}); };
  t[46] = [](const TFrame& f) { f.Reveal({f.W - f.X, 0, f.W, f.Y}); };
  t[47] = [](const TFrame& f) { f.Copy({0, 0, f.X, f.Y}, {0, 0, 2 * f.W - f.X, 2 * f.H - f.Y}); };
  t[48] = [](const TFrame& f) { f.Copy({0, f.H - f.Y, f.X, f.H}, {0, f.Y - f.H, 2 * f.W - f.X, f.H}); };
  t[49] = [](const TFrame& f) { f.Copy({f.W - f.X, f.H - f.Y, f.W, f.H}, {f.X - f.W, f.Y - f.H, f.W, f.H}); };
  t[50] = [](const TFrame& f) { f.Copy({f.W - f.X, 0, f.W, f.Y}, {f.X - f.W, 0, f.W, 2 * f.H - f.Y}); };
  t[51] = [](const TFrame& f) {
    f.Copy({(f.W - f.X) / 2, (f.H - f.Y) / 2, (f.W + f.X) / 2, (f.H + f.Y) / 2},
           {f.X - f.W, f.Y - f.H, 2 * f.W - f.X, 2 * f.H - f.Y});
  };
  t[52] = [](const TFrame& f) { f.Stretch({(f.W - f.X) / 2, (f.H - f.Y) / 2, (f.W + f.X) / 2, (f.H + f.Y) / 2}); };
  t[53] = [](const TFrame& f) { f.Reveal({(f.W - f.X) / 2, (f.H - f.Y) / 2, (f.W + f.X) / 2, (f.H + f.Y) / 2}); };
  t[54] = [](const TFrame& f) {
    f.Reveal({0, 0, f.W, f.Y / 2});
    f.Reveal({0, f.H - f.Y / 2, f.W, f.H});
    f.Reveal({0, 0, f.X / 2, f.H});
    f.Reveal({f.W - f.X / 2, 0, f.W, f.H});
  };
  t[55] = [](const TFrame& f) {
    const int32_t x = f.X / 2 + 1;
    const int32_t y = f.Y / 2 + 1;
    f.Reveal({0, 0, x, y});
    f.Reveal({0, f.H - y, x, f.H});
    f.Reveal({f.W - x, f.H - y, f.W, f.H});
    f.Reveal({f.W - x, 0, f.W, y});
  };
  t[56] = [](const TFrame& f) {
    const int32_t w = f.W / 2 + 1;
    const int32_t h = f.H / 2 + 1;
    f.Copy({0, 0, w, h}, {0, 0, f.X / 2 + 1, f.Y / 2 + 1});
    f.Copy({0, h, w, f.H}, {0, f.H - f.Y / 2, f.X / 2 + 1, f.H});
    f.Copy({w, h, f.W, f.H}, {f.W - f.X / 2, f.H - f.Y / 2, f.W, f.H});
    f.Copy({w, 0, f.W, h}, {f.W - f.X / 2, 0, f.W, f.Y / 2 + 1});
  };
  t[57] = [](const TFrame& f) {
    const int32_t w = f.W / 2 + 1;
    const int32_t h = f.H / 2 + 1;
    f.Copy({0, 0, w, h}, {(f.X - f.W) / 2, 0, f.X / 2 + 1, h});
    f.Copy({f.W / 2, 0, f.W, h}, {f.W / 2, (f.Y - f.H) / 2, f.W, f.Y / 2 + 1});
    f.Copy({w, f.H / 2, f.W, f.H}, {f.W - f.X / 2, f.H / 2, f.W + (f.W - f.X) / 2, f.H});
    f.Copy({0, h, w, f.H}, {0, f.H - f.Y / 2, w, f.H + (f.H - f.Y) / 2});
  };
}
