// What splash and viewer windows show: how each kind of picture is cut, the outline of an
// animated GIF frame by frame, and the screen at a moment of a plain or fading splash.

#include "window/splash_picture.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include <algorithm>

#include "controls/test_pictures.h"
#include "window/test_splash_pictures.h"
#include "graphics/raster.h"

namespace {

TEST(SplashPicture, EachKindOfPictureIsCutItsOwnWay) {
  using L = TPictureWindowLook;
  struct TCase {
    TPictureFormat format;
    std::string file;
    bool shaped;
    L look;
  };
  const TCase cases[] = {
      {TPictureFormat::Jpeg, "jpeg/video-001.jpeg", true, L::Rectangle},
      {TPictureFormat::Icon, "icons/horse.ico", true, L::Rectangle},
      {TPictureFormat::Png, "png/pngsuite/basic/basn6a08.png", true, L::PerPixelAlpha},
      {TPictureFormat::Png, "png/pngsuite/basic/basn6a08.png", false, L::Rectangle},
      {TPictureFormat::Png, "png/pngsuite/transparency/tbbn3p08.png", true, L::ShapeRegion},
      {TPictureFormat::Gif, "gif/test-animation.gif", true, L::ShapeRegion},
      {TPictureFormat::Bitmap, "bmp/24bit-image.bmp", true, L::ShapeRegion},
      {TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false, L::Rectangle},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file + (c.shaped ? " shaped" : ""));
    TSplashPicture picture = PreparedTestPicture(c.format, c.file, c.shaped);
    EXPECT_EQ(picture.Look(), c.look);
    EXPECT_EQ(picture.Shape(0).has_value(), c.look == L::ShapeRegion);
  }
}

TEST(SplashPicture, PicturesThatDoNotDecodeOrAreEmptyShowNothing) {
  TPicture picture;
  EXPECT_FALSE(TSplashPicture::Prepare(picture, false));
  picture.SetGraphic(TPictureFormat::Jpeg, {0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3});
  EXPECT_FALSE(TSplashPicture::Prepare(picture, true));
  picture.SetGraphic(TPictureFormat::Png, {});
  EXPECT_FALSE(TSplashPicture::Prepare(picture, true));
}

TEST(SplashPicture, AnimatedGifOutlineFollowsItsFrames) {
  // Each frame leaves one more of the four pixels opaque.
  TSplashPicture gif = PreparedTestPicture(TPictureFormat::Gif, "gif/gif-test-suite/dispose-none.gif", true);
  ASSERT_TRUE(gif.Animated());
  ASSERT_EQ(gif.FrameCount(), 4);
  std::vector<std::vector<TRect>> outlines;
  int64_t at = 0;
  for (int32_t frame = 0; frame < gif.FrameCount(); ++frame) {
    SCOPED_TRACE(frame);
    EXPECT_EQ(gif.FrameAt(at), frame);
    EXPECT_EQ(gif.FrameAt(at + gif.FrameDelayMs(frame) - 1), frame);
    at += gif.FrameDelayMs(frame);
    const std::optional<TRegion> shape = gif.Shape(frame);
    ASSERT_TRUE(shape);
    if (std::find(outlines.begin(), outlines.end(), shape->rects) == outlines.end()) outlines.push_back(shape->rects);
    // The face is opaque; inside the outline it shows the frame.
    const TBitmap32& face = gif.Face(frame);
    EXPECT_EQ(face.Width(), gif.Width());
    for (TPixel32 pixel : face.Pixels()) ASSERT_EQ(PixelA(pixel), 255);
  }
  EXPECT_EQ(gif.FrameAt(at), 0) << "the animation loops";
  EXPECT_EQ(outlines.size(), 4u) << "the outline changes with every frame";
}

TEST(SplashPicture, TranslucentWindowOverABackgroundLooksAsTheBlendedCopy) {
  // A window with per-pixel alpha shows ScaleAlpha(foreground) over the screen; without a
  // compositor the window shows ComposeFade over a copy of that screen. Both must agree.
  TBitmap32 background(64, 4), foreground(64, 4);
  for (int32_t x = 0; x < 64; ++x)
    for (int32_t y = 0; y < 4; ++y) {
      background.At(x, y) = MakePixel(static_cast<uint8_t>(x * 4), 200, static_cast<uint8_t>(255 - x), 255);
      foreground.At(x, y) = MakePixel(250, static_cast<uint8_t>(x * 3), 10, static_cast<uint8_t>(x * 4 + y * 60));
    }
  for (int alpha = 0; alpha <= 255; alpha += 17) {
    SCOPED_TRACE(alpha);
    TBitmap32 composed, shown = background;
    ComposeFade(composed, background, foreground, static_cast<uint8_t>(alpha));
    AlphaBlend(shown.View(), {0, 0}, ScaleAlpha(foreground, static_cast<uint8_t>(alpha)).View());
    EXPECT_EQ(composed, shown);
  }
}

// The screen of a plain and of a fading splash of three seconds, at moments through its show.
TEST(SplashMoment, PlainShowsThroughItsDelayFadeFromItsFirstTick) {
  TSplashPicture bmp = PreparedTestPicture(TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false);
  const TPixel32 grey = MakePixel(90, 90, 90);
  const TPoint centre{400 / 2, 300 / 2};
  auto centreAt = [&](bool fade, int64_t ms) {
    TBitmap32 screen(400, 300, grey);
    DrawSplashMoment(screen.View(), bmp, {fade, 3000}, ms);
    return screen.At(centre.x, centre.y);
  };
  const TPoint inPicture{centre.x - (400 - bmp.Width()) / 2, centre.y - (300 - bmp.Height()) / 2};
  const TPixel32 face = bmp.Face(0).At(inPicture.x, inPicture.y);
  auto faded = [&](uint8_t alpha) {
    TBitmap32 one(1, 1, grey), work;
    TBitmap32 top(1, 1, bmp.FadeForeground().At(inPicture.x, inPicture.y));
    ComposeFade(work, one, top, alpha);
    return work.At(0, 0);
  };
  const struct {
    bool fade;
    int64_t ms;
    TPixel32 centre;
  } cases[] = {
      {false, 0, face},      {false, 2999, face},  {false, 3000, grey},   {true, 0, grey},
      {true, 99, grey},      {true, 100, faded(21)}, {true, 1999, faded(233)}, {true, 2999, faded(21)},
      {true, 3000, grey},
  };
  ASSERT_NE(faded(21), grey);
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.fade ? "fade " : "plain ") << c.ms);
    EXPECT_EQ(centreAt(c.fade, c.ms), c.centre);
  }
}

}  // namespace
