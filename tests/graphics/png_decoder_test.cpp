#include <gtest/gtest.h>

#include <filesystem>

#include "graphics/colors.h"
#include "graphics/picture_decoder.h"
#include "graphics/region.h"
#include "picture_test_data.h"

namespace {

std::vector<std::string> SuiteFiles(bool corrupted) {
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(TestDataPath("png/pngsuite"))) {
    std::string name = entry.path().filename().string();
    if (entry.path().extension() != ".png" || (name[0] == 'x') != corrupted) continue;
    if (name == "tbbn2c16.png" || name == "tbgn2c16.png") continue;
    files.push_back(std::filesystem::relative(entry.path(), TestDataPath("")).string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Every valid file of the PNG suite (all colour types, bit depths 1-16, interlacing, odd sizes,
// tRNS of every kind) decodes like Qt's reader: alpha and colour within 1 (16-bit samples are
// rounded by one reader and cut by the other). Qt's reader garbles 16-bit RGB images with a
// tRNS key, so those two files are left to the crafted key tests below.
TEST(PngDecoder, SuiteMatchesQtReader) {
  std::vector<std::string> files = SuiteFiles(false);
  ASSERT_GT(files.size(), 100u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    auto picture = DecodePicture(TPictureFormat::Png, ReadTestFile(file));
    ASSERT_TRUE(picture);
    TBitmap32 reference = QtReference(file);
    ASSERT_EQ(picture->bitmap.Width(), reference.Width());
    ASSERT_EQ(picture->bitmap.Height(), reference.Height());
    TPixelDifference d = ComparePixels(picture->bitmap, reference);
    EXPECT_LE(d.maxAlpha, 1);
    EXPECT_LE(d.maxChannel, 1);
  }
}

TEST(PngDecoder, CorruptSuiteFilesGiveNoPicture) {
  std::vector<std::string> files = SuiteFiles(true);
  ASSERT_EQ(files.size(), 14u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    EXPECT_FALSE(DecodePicture(TPictureFormat::Png, ReadTestFile(file)));
  }
}

TEST(PngDecoder, TransparencyKindAndKeyColor) {
  struct TCase {
    const char* file;
    TPngTransparency kind;
    std::optional<TColor> key;
  };
  const TCase cases[] = {
      {"basic/basn0g08.png", TPngTransparency::None, std::nullopt},
      {"transparency/tp0n3p08.png", TPngTransparency::None, std::nullopt},
      {"basic/basn4a08.png", TPngTransparency::Alpha, std::nullopt},
      {"basic/basn6a16.png", TPngTransparency::Alpha, std::nullopt},
      // Palette entries with partial alpha.
      {"transparency/tm3n3p02.png", TPngTransparency::Alpha, std::nullopt},
      // Grey 4-bit key 15, RGB 16-bit key 0xFFFF x 3, a palette whose one clear entry is white.
      {"transparency/tbbn0g04.png", TPngTransparency::KeyColor, TColor{0xFFFFFF}},
      {"transparency/tbbn2c16.png", TPngTransparency::KeyColor, TColor{0xFFFFFF}},
      {"transparency/tp1n3p08.png", TPngTransparency::KeyColor, TColor{0xFFFFFF}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    auto picture = DecodePicture(TPictureFormat::Png, ReadTestFile(std::string("png/pngsuite/") + c.file));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->pngTransparency, c.kind);
    EXPECT_EQ(picture->transparentColor, c.key);
    if (c.key) {
      EXPECT_EQ(ShapeColor(*picture), *c.key);
    }
  }
}

// A PNG file built by hand: the given chunks around one IDAT of stored (uncompressed) deflate
// blocks; each row gets filter type 0.
class TPngBuilder {
 public:
  TPngBuilder(uint32_t width, uint32_t height, uint8_t bitDepth, uint8_t colorType) {
    m_file = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<uint8_t> header;
    Put32(header, width);
    Put32(header, height);
    header.insert(header.end(), {bitDepth, colorType, 0, 0, 0});
    Chunk("IHDR", header);
  }
  TPngBuilder& Chunk(const char* type, const std::vector<uint8_t>& data) {
    Put32(m_file, static_cast<uint32_t>(data.size()));
    std::vector<uint8_t> typed(type, type + 4);
    typed.insert(typed.end(), data.begin(), data.end());
    m_file.insert(m_file.end(), typed.begin(), typed.end());
    Put32(m_file, Crc(typed));
    return *this;
  }
  std::vector<uint8_t> Finish(const std::vector<std::vector<uint8_t>>& rows) {
    std::vector<uint8_t> raw;
    for (const auto& row : rows) {
      raw.push_back(0);
      raw.insert(raw.end(), row.begin(), row.end());
    }
    std::vector<uint8_t> z = {0x78, 0x01, 0x01, static_cast<uint8_t>(raw.size()), static_cast<uint8_t>(raw.size() >> 8),
                              static_cast<uint8_t>(~raw.size()), static_cast<uint8_t>(~raw.size() >> 8)};
    z.insert(z.end(), raw.begin(), raw.end());
    uint32_t a = 1, b = 0;
    for (uint8_t v : raw) a = (a + v) % 65521, b = (b + a) % 65521;
    Put32(z, (b << 16) | a);
    Chunk("IDAT", z);
    Chunk("IEND", {});
    return m_file;
  }

 private:
  static void Put32(std::vector<uint8_t>& out, uint32_t v) {
    for (int shift : {24, 16, 8, 0}) out.push_back(static_cast<uint8_t>(v >> shift));
  }
  static uint32_t Crc(const std::vector<uint8_t>& bytes) {
    uint32_t c = 0xFFFFFFFFu;
    for (uint8_t v : bytes) {
      c ^= v;
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1)));
    }
    return ~c;
  }
  std::vector<uint8_t> m_file;
};

std::vector<TPixel32> DecodedPixels(const std::vector<uint8_t>& file) {
  auto picture = DecodePicture(TPictureFormat::Png, file);
  if (!picture) return {};
  return {picture->bitmap.Pixels().begin(), picture->bitmap.Pixels().end()};
}

// A grey or RGB key is compared at the image's own bit depth: a 16-bit pixel that differs from
// the key only in its low byte stays opaque although both show as the same 8-bit colour.
TEST(PngDecoder, SixteenBitKeyComparesAllBits) {
  std::vector<uint8_t> file = TPngBuilder(3, 1, 16, 2)
                                  .Chunk("tRNS", {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC})
                                  .Finish({{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0x12, 0xFF, 0x56, 0x78, 0x9A, 0xBC,
                                            0, 0, 0, 0, 0, 0}});
  EXPECT_EQ(DecodedPixels(file), (std::vector<TPixel32>{MakePixel(0x12, 0x56, 0x9A, 0), MakePixel(0x12, 0x56, 0x9A),
                                                         MakePixel(0, 0, 0)}));
  auto picture = DecodePicture(TPictureFormat::Png, file);
  EXPECT_EQ(picture->transparentColor, TColor{0x9A5612});
}

TEST(PngDecoder, LowBitDepthGreyKeyAndScaling) {
  // 2-bit grey, key 2: samples 0, 1, 2, 3 show as 0, 85, 170, 255; only the key is clear.
  std::vector<uint8_t> file = TPngBuilder(4, 1, 2, 0).Chunk("tRNS", {0, 2}).Finish({{0b00011011}});
  EXPECT_EQ(DecodedPixels(file), (std::vector<TPixel32>{MakePixel(0, 0, 0), MakePixel(85, 85, 85),
                                                         MakePixel(170, 170, 170, 0), MakePixel(255, 255, 255)}));
}

// Palette: tRNS gives the alpha of the first entries; later entries are opaque; an index beyond
// the palette is opaque black.
TEST(PngDecoder, PaletteAlphaPerIndex) {
  std::vector<uint8_t> plte = {10, 20, 30, 40, 50, 60, 70, 80, 90};
  std::vector<uint8_t> file = TPngBuilder(4, 1, 8, 3).Chunk("PLTE", plte).Chunk("tRNS", {0, 128}).Finish({{0, 1, 2, 7}});
  EXPECT_EQ(DecodedPixels(file), (std::vector<TPixel32>{MakePixel(10, 20, 30, 0), MakePixel(40, 50, 60, 128),
                                                         MakePixel(70, 80, 90), MakePixel(0, 0, 0)}));
  EXPECT_EQ(DecodePicture(TPictureFormat::Png, file)->pngTransparency, TPngTransparency::Alpha);

  // Only fully clear and opaque entries: transparency by key colour, the first clear entry's.
  file = TPngBuilder(2, 1, 8, 3).Chunk("PLTE", plte).Chunk("tRNS", {255, 0, 0}).Finish({{0, 1}});
  auto picture = DecodePicture(TPictureFormat::Png, file);
  EXPECT_EQ(picture->pngTransparency, TPngTransparency::KeyColor);
  EXPECT_EQ(picture->transparentColor, TColor{0x3C3228});
}

// A window is cut to a PNG with per-pixel alpha through the picture drawn over black: every
// fully transparent pixel turns black whatever colour it hides, so with a transparent pixel at
// (0, 0) all of them are cut away, together with whatever else shows black.
TEST(PngDecoder, ShapeOfAnAlphaPictureCutsAwayEveryFullyTransparentPixel) {
  auto rgba = [](uint8_t r, uint8_t g, uint8_t b, uint8_t a) { return std::vector<uint8_t>{r, g, b, a}; };
  const std::vector<std::vector<uint8_t>> pixels[3] = {
      {rgba(255, 0, 0, 0), rgba(0, 255, 0, 0), rgba(10, 20, 30, 255), rgba(255, 255, 255, 0)},
      {rgba(200, 100, 50, 255), rgba(255, 255, 255, 128), rgba(0, 0, 0, 0), rgba(0, 0, 1, 255)},
      {rgba(1, 2, 3, 0), rgba(0, 0, 0, 255), rgba(100, 100, 100, 1), rgba(255, 255, 255, 255)},
  };
  // '#' stays in the window, '.' is cut away: the transparent pixels, opaque black, and a pixel
  // so faint that it shows black.
  const char* const kept[3] = {"..#.", "##.#", "...#"};
  std::vector<std::vector<uint8_t>> rows;
  for (const auto& row : pixels) {
    rows.emplace_back();
    for (const auto& pixel : row) rows.back().insert(rows.back().end(), pixel.begin(), pixel.end());
  }
  const auto picture = DecodePicture(TPictureFormat::Png, TPngBuilder(4, 3, 8, 6).Finish(rows));
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->pngTransparency, TPngTransparency::Alpha);
  ASSERT_EQ(PixelToColor(picture->bitmap.At(1, 0)), TColor{0x00FF00});  // the decoder keeps the hidden colour

  EXPECT_EQ(ShapeColor(*picture), clBlack);
  const TBitmap32 copy = ShapeBitmap(*picture);
  EXPECT_EQ(copy.At(1, 1), MakePixel(128, 128, 128));
  EXPECT_EQ(copy.At(0, 1), MakePixel(200, 100, 50));
  const TRegion region = BitmapToRegion(copy.View(), ShapeColor(*picture));
  for (int32_t y = 0; y < 3; ++y)
    for (int32_t x = 0; x < 4; ++x) EXPECT_EQ(region.Contains({x, y}), kept[y][x] == '#') << x << ", " << y;

  // With an opaque pixel at (0, 0) its colour is the shape colour.
  rows[0][3] = 255;
  EXPECT_EQ(ShapeColor(*DecodePicture(TPictureFormat::Png, TPngBuilder(4, 3, 8, 6).Finish(rows))), TColor{0x0000FF});
}

}  // namespace
