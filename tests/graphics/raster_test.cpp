#include "graphics/raster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

TBitmap32 RandomBitmap(int32_t width, int32_t height, uint32_t seed) {
  std::mt19937 random(seed);
  TBitmap32 bitmap(width, height);
  for (TPixel32& p : bitmap.Pixels()) p = random();
  return bitmap;
}

std::string Describe(const TRect& r) {
  std::string text = "(";
  text += std::to_string(r.left) + "," + std::to_string(r.top);
  text += ")-(";
  text += std::to_string(r.right) + "," + std::to_string(r.bottom);
  return text + ")";
}

// The first differing pixel as "x,y", or "" when the bitmaps are equal.
std::string FirstDifference(const TBitmap32& actual, const TBitmap32& expected) {
  for (int32_t y = 0; y < expected.Height(); ++y) {
    for (int32_t x = 0; x < expected.Width(); ++x) {
      if (actual.At(x, y) != expected.At(x, y)) return std::to_string(x) + "," + std::to_string(y);
    }
  }
  return "";
}

// Placements of a 7 x 5 source on a 20 x 12 destination: inside, over each edge, outside.
const std::vector<TPoint> kPlacements = {{3, 4}, {0, 0}, {-3, -2}, {16, 9}, {-6, 10}, {19, 11}, {20, 0},
                                         {0, 12}, {-7, 0}, {INT32_MAX, 0}, {0, INT32_MIN}, {INT32_MIN, INT32_MIN}};

// Rectangles on a 20 x 12 destination: inside, overlapping each edge, covering, outside, empty.
const std::vector<TRect> kRects = {{2, 3, 9, 10},   {-4, -4, 5, 6},  {15, 8, 30, 40},   {-10, -10, 40, 40},
                                   {25, 0, 30, 5},  {4, 4, 4, 9},    {6, 6, 2, 2},      {INT32_MIN, 0, INT32_MAX, 3},
                                   {0, 11, 20, 12}, {19, 0, 20, 12}};

TEST(Raster, FillRectWritesExactlyTheClippedRectangle) {
  for (const TRect& rect : kRects) {
    SCOPED_TRACE(Describe(rect));
    TBitmap32 dst = RandomBitmap(20, 12, 1);
    TBitmap32 expected = dst;
    for (int32_t y = 0; y < 12; ++y)
      for (int32_t x = 0; x < 20; ++x)
        if (rect.Contains({x, y})) expected.At(x, y) = 0x12345678;
    FillRect(dst.View(), rect, 0x12345678);
    EXPECT_EQ(FirstDifference(dst, expected), "");
  }
}

// Reference for the blits placed at a point: op(dst pixel, src pixel) wherever src covers dst.
template <typename Op>
TBitmap32 PlacedReference(const TBitmap32& dst, TPoint at, int32_t width, int32_t height, Op op) {
  TBitmap32 out = dst;
  for (int32_t y = 0; y < dst.Height(); ++y) {
    for (int32_t x = 0; x < dst.Width(); ++x) {
      int64_t sx = int64_t{x} - at.x;
      int64_t sy = int64_t{y} - at.y;
      if (sx >= 0 && sy >= 0 && sx < width && sy < height)
        out.At(x, y) = op(dst.At(x, y), static_cast<int32_t>(sx), static_cast<int32_t>(sy));
    }
  }
  return out;
}

TEST(Raster, PlacedBlitsMatchTheirPixelRulesAtEveryPlacement) {
  TBitmap32 src = RandomBitmap(7, 5, 2);
  TBitmap32 mask = RandomBitmap(6, 8, 3);  // shares 6 x 5 with src
  const TColor key = 0x00336699;           // 0x00BBGGRR: R 0x99, G 0x66, B 0x33
  for (int32_t n = 0; n < 7; n += 2) src.At(n, n % 5) = MakePixel(0x99, 0x66, 0x33, static_cast<uint8_t>(n * 40));
  src.At(1, 1) = MakePixel(0x99, 0x66, 0x34);
  for (TPoint at : kPlacements) {
    SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
    TBitmap32 base = RandomBitmap(20, 12, 4);
    {
      TBitmap32 dst = base;
      CopyRect(dst.View(), at, src.View());
      auto copy = [&](TPixel32, int32_t x, int32_t y) { return src.At(x, y); };
      EXPECT_EQ(FirstDifference(dst, PlacedReference(base, at, 7, 5, copy)), "") << "CopyRect";
    }
    {
      TBitmap32 dst = base;
      DrawTransparentBitmap(dst.View(), src.View(), at, key);
      auto keyed = [&](TPixel32 d, int32_t x, int32_t y) {
        TPixel32 s = src.At(x, y);
        return PixelR(s) == 0x99 && PixelG(s) == 0x66 && PixelB(s) == 0x33 ? d : s;
      };
      EXPECT_EQ(FirstDifference(dst, PlacedReference(base, at, 7, 5, keyed)), "") << "DrawTransparentBitmap";
    }
    {
      TBitmap32 dst = base;
      MaskBlit(dst.View(), at, src.View(), mask.View());
      auto masked = [&](TPixel32 d, int32_t x, int32_t y) { return (d & mask.At(x, y)) | src.At(x, y); };
      EXPECT_EQ(FirstDifference(dst, PlacedReference(base, at, 6, 5, masked)), "") << "MaskBlit";
    }
  }
}

TEST(Raster, TransparentBlitResolvesASystemKeyColour) {
  TBitmap32 src(2, 1, MakePixel(0xF0, 0xF0, 0xF0));  // button face
  src.At(1, 0) = MakePixel(1, 2, 3);
  TBitmap32 dst(2, 1, MakePixel(9, 9, 9));
  DrawTransparentBitmap(dst.View(), src.View(), {0, 0}, static_cast<TColor>(0xFF00000F));
  EXPECT_EQ(dst.At(0, 0), MakePixel(9, 9, 9));
  EXPECT_EQ(dst.At(1, 0), MakePixel(1, 2, 3));
}

TEST(Raster, CopyWithinOneBitmapReadsTheOriginalPixels) {
  for (TPoint at : std::vector<TPoint>{{2, 1}, {-2, -1}, {3, -2}, {-1, 3}, {0, 1}, {1, 0}}) {
    SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
    TBitmap32 bitmap = RandomBitmap(16, 10, 5);
    TBitmap32 original = bitmap;
    TBitmapView source = bitmap.View().SubView({2, 2, 12, 8});
    CopyRect(bitmap.View(), {2 + at.x, 2 + at.y}, source);
    TBitmap32 expected = original;
    CopyRect(expected.View(), {2 + at.x, 2 + at.y}, original.View().SubView({2, 2, 12, 8}));
    EXPECT_EQ(FirstDifference(bitmap, expected), "");
  }
}

// Reference nearest stretch: each destination pixel of dstRect inside dst takes the source pixel
// under its centre, if that lies in src.
TBitmap32 NearestReference(const TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect) {
  TBitmap32 out = dst;
  // One correctly rounded division of exact integers: an exact integer quotient stays exact.
  auto index = [](int32_t i, int32_t s, int32_t d) { return static_cast<int32_t>(std::floor((2.0 * i + 1) * s / (2.0 * d))); };
  for (int32_t y = std::max(dstRect.top, 0); y < std::min(dstRect.bottom, dst.Height()); ++y) {
    for (int32_t x = std::max(dstRect.left, 0); x < std::min(dstRect.right, dst.Width()); ++x) {
      int32_t sx = srcRect.left + index(x - dstRect.left, srcRect.Width(), dstRect.Width());
      int32_t sy = srcRect.top + index(y - dstRect.top, srcRect.Height(), dstRect.Height());
      if (sx >= 0 && sy >= 0 && sx < src.Width() && sy < src.Height()) out.At(x, y) = src.At(sx, sy);
    }
  }
  return out;
}

struct TStretchCase {
  TRect dstRect;
  TRect srcRect;
};

// A 9 x 7 source stretched onto a 24 x 16 destination.
const std::vector<TStretchCase> kStretchCases = {
    {{0, 0, 24, 16}, {0, 0, 9, 7}},     // up, non-integer both ways
    {{2, 3, 20, 10}, {0, 0, 9, 7}},     // 2x up horizontally, 1:1 vertically
    {{0, 0, 4, 3}, {0, 0, 9, 7}},       // down
    {{5, 5, 14, 12}, {0, 0, 9, 7}},     // identity at an offset
    {{-13, -6, 30, 40}, {1, 2, 8, 6}},  // beyond every edge, part of the source
    {{3, 2, 21, 15}, {-3, -2, 12, 9}},  // source rectangle larger than the source
    {{0, 0, 24, 16}, {4, 3, 5, 4}},     // one source pixel
    {{0, 0, 1, 1}, {0, 0, 9, 7}},       // one destination pixel
    {{7, 0, 7, 16}, {0, 0, 9, 7}},      // empty
    {{0, 0, 24, 16}, {5, 0, 4, 7}},     // negative source width
};

TEST(Raster, StretchNearestTakesThePixelUnderEachCentre) {
  TBitmap32 src = RandomBitmap(9, 7, 6);
  for (const TStretchCase& c : kStretchCases) {
    SCOPED_TRACE(Describe(c.dstRect) + " from " + Describe(c.srcRect));
    TBitmap32 dst = RandomBitmap(24, 16, 7);
    TBitmap32 expected = c.dstRect.IsEmpty() || c.srcRect.IsEmpty() ? dst : NearestReference(dst, c.dstRect, src, c.srcRect);
    StretchNearest(dst.View(), c.dstRect, src.View(), c.srcRect);
    EXPECT_EQ(FirstDifference(dst, expected), "");
  }
}

TEST(Raster, StretchNearestIndexedIsTheStretchOfThePalettedPicture) {
  std::mt19937 random(10);
  std::array<TPixel32, 256> palette{};
  for (TPixel32& p : palette) p = random();
  std::vector<uint8_t> indices(9 * 7);
  for (uint8_t& index : indices) index = static_cast<uint8_t>(random());
  TBitmap32 picture(9, 7);
  for (size_t n = 0; n < indices.size(); ++n) picture.Pixels()[n] = palette[indices[n]];
  for (const TStretchCase& c : kStretchCases) {
    SCOPED_TRACE(Describe(c.dstRect));
    TBitmap32 dst = RandomBitmap(24, 16, 7);
    TBitmap32 expected = dst;
    StretchNearest(expected.View(), c.dstRect, picture.View(), picture.Bounds());
    StretchNearestIndexed(dst.View(), c.dstRect, indices, 9, 7, palette);
    EXPECT_EQ(FirstDifference(dst, expected), "");
  }
}

TEST(Raster, StretchesOfAbsurdSizeDrawNothing) {
  TBitmap32 src = RandomBitmap(4, 4, 8);
  for (const TStretchCase& c : std::vector<TStretchCase>{{{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, {0, 0, 4, 4}},
                                                         {{0, 0, 8, 8}, {INT32_MIN, 0, INT32_MAX, 4}}}) {
    TBitmap32 dst = RandomBitmap(8, 8, 9);
    TBitmap32 before = dst;
    StretchNearest(dst.View(), c.dstRect, src.View(), c.srcRect);
    StretchSmooth(dst.View(), c.dstRect, src.View(), c.srcRect);
    EXPECT_EQ(dst, before);
  }
}

// Reference bilinear stretch in floating point: alpha-weighted, edges repeated.
TBitmap32 SmoothReference(const TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect) {
  TBitmap32 out = dst;
  TRect readable = srcRect.Intersect(src.Bounds());
  auto tap = [](int32_t i, int32_t dFrom, int32_t dExtent, int32_t sFrom, int32_t sExtent, int32_t lo, int32_t hi) {
    // The position is held in 1/256 pixel steps, rounded down.
    double p = std::floor(((i - dFrom + 0.5) * sExtent / dExtent - 0.5) * 256) / 256 + sFrom;
    double whole = std::floor(p);
    auto a = static_cast<int32_t>(std::clamp(whole, double(lo), double(hi - 1)));
    auto b = static_cast<int32_t>(std::clamp(whole + 1, double(lo), double(hi - 1)));
    return std::tuple{a, b, p - whole};
  };
  for (int32_t y = std::max(dstRect.top, 0); y < std::min(dstRect.bottom, dst.Height()); ++y) {
    auto [y0, y1, fy] = tap(y, dstRect.top, dstRect.Height(), srcRect.top, srcRect.Height(), readable.top, readable.bottom);
    for (int32_t x = std::max(dstRect.left, 0); x < std::min(dstRect.right, dst.Width()); ++x) {
      auto [x0, x1, fx] = tap(x, dstRect.left, dstRect.Width(), srcRect.left, srcRect.Width(), readable.left, readable.right);
      const TPixel32 p[4] = {src.At(x0, y0), src.At(x1, y0), src.At(x0, y1), src.At(x1, y1)};
      const double w[4] = {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy};
      double a = 0;
      for (int n = 0; n < 4; ++n) a += w[n] * PixelA(p[n]);
      // Colours weighted by alpha too; where nothing is visible, by distance alone.
      auto c = [&](int shift) {
        double sum = 0;
        for (int n = 0; n < 4; ++n) sum += w[n] * (a > 0 ? PixelA(p[n]) : 1) * ((p[n] >> shift) & 255);
        return static_cast<uint8_t>(std::lround(sum / (a > 0 ? a : 1)));
      };
      out.At(x, y) = MakePixel(c(16), c(8), c(0), static_cast<uint8_t>(std::lround(a)));
    }
  }
  return out;
}

TEST(Raster, StretchSmoothFollowsTheBilinearFilterWithinRounding) {
  TBitmap32 src = RandomBitmap(9, 7, 10);
  for (int32_t n = 0; n < 9; ++n) src.At(n, 3) &= 0x00FFFFFF;  // a fully transparent row
  for (const TStretchCase& c : kStretchCases) {
    if (c.dstRect.IsEmpty() || c.srcRect.IsEmpty()) continue;
    SCOPED_TRACE(Describe(c.dstRect) + " from " + Describe(c.srcRect));
    TBitmap32 dst = RandomBitmap(24, 16, 11);
    TBitmap32 expected = SmoothReference(dst, c.dstRect, src, c.srcRect);
    StretchSmooth(dst.View(), c.dstRect, src.View(), c.srcRect);
    int worst = 0;
    for (size_t n = 0; n < dst.Pixels().size(); ++n) {
      TPixel32 a = dst.Pixels()[n];
      TPixel32 e = expected.Pixels()[n];
      for (int shift : {0, 8, 16, 24}) worst = std::max(worst, std::abs(int((a >> shift) & 255) - int((e >> shift) & 255)));
    }
    EXPECT_LE(worst, 1);
  }
}

TEST(Raster, StretchSmoothKeepsIdentityExactAndTransparentColourOut) {
  TBitmap32 src = RandomBitmap(9, 7, 12);
  TBitmap32 dst(9, 7);
  StretchSmooth(dst.View(), dst.Bounds(), src.View(), src.Bounds());
  EXPECT_EQ(dst, src);

  TBitmap32 pair(2, 1, MakePixel(255, 0, 0));
  pair.At(1, 0) = MakePixel(0, 255, 0, 0);
  TBitmap32 wide(16, 1);
  StretchSmooth(wide.View(), wide.Bounds(), pair.View(), pair.Bounds());
  for (int32_t x = 0; x < 16; ++x) {
    SCOPED_TRACE(x);
    TPixel32 p = wide.At(x, 0);
    if (PixelA(p) > 0) {
      EXPECT_EQ(p & 0x00FFFFFF, 0x00FF0000u);
    }
    if (x > 0) {
      EXPECT_LE(PixelA(p), PixelA(wide.At(x - 1, 0)));
    }
  }
  EXPECT_EQ(PixelA(wide.At(0, 0)), 255);
  EXPECT_EQ(wide.At(15, 0), MakePixel(0, 255, 0, 0));
}

uint8_t ExactBlend(int bottom, int top, int alpha) {
  return static_cast<uint8_t>(std::floor(bottom + (top - bottom) * alpha / 255.0 + 0.5));
}

TEST(Raster, BlendMasterRoundsTheExactMixForEveryChannelPairAndAlpha) {
  // Top pixel (x, y) holds x in every channel position, bottom holds y, rotated per channel.
  TBitmap32 top(256, 256);
  TBitmap32 bottom(256, 256);
  for (int32_t y = 0; y < 256; ++y) {
    for (int32_t x = 0; x < 256; ++x) {
      auto a = static_cast<uint8_t>(x);
      auto b = static_cast<uint8_t>(y);
      top.At(x, y) = MakePixel(a, b, a, b);
      bottom.At(x, y) = MakePixel(b, a, static_cast<uint8_t>(255 - b), a);
    }
  }
  TBitmap32 dst(256, 256);
  for (int alpha = 0; alpha < 256; ++alpha) {
    BlendMaster(dst.View(), top.View(), bottom.View(), static_cast<uint8_t>(alpha));
    for (int32_t y = 0; y < 256; ++y) {
      for (int32_t x = 0; x < 256; ++x) {
        TPixel32 t = top.At(x, y);
        TPixel32 b = bottom.At(x, y);
        TPixel32 expected = MakePixel(ExactBlend(PixelR(b), PixelR(t), alpha), ExactBlend(PixelG(b), PixelG(t), alpha),
                                      ExactBlend(PixelB(b), PixelB(t), alpha), ExactBlend(PixelA(b), PixelA(t), alpha));
        if (dst.At(x, y) != expected) {
          ADD_FAILURE() << "alpha " << alpha << " top " << std::hex << t << " bottom " << b << " gave " << dst.At(x, y);
          return;
        }
      }
    }
  }
}

TEST(Raster, BlendMasterWritesIntoItsBottomAndCoversTheCommonSize) {
  TBitmap32 top(3, 2, MakePixel(255, 255, 255));
  TBitmap32 bottom(4, 1, MakePixel(0, 0, 0));
  BlendMaster(bottom.View(), top.View(), bottom.View(), 127);
  EXPECT_EQ(bottom.At(0, 0), MakePixel(127, 127, 127));
  EXPECT_EQ(bottom.At(2, 0), MakePixel(127, 127, 127));
  EXPECT_EQ(bottom.At(3, 0), MakePixel(0, 0, 0));
}

TPixel32 ExactOver(TPixel32 dst, TPixel32 src, int master) {
  auto round = [](double v) { return std::floor(v + 0.5); };
  double sa = round(PixelA(src) * master / 255.0);
  double da = PixelA(dst);
  double total = sa * 255 + da * (255 - sa);
  if (sa == 0) return dst;
  auto c = [&](int s, int d) { return static_cast<uint8_t>(round((s * sa * 255 + d * da * (255 - sa)) / total)); };
  return MakePixel(c(PixelR(src), PixelR(dst)), c(PixelG(src), PixelG(dst)), c(PixelB(src), PixelB(dst)),
                   static_cast<uint8_t>(round(total / 255)));
}

TEST(Raster, AlphaBlendComposesOverWithMasterAlpha) {
  TBitmap32 src = RandomBitmap(64, 64, 13);
  TBitmap32 base = RandomBitmap(64, 64, 14);
  for (int32_t x = 0; x < 64; ++x) {
    base.At(x, 0) |= 0xFF000000;  // opaque destination row
    base.At(x, 1) &= 0x00FFFFFF;  // transparent destination row
    src.At(x, 2) |= 0xFF000000;   // opaque source row
    src.At(x, 3) &= 0x00FFFFFF;   // transparent source row
  }
  for (int master : {255, 200, 128, 1, 0}) {
    SCOPED_TRACE(master);
    TBitmap32 dst = base;
    AlphaBlend(dst.View(), {0, 0}, src.View(), static_cast<uint8_t>(master));
    for (int32_t y = 0; y < 64; ++y) {
      for (int32_t x = 0; x < 64; ++x) {
        TPixel32 expected = ExactOver(base.At(x, y), src.At(x, y), master);
        if (dst.At(x, y) != expected) {
          ADD_FAILURE() << "at " << x << "," << y << std::hex << " dst " << base.At(x, y) << " src " << src.At(x, y)
                        << " gave " << dst.At(x, y) << " expected " << expected;
          return;
        }
      }
    }
  }
}

TEST(Raster, AlphaBlendOnAnOpaqueDestinationIsTheMasterBlend) {
  TBitmap32 src = RandomBitmap(32, 32, 15);
  TBitmap32 dst = RandomBitmap(32, 32, 16);
  for (TPixel32& p : dst.Pixels()) p |= 0xFF000000;
  TBitmap32 expected = dst;
  for (int32_t y = 0; y < 32; ++y) {
    for (int32_t x = 0; x < 32; ++x) {
      TPixel32 s = src.At(x, y);
      TBitmap32 one(1, 1, s | 0xFF000000);
      BlendMaster(expected.View().SubView({x, y, x + 1, y + 1}), one.View(),
                  expected.View().SubView({x, y, x + 1, y + 1}), PixelA(s));
    }
  }
  AlphaBlend(dst.View(), {0, 0}, src.View());
  EXPECT_EQ(FirstDifference(dst, expected), "");
}

TEST(Raster, CheckerboardAndTouchesEveryOtherPixelOfTheRectangle) {
  const TBitmap32 source = RandomBitmap(20, 12, 16);
  for (const TRect& rect : kRects) {
    SCOPED_TRACE(Describe(rect));
    TBitmap32 dst = RandomBitmap(20, 12, 17);
    TBitmap32 expected = dst;
    TBitmap32 fromSource = dst;
    TBitmap32 expectedFromSource = dst;
    for (int32_t y = 0; y < 12; ++y)
      for (int32_t x = 0; x < 20; ++x)
        if (rect.Contains({x, y}) && (x + y) % 2 == 0) {
          expected.At(x, y) &= 0xFF00FF0F;
          expectedFromSource.At(x, y) = source.At(x, y) & 0xFF00FF0F;
        }
    CheckerboardAnd(dst.View(), rect, 0xFF00FF0F);
    EXPECT_EQ(FirstDifference(dst, expected), "");
    CheckerboardAnd(fromSource.View(), source.View(), rect, 0xFF00FF0F);
    EXPECT_EQ(FirstDifference(fromSource, expectedFromSource), "") << "taken from a source";
  }
}

TEST(Raster, DrawTiledRepeatsFromTheRectangleCornerAndStopsAtItsEdges) {
  TBitmap32 tile = RandomBitmap(3, 4, 18);
  for (const TRect& rect : kRects) {
    SCOPED_TRACE(Describe(rect));
    TBitmap32 dst = RandomBitmap(20, 12, 19);
    TBitmap32 expected = dst;
    for (int32_t y = 0; y < 12; ++y)
      for (int32_t x = 0; x < 20; ++x)
        if (rect.Contains({x, y}))
          expected.At(x, y) = tile.At(static_cast<int32_t>((int64_t{x} - rect.left) % 3),
                                      static_cast<int32_t>((int64_t{y} - rect.top) % 4));
    DrawTiled(dst.View(), rect, tile.View());
    EXPECT_EQ(FirstDifference(dst, expected), "");
  }
}

}  // namespace
