// The message window's layout around its text, the nine-part stretch of its frame, the shape
// the frame cuts, and the button faces.

#include "graphics/message_window_art.h"

#include <gtest/gtest.h>

#include "graphics/region.h"
#include "support/gui_application.h"

namespace {

TEST(MessageWindowArt, LayoutAroundTheText) {
  struct TCase {
    int32_t textWidth, textHeight;
    int32_t width, height;
    TRect button;
  };
  const TCase cases[] = {
      {0, 0, 120, 109, TRect::FromSize(22, 70, 75, 23)},  // an empty message: a 40 x 32 label
      {41, 31, 121, 109, TRect::FromSize(23, 70, 75, 23)},
      {300, 65, 380, 142, TRect::FromSize(152, 103, 75, 23)},
  };
  for (const TCase& c : cases) {
    const TMessageLayout layout = LayoutMessageWindow(c.textWidth, c.textHeight);
    EXPECT_EQ(layout.width, c.width);
    EXPECT_EQ(layout.height, c.height);
    EXPECT_EQ(layout.button, c.button);
    EXPECT_EQ(layout.text.left, 64);
    EXPECT_EQ(layout.text.top, 22);
  }
}

TEST(MessageWindowArt, FrameStretchKeepsCornersAndCutsThemOut) {
  const TBitmap32 picture = MessageFramePicture();
  ASSERT_EQ(picture.Width(), 48);
  ASSERT_EQ(picture.Height(), 48);
  TBitmap32 source = picture;
  const TBitmap32 frame = StretchMessageFrame(source.View(), 200, 90);
  ASSERT_EQ(frame.Width(), 200);
  ASSERT_EQ(frame.Height(), 90);
  for (int32_t y = 0; y < 16; ++y)
    for (int32_t x = 0; x < 16; ++x) {
      ASSERT_EQ(frame.At(x, y), picture.At(x, y));
      ASSERT_EQ(frame.At(199 - x, 89 - y), picture.At(47 - x, 47 - y));
    }
  EXPECT_EQ(frame.At(100, 0), picture.At(24, 0)) << "the top band is stretched along";
  EXPECT_EQ(frame.At(100, 45), picture.At(24, 24)) << "the centre fills the middle";
  EXPECT_EQ(frame.At(100, 45), MakePixel(0xFF, 0xFF, 0xE7));
  EXPECT_EQ(frame.At(100, 0), MakePixel(0, 0, 0)) << "the outline";

  TBitmap32 shapeSource = frame;
  const TRegion shape = BitmapToRegion(shapeSource.View(), kMessageFrameKey);
  EXPECT_FALSE(shape.Contains({0, 0}));
  EXPECT_FALSE(shape.Contains({199, 89}));
  EXPECT_TRUE(shape.Contains({100, 0}));
  EXPECT_TRUE(shape.Contains({0, 45}));
  EXPECT_EQ(shape.Bounds(), (TRect{0, 0, 200, 90}));
}

TEST(MessageWindowArt, ButtonFacesDifferAndCarryTheirWord) {
  EnsureGuiApplication();
  const TBitmap32 normal = OkButtonPicture(TOkButtonFace::Normal);
  const TBitmap32 hovered = OkButtonPicture(TOkButtonFace::Hovered);
  const TBitmap32 pressed = OkButtonPicture(TOkButtonFace::Pressed);
  ASSERT_EQ(normal.Width(), kOkButtonWidth);
  ASSERT_EQ(normal.Height(), kOkButtonHeight);
  EXPECT_NE(normal.At(37, 4), hovered.At(37, 4));
  EXPECT_NE(hovered.At(37, 4), pressed.At(37, 4));
  int dark = 0;
  for (int32_t y = 6; y < 17; ++y)
    for (int32_t x = 28; x < 48; ++x) dark += PixelR(normal.At(x, y)) < 80;
  EXPECT_GT(dark, 10) << "the word OK in the middle";
}

}  // namespace
