#include <gtest/gtest.h>

#include "graphics/picture_decoder.h"
#include "picture_test_data.h"
#include "support/gui_application.h"

namespace {

TColor ColorOf(TPixel32 p) { return TColor((PixelB(p) << 16) | (PixelG(p) << 8) | PixelR(p)); }

// Content decides the format of a picture loaded from a file.
TEST(PictureDecoder, FilesRecognisedByContent) {
  struct TCase {
    const char* file;
    TPictureFormat format;
    int32_t width, height;
  };
  const TCase cases[] = {
      {"bmp/8bit-rle8-horse.bmp", TPictureFormat::Bitmap, 200, 200},
      {"jpeg/video-001.progressive.jpeg", TPictureFormat::Jpeg, 150, 103},
      {"png/pngsuite/basic/basn6a08.png", TPictureFormat::Png, 32, 32},
      {"gif/video-001.interlaced.gif", TPictureFormat::Gif, 150, 103},
      {"icons/nsis-menu.ico", TPictureFormat::Icon, 32, 32},
      {"icons/horse3.ani", TPictureFormat::Ani, 32, 32},
      {"pcx/planet-8bit.pcx", TPictureFormat::Pcx, 49, 49},
      {"metafile/fish.wmf", TPictureFormat::Metafile, 288, 211},
      {"metafile/greenpig.emf", TPictureFormat::Metafile, 946, 639},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    auto picture = DecodePictureFile(ReadTestFile(c.file));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->format, c.format);
    EXPECT_EQ(picture->bitmap.Width(), c.width);
    EXPECT_EQ(picture->bitmap.Height(), c.height);
    EXPECT_TRUE(picture->frames.empty() == (picture->format != TPictureFormat::Gif));
  }
  EXPECT_FALSE(DecodePictureFile(ReadTestFile("gif/gif-test-suite/TESTS")));
  EXPECT_FALSE(DecodePictureFile({}));
}

// A stored picture is decoded as its format says: a PCX picture holds a bitmap file; content of
// another format, or the OLE format that is never drawn, gives no picture.
TEST(PictureDecoder, StoredFormatDecides) {
  std::vector<uint8_t> bmp = ReadTestFile("bmp/24bit-image.bmp");
  auto asPcx = DecodePicture(TPictureFormat::Pcx, bmp);
  ASSERT_TRUE(asPcx);
  EXPECT_EQ(asPcx->format, TPictureFormat::Pcx);
  EXPECT_EQ(asPcx->bitmap, DecodePicture(TPictureFormat::Bitmap, bmp)->bitmap);
  EXPECT_FALSE(DecodePicture(TPictureFormat::Pcx, ReadTestFile("pcx/horse-8bit.pcx")));
  EXPECT_FALSE(DecodePicture(TPictureFormat::Bitmap, ReadTestFile("png/pngsuite/basic/basn2c08.png")));
  EXPECT_FALSE(DecodePicture(TPictureFormat::Jpeg, bmp));
  EXPECT_FALSE(DecodePicture(TPictureFormat::OleGraphic, bmp));
  EXPECT_FALSE(DecodePicture(TPictureFormat::Metafile, {}));
  // Shape colour of a plain bitmap: its top-left pixel.
  EXPECT_EQ(ShapeColor(*asPcx), ColorOf(asPcx->bitmap.At(0, 0)));
}

// Every JPEG (baseline, progressive, 4:2:2, RGB, CMYK with Adobe's inversion, greyscale, Exif)
// decodes like Qt's reader, opaque; the truncated one decodes at full size.
TEST(PictureDecoder, JpegMatchesQtReader) {
  const char* files[] = {"bug725582-testrotate.jpg", "cmyk.jpg", "video-001.cmyk.jpeg", "video-001.jpeg",
                         "video-001.progressive.jpeg", "video-001.progressive.truncated.jpeg",
                         "video-001.q50.422.progressive.jpeg", "video-001.rgb.jpeg", "video-005.gray.jpeg"};
  for (const char* name : files) {
    SCOPED_TRACE(name);
    std::string file = std::string("jpeg/") + name;
    auto picture = DecodePicture(TPictureFormat::Jpeg, ReadTestFile(file));
    ASSERT_TRUE(picture);
    TBitmap32 reference = QtReference(file);
    ASSERT_EQ(picture->bitmap.Width(), reference.Width());
    ASSERT_EQ(picture->bitmap.Height(), reference.Height());
    EXPECT_EQ(ComparePixels(picture->bitmap, reference).maxAlpha, 0);
    EXPECT_LE(ComparePixels(picture->bitmap, reference).maxChannel, 1);
  }
  // The baseline file is close to the reference pixels it was made from.
  auto baseline = DecodePicture(TPictureFormat::Jpeg, ReadTestFile("jpeg/video-001.jpeg"));
  EXPECT_LT(ComparePixels(baseline->bitmap, QtReference("jpeg/video-001.png")).meanChannel, 1.0);
  auto grey = DecodePicture(TPictureFormat::Jpeg, ReadTestFile("jpeg/video-005.gray.jpeg"));
  for (TPixel32 p : grey->bitmap.Pixels()) ASSERT_TRUE(PixelR(p) == PixelG(p) && PixelG(p) == PixelB(p));
}

// The PCX files hold the same pictures as some of the bitmaps and icons.
TEST(PictureDecoder, PcxMatchesSamePictureInOtherFormats) {
  struct TCase {
    const char* pcx;
    const char* other;
  };
  const TCase cases[] = {
      {"pcx/horse-8bit.pcx", "bmp/8bit-rle8-horse.bmp"},
      {"pcx/surfacetest-24bit.pcx", "bmp/32bit-surfacetest.bmp"},
      {"pcx/sample-24bit.pcx", "icons/sample-24bit.ico"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.pcx);
    auto pcx = DecodePictureFile(ReadTestFile(c.pcx));
    auto other = DecodePictureFile(ReadTestFile(c.other));
    ASSERT_TRUE(pcx && other);
    ASSERT_EQ(pcx->bitmap.Width(), other->bitmap.Width());
    ASSERT_EQ(pcx->bitmap.Height(), other->bitmap.Height());
    EXPECT_EQ(ComparePixels(pcx->bitmap, other->bitmap).maxChannel, 0);
  }
  // 49 pixels wide: lines are padded to an even byte count.
  auto planet = DecodePictureFile(ReadTestFile("pcx/planet-8bit.pcx"));
  ASSERT_TRUE(planet);
  EXPECT_EQ(planet->bitmap.At(24, 24), MakePixel(0, 0, 0xE7));
  EXPECT_EQ(planet->bitmap.At(10, 30), MakePixel(0, 0, 0x6B));
  EXPECT_EQ(planet->bitmap.At(48, 48), MakePixel(0, 0, 0));
}

// Metafiles are drawn at the header's size on a transparent bitmap: polygons with their brushes
// (WMF), outlines without fill (EMF).
TEST(PictureDecoder, MetafileSizesAndShapes) {
  struct TProbe {
    int32_t x, y;
    TPixel32 pixel;
  };
  struct TCase {
    const char* file;
    int32_t width, height;
    std::vector<TProbe> probes;
  };
  const TCase cases[] = {
      {"metafile/beef.wmf", 268, 209,
       {{0, 0, 0}, {150, 10, MakePixel(0x96, 0xCC, 0xCC)}, {100, 100, MakePixel(0xED, 0xBF, 0xB2)}, {250, 20, 0}}},
      {"metafile/fish.wmf", 288, 211, {{0, 0, 0}, {144, 105, MakePixel(0xED, 0xF5, 0xF5)}}},
      {"metafile/vegetable.wmf", 899, 628, {{0, 0, 0}, {450, 314, MakePixel(0xFF, 0xC2, 0x6B)}}},
      {"metafile/flowchart.emf", 903, 748,
       {{4, 400, MakePixel(0, 0, 0)}, {75, 353, MakePixel(0, 0, 0)}, {75, 400, 0}, {5, 400, 0}}},
      {"metafile/greenpig.emf", 946, 639, {{0, 0, 0}, {300, 300, MakePixel(0x5A, 0x6B, 0x3B)}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    auto picture = DecodePicture(TPictureFormat::Metafile, ReadTestFile(c.file));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->bitmap.Width(), c.width);
    EXPECT_EQ(picture->bitmap.Height(), c.height);
    for (const TProbe& p : c.probes) EXPECT_EQ(picture->bitmap.At(p.x, p.y), p.pixel) << p.x << "," << p.y;
  }
  // Without the placeable header an old-style metafile has no size: no picture.
  std::vector<uint8_t> bare = ReadTestFile("metafile/fish.wmf");
  bare.erase(bare.begin(), bare.begin() + 22);
  EXPECT_FALSE(DecodePicture(TPictureFormat::Metafile, bare));
}

TEST(PictureDecoder, MetafileTextIsDrawn) {
  // Metafile text needs fonts, and fonts need the application object.
  EnsureGuiApplication();
  auto picture = DecodePicture(TPictureFormat::Metafile, ReadTestFile("metafile/flowchart.emf"));
  ASSERT_TRUE(picture);
  // The title "FLOWCHARTING FIGS" is the only thing in the top band.
  int inked = 0;
  for (int32_t y = 0; y < 30; ++y)
    for (int32_t x = 170; x < 540; ++x) inked += picture->bitmap.At(x, y) == MakePixel(0, 0, 0);
  EXPECT_GT(inked, 200);
}

}  // namespace
