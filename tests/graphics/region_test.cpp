#include "graphics/region.h"

#include <gtest/gtest.h>

#include <QRegion>
#include <random>

namespace {

const TPixel32 kKey = MakePixel(255, 0, 255);

// A bitmap of key-coloured and other pixels: blocks, single pixels, runs touching the edges.
TBitmap32 PatternBitmap(uint32_t seed) {
  std::mt19937 random(seed);
  TBitmap32 bitmap(41, 29, kKey);
  for (int32_t y = 0; y < 29; ++y) {
    for (int32_t x = 0; x < 41; ++x) {
      uint32_t r = random() % 8;
      if (y >= 10 && y < 18 && x >= 5 && x < 30) r = 7;  // a solid block
      if (r >= 4) bitmap.At(x, y) = r == 7 ? MakePixel(1, 2, 3) : MakePixel(255, 0, static_cast<uint8_t>(250 + r));
    }
  }
  // Key colour with other alpha values still counts as key; one channel off by one does not.
  bitmap.At(0, 0) = kKey & 0x00FFFFFF;
  bitmap.At(1, 0) = MakePixel(254, 0, 255);
  return bitmap;
}

bool IsKey(TPixel32 p) { return (p & 0x00FFFFFF) == (kKey & 0x00FFFFFF); }

TEST(Region, BitmapToRegionCoversExactlyThePixelsOfOtherColours) {
  for (uint32_t seed : {1u, 2u, 3u}) {
    SCOPED_TRACE(seed);
    TBitmap32 bitmap = PatternBitmap(seed);
    TRegion region = BitmapToRegion(bitmap.View(), 0x00FF00FF);
    int64_t area = 0;
    for (const TRect& r : region.rects) area += int64_t{r.Width()} * r.Height();
    int64_t expectedArea = 0;
    for (int32_t y = 0; y < bitmap.Height(); ++y) {
      for (int32_t x = 0; x < bitmap.Width(); ++x) {
        bool inside = !IsKey(bitmap.At(x, y));
        expectedArea += inside;
        ASSERT_EQ(region.Contains({x, y}), inside) << x << "," << y;
      }
    }
    EXPECT_EQ(area, expectedArea) << "rectangles overlap";
    EXPECT_FALSE(region.Contains({-1, 0}));
    EXPECT_FALSE(region.Contains({41, 28}));
  }
}

TEST(Region, IdenticalRowsMergeIntoTallerRectangles) {
  TBitmap32 bitmap(10, 8, kKey);
  for (int32_t y = 2; y < 6; ++y)
    for (int32_t x : {1, 2, 3, 6, 7}) bitmap.At(x, y) = MakePixel(0, 0, 0);
  bitmap.At(9, 6) = MakePixel(0, 0, 0);
  TRegion region = BitmapToRegion(bitmap.View(), 0x00FF00FF);
  std::vector<TRect> expected = {{1, 2, 4, 6}, {6, 2, 8, 6}, {9, 6, 10, 7}};
  EXPECT_EQ(region.rects, expected);
  EXPECT_EQ(region.Bounds(), (TRect{1, 2, 10, 7}));
}

TEST(Region, AllKeyColourGivesAnEmptyRegion) {
  TBitmap32 bitmap(6, 4, MakePixel(0xF0, 0xF0, 0xF0, 0));
  TRegion region = BitmapToRegion(bitmap.View(), static_cast<TColor>(0xFF00000F));  // button face
  EXPECT_TRUE(region.Empty());
  EXPECT_TRUE(region.Bounds().IsEmpty());
  EXPECT_TRUE(ToQRegion(region).isEmpty());
  EXPECT_TRUE(BitmapToRegion(TBitmapView(), 0).Empty());
}

TEST(Region, QRegionHoldsTheSamePixels) {
  TRegion banded = BitmapToRegion(PatternBitmap(4).View(), 0x00FF00FF);
  TRegion overlapping;
  overlapping.rects = {{5, 5, 20, 9}, {0, 0, 8, 8}, {7, 3, 9, 30}, {4, 4, 4, 40}, {30, 20, 41, 29}, {6, 6, 7, 7}};
  for (const TRegion* region : {&banded, &overlapping}) {
    QRegion q = ToQRegion(*region);
    for (int32_t y = -1; y < 31; ++y)
      for (int32_t x = -1; x < 43; ++x) ASSERT_EQ(q.contains(QPoint(x, y)), region->Contains({x, y})) << x << "," << y;
  }
}

}  // namespace
