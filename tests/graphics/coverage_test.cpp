#include "graphics/coverage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "graphics/bitmap32.h"

namespace {

// A plane of random values, about half of them 0.
TCoverage RandomPlane(int32_t width, int32_t height, uint32_t seed) {
  std::mt19937 random(seed);
  TCoverage plane(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) plane.At(x, y) = random() % 2 ? static_cast<uint8_t>(random() % 256) : 0;
  return plane;
}

// The grown plane by its definition: each pixel the largest source value within the square.
TCoverage ReferenceDilation(const TCoverage& source, int32_t r) {
  TCoverage result(source.Width() + 2 * r, source.Height() + 2 * r);
  for (int32_t y = 0; y < result.Height(); ++y)
    for (int32_t x = 0; x < result.Width(); ++x)
      for (int32_t v = std::max(0, y - 2 * r); v <= std::min(source.Height() - 1, y); ++v)
        for (int32_t u = std::max(0, x - 2 * r); u <= std::min(source.Width() - 1, x); ++u)
          result.At(x, y) = std::max(result.At(x, y), source.At(u, v));
  return result;
}

TEST(Coverage, DilateSquareTakesTheLargestValueWithinTheSquare) {
  struct Case {
    int32_t width, height, radius;
  };
  // Planes narrower and wider than the square, single pixels, and radii that leave partial
  // blocks at either end of a pass.
  const Case cases[] = {{1, 1, 1}, {1, 1, 4}, {7, 5, 1}, {7, 5, 2}, {13, 9, 3}, {3, 17, 10}, {30, 2, 6}, {16, 16, 7}};
  for (const Case& c : cases) {
    for (uint32_t seed : {1u, 2u}) {
      SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", radius " << c.radius << ", seed " << seed);
      const TCoverage source = RandomPlane(c.width, c.height, seed);
      EXPECT_EQ(DilateSquare(source, c.radius), ReferenceDilation(source, c.radius));
    }
  }
}

TEST(Coverage, DilateSquareOfASinglePixelIsTheWholeSquare) {
  TCoverage dot(5, 5);
  dot.At(2, 2) = 255;
  const TCoverage grown = DilateSquare(dot, 3);
  ASSERT_EQ(grown.Width(), 11);
  ASSERT_EQ(grown.Height(), 11);
  for (int32_t y = 0; y < 11; ++y)
    for (int32_t x = 0; x < 11; ++x) {
      const bool inSquare = x >= 2 && x <= 8 && y >= 2 && y <= 8;
      EXPECT_EQ(grown.At(x, y), inSquare ? 255 : 0) << x << ", " << y;
    }
}

TEST(Coverage, DilateSquareEdgeCases) {
  const TCoverage plane = RandomPlane(6, 4, 3);
  EXPECT_EQ(DilateSquare(plane, 0), plane);
  EXPECT_EQ(DilateSquare(plane, -5), plane);
  EXPECT_TRUE(DilateSquare(TCoverage(), 2).Empty());
  EXPECT_TRUE(TCoverage(-3, 4).Empty());
  // Results beyond the bitmap limits are empty instead of huge: a side, then the pixel count.
  EXPECT_TRUE(DilateSquare(TCoverage(1, 1), kMaxBitmapSide / 2).Empty());
  EXPECT_TRUE(DilateSquare(TCoverage(2, 2), (kMaxBitmapSide - 2) / 2).Empty());
}

}  // namespace
