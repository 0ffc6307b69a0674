// The conversions of stored PNG and GIF pictures to 32-bit bitmaps with alpha.

#include "graphics/picture_to_bitmap32.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/test_data.h"

namespace {

std::unique_ptr<TPicture> StoredPicture(TPictureFormat format, const std::string& file) {
  auto picture = std::make_unique<TPicture>();
  picture->SetGraphic(format, ReadTestFile(file));
  return picture;
}

bool AnyAlpha(const TBitmap32& bitmap, uint8_t alpha) {
  for (TPixel32 p : bitmap.Pixels())
    if (PixelA(p) == alpha) return true;
  return false;
}

TEST(PictureToBitmap32, PngAndGifConvertWithTheirTransparency) {
  TBitmap32 bitmap;
  ASSERT_TRUE(PngToBitmap32(*StoredPicture(TPictureFormat::Png, "png/pngsuite/transparency/tbbn3p08.png"), bitmap));
  EXPECT_EQ(bitmap.Width(), 32);
  EXPECT_TRUE(AnyAlpha(bitmap, 0));
  EXPECT_TRUE(AnyAlpha(bitmap, 255));

  ASSERT_TRUE(GifToBitmap32(*StoredPicture(TPictureFormat::Gif, "gif/gif-test-suite/transparent.gif"), bitmap));
  EXPECT_TRUE(AnyAlpha(bitmap, 0));
  ASSERT_TRUE(GifToBitmap32(*StoredPicture(TPictureFormat::Gif, "gif/palette.gif"), bitmap));
  EXPECT_FALSE(AnyAlpha(bitmap, 0));
}

TEST(PictureToBitmap32, OtherFormatsAndDamagedPicturesLeaveTheBitmapAlone) {
  TBitmap32 bitmap(2, 2, MakePixel(7, 7, 7));
  TPicture damaged;
  damaged.SetGraphic(TPictureFormat::Png, {0x89, 'P', 'N', 'G'});
  EXPECT_FALSE(PngToBitmap32(damaged, bitmap));
  EXPECT_FALSE(PngToBitmap32(*StoredPicture(TPictureFormat::Gif, "gif/palette.gif"), bitmap));
  EXPECT_FALSE(GifToBitmap32(*StoredPicture(TPictureFormat::Png, "png/pngsuite/basic/basn0g08.png"), bitmap));
  const TPicture empty;
  EXPECT_FALSE(GifToBitmap32(empty, bitmap));
  EXPECT_EQ(bitmap.Width(), 2);
  EXPECT_EQ(bitmap.At(0, 0), MakePixel(7, 7, 7));
}

}  // namespace
