#include "graphics/nine_slice.h"

std::vector<TNineSlicePiece> NineSlicePieces(const TRect& frame, int32_t width, int32_t height, int32_t margin) {
  const int32_t m = margin, w = width, h = height;
  const int64_t twice = int64_t{2} * m;  // a stored margin may be as large as the integer allows
  const bool sliced = m > 0 && twice < w && twice < h && twice < frame.Width() && twice < frame.Height();
  if (!sliced) return {{frame, {0, 0, w, h}}};
  const int32_t l = frame.left, t = frame.top, r = frame.right, b = frame.bottom;
  return {
      {{l, t, l + m, t + m}, {0, 0, m, m}},
      {{r - m, t, r, t + m}, {w - m, 0, w, m}},
      {{l, b - m, l + m, b}, {0, h - m, m, h}},
      {{r - m, b - m, r, b}, {w - m, h - m, w, h}},
      {{l, t + m, l + m, b - m}, {0, m, m, h - m}},
      {{l + m, t, r - m, t + m}, {m, 0, w - m, m}},
      {{r - m, t + m, r, b - m}, {w - m, m, w, h - m}},
      {{l + m, b - m, r - m, b}, {m, h - m, w - m, h}},
      {{l + m, t + m, r - m, b - m}, {m, m, w - m, h - m}},
  };
}
