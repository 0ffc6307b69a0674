#pragma once
// One frame of a transition as the frame procedures see it: the display (which holds the old
// picture when a procedure is called), the new picture of the same size, the progress (1 to 99),
// the engine's step and its random generator, and the geometry that most styles share.
//
// Geometry: with W and H the picture's size, when W >= H then X = W * progress / 100 and
// Y = X * H / W, else Y = H * progress / 100 and X = Y * W / H; the size unit S is
// max(W, H) * step / 90. These four quotients round to the nearest integer, halves away from
// zero (MulDivRound). A picture so small that S comes out 0 uses S = 1, so that the styles that
// divide by it still draw a transition rather than dividing by zero.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/seeded_random.h"

class TFrameMask;

// a * b / c with the exact product, rounded to the nearest integer, halves away from zero.
// c must not be 0.
int32_t MulDivRound(int32_t a, int32_t b, int32_t c);

struct TFrame {
  // display and newImage must have the same size and not share pixels.
  TFrame(TBitmapView display, TBitmapView newImage, int32_t progress, int32_t step, TSeededRandom& random);

  TBitmapView display;
  TBitmapView newImage;
  int32_t progress;
  int32_t step;
  TSeededRandom& random;
  int32_t W;
  int32_t H;
  int32_t X;
  int32_t Y;
  int32_t S;

  // Stretches rectangle src of the new picture into rectangle dst of the display (nearest pixel;
  // dst is clipped to the display, an empty src or dst draws nothing).
  void Copy(const TRect& src, const TRect& dst) const;
  // The whole new picture stretched into dst.
  void Stretch(const TRect& dst) const { Copy(newImage.Bounds(), dst); }
  // Rectangle r of the new picture copied to the same place.
  void Reveal(const TRect& r) const { Copy(r, r); }
  // Like Copy, but the picture is mirrored left to right (or top to bottom) on its way.
  void CopyMirrored(const TRect& src, const TRect& dst, bool topToBottom) const;
  // The new picture drawn at (0, 0) through mask: display pixels outside it keep the old picture.
  void DrawThrough(const TFrameMask& mask) const;
};

using TFrameProcedure = void (*)(const TFrame& frame);
