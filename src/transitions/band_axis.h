#pragma once
// Bars and shreds are drawn once for rows and once for columns: a band axis says which, so the
// same code serves both. For rows, a band runs along x over the width and the bands are stacked
// down the height; the near side is the left, the far side the right, and the advance is X.
// For columns everything is turned: along y over the height, stacked across the width, near
// side the top, far side the bottom, advance Y.

#include <cstdint>

#include "graphics/geometry.h"
#include "transitions/frame.h"

struct TBandAxis {
  bool columns;
  int32_t length;   // along the bands: W for rows, H for columns
  int32_t breadth;  // across the bands: H for rows, W for columns
  int32_t advance;  // X for rows, Y for columns

  static TBandAxis Rows(const TFrame& f) { return {false, f.W, f.H, f.X}; }
  static TBandAxis Columns(const TFrame& f) { return {true, f.H, f.W, f.Y}; }

  // The picture rectangle of the part [from, to) along the band that starts at `start` across and
  // is `size` thick.
  TRect Band(int32_t from, int32_t to, int32_t start, int32_t size) const {
    return columns ? TRect{start, from, start + size, to} : TRect{from, start, to, start + size};
  }
};
