// The style table and the rules every style keeps, checked over all 150 styles, and the
// behaviours single styles promise.

#include "transitions/transition_styles.h"

#include <gtest/gtest.h>

#include <set>

#include "graphics/raster.h"
#include "test_pictures.h"
#include "transitions/frame_builder.h"

namespace {

constexpr TPixel32 kOld = MakePixel(10, 20, 30);
constexpr TPixel32 kNew = MakePixel(200, 150, 100);

TBitmap32 Frame(int32_t style, int32_t progress, const TBitmap32& oldPicture, const TBitmap32& newPicture,
                TSeededRandom& random, int32_t step = 4) {
  TBitmap32 frame;
  EXPECT_EQ(BuildTransitionFrame(frame, style, progress, step, oldPicture, newPicture, random),
            TFrameBuildResult::fbDrawn);
  return frame;
}

int32_t CountOf(const TBitmap32& frame, TPixel32 pixel) {
  return static_cast<int32_t>(std::ranges::count(frame.Pixels(), pixel));
}

TEST(TransitionStyles, EveryStyleHasANameAndAProcedure) {
  const auto& table = TransitionStyles();
  EXPECT_EQ(table[0].name, "Custom");
  EXPECT_EQ(table[0].draw, nullptr);
  for (int32_t style = 1; style <= kTransitionStyleCount; ++style) {
    SCOPED_TRACE(style);
    EXPECT_FALSE(table[static_cast<size_t>(style)].name.empty());
    EXPECT_NE(table[static_cast<size_t>(style)].draw, nullptr);
  }
  EXPECT_EQ(table[1].name, "Expand from right");
  EXPECT_EQ(table[118].name, "Fade");
  EXPECT_EQ(table[150].name, "Rotational star");
}

TEST(TransitionStyles, NamesAreFoundInAnyCaseFirstMatchWinning) {
  EXPECT_EQ(FindTransitionStyle("fade"), 118);
  EXPECT_EQ(FindTransitionStyle("CUSTOM"), 0);
  EXPECT_EQ(FindTransitionStyle("Push and sqeeze up"), 135);
  // 33 and 34 share their names with 18 and 25: the name selects the first.
  EXPECT_EQ(TransitionStyles()[33].name, TransitionStyles()[18].name);
  EXPECT_EQ(FindTransitionStyle("Expand from bottom"), 18);
  EXPECT_EQ(FindTransitionStyle("Expand in from top"), 25);
  EXPECT_EQ(FindTransitionStyle("Fade "), std::nullopt);
  EXPECT_EQ(FindTransitionStyle(""), std::nullopt);
}

// Between two plain pictures every style (but the fade, which mixes them) shows only their two
// colours, the new one somewhere by the middle of the transition: nothing is drawn from outside
// the pictures. Between the patterned pictures every style moves on from one frame to the next.
TEST(TransitionStyles, EveryStyleShowsOnlyTheTwoPicturesAndMovesFromOneToTheOther) {
  const TBitmap32 oldPicture(64, 48, kOld);
  const TBitmap32 newPicture(64, 48, kNew);
  const TBitmap32 patternedOld = OldTestPicture(64, 48);
  const TBitmap32 patternedNew = NewTestPicture(64, 48);
  for (int32_t style = 1; style <= kTransitionStyleCount; ++style) {
    SCOPED_TRACE(TransitionStyles()[static_cast<size_t>(style)].name);
    SCOPED_TRACE(style);
    TSeededRandom random(7);
    EXPECT_NE(Frame(style, 10, patternedOld, patternedNew, random), Frame(style, 50, patternedOld, patternedNew, random));
    if (style == 118) continue;
    const TBitmap32 middle = Frame(style, 50, oldPicture, newPicture, random);
    EXPECT_EQ(CountOf(middle, kOld) + CountOf(middle, kNew), 64 * 48);
    EXPECT_GT(CountOf(middle, kNew), 0);
  }
}

// Every style ends every frame on pictures of any size, however small, at every step: no
// division by a zero size unit, no endless slats at a zero pitch, no draw from an empty range.
TEST(TransitionStyles, TinyPicturesEndEveryFrameAtEveryProgressAndStep) {
  const std::pair<int32_t, int32_t> sizes[] = {{1, 1}, {2, 1}, {1, 3}, {6, 6}, {7, 2}, {3, 40}, {40, 3}};
  for (const auto& [width, height] : sizes) {
    const TBitmap32 oldPicture(width, height, kOld);
    const TBitmap32 newPicture(width, height, kNew);
    for (int32_t style = 1; style <= kTransitionStyleCount; ++style)
      for (const int32_t step : {1, 4, 100})
        for (int32_t progress = 1; progress < 100; progress += 7) {
          SCOPED_TRACE(testing::Message() << width << " x " << height << " style " << style << " step " << step
                                          << " progress " << progress);
          TSeededRandom random(1);
          const TBitmap32 frame = Frame(style, progress, oldPicture, newPicture, random, step);
          if (style != 118) {
            EXPECT_EQ(CountOf(frame, kOld) + CountOf(frame, kNew), width * height);
          }
        }
  }
}

TEST(TransitionStyles, FadeMixesEachColourByTheProgressAndKeepsTheFourthByte) {
  TBitmap32 oldPicture(3, 1);
  oldPicture.At(0, 0) = MakePixel(0, 100, 255, 17);
  oldPicture.At(1, 0) = MakePixel(255, 255, 255);
  oldPicture.At(2, 0) = MakePixel(7, 0, 99, 0);
  TBitmap32 newPicture(3, 1);
  newPicture.At(0, 0) = MakePixel(255, 0, 0, 200);
  newPicture.At(1, 0) = MakePixel(0, 0, 0);
  newPicture.At(2, 0) = MakePixel(8, 255, 1, 255);
  TSeededRandom random;
  for (int32_t progress = 1; progress < 100; ++progress) {
    SCOPED_TRACE(progress);
    const TBitmap32 frame = Frame(118, progress, oldPicture, newPicture, random);
    for (int32_t x = 0; x < 3; ++x) {
      const TPixel32 o = oldPicture.At(x, 0);
      const TPixel32 n = newPicture.At(x, 0);
      const auto mix = [progress](uint8_t a, uint8_t b) {
        return static_cast<uint8_t>(((100 - progress) * a + progress * b) / 100);
      };
      EXPECT_EQ(frame.At(x, 0),
                MakePixel(mix(PixelR(o), PixelR(n)), mix(PixelG(o), PixelG(n)), mix(PixelB(o), PixelB(n)), PixelA(o)));
    }
  }
}

TEST(TransitionStyles, PushRightShowsTheNewRightHalfBesideTheOldLeftHalf) {
  const TBitmap32 oldPicture = OldTestPicture(200, 20);
  const TBitmap32 newPicture = NewTestPicture(200, 20);
  TSeededRandom random;
  const TBitmap32 frame = Frame(128, 50, oldPicture, newPicture, random);
  for (int32_t y = 0; y < 20; ++y)
    for (int32_t x = 0; x < 100; ++x) {
      ASSERT_EQ(frame.At(x, y), newPicture.At(x + 100, y)) << x << ", " << y;
      ASSERT_EQ(frame.At(x + 100, y), oldPicture.At(x, y)) << x << ", " << y;
    }
}

TEST(TransitionStyles, RotationalRectangleAtTheHalfTurnIsTheCentredHalfSizedRectangle) {
  const TBitmap32 oldPicture(80, 60, kOld);
  const TBitmap32 newPicture(80, 60, kNew);
  TSeededRandom random;
  const TBitmap32 frame = Frame(149, 50, oldPicture, newPicture, random);
  // X = 40, Y = 30: the rectangle (40 - 20, 30 - 15) to (40 + 20, 30 + 15).
  const TRect inside{20, 15, 60, 45};
  for (int32_t y = 0; y < 60; ++y)
    for (int32_t x = 0; x < 80; ++x)
      ASSERT_EQ(frame.At(x, y), inside.Contains({x, y}) ? kNew : kOld) << x << ", " << y;
}

TEST(TransitionStyles, CircularRevealsGrowFromTheMiddleAndCloseOnIt) {
  const TBitmap32 oldPicture(64, 48, kOld);
  const TBitmap32 newPicture(64, 48, kNew);
  TSeededRandom random;
  // From the centre the new picture starts as a small patch in the middle; to the centre it
  // shows in the corners, outside a hole over the middle.
  const TBitmap32 growing = Frame(84, 10, oldPicture, newPicture, random);
  EXPECT_EQ(growing.At(32, 24), kNew);
  EXPECT_EQ(growing.At(0, 0), kOld);
  const TBitmap32 closing = Frame(85, 50, oldPicture, newPicture, random);
  EXPECT_EQ(closing.At(32, 24), kOld);
  EXPECT_EQ(closing.At(0, 0), kNew);
}

TEST(TransitionStyles, RandomSquaresAreTheSameInEveryRunAndStayShown) {
  const TBitmap32 oldPicture(64, 48, kOld);
  const TBitmap32 newPicture(64, 48, kNew);
  TSeededRandom first(1);
  TSeededRandom second(99);
  TBitmap32 previous = oldPicture;
  for (int32_t progress = 5; progress < 100; progress += 5) {
    SCOPED_TRACE(progress);
    const TBitmap32 frame = Frame(127, progress, oldPicture, newPicture, first);
    EXPECT_EQ(frame, Frame(127, progress, oldPicture, newPicture, second));
    for (size_t i = 0; i < frame.Pixels().size(); ++i)
      if (previous.Pixels()[i] == kNew) {
        ASSERT_EQ(frame.Pixels()[i], kNew) << i;
      }
    if (progress == 50) {
      EXPECT_GT(CountOf(frame, kOld), 0);
    }
    previous = frame;
  }
}

TEST(TransitionStyles, RandomSquaresReseedOnlyTheGeneratorTheyAreGiven) {
  const TBitmap32 oldPicture(64, 48, kOld);
  const TBitmap32 newPicture(64, 48, kNew);
  TSeededRandom engine(5);
  TSeededRandom other(5);
  TSeededRandom untouched(5);
  Frame(127, 40, oldPicture, newPicture, engine);
  // The engine's generator continues from the reseed after one number per square (S = 3, so a
  // square every s = 1 pixel); another generator keeps its own sequence.
  TSeededRandom reseeded(64 * 48);
  for (int32_t i = 0; i < 64 * 48; ++i) reseeded.Below(100);
  for (int32_t i = 0; i < 20; ++i) {
    EXPECT_EQ(engine.Below(1000), reseeded.Below(1000));
    EXPECT_EQ(other.Below(1000), untouched.Below(1000));
  }
}

TEST(TransitionStyles, RandomStylesDrawFromTheirGeneratorAndShredsUnderSevenPixelsDoNot) {
  const std::set<int32_t> randomStyles = {65, 66, 67, 68, 76, 77, 78, 79, 100, 101, 102, 103, 104, 105, 106,
                                          107, 108, 109, 123, 124, 125, 126};
  const TBitmap32 oldPicture(64, 48, kOld);
  const TBitmap32 newPicture(64, 48, kNew);
  for (const int32_t style : randomStyles) {
    SCOPED_TRACE(style);
    TSeededRandom one(3);
    TSeededRandom two(3);
    const TBitmap32 a = Frame(style, 50, oldPicture, newPicture, one);
    const TBitmap32 b = Frame(style, 50, oldPicture, newPicture, two);
    EXPECT_EQ(a, b);  // the same generator state draws the same frame
    TSeededRandom fresh(3);
    EXPECT_NE(one.Below(1 << 30), fresh.Below(1 << 30));  // and the frame took numbers from it
  }
  // Along 6 pixels the jitter range W / 7 (or H / 7) is empty: the shreds draw nothing from it.
  const TBitmap32 smallOld(6, 6, kOld);
  const TBitmap32 smallNew(6, 6, kNew);
  for (const int32_t style : {65, 66, 67, 68, 76, 77, 78, 79, 100, 104, 108, 109}) {
    SCOPED_TRACE(style);
    TSeededRandom random(3);
    Frame(style, 50, smallOld, smallNew, random);
    TSeededRandom fresh(3);
    EXPECT_EQ(random.Below(1 << 30), fresh.Below(1 << 30));
  }
}

TEST(TransitionStyles, ABlindOpensEachSlatByTheProgressOfItsPitch) {
  // 90 wide, step 9: S = 9, pitch 10; at progress 50 each slat is 5 columns wide.
  const TBitmap32 oldPicture(90, 4, kOld);
  const TBitmap32 newPicture(90, 4, kNew);
  TSeededRandom random;
  const TBitmap32 frame = Frame(136, 50, oldPicture, newPicture, random, 9);
  for (int32_t x = 0; x < 90; ++x) EXPECT_EQ(frame.At(x, 2), x % 10 < 5 ? kNew : kOld) << x;
}

}  // namespace
