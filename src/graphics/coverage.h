#pragma once
// Coverage planes: one byte per pixel telling how much of the pixel a shape covers (0 none, 255
// all). Text layers are painted through them, and outlines are grown from them.

#include <cstddef>
#include <cstdint>
#include <vector>

class TCoverage {
 public:
  TCoverage() = default;
  // A plane of the given size, nothing covered; a negative or zero side gives an empty plane.
  // The caller keeps the sides within kMaxBitmapSide and their product within kMaxBitmapPixels.
  TCoverage(int32_t width, int32_t height);

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  bool Empty() const { return m_width == 0 || m_height == 0; }
  uint8_t* Row(int32_t y) { return m_values.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width); }
  const uint8_t* Row(int32_t y) const {
    return m_values.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width);
  }
  uint8_t& At(int32_t x, int32_t y) { return Row(y)[x]; }
  uint8_t At(int32_t x, int32_t y) const { return Row(y)[x]; }

  friend bool operator==(const TCoverage&, const TCoverage&) = default;

 private:
  int32_t m_width = 0;
  int32_t m_height = 0;
  std::vector<uint8_t> m_values;  // row by row
};

// The coverage grown by a square of side 2 * radius + 1 (a negative radius counts as 0): the
// result is radius pixels larger on every side, and its pixel (x, y) holds the largest value of
// the source pixels (u, v) with |u + radius - x| <= radius and |v + radius - y| <= radius. For a
// plane of only 0 and 255 this is the union of the source shifted by every offset of the square.
// The square is taken as a row pass and a column pass of running maxima (van Herk / Gil-Werman),
// each costing a few comparisons per pixel whatever the radius. A result that would pass
// kMaxBitmapSide or kMaxBitmapPixels is empty.
TCoverage DilateSquare(const TCoverage& source, int32_t radius);
