// Smooth stretches that leave out a key colour or blend by alpha.

#include "graphics/transparent_stretch.h"

#include <gtest/gtest.h>

#include "graphics/colors.h"

TEST(TransparentStretch, KeyColourPixelsKeepTheTargetAndHostileRectanglesDrawNothingOutside) {
  TBitmap32 source(4, 4, ColorToPixel(clRed));
  source.At(0, 0) = ColorToPixel(clFuchsia);
  TBitmap32 target(4, 4, ColorToPixel(clBlue));
  KeyedStretchBlt(target.View(), target.Bounds(), source.View(), source.Bounds(), clFuchsia);
  EXPECT_EQ(target.At(0, 0), ColorToPixel(clBlue));
  EXPECT_EQ(target.At(3, 3), ColorToPixel(clRed));
  // Rectangles far beyond the bitmaps, empty or inverted: nothing crashes, nothing outside is written.
  TBitmap32 small(3, 3, ColorToPixel(clGreen));
  for (const TRect r : {TRect{-100000, -100000, 100000, 100000}, TRect{5, 5, 2, 2}, TRect{1, 1, 1, 1}}) {
    KeyedStretchBlt(small.View(), r, source.View(), {-5, -5, 50, 50}, clFuchsia);
    AlphaStretchBlend(small.View(), r, source.View(), {2, 2, 1, 1});
  }
}
