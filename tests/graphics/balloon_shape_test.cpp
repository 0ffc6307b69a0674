#include "graphics/balloon_shape.h"

#include <gtest/gtest.h>

#include <string>

#include "graphics/raster.h"

namespace {

constexpr TPixel32 kOutside = MakePixel(255, 255, 255);
constexpr TPixel32 kFill = MakePixel(255, 0, 0);
constexpr TPixel32 kBorder = MakePixel(0, 0, 255);

constexpr TKIVPosition kPlacements[] = {TKIVPosition::apsLeftTop, TKIVPosition::apsLeftBottom,
                                        TKIVPosition::apsRightTop, TKIVPosition::apsRightBottom};

std::string Name(TKIVPosition placement) { return "placement " + std::to_string(static_cast<int>(placement)); }

TEST(BalloonShape, BodyLeavesRoomForAPointerWhoseTipIsTheCorner) {
  const TRect rect{0, 0, 100, 40};
  struct TCase {
    TKIVPosition placement;
    TRect body;
    TPoint p1, p2, p3;
  };
  const TCase cases[] = {
      {TKIVPosition::apsLeftTop, {0, 0, 100, 28}, {82, 27}, {90, 27}, {100, 40}},
      {TKIVPosition::apsLeftBottom, {0, 12, 100, 40}, {82, 12}, {90, 12}, {100, 0}},
      {TKIVPosition::apsRightTop, {0, 0, 100, 28}, {10, 27}, {18, 27}, {0, 40}},
      {TKIVPosition::apsRightBottom, {0, 12, 100, 40}, {10, 12}, {18, 12}, {0, 0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(Name(c.placement));
    const TBalloonShape shape = HintBalloonBody(rect, c.placement);
    EXPECT_EQ(shape.body, c.body);
    EXPECT_EQ(shape.cornerSize, 10);
    EXPECT_EQ(shape.pointer[0], c.p1);
    EXPECT_EQ(shape.pointer[1], c.p2);
    EXPECT_EQ(shape.pointer[2], c.p3);
  }
}

TEST(BalloonShape, ShadowPointerHasOneVerticalSide) {
  const TRect rect{4, 4, 104, 44};
  struct TCase {
    TKIVPosition placement;
    TRect body;
    TPoint p1, p2, p3;
  };
  const TCase cases[] = {
      {TKIVPosition::apsLeftTop, {4, 4, 104, 36}, {86, 35}, {94, 35}, {94, 44}},
      {TKIVPosition::apsLeftBottom, {4, 12, 104, 44}, {86, 12}, {94, 12}, {94, 4}},
      {TKIVPosition::apsRightTop, {4, 4, 104, 36}, {14, 35}, {22, 35}, {14, 44}},
      {TKIVPosition::apsRightBottom, {4, 12, 104, 44}, {14, 12}, {22, 12}, {14, 4}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(Name(c.placement));
    const TBalloonShape shape = HintBalloonShadow(rect, c.placement, 8);
    EXPECT_EQ(shape.body, c.body);
    EXPECT_EQ(shape.cornerSize, 8);
    EXPECT_EQ(shape.pointer[0], c.p1);
    EXPECT_EQ(shape.pointer[1], c.p2);
    EXPECT_EQ(shape.pointer[2], c.p3);
  }
}

// The region filled and the outline drawn over it, as the balloon is drawn, on a bitmap with a
// pixel to spare beyond the rectangle the shape was made for, which holds the tip.
TBitmap32 FilledAndOutlined(const TBalloonShape& shape, const TRect& rect) {
  TBitmap32 bitmap(rect.right + 2, rect.bottom + 2, kOutside);
  for (const TRect& run : BalloonRegion(shape).rects) FillRect(bitmap.View(), run, kFill);
  DrawBalloonOutline(bitmap.View(), shape, kBorder);
  return bitmap;
}

TEST(BalloonShape, OutlineEnclosesTheRegionEverywhere) {
  for (TKIVPosition placement : kPlacements) {
    SCOPED_TRACE(Name(placement));
    const TRect rect{0, 0, 60, 40};
    const TBalloonShape shape = HintBalloonBody(rect, placement);
    const TBitmap32 bitmap = FilledAndOutlined(shape, rect);
    // No pixel of plain fill touches a pixel the balloon left alone: the outline lies between.
    for (int32_t y = 0; y < bitmap.Height(); ++y)
      for (int32_t x = 0; x < bitmap.Width(); ++x) {
        if (bitmap.At(x, y) != kFill) continue;
        for (TPoint next : {TPoint{x - 1, y}, TPoint{x + 1, y}, TPoint{x, y - 1}, TPoint{x, y + 1}})
          ASSERT_NE(bitmap.At(next.x, next.y), kOutside) << "fill at " << x << "," << y << " leaks";
      }
    const TRect& body = shape.body;
    EXPECT_EQ(bitmap.At(body.left, body.top), kOutside) << "the corner is rounded off";
    EXPECT_EQ(bitmap.At(body.right - 1, body.bottom - 1), kOutside);
    EXPECT_EQ(bitmap.At(body.left, (body.top + body.bottom) / 2), kBorder) << "left edge";
    EXPECT_EQ(bitmap.At(body.right - 1, (body.top + body.bottom) / 2), kBorder) << "right edge";
    EXPECT_EQ(bitmap.At(body.left + 1, (body.top + body.bottom) / 2), kFill);
    const TPoint tip = shape.pointer[2];
    EXPECT_EQ(bitmap.At(tip.x, tip.y), kBorder) << "the tip";
    // The pointer's opening between P1 and P2 is filled, not closed by the edge.
    const TPoint inOpening{(shape.pointer[0].x + shape.pointer[1].x) / 2, shape.pointer[0].y};
    EXPECT_EQ(bitmap.At(inOpening.x, inOpening.y), kFill);
  }
}

TEST(BalloonShape, RegionIsTheRoundedBodyAndThePointer) {
  const TBalloonShape shape = HintBalloonBody({0, 0, 60, 40}, TKIVPosition::apsLeftBottom);
  const TRegion region = BalloonRegion(shape);
  EXPECT_EQ(region.Bounds(), (TRect{0, 0, 61, 40})) << "from the tip at the top right corner down";
  for (TPoint p : {TPoint{30, 25}, TPoint{0, 26}, TPoint{5, 12}, TPoint{55, 35}, TPoint{60, 0}, TPoint{53, 6}})
    EXPECT_TRUE(region.Contains(p)) << p.x << "," << p.y;
  for (TPoint p : {TPoint{0, 12}, TPoint{59, 12}, TPoint{0, 39}, TPoint{59, 39}, TPoint{20, 6}, TPoint{42, 11}, TPoint{50, 6}})
    EXPECT_FALSE(region.Contains(p)) << p.x << "," << p.y;
}

}  // namespace
