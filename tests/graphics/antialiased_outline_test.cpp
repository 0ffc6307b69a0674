#include "graphics/antialiased_outline.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

constexpr TPixel32 kBlack = MakePixel(0, 0, 0);
constexpr TPixel32 kWhite = MakePixel(255, 255, 255);

TPixel32 Grey(uint8_t level) { return MakePixel(level, level, level); }

// A bitmap as rows of grey levels (red channel), for tables of expected pixels.
std::vector<std::vector<int>> Levels(const TBitmap32& bitmap) {
  std::vector<std::vector<int>> rows;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    rows.emplace_back();
    for (int32_t x = 0; x < bitmap.Width(); ++x) rows.back().push_back(PixelR(bitmap.At(x, y)));
  }
  return rows;
}

TEST(AntialiasedLine, SharesEachStepBetweenTheTwoNearestPixels) {
  // Positions across of 1/4, 1/2 and 3/4: 255 * 3/4 = 191.25, 255 / 2 = 127.5 (a half: to the
  // even 128), 255 / 4 = 63.75; the end pixels are set whole.
  struct TCase {
    std::string name;
    TPoint from, to;
    int32_t width, height;
    std::vector<std::vector<int>> expected;
  };
  const TCase cases[] = {
      {"along x", {0, 0}, {4, 1}, 5, 2, {{255, 191, 128, 64, 0}, {0, 64, 128, 191, 255}}},
      {"along x, drawn back", {4, 1}, {0, 0}, 5, 2, {{255, 191, 128, 64, 0}, {0, 64, 128, 191, 255}}},
      {"along y", {0, 0}, {1, 4}, 2, 5, {{255, 0}, {191, 64}, {128, 128}, {64, 191}, {0, 255}}},
      {"diagonal", {0, 0}, {2, 2}, 3, 3, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}}},
      {"one point", {1, 1}, {1, 1}, 3, 3, {{0, 0, 0}, {0, 255, 0}, {0, 0, 0}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TBitmap32 bitmap(c.width, c.height, kBlack);
    DrawAntialiasedLine(bitmap.View(), c.from, c.to, kWhite);
    EXPECT_EQ(Levels(bitmap), c.expected);
  }
}

TEST(AntialiasedLine, ShareOfEachChannelIsRoundedSeparatelyAndNeverPassesWhite) {
  // At a half step a white line over white gives 128 + 128 for each pixel: kept at 255, not
  // wrapped round to black.
  TBitmap32 white(5, 3, kWhite);
  DrawAntialiasedLine(white.View(), {0, 0}, {4, 2}, kWhite);
  for (TPixel32 pixel : white.Pixels()) EXPECT_EQ(pixel, kWhite);

  // Each channel on its own: round(old / 4) + round(colour * 3/4) at the step of (1, 0):
  // 50 + 0; round(2.5) = 2 (a half to even) + round(191.25) = 191; round(25.25) + round(2.25).
  TBitmap32 coloured(5, 2, MakePixel(200, 10, 101));
  DrawAntialiasedLine(coloured.View(), {0, 0}, {4, 1}, MakePixel(0, 255, 3));
  EXPECT_EQ(coloured.At(1, 0), MakePixel(50, 193, 27));
}

TEST(AntialiasedLine, OverTransparentPixelsTheShareBecomesAlpha) {
  TBitmap32 layer(5, 2, 0);
  DrawAntialiasedLine(layer.View(), {0, 0}, {4, 1}, MakePixel(255, 0, 0));
  EXPECT_EQ(layer.At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(layer.At(1, 0), MakePixel(255, 0, 0, 191));
  EXPECT_EQ(layer.At(1, 1), MakePixel(255, 0, 0, 64));
  EXPECT_EQ(layer.At(2, 1), MakePixel(255, 0, 0, 128));
  EXPECT_EQ(layer.At(4, 0), 0u) << "untouched";
}

TEST(AntialiasedLine, ClipsToTheViewAsIfDrawnOnALargerOne) {
  const TPoint from{-7, -3}, to{25, 14};
  TBitmap32 large(40, 30, Grey(40));
  DrawAntialiasedLine(large.View(), {from.x + 10, from.y + 10}, {to.x + 10, to.y + 10}, kWhite);
  TBitmap32 small(12, 9, Grey(40));
  DrawAntialiasedLine(small.View(), from, to, kWhite);
  for (int32_t y = 0; y < small.Height(); ++y)
    for (int32_t x = 0; x < small.Width(); ++x) ASSERT_EQ(small.At(x, y), large.At(x + 10, y + 10)) << x << "," << y;

  // Lines reaching absurdly far draw nothing, and do not take forever to.
  DrawAntialiasedLine(small.View(), {INT_MIN, 0}, {INT_MAX, 5}, kBlack);
  for (int32_t y = 0; y < small.Height(); ++y)
    for (int32_t x = 0; x < small.Width(); ++x) ASSERT_EQ(small.At(x, y), large.At(x + 10, y + 10));
}

TEST(AntialiasedArc, QuarterRunsBetweenItsAxesWithoutGapsAndStaysInItsQuarter) {
  // Box (0, 0)-(10, 10): centre (5, 5), radius 5; 180 to 270 degrees is the top-left quarter.
  TBitmap32 bitmap(12, 12, kBlack);
  DrawAntialiasedArc(bitmap.View(), {0, 0, 10, 10}, 180, 270, kWhite);
  EXPECT_EQ(bitmap.At(0, 5), kWhite);
  EXPECT_EQ(bitmap.At(5, 0), kWhite);
  std::vector<bool> column(12), row(12);
  for (int32_t y = 0; y < 12; ++y)
    for (int32_t x = 0; x < 12; ++x) {
      if (bitmap.At(x, y) == kBlack) continue;
      EXPECT_TRUE(x <= 5 && y <= 5) << "outside the quarter: " << x << "," << y;
      column[static_cast<size_t>(x)] = row[static_cast<size_t>(y)] = true;
    }
  for (size_t n = 0; n <= 5; ++n) EXPECT_TRUE(column[n] && row[n]) << "gap at " << n;
  EXPECT_EQ(PixelR(bitmap.At(2, 2)), 0) << "inside the curve";
}

TEST(AntialiasedArc, WholeEllipseIsSymmetricAndPassesThroughTheBoxSides) {
  TBitmap32 bitmap(21, 13, kBlack);
  DrawAntialiasedArc(bitmap.View(), {0, 0, 20, 12}, 0, 360, kWhite);
  for (int32_t y = 0; y < 13; ++y)
    for (int32_t x = 0; x < 21; ++x) {
      ASSERT_EQ(bitmap.At(x, y), bitmap.At(20 - x, y)) << x << "," << y;
      ASSERT_EQ(bitmap.At(x, y), bitmap.At(x, 12 - y)) << x << "," << y;
    }
  for (TPoint end : {TPoint{0, 6}, TPoint{20, 6}, TPoint{10, 0}, TPoint{10, 12}}) EXPECT_EQ(bitmap.At(end.x, end.y), kWhite);
}

TEST(AntialiasedArc, EmptyBoxDrawsNothing) {
  TBitmap32 bitmap(5, 5, kBlack);
  DrawAntialiasedArc(bitmap.View(), {2, 2, 2, 4}, 0, 360, kWhite);
  DrawAntialiasedArc(bitmap.View(), {INT_MIN, 0, INT_MAX, 4}, 0, 360, kWhite);
  for (TPixel32 pixel : bitmap.Pixels()) EXPECT_EQ(pixel, kBlack);
}

}  // namespace
