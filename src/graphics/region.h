#pragma once
// Regions: sets of pixels held as rectangles, for shaped windows and hit tests.

#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/ident_tables.h"

class QRegion;

struct TRegion {
  // Non-empty rectangles. BitmapToRegion gives them y-x banded: sorted by top, then left; the
  // rectangles of one band share top and bottom, never overlap or touch side by side.
  std::vector<TRect> rects;

  bool Empty() const { return rects.empty(); }
  // The smallest rectangle holding every rectangle (empty for an empty region).
  TRect Bounds() const;
  bool Contains(TPoint p) const;
};

// The region of all pixels of bitmap whose red, green or blue differs from color (system colours
// resolved; alpha ignored; no tolerance). Each row gives one rectangle per maximal run of such
// pixels; a row whose runs are those of the row above extends that row's rectangles downward.
// A bitmap of nothing but color gives an empty region.
TRegion BitmapToRegion(const TBitmapView& bitmap, TColor color);

// The same pixels as a QRegion, for a window mask. Banded regions are handed over as they are;
// any other rectangle list is united.
QRegion ToQRegion(const TRegion& region);
