#include "transitions/frame.h"

#include <algorithm>
#include <cstdlib>

#include "graphics/raster.h"
#include "transitions/frame_mask.h"

int32_t MulDivRound(int32_t a, int32_t b, int32_t c) {
  const int64_t product = int64_t{a} * b;
  const int64_t magnitude = (std::llabs(product) + std::llabs(int64_t{c}) / 2) / std::llabs(int64_t{c});
  return static_cast<int32_t>((product < 0) != (c < 0) ? -magnitude : magnitude);
}

TFrame::TFrame(TBitmapView display_, TBitmapView newImage_, int32_t progress_, int32_t step_,
               TSeededRandom& random_)
    : display(display_),
      newImage(newImage_),
      progress(progress_),
      step(step_),
      random(random_),
      W(display_.Width()),
      H(display_.Height()) {
  if (W >= H) {
    X = MulDivRound(W, progress, 100);
    Y = W > 0 ? MulDivRound(X, H, W) : 0;
  } else {
    Y = MulDivRound(H, progress, 100);
    X = MulDivRound(Y, W, H);
  }
  S = std::max(1, MulDivRound(std::max(W, H), step, 90));
}

void TFrame::Copy(const TRect& src, const TRect& dst) const { StretchNearest(display, dst, newImage, src); }

void TFrame::CopyMirrored(const TRect& src, const TRect& dst, bool topToBottom) const {
  // A band that reaches beyond the new picture is clipped to it first; what is left is
  // stretched over the whole destination.
  const TRect readable = src.Intersect(newImage.Bounds());
  if (readable.IsEmpty() || dst.IsEmpty()) return;
  TBitmap32 band(dst.Width(), dst.Height());
  StretchNearest(band.View(), band.Bounds(), newImage, readable);
  if (topToBottom) {
    for (int32_t y = 0; y < band.Height() / 2; ++y)
      std::swap_ranges(band.Row(y), band.Row(y) + band.Width(), band.Row(band.Height() - 1 - y));
  } else {
    for (int32_t y = 0; y < band.Height(); ++y) std::reverse(band.Row(y), band.Row(y) + band.Width());
  }
  CopyRect(display, {dst.left, dst.top}, band.View());
}

void TFrame::DrawThrough(const TFrameMask& mask) const { mask.DrawThrough(display, newImage); }
