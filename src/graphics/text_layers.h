#pragma once
// Text drawn as stacked layers (shadows, outlines, faces): the text is rendered once into a
// coverage mask, optionally rotated, and each layer paints a colour, or another picture, through
// that mask at its own offset. With the crisp system text every pixel is either covered or not,
// so a layer looks exactly like the text drawn at its place, and a stack of layers of one colour
// looks like one layer through the union of their masks.

#include <cstdint>
#include <string_view>

#include "graphics/bitmap32.h"
#include "graphics/canvas.h"
#include "graphics/coverage.h"
#include "graphics/geometry.h"

class TTextMask {
 public:
  TTextMask() = default;
  // Renders text with font (system text) into rect (0, 0, width, height) with the DrawText flags,
  // then rotates it counter-clockwise by angleDegrees around its top-left corner, the text's
  // origin.
  TTextMask(const TCanvasFont& font, std::string_view text, int32_t width, int32_t height, uint32_t flags,
            int32_t angleDegrees);

  // The text grown by radius pixels in every direction, square corners included: as every pixel
  // of the mask is covered or not, painting it gives the same pixels as painting this mask at
  // every offset (dx, dy) with dx and dy from -radius to +radius (the outline of the text), at a
  // cost that does not grow with the number of offsets. Its origin is the text's origin, so it
  // is painted at the same point. Empty when the grown mask would pass the bitmap limits.
  TTextMask Dilated(int32_t radius) const;

  // Paints colour where the text covers, with the text's origin at `at`.
  void PaintColour(const TBitmapView& target, TPoint at, TColor colour) const;
  // Takes fill's pixels where the text covers (origin at `at`) and keeps target's elsewhere;
  // fill has target's size.
  void PaintFrom(const TBitmapView& target, TPoint at, const TBitmap32& fill) const;

 private:
  // Mixes abovePixel(x, y) over target by the coverage, where the text covers.
  template <class AbovePixel>
  void Blend(const TBitmapView& target, TPoint at, AbovePixel abovePixel) const;

  TCoverage m_coverage;  // 0 uncovered, 255 covered
  TPoint m_origin;       // where the text's origin lies in m_coverage
};
