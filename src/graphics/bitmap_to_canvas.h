#pragma once
// Whole bitmaps put onto a canvas: copied as they are, or two of them blended first.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "graphics/canvas.h"
#include "graphics/geometry.h"

// Copies bitmap into canvas at the logical point, pixels unchanged (alpha included), inside the
// clip.
void CopyToCanvas(TCanvas& canvas, TPoint at, const TBitmapView& bitmap);

// Each channel of the result is bottom + (top - bottom) * masterAlpha / 255 (rounded to the
// nearest), alpha included; the result is copied into canvas at logical (0, 0) at the size both
// pictures have in common, inside the clip.
void BlendBitmaps(const TBitmap32& top, const TBitmap32& bottom, TCanvas& canvas, uint8_t masterAlpha);
