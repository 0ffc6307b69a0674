#include "graphics/canvas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "graphics/colors.h"
#include "support/gui_application.h"

namespace {

const TPixel32 kWhite = MakePixel(255, 255, 255);
const TPixel32 kBlack = MakePixel(0, 0, 0);
const TPixel32 kRed = MakePixel(255, 0, 0);

// One character per pixel: '.' white, '#' black, 'r' red, '+' anything else.
std::vector<std::string> Picture(const TBitmap32& bitmap) {
  std::vector<std::string> rows;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    std::string row;
    for (int32_t x = 0; x < bitmap.Width(); ++x) {
      const TPixel32 p = bitmap.At(x, y);
      row += p == kWhite ? '.' : p == kBlack ? '#' : p == kRed ? 'r' : '+';
    }
    rows.push_back(row);
  }
  return rows;
}

class CanvasTest : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    canvas.Pen() = {clBlack, 1, TPenStyle::psSolid};
    canvas.Brush() = {clRed, TBrushStyle::bsSolid};
    canvas.SetAntialiased(GetParam());
  }
  TBitmap32 bitmap{10, 8, kWhite};
  TCanvas canvas{bitmap.View()};
};

// A one-pixel outline runs through the edge pixels in both renderers, so the antialiased one
// gives the same hard edges.
TEST_P(CanvasTest, RectangleOutlinesItsEdgePixelsAndFillsInside) {
  canvas.Rectangle({1, 1, 7, 6});
  const std::vector<std::string> expected = {
      "..........", ".######...", ".#rrrr#...", ".#rrrr#...", ".#rrrr#...", ".######...", "..........", "..........",
  };
  EXPECT_EQ(Picture(bitmap), expected);
}

TEST_P(CanvasTest, EllipseTouchesEveryEdgeOfItsBox) {
  TBitmap32 big(40, 30, kWhite);
  TCanvas c(big.View());
  c.SetAntialiased(GetParam());
  c.Pen() = {clBlack, 1, TPenStyle::psSolid};
  c.Ellipse({3, 4, 33, 24});
  int32_t left = 99, top = 99, right = -1, bottom = -1;
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 0; x < 40; ++x)
      if (big.At(x, y) != kWhite) {
        left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
      }
  EXPECT_EQ(left, 3);
  EXPECT_EQ(top, 4);
  EXPECT_EQ(right, 32);
  EXPECT_EQ(bottom, 23);
}

INSTANTIATE_TEST_SUITE_P(BothRenderers, CanvasTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Antialiased" : "Plain"; });

// Plain lines only: a smooth line's ends are partly covered.
TEST(Canvas, LineLeavesOutItsLastPixel) {
  EnsureGuiApplication();
  TBitmap32 bitmap(10, 8, kWhite);
  TCanvas canvas(bitmap.View());
  canvas.MoveTo(1, 1);
  canvas.LineTo(6, 1);
  EXPECT_EQ(canvas.PenPos(), (TPoint{6, 1}));
  canvas.MoveTo(8, 2);
  canvas.LineTo(8, 6);
  // The corner point ends one segment and starts the next, so it is drawn.
  const TPoint corner[] = {{1, 3}, {4, 3}, {4, 6}};
  canvas.Polyline(corner);
  const std::vector<std::string> expected = {
      "..........", ".#####....", "........#.", ".####...#.", "....#...#.", "....#...#.", "..........", "..........",
  };
  EXPECT_EQ(Picture(bitmap), expected);
}

TEST(Canvas, RectangleWithoutPenStopsShortOfRightAndBottom) {
  EnsureGuiApplication();
  TBitmap32 bitmap(8, 6, kWhite);
  TCanvas canvas(bitmap.View());
  canvas.Pen().style = TPenStyle::psClear;
  canvas.Brush().color = clRed;
  canvas.Rectangle({1, 1, 6, 5});
  const std::vector<std::string> expected = {"........", ".rrrr...", ".rrrr...", ".rrrr...", "........", "........"};
  EXPECT_EQ(Picture(bitmap), expected);
}

TEST(Canvas, WidePenIsCentredOnTheOutline) {
  EnsureGuiApplication();
  TBitmap32 bitmap(20, 20, kWhite);
  TCanvas canvas(bitmap.View());
  canvas.Pen() = {clBlack, 3, TPenStyle::psSolid};
  canvas.Brush().color = clRed;
  canvas.Rectangle({5, 5, 15, 15});
  // The left edge runs through x = 5, the right through x = 14.
  EXPECT_EQ(bitmap.At(3, 10), kWhite);
  for (int32_t x : {4, 5, 6, 13, 14, 15}) EXPECT_EQ(bitmap.At(x, 10), kBlack) << x;
  EXPECT_EQ(bitmap.At(7, 10), kRed);
  EXPECT_EQ(bitmap.At(16, 10), kWhite);
  EXPECT_EQ(bitmap.At(10, 3), kWhite);
  EXPECT_EQ(bitmap.At(10, 4), kBlack);
}

TEST(Canvas, PolygonFillsByTheAlternateRule) {
  EnsureGuiApplication();
  TBitmap32 bitmap(40, 40, kWhite);
  TCanvas canvas(bitmap.View());
  canvas.Pen().style = TPenStyle::psClear;
  canvas.Brush().color = clRed;
  // A five-pointed star drawn in one stroke: its middle is crossed twice and stays empty.
  const TPoint star[] = {{20, 2}, {31, 36}, {2, 14}, {38, 14}, {9, 36}};
  canvas.Polygon(star);
  EXPECT_EQ(bitmap.At(20, 20), kWhite);
  EXPECT_EQ(bitmap.At(20, 6), kRed);
  EXPECT_EQ(bitmap.At(6, 15), kRed);
}

TEST(Canvas, OriginClipAndSaveRestore) {
  EnsureGuiApplication();
  TBitmap32 bitmap(10, 6, kWhite);
  TCanvas canvas(bitmap.View());
  canvas.Brush().color = clBlack;
  canvas.Save();
  canvas.SetOrigin({-2, 1});
  canvas.IntersectClip({3, 0, 20, 3});  // bitmap columns 1 onwards, rows 1 to 3
  canvas.Brush().color = clRed;
  canvas.FillRect({0, 0, 6, 10});  // bitmap columns -2 to 3
  canvas.Restore();
  EXPECT_EQ(canvas.Origin(), (TPoint{0, 0}));
  EXPECT_EQ(canvas.ClipRect(), bitmap.Bounds());
  canvas.FillRect({9, 5, 12, 8});
  const std::vector<std::string> expected = {
      "..........", ".rrr......", ".rrr......", ".rrr......", "..........", ".........#",
  };
  EXPECT_EQ(Picture(bitmap), expected);
}

TEST(Canvas, ShapesHonourOriginAndClip) {
  EnsureGuiApplication();
  for (bool antialiased : {false, true}) {
    SCOPED_TRACE(antialiased);
    TBitmap32 bitmap(12, 12, kWhite);
    TCanvas canvas(bitmap.View());
    canvas.SetAntialiased(antialiased);
    canvas.OffsetOrigin(4, 4);
    canvas.IntersectClip({0, 0, 3, 20});
    canvas.Pen().style = TPenStyle::psClear;
    canvas.Brush().color = clRed;
    canvas.Rectangle({-10, -10, 20, 20});
    for (int32_t y = 0; y < 12; ++y)
      for (int32_t x = 0; x < 12; ++x)
        EXPECT_EQ(bitmap.At(x, y), (x >= 4 && x < 7 && y >= 4) ? kRed : kWhite) << x << "," << y;
  }
}

TEST(Canvas, ClearBrushFillsNothing) {
  TBitmap32 bitmap(4, 4, kWhite);
  TCanvas canvas(bitmap.View());
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.FillRect({0, 0, 4, 4});
  EXPECT_EQ(bitmap, TBitmap32(4, 4, kWhite));
}

TEST(Canvas, NoAntialiasSwitch) {
  unsetenv("TELVO_NO_ANTIALIAS");
  EXPECT_TRUE(AntialiasAvailable());
  setenv("TELVO_NO_ANTIALIAS", "1", 1);
  EXPECT_FALSE(AntialiasAvailable());
  setenv("TELVO_NO_ANTIALIAS", "0", 1);
  EXPECT_TRUE(AntialiasAvailable());
  unsetenv("TELVO_NO_ANTIALIAS");
}

}  // namespace
