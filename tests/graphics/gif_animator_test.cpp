// The frames of an animated GIF as they show one after another: their delays and their
// composition by each frame's disposal method.

#include "graphics/gif_animator.h"

#include <gtest/gtest.h>

#include "graphics/colors.h"

TEST(GifAnimator, DelaysAreClampedAndOneFrameDoesNotAnimate) {
  TDecodedPicture gif;
  gif.format = TPictureFormat::Gif;
  gif.screenWidth = gif.screenHeight = 2;
  for (int32_t delay : {0, 20, 30000, 100}) gif.frames.push_back({TBitmap32(2, 2), {0, 0, 2, 2}, delay, 1, -1});
  EXPECT_EQ(GifFrameDelayMs(gif, 0), 50);
  EXPECT_EQ(GifFrameDelayMs(gif, 1), 50);
  EXPECT_EQ(GifFrameDelayMs(gif, 2), 10000);
  EXPECT_EQ(GifFrameDelayMs(gif, 3), 100);
  EXPECT_EQ(GifFrameDelayMs(gif, 4), 0);
  gif.frames.resize(1);
  EXPECT_EQ(GifFrameDelayMs(gif, 0), 0);
}

TEST(GifAnimator, DisposalMethodsComposeFramesInOrderOrAfresh) {
  // A 4 x 1 screen: frame 0 fills it blue; frames 1 and 2 paint one pixel red at x 1 and x 2.
  const TPixel32 blue = ColorToPixel(clBlue), red = ColorToPixel(clRed), white = ColorToPixel(clWindow);
  auto gifWith = [&](uint8_t disposal1) {
    TDecodedPicture gif;
    gif.screenWidth = 4, gif.screenHeight = 1;
    gif.frames.push_back({TBitmap32(4, 1, blue), {0, 0, 4, 1}, 100, 1, -1});
    gif.frames.push_back({TBitmap32(1, 1, red), {1, 0, 2, 1}, 100, disposal1, -1});
    gif.frames.push_back({TBitmap32(1, 1, red), {2, 0, 3, 1}, 100, 1, -1});
    return gif;
  };
  struct Case {
    uint8_t disposal;
    TPixel32 atOne;  // pixel x 1 of frame 2
  };
  for (const Case c : {Case{1, red}, Case{0, red}, Case{2, white}, Case{3, blue}}) {
    SCOPED_TRACE(static_cast<int>(c.disposal));
    const TDecodedPicture gif = gifWith(c.disposal);
    TGifAnimator stepped, fresh;
    stepped.Compose(gif, 0), stepped.Compose(gif, 1);
    const TBitmap32 step = stepped.Compose(gif, 2);
    EXPECT_EQ(step.At(1, 0), c.atOne);
    EXPECT_EQ(step.At(2, 0), red);
    EXPECT_EQ(step.At(0, 0), blue);
    EXPECT_EQ(fresh.Compose(gif, 2), step) << "composing frame 2 directly differs from stepping to it";
  }
}
