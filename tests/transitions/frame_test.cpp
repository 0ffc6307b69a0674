// The frame geometry every directional style shares, and the frame builder around the styles.

#include "transitions/frame.h"

#include <gtest/gtest.h>

#include "transitions/frame_builder.h"

namespace {

TEST(TransitionGeometry, MulDivRoundsHalvesAwayFromZero) {
  struct TCase {
    int32_t a, b, c, expected;
  };
  const TCase cases[] = {
      {150, 3, 100, 5}, {150, 1, 100, 2}, {10, 5, 100, 1}, {10, 4, 100, 0}, {-150, 3, 100, -5},
      {-10, 5, 100, -1}, {150, 3, -100, -5}, {100, 4, 90, 4}, {1, 49, 100, 0}, {1, 50, 100, 1},
      {2000000000, 2000000000, 2000000000, 2000000000},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.a << " * " << c.b << " / " << c.c);
    EXPECT_EQ(MulDivRound(c.a, c.b, c.c), c.expected);
  }
}

TEST(TransitionGeometry, AdvanceFollowsTheLongerSideAndTheUnitTheStep) {
  struct TCase {
    int32_t width, height, progress, step, x, y, s;
  };
  const TCase cases[] = {
      {150, 100, 3, 4, 5, 3, 7},      // X = 4.5 rounds up to 5; Y = 5 * 100 / 150 = 3.33
      {100, 100, 50, 4, 50, 50, 4},   // S = 400 / 90 = 4.44
      {100, 300, 10, 4, 10, 30, 13},  // taller than wide: Y first, X from it
      {1, 1, 49, 4, 0, 0, 1},         // one pixel: nothing below 50 ...
      {1, 1, 50, 4, 1, 1, 1},         // ... everything from 50 on; S of 0 taken as 1
      {20, 10, 50, 1, 10, 5, 1},      // 20 / 90 rounds to 0: S is at least 1
      {1920, 1080, 99, 100, 1901, 1069, 2133},
  };
  TSeededRandom random;
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << " at " << c.progress << " step " << c.step);
    TBitmap32 display(c.width, c.height);
    TBitmap32 picture(c.width, c.height);
    const TFrame frame(display.View(), picture.View(), c.progress, c.step, random);
    EXPECT_EQ(frame.X, c.x);
    EXPECT_EQ(frame.Y, c.y);
    EXPECT_EQ(frame.S, c.s);
  }
}

TEST(TransitionFrameBuilder, EndsOfTheProgressAreTheTwoPicturesWithoutAStyle) {
  const TBitmap32 oldPicture(6, 4, MakePixel(1, 2, 3));
  const TBitmap32 newPicture(6, 4, MakePixel(9, 8, 7));
  TSeededRandom random;
  TBitmap32 frame;
  for (const int32_t progress : {0, -5}) {
    ASSERT_EQ(BuildTransitionFrame(frame, 5, progress, 4, oldPicture, newPicture, random), TFrameBuildResult::fbDrawn);
    EXPECT_EQ(frame, oldPicture);
  }
  for (const int32_t progress : {100, 250}) {
    ASSERT_EQ(BuildTransitionFrame(frame, 5, progress, 4, oldPicture, newPicture, random), TFrameBuildResult::fbDrawn);
    EXPECT_EQ(frame, newPicture);
  }
}

TEST(TransitionFrameBuilder, RefusesUnknownStylesAndPicturesOfTwoSizes) {
  const TBitmap32 picture(6, 4);
  TSeededRandom random;
  TBitmap32 frame(3, 3);
  for (const int32_t style : {0, -1, 151, 200}) {
    EXPECT_EQ(BuildTransitionFrame(frame, style, 50, 4, picture, picture, random), TFrameBuildResult::fbNoSuchStyle);
    EXPECT_TRUE(frame.Empty());
  }
  EXPECT_EQ(BuildTransitionFrame(frame, 1, 50, 4, picture, TBitmap32(6, 5), random), TFrameBuildResult::fbSizesDiffer);
  EXPECT_TRUE(frame.Empty());
}

}  // namespace
