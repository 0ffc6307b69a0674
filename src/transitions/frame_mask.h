#pragma once
// The region a region style draws the new picture through: one byte per pixel of the picture,
// set where the new picture shows. Shapes are added by union; two masks combine by
// intersection or exclusive-or. Every shape is clipped to the picture, whatever its coordinates.
// A pixel belongs to a shape when its centre (x + 0.5, y + 0.5) lies inside it, so a rectangle
// (left, top, right, bottom) covers the pixels left to right - 1 and top to bottom - 1.

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"

class TFrameMask {
 public:
  TFrameMask(int32_t width, int32_t height);

  void AddRect(const TRect& rect);
  // A rectangle with quarter-ellipse corners of the given full width and height; a corner
  // larger than the rectangle is clamped to it (the shape then is an ellipse in that direction).
  void AddRoundRect(const TRect& rect, int32_t cornerWidth, int32_t cornerHeight);
  // A closed polygon filled by the winding rule.
  void AddPolygon(std::span<const TPoint> points);
  void IntersectWith(const TFrameMask& other);
  void XorWith(const TFrameMask& other);

  // Copies the pixels of source under the mask into the same places of display; both must be
  // of the mask's size.
  void DrawThrough(const TBitmapView& display, const TBitmapView& source) const;

 private:
  size_t Index(int32_t x, int32_t y) const { return static_cast<size_t>(y) * static_cast<size_t>(m_width) + x; }
  // Sets the pixels of row y whose centres lie in [left, right).
  void AddSpan(int32_t y, double left, double right);

  int32_t m_width;
  int32_t m_height;
  std::vector<uint8_t> m_bits;
};
