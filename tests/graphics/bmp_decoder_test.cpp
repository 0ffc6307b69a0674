#include <gtest/gtest.h>

#include <cmath>

#include "graphics/picture_decoder.h"
#include "picture_test_data.h"

namespace {

// A bitmap file built by hand. Palette entries are 0x00RRGGBB; masks follow a 40-byte header
// (bit fields) or sit inside a larger one; rows are given as stored (bottom-up unless the
// height is negative), padding included.
struct TBmpLayout {
  uint32_t headerSize = 40;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bitCount = 8;
  uint32_t compression = 0;
  uint32_t colorsUsed = 0;
  std::vector<uint32_t> palette;
  std::vector<uint32_t> masks;
  std::vector<uint8_t> bits;
};

void Put16(std::vector<uint8_t>& out, uint32_t v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); }
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)});
}

std::vector<uint8_t> BuildBmp(const TBmpLayout& s) {
  std::vector<uint8_t> dib;
  Put32(dib, s.headerSize);
  if (s.headerSize == 12) {
    Put16(dib, static_cast<uint32_t>(s.width));
    Put16(dib, static_cast<uint32_t>(s.height));
    Put16(dib, 1);
    Put16(dib, s.bitCount);
  } else {
    Put32(dib, static_cast<uint32_t>(s.width));
    Put32(dib, static_cast<uint32_t>(s.height));
    Put16(dib, 1);
    Put16(dib, s.bitCount);
    Put32(dib, s.compression);
    Put32(dib, static_cast<uint32_t>(s.bits.size()));
    Put32(dib, 2835);
    Put32(dib, 2835);
    Put32(dib, s.colorsUsed);
    Put32(dib, 0);
    if (s.headerSize > 40) {
      for (uint32_t m : s.masks) Put32(dib, m);
      dib.resize(s.headerSize, 0);
    }
  }
  if (s.headerSize == 40)
    for (uint32_t m : s.masks) Put32(dib, m);
  for (uint32_t c : s.palette) {
    dib.insert(dib.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    if (s.headerSize != 12) dib.push_back(0);
  }
  std::vector<uint8_t> file = {'B', 'M'};
  Put32(file, static_cast<uint32_t>(14 + dib.size() + s.bits.size()));
  Put32(file, 0);
  Put32(file, static_cast<uint32_t>(14 + dib.size()));
  file.insert(file.end(), dib.begin(), dib.end());
  file.insert(file.end(), s.bits.begin(), s.bits.end());
  return file;
}

TPixel32 Rgb(uint32_t rgb) { return MakePixel(uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb)); }

// Pixels top row first; empty when the file gives no picture.
std::vector<TPixel32> Decode(const std::vector<uint8_t>& file) {
  auto picture = DecodePicture(TPictureFormat::Bitmap, file);
  if (!picture) return {};
  return {picture->bitmap.Pixels().begin(), picture->bitmap.Pixels().end()};
}

constexpr uint32_t A = 0x112233, B = 0x445566, C = 0x778899, D = 0xAABBCC;

TEST(BmpDecoder, LayoutsAndCompressions) {
  struct TCase {
    const char* name;
    TBmpLayout layout;
    std::vector<uint32_t> expected;  // 0x00RRGGBB, top row first
  };
  const TCase cases[] = {
      // Bottom-up rows, most significant bit first.
      {"1 bit", {40, 3, 2, 1, 0, 0, {A, B}, {}, {0b01000000, 0, 0, 0, 0b10100000, 0, 0, 0}}, {B, A, B, A, B, A}},
      {"4 bit", {40, 3, 1, 4, 0, 0, {A, B, C}, {}, {0x21, 0x00, 0, 0}}, {C, B, A}},
      {"8 bit, short palette: index beyond it is black", {40, 2, 1, 8, 0, 2, {A, B}, {}, {1, 5, 0, 0}}, {B, 0}},
      {"24 bit top-down", {40, 1, -2, 24, 0, 0, {}, {}, {0x33, 0x22, 0x11, 0, 0x66, 0x55, 0x44, 0}}, {A, B}},
      {"OS/2 core header, 3-byte palette", {12, 2, 1, 8, 0, 0, {A, B, C}, {}, {2, 0, 0, 0}}, {C, A}},
      {"16 bit 555", {40, 2, 1, 16, 0, 0, {}, {}, {0x00, 0x7C, 0x1F, 0x00}}, {0xFF0000, 0x0000FF}},
      {"16 bit 565 bit fields", {40, 2, 1, 16, 3, 0, {}, {0xF800, 0x07E0, 0x001F}, {0xE0, 0x07, 0x00, 0xF8}},
       {0x00FF00, 0xFF0000}},
      {"32 bit: the fourth byte is not alpha", {40, 1, 1, 32, 0, 0, {}, {}, {0x33, 0x22, 0x11, 0x00}}, {A}},
      {"32 bit V4 header with own masks", {108, 1, 1, 32, 3, 0, {}, {0xFF, 0xFF00, 0xFF0000, 0}, {0x11, 0x22, 0x33, 0}},
       {A}},
      // RLE8: run of 2, delta (skipped pixels keep index 0), end of line, absolute run of 3
      // (padded), end of bitmap.
      {"RLE8", {40, 4, 2, 8, 1, 0, {A, B, C, D}, {}, {2, 1, 0, 2, 1, 0, 0, 0, 0, 3, 3, 2, 1, 0, 0, 1}},
       {D, C, B, A, B, B, A, A}},
      // RLE4: a run alternates its two nibbles; absolute run of 3 nibbles padded to a word.
      {"RLE4", {40, 4, 2, 4, 2, 0, {A, B, C, D}, {}, {3, 0x12, 0, 0, 0, 3, 0x32, 0x10, 0, 1}},
       {D, C, B, A, B, C, B, A}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<TPixel32> expected;
    for (uint32_t rgb : c.expected) expected.push_back(Rgb(rgb));
    EXPECT_EQ(Decode(BuildBmp(c.layout)), expected);
  }
}

// Bit-field channels of every width scale to 0-255 by rounding v * 255 / max.
TEST(BmpDecoder, SixteenBitChannelsScaleOverAllValues) {
  for (uint32_t green : {0x03E0u, 0x07E0u}) {
    TBmpLayout layout{40, 256, 256, 16, 3, 0, {}, {green == 0x03E0u ? 0x7C00u : 0xF800u, green, 0x1Fu}, {}};
    for (uint32_t v = 0; v < 65536; ++v) Put16(layout.bits, v);
    auto picture = DecodePicture(TPictureFormat::Bitmap, BuildBmp(layout));
    ASSERT_TRUE(picture);
    int greenBits = green == 0x03E0u ? 5 : 6;
    auto scale = [](uint32_t v, int bits) { return static_cast<uint8_t>(std::lround(v * 255.0 / ((1 << bits) - 1))); };
    for (uint32_t v = 0; v < 65536; ++v) {
      uint32_t r = (v >> (5 + greenBits)) & 31, g = (v >> 5) & ((1u << greenBits) - 1), b = v & 31;
      TPixel32 expected = MakePixel(scale(r, 5), scale(g, greenBits), scale(b, 5));
      // Rows are stored bottom-up.
      ASSERT_EQ(picture->bitmap.At(v % 256, 255 - v / 256), expected) << std::hex << v;
    }
  }
}

TEST(BmpDecoder, DamagedHeadersAndBits) {
  TBmpLayout good{40, 2, 2, 24, 0, 0, {}, {}, std::vector<uint8_t>(16, 0x40)};
  ASSERT_FALSE(Decode(BuildBmp(good)).empty());
  struct TCase {
    const char* name;
    TBmpLayout layout;
  };
  TCase cases[] = {{"bits cut short", good}, {"zero width", good}, {"bit count 7", good},
                   {"RLE8 on a 24-bit bitmap", good}, {"too large", good}, {"unknown compression", good}};
  cases[0].layout.bits.resize(9);
  cases[1].layout.width = 0;
  cases[2].layout.bitCount = 7;
  cases[3].layout.compression = 1;
  cases[4].layout.width = 100000;
  cases[5].layout.compression = 9;
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_TRUE(Decode(BuildBmp(c.layout)).empty());
  }
  // The last row may lack its padding.
  TBmpLayout unpadded = good;
  unpadded.bits.resize(14);
  EXPECT_FALSE(Decode(BuildBmp(unpadded)).empty());
}

// The real bitmaps decode like Qt's reader (colours; Qt takes alpha from some 32-bit headers,
// which this decoder deliberately does not).
TEST(BmpDecoder, RealFilesMatchQtReader) {
  const char* files[] = {"1bit-mask.bmp", "1bit-pat36.bmp", "24bit-image.bmp", "32bit-surfacetest.bmp",
                         "32bit-topdown-yellow_rose.bmp", "32bit-v4-bitfields-svg.bmp", "32bit-v5-yellow_rose.bmp",
                         "4bit-llama.bmp", "4bit-pat4.bmp", "8bit-pic2.bmp", "8bit-rle8-alexlogo.bmp",
                         "8bit-rle8-horse.bmp", "8bit-v5-colormap.bmp", "8bit-v5-gradient1.bmp"};
  for (const char* name : files) {
    SCOPED_TRACE(name);
    std::string file = std::string("bmp/") + name;
    auto picture = DecodePicture(TPictureFormat::Bitmap, ReadTestFile(file));
    ASSERT_TRUE(picture);
    TBitmap32 reference = QtReference(file);
    ASSERT_EQ(picture->bitmap.Width(), reference.Width());
    ASSERT_EQ(picture->bitmap.Height(), reference.Height());
    for (TPixel32 p : picture->bitmap.Pixels()) ASSERT_EQ(PixelA(p), 255);
    EXPECT_EQ(ComparePixels(picture->bitmap, reference).maxChannel, 0);
  }
}

}  // namespace
