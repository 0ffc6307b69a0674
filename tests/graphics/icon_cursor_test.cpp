#include <gtest/gtest.h>

#include <QImageReader>

#include "graphics/picture_decoder.h"
#include "picture_test_data.h"

namespace {

// Qt's reader gives premultiplied images, so both sides are compared premultiplied.
std::vector<QImage> QtIconImages(const std::string& file) {
  QImageReader reader(QString::fromStdString(TestDataPath(file)));
  std::vector<QImage> images;
  for (int i = 0; i < reader.imageCount(); ++i) {
    reader.jumpToImage(i);
    QImage image = reader.read();
    if (!image.isNull()) images.push_back(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
  }
  return images;
}

TEST(IconDecoder, ImagesLargestFirstAndLikeQtReader) {
  struct TCase {
    const char* file;
    std::vector<std::pair<int32_t, int32_t>> sizes;
  };
  const TCase cases[] = {
      {"icons/horse.ico", {{32, 32}, {16, 16}}},
      {"icons/modern-install-colorful.ico", {{48, 48}, {48, 48}, {32, 32}, {32, 32}, {32, 32}, {16, 16}, {16, 16}, {16, 16}}},
      // A 256 x 256 PNG among bitmaps of 4, 8 and 32 bits.
      {"icons/nsis-menu.ico", {{256, 256}, {64, 64}, {48, 48}, {32, 32}, {24, 24}, {16, 16}, {16, 16}}},
      {"icons/sample-24bit.ico", {{23, 42}}},
      {"icons/squares.ico", {{100, 100}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    auto images = DecodeIcon(ReadTestFile(c.file));
    ASSERT_TRUE(images);
    std::vector<std::pair<int32_t, int32_t>> sizes;
    for (const TBitmap32& image : *images) sizes.emplace_back(image.Width(), image.Height());
    EXPECT_EQ(sizes, c.sizes);
    // Each image equals one that Qt's reader gives.
    std::vector<QImage> reference = QtIconImages(c.file);
    for (const TBitmap32& image : *images) {
      QImage mine = WrapAsQImage(image.View()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
      EXPECT_TRUE(std::find(reference.begin(), reference.end(), mine) != reference.end())
          << image.Width() << " x " << image.Height();
    }
  }
}

TEST(IconDecoder, SquaresMatchReferenceRendering) {
  auto picture = DecodePicture(TPictureFormat::Icon, ReadTestFile("icons/squares.ico"));
  ASSERT_TRUE(picture);
  TBitmap32 reference = QtReference("icons/squares.ico.ref.png");
  ASSERT_EQ(picture->bitmap.Width(), reference.Width());
  TPixelDifference d = ComparePixels(picture->bitmap, reference);
  EXPECT_EQ(d.maxAlpha, 0);
  EXPECT_EQ(d.maxChannel, 0);
}

// An icon picture shows the image nearest 32 x 32, the one with more colours among equals.
TEST(IconDecoder, PictureUsesImageNearest32) {
  auto picture = DecodePicture(TPictureFormat::Icon, ReadTestFile("icons/modern-install-colorful.ico"));
  ASSERT_TRUE(picture);
  auto images = DecodeIcon(ReadTestFile("icons/modern-install-colorful.ico"));
  ASSERT_TRUE(images);
  EXPECT_EQ(picture->bitmap, (*images)[2]);  // the 32-bit 32 x 32 image
  // A cursor file is not an icon picture.
  EXPECT_FALSE(DecodePicture(TPictureFormat::Icon, ReadTestFile("icons/horse-1bit.cur")));
  EXPECT_FALSE(DecodeIcon(ReadTestFile("icons/horse-1bit.cur")));
}

TEST(CursorDecoder, HotSpotsFramesAndDelays) {
  struct TCase {
    const char* file;
    size_t frames;
    TPoint hotSpot;
    int32_t width;
    std::vector<int32_t> firstDelaysMs;
  };
  const TCase cases[] = {
      {"icons/horse-1bit.cur", 1, {16, 23}, 32, {0}},
      {"icons/sample-24bit.cur", 1, {1, 24}, 23, {0}},
      {"icons/surfacetest-8bit.cur", 1, {1, 8}, 32, {0}},
      // Rates per step in jiffies of 1/60 s: 10 -> 167 ms, 9 -> 150 ms.
      {"icons/horse3.ani", 4, {16, 23}, 32, {167, 150, 150, 150}},
      {"icons/hourglass.ani", 20, {16, 15}, 32, {400, 67, 67}},
      // No rate chunk: every step takes the header's rate of 2 jiffies. Each frame holds a
      // 48 x 48 and a 32 x 32 image; the 32 x 32 one is used.
      {"icons/test-animation.ani", 18, {0, 8}, 32, {33, 33}},
      // An icon file is a cursor with its hot spot in the centre.
      {"icons/horse.ico", 1, {16, 16}, 32, {0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    auto frames = DecodeCursor(ReadTestFile(c.file));
    ASSERT_TRUE(frames);
    ASSERT_EQ(frames->size(), c.frames);
    for (size_t i = 0; i < c.firstDelaysMs.size(); ++i) EXPECT_EQ((*frames)[i].delayMs, c.firstDelaysMs[i]);
    for (const TCursorFrame& frame : *frames) {
      EXPECT_EQ(frame.hotSpot, c.hotSpot);
      EXPECT_EQ(frame.image.Width(), c.width);
    }
  }
}

// A 1-bit cursor: AND 1 with colour 0 is clear, AND 0 shows the colour, AND 1 with colour 1
// (the screen would be inverted) shows black.
TEST(CursorDecoder, MonochromeMaskPixels) {
  auto frames = DecodeCursor(ReadTestFile("icons/horse-1bit.cur"));
  ASSERT_TRUE(frames);
  int clear = 0, black = 0, white = 0;
  for (TPixel32 p : (*frames)[0].image.Pixels()) {
    if (p == 0) ++clear;
    else if (p == MakePixel(0, 0, 0)) ++black;
    else if (p == MakePixel(255, 255, 255)) ++white;
    else ADD_FAILURE() << std::hex << p;
  }
  EXPECT_GT(clear, 0);
  EXPECT_GT(black, 0);
  EXPECT_GT(white, 0);
}

TEST(CursorDecoder, AnimatedCursorAsPicture) {
  auto picture = DecodePictureFile(ReadTestFile("icons/hourglass.ani"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->format, TPictureFormat::Ani);
  auto frames = DecodeCursor(ReadTestFile("icons/hourglass.ani"));
  EXPECT_EQ(picture->bitmap, (*frames)[0].image);
}

}  // namespace
