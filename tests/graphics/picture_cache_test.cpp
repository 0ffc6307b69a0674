// The decoding of one stored picture kept until its format or bytes change.

#include "graphics/picture_cache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

void AppendUint(std::vector<uint8_t>& out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// A 1 x 1 24-bit .bmp file of the colour; every colour gives a file of the same length.
std::vector<uint8_t> OnePixelBmp(uint8_t r, uint8_t g, uint8_t b) {
  std::vector<uint8_t> file{'B', 'M'};
  AppendUint(file, 58, 4);
  AppendUint(file, 0, 4);
  AppendUint(file, 54, 4);
  for (const uint32_t field : {40u, 1u, 1u}) AppendUint(file, field, 4);
  AppendUint(file, 1, 2);   // planes
  AppendUint(file, 24, 2);  // bits per pixel
  for (const uint32_t field : {0u, 4u, 0u, 0u, 0u, 0u}) AppendUint(file, field, 4);
  file.insert(file.end(), {b, g, r, 0});
  return file;
}

TEST(PictureCache, DecodesAgainOnlyWhenTheFormatOrAByteChanges) {
  TPictureCache cache;
  TPicture picture;
  picture.SetGraphic(TPictureFormat::Bitmap, OnePixelBmp(255, 0, 0));
  const TDecodedPicture* red = cache.Get(picture);
  ASSERT_NE(red, nullptr);
  EXPECT_EQ(red->bitmap.At(0, 0), MakePixel(255, 0, 0));
  const uint64_t generation = cache.Generation();

  picture.SetGraphic(TPictureFormat::Bitmap, OnePixelBmp(255, 0, 0));
  EXPECT_EQ(cache.Get(picture), red) << "the same bytes again";
  EXPECT_EQ(cache.Generation(), generation);

  picture.SetGraphic(TPictureFormat::Bitmap, OnePixelBmp(0, 0, 255));
  const TDecodedPicture* blue = cache.Get(picture);
  ASSERT_NE(blue, nullptr);
  EXPECT_EQ(blue->bitmap.At(0, 0), MakePixel(0, 0, 255)) << "one byte differs at the same length";
  EXPECT_EQ(cache.Generation(), generation + 1);

  picture.SetGraphic(TPictureFormat::Pcx, OnePixelBmp(0, 0, 255));
  ASSERT_NE(cache.Get(picture), nullptr);
  EXPECT_EQ(cache.Get(picture)->format, TPictureFormat::Pcx) << "the same bytes in another format";
  EXPECT_EQ(cache.Generation(), generation + 2);
}

TEST(PictureCache, EmptyAndUndecodablePicturesGiveNull) {
  TPictureCache cache;
  TPicture picture;
  EXPECT_EQ(cache.Get(picture), nullptr);
  picture.SetGraphic(TPictureFormat::Png, {0x89, 'P', 'N', 'G'});
  EXPECT_EQ(cache.Get(picture), nullptr);
  picture.SetGraphic(TPictureFormat::Bitmap, OnePixelBmp(1, 2, 3));
  EXPECT_NE(cache.Get(picture), nullptr);
  picture.Clear();
  EXPECT_EQ(cache.Get(picture), nullptr);
}

}  // namespace
