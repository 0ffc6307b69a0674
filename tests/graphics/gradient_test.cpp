#include "graphics/gradient.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "graphics/colors.h"

namespace {

constexpr int kStyleCount = 32;

TKIVGradFillStyle Style(int ordinal) { return static_cast<TKIVGradFillStyle>(ordinal); }

struct TReferenceMaster {
  int width;
  int height;
};

// Master sizes, in style order.
constexpr TReferenceMaster kSizes[kStyleCount] = {
    {1, 256},   {256, 1},   {1, 512},   {512, 1},   {512, 512}, {256, 512}, {256, 512}, {512, 256},
    {512, 256}, {256, 256}, {256, 256}, {256, 256}, {256, 256}, {362, 362}, {181, 362}, {181, 362},
    {362, 181}, {362, 181}, {181, 181}, {181, 181}, {181, 181}, {181, 181}, {128, 129}, {128, 129},
    {256, 256}, {256, 256}, {129, 256}, {129, 256}, {256, 129}, {256, 129}, {256, 256}, {256, 256},
};

int Round(double v) { return static_cast<int>(std::nearbyint(v)); }  // halves to even
int Dist(int dx, int dy) { return Round(std::sqrt(double(dx * dx + dy * dy))); }

// The ramp index of master pixel (x, y), written out from the style table.
int ReferenceIndex(int style, int x, int y) {
  int dx512 = x < 256 ? 255 - x : x - 256;
  int dy512 = y < 256 ? 255 - y : y - 256;
  int dx362 = x <= 180 ? 180 - x : x - 181;
  int dy362C = y <= 180 ? 180 - y : y - 180;
  int dy362 = y <= 180 ? 180 - y : y - 181;
  bool top = y < 128;
  bool left = x < 128;
  switch (style) {
    case 0: return y;
    case 1: return x;
    case 2: return y < 256 ? 255 - y : 255 - (511 - y);
    case 3: return x < 256 ? 255 - x : 255 - (511 - x);
    case 4: return std::max(dx512, dy512);
    case 5: return std::max(x, dy512);
    case 6: return std::max(255 - x, dy512);
    case 7: return std::max(dx512, y);
    case 8: return std::max(dx512, 255 - y);
    case 9: return std::max(x, y);
    case 10: return std::max(x, 255 - y);
    case 11: return std::max(255 - x, y);
    case 12: return std::max(255 - x, 255 - y);
    case 13: return Dist(dx362, dy362C);
    case 14: return Dist(x, dy362);
    case 15: return Dist(180 - x, dy362);
    case 16: return Dist(dx362, y);
    case 17: return Dist(dx362, 180 - y);
    case 18: return Dist(x, y);
    case 19: return Dist(x, 180 - y);
    case 20: return Dist(180 - x, y);
    case 21: return Dist(180 - x, 180 - y);
    case 22: return y - x + 127;
    case 23: return x + y;
    case 24: return std::abs(x - y);
    case 25: return x + y > 254 ? x + y - 255 : 255 - (x + y);
    case 26: return top ? 255 - y - x : y - x;
    case 27: return top ? x - y + 127 : x + y - 128;
    case 28: return left ? 255 - y - x : x - y;
    case 29: return left ? y - x + 127 : y + x - 128;
    case 30: return top ? (left ? 255 - y - x : x - y) : (left ? y - x : y + x - 255);
    case 31: return top ? (left ? x - y + 128 : 383 - y - x) : (left ? x + y - 128 : y - x + 128);
  }
  return -1;
}

TEST(Gradient, EveryMasterMatchesItsFormulaAtEveryPixel) {
  for (int style = 0; style < kStyleCount; ++style) {
    SCOPED_TRACE("style " + std::to_string(style));
    TGradientMaster master = GradientMaster(Style(style));
    ASSERT_EQ(master.width, kSizes[style].width);
    ASSERT_EQ(master.height, kSizes[style].height);
    ASSERT_EQ(master.indices.size(), size_t(master.width) * size_t(master.height));
    int mismatches = 0;
    for (int y = 0; y < master.height; ++y) {
      for (int x = 0; x < master.width; ++x) {
        int expected = ReferenceIndex(style, x, y);
        if (master.At(x, y) != expected && ++mismatches <= 3)
          ADD_FAILURE() << "(" << x << ", " << y << ") is " << int(master.At(x, y)) << ", expected " << expected;
      }
    }
  }
}

TEST(Gradient, MastersReachTheirDocumentedExtremes) {
  // The centred radial's far corner lands on 255 despite its uneven halves.
  TGradientMaster radial = GradientMaster(TKIVGradFillStyle::agsRadialC);
  EXPECT_EQ(*std::max_element(radial.indices.begin(), radial.indices.end()), 255);
  EXPECT_EQ(radial.At(180, 180), 0);
  EXPECT_EQ(radial.At(361, 361), 255);
  // The diamond never uses index 0: its four centre pixels hold 1.
  TGradientMaster diamond = GradientMaster(TKIVGradFillStyle::agsDiamond);
  EXPECT_EQ(*std::min_element(diamond.indices.begin(), diamond.indices.end()), 1);
  for (auto [x, y] : {std::pair{127, 127}, {128, 127}, {127, 128}, {128, 128}}) EXPECT_EQ(diamond.At(x, y), 1);
}

TEST(Gradient, RampTruncatesEachChannelTowardZero) {
  const TColor pairs[][2] = {{0x0000FF, 0xFF0000}, {0x123456, 0xFEDCBA}, {0xFFFFFF, 0x000000}, {0x7F80FF, 0x80FF01}};
  for (const auto& pair : pairs) {
    auto ramp = GradientRamp(pair[0], pair[1]);
    for (int i = 0; i < 256; ++i) {
      auto c = [&](int shift) {
        int from = (pair[0] >> shift) & 255;
        int to = (pair[1] >> shift) & 255;
        return static_cast<uint8_t>(from + static_cast<int>(std::trunc((to - from) * i / 255.0)));
      };
      ASSERT_EQ(ramp[size_t(i)], MakePixel(c(0), c(8), c(16))) << std::hex << pair[0] << " to " << pair[1] << " entry " << std::dec << i;
    }
  }
  // Red to blue: entry 128 is (127, 0, 128).
  EXPECT_EQ(GradientRamp(0x0000FF, 0xFF0000)[128], MakePixel(127, 0, 128));
}

TEST(Gradient, EqualColoursGiveAPlainFillInEveryStyle) {
  const TColor teal = 0x00808000;
  for (int style = 0; style < kStyleCount; ++style) {
    SCOPED_TRACE("style " + std::to_string(style));
    TBitmap32 target(37, 23, MakePixel(1, 2, 3));
    FillGradient(target.View(), {2, 3, 30, 20}, teal, Style(style), teal);
    for (int32_t y = 0; y < 23; ++y)
      for (int32_t x = 0; x < 37; ++x) {
        TPixel32 expected = TRect{2, 3, 30, 20}.Contains({x, y}) ? ColorToPixel(teal) : MakePixel(1, 2, 3);
        ASSERT_EQ(target.At(x, y), expected) << x << "," << y;
      }
  }
}

TEST(Gradient, LinearVerticalBandsGiveOneGreyLevelPerColumn) {
  TBitmap32 target(256, 5);
  FillGradient(target.View(), target.Bounds(), clBlack, TKIVGradFillStyle::agsLinearV, clWhite);
  for (int32_t y = 0; y < 5; ++y)
    for (int32_t x = 0; x < 256; ++x) {
      auto g = static_cast<uint8_t>(x);
      ASSERT_EQ(target.At(x, y), MakePixel(g, g, g)) << x << "," << y;
    }
}

TEST(Gradient, RadialFromTheCornerAtMasterSizeRunsBeginToEnd) {
  TBitmap32 target(181, 181);
  const TColor begin = 0x00203040;
  const TColor end = 0x00C0B0A0;
  FillGradient(target.View(), target.Bounds(), begin, TKIVGradFillStyle::agsRadialLT, end);
  EXPECT_EQ(target.At(0, 0), ColorToPixel(begin));
  EXPECT_EQ(target.At(180, 180), ColorToPixel(end));
  EXPECT_EQ(target.At(180, 0), GradientRamp(begin, end)[180]);
}

TEST(Gradient, EmptyRectanglesDrawNothing) {
  for (const TRect& rect : {TRect{5, 5, 5, 20}, TRect{5, 5, 20, 5}, TRect{10, 10, 4, 20}, TRect{40, 0, 60, 10}}) {
    TBitmap32 target(30, 30, MakePixel(9, 9, 9));
    FillGradient(target.View(), rect, clRed, TKIVGradFillStyle::agsDiamond, clBlue);
    EXPECT_EQ(target, TBitmap32(30, 30, MakePixel(9, 9, 9)));
  }
}

// A rectangle reaching beyond the target gives the same bands as on a target holding all of it.
TEST(Gradient, ClippedFillKeepsTheGeometryOfTheWholeRectangle) {
  const TRect rect{-37, -11, 61, 83};  // 98 x 94 on a 40 x 50 target
  for (int style = 0; style < kStyleCount; ++style) {
    SCOPED_TRACE("style " + std::to_string(style));
    TBitmap32 whole(98, 94);
    FillGradient(whole.View(), whole.Bounds(), clYellow, Style(style), clNavy);
    TBitmap32 target(40, 50);
    FillGradient(target.View(), rect, clYellow, Style(style), clNavy);
    for (int32_t y = 0; y < 50; ++y)
      for (int32_t x = 0; x < 40; ++x) ASSERT_EQ(target.At(x, y), whole.At(x + 37, y + 11)) << x << "," << y;
  }
}

// Each target pixel is the ramp colour of the master pixel under its centre.
TEST(Gradient, StretchedFillTakesTheMasterPixelUnderEachCentre) {
  const TColor begin = 0x000000FF;
  const TColor end = 0x0000FF00;
  auto ramp = GradientRamp(begin, end);
  for (int style : {0, 3, 13, 22, 31}) {
    for (auto [w, h] : {std::pair{1000, 7}, {97, 611}, {3, 2}}) {
      SCOPED_TRACE("style " + std::to_string(style) + " " + std::to_string(w) + "x" + std::to_string(h));
      TGradientMaster master = GradientMaster(Style(style));
      TBitmap32 target(w, h);
      FillGradient(target.View(), target.Bounds(), begin, Style(style), end);
      for (int32_t y = 0; y < h; ++y)
        for (int32_t x = 0; x < w; ++x) {
          int mx = (2 * x + 1) * master.width / (2 * w);
          int my = (2 * y + 1) * master.height / (2 * h);
          ASSERT_EQ(target.At(x, y), ramp[master.At(mx, my)]) << x << "," << y;
        }
    }
  }
}

}  // namespace
