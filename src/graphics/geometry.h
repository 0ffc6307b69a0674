#pragma once
// Points and rectangles in pixels. Rectangles are left, top, right, bottom with right and
// bottom exclusive.

#include <algorithm>
#include <cstdint>

struct TPoint {
  int32_t x = 0;
  int32_t y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  static TRect FromSize(int32_t left, int32_t top, int32_t width, int32_t height) {
    return {left, top, left + width, top + height};
  }
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  TRect Offset(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  TRect Intersect(const TRect& o) const {
    TRect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.IsEmpty() ? TRect{} : r;
  }
  bool Intersects(const TRect& o) const { return !Intersect(o).IsEmpty(); }
  friend bool operator==(const TRect&, const TRect&) = default;
};
