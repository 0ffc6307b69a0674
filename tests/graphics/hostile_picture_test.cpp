// Damaged and hostile picture files: every decoder entry either gives no picture or a
// consistent one within the size limits, never a crash, a hang or a huge allocation. Worth
// running under AddressSanitizer.

#include <gtest/gtest.h>

#include "graphics/picture_decoder.h"
#include "picture_test_data.h"

namespace {

void CheckBitmap(const TBitmap32& bitmap) {
  EXPECT_GT(bitmap.Width(), 0);
  EXPECT_GT(bitmap.Height(), 0);
  EXPECT_LE(bitmap.Width(), kMaxBitmapSide);
  EXPECT_LE(bitmap.Height(), kMaxBitmapSide);
  EXPECT_EQ(bitmap.Pixels().size(), static_cast<size_t>(bitmap.Width()) * bitmap.Height());
}

void CheckPicture(const std::optional<TDecodedPicture>& picture) {
  if (!picture) return;
  CheckBitmap(picture->bitmap);
  for (const TGifFrame& frame : picture->frames) {
    CheckBitmap(frame.image);
    EXPECT_EQ(frame.image.Width(), frame.area.Width());
    EXPECT_EQ(frame.image.Height(), frame.area.Height());
  }
}

// Runs every entry point over the bytes and checks whatever comes back.
void DecodeEverything(const std::vector<uint8_t>& bytes, TPictureFormat format) {
  CheckPicture(DecodePicture(format, bytes));
  CheckPicture(DecodePictureFile(bytes));
  if (auto frames = DecodeCursor(bytes))
    for (const TCursorFrame& frame : *frames) CheckBitmap(frame.image);
  if (auto images = DecodeIcon(bytes))
    for (const TBitmap32& image : *images) CheckBitmap(image);
}

struct TSample {
  const char* file;
  TPictureFormat format;
};

const TSample kSamples[] = {
    {"bmp/1bit-pat36.bmp", TPictureFormat::Bitmap},
    {"bmp/8bit-rle8-alexlogo.bmp", TPictureFormat::Bitmap},
    {"bmp/32bit-v4-bitfields-svg.bmp", TPictureFormat::Bitmap},
    {"jpeg/video-001.jpeg", TPictureFormat::Jpeg},
    {"jpeg/video-001.progressive.jpeg", TPictureFormat::Jpeg},
    {"jpeg/video-001.cmyk.jpeg", TPictureFormat::Jpeg},
    {"png/pngsuite/basic/basn3p04.png", TPictureFormat::Png},
    {"png/pngsuite/interlacing/basi6a16.png", TPictureFormat::Png},
    {"png/pngsuite/transparency/tbbn2c16.png", TPictureFormat::Png},
    {"gif/test-animation.gif", TPictureFormat::Gif},
    {"gif/video-001.interlaced.gif", TPictureFormat::Gif},
    {"icons/modern-install-colorful.ico", TPictureFormat::Icon},
    {"icons/horse-1bit.cur", TPictureFormat::Icon},
    {"icons/horse3.ani", TPictureFormat::Ani},
    {"pcx/planet-8bit.pcx", TPictureFormat::Pcx},
    {"pcx/sample-24bit.pcx", TPictureFormat::Pcx},
    {"metafile/beef.wmf", TPictureFormat::Metafile},
    {"metafile/flowchart.emf", TPictureFormat::Metafile},
};

TEST(HostilePicture, TruncatedFiles) {
  for (const TSample& sample : kSamples) {
    SCOPED_TRACE(sample.file);
    std::vector<uint8_t> whole = ReadTestFile(sample.file);
    ASSERT_FALSE(whole.empty());
    // Every length through the headers, then lengths spread over the rest.
    std::vector<size_t> lengths;
    for (size_t n = 0; n < std::min<size_t>(whole.size(), 160); ++n) lengths.push_back(n);
    for (size_t i = 1; i < 48; ++i) lengths.push_back(whole.size() * i / 48);
    for (size_t n : lengths) {
      SCOPED_TRACE(n);
      DecodeEverything(std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<ptrdiff_t>(n)), sample.format);
    }
  }
}

TEST(HostilePicture, CorruptedBytes) {
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1664525u + 1013904223u, seed >> 8; };
  for (const TSample& sample : kSamples) {
    SCOPED_TRACE(sample.file);
    std::vector<uint8_t> whole = ReadTestFile(sample.file);
    for (int round = 0; round < 150; ++round) {
      std::vector<uint8_t> bytes = whole;
      // Half the damage lands in the first 256 bytes, where the headers and tables are.
      for (uint32_t flips = 1 + next() % 8; flips > 0; --flips) {
        size_t range = (next() & 1) ? std::min<size_t>(bytes.size(), 256) : bytes.size();
        bytes[next() % range] = static_cast<uint8_t>(next());
      }
      DecodeEverything(bytes, sample.format);
    }
  }
}

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = static_cast<uint8_t>(v), out[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(v >> (8 * i));
}

// Headers that ask for far more than the file holds.
TEST(HostilePicture, ClaimsBeyondTheData) {
  // A bitmap header of 8192 x 8192 over a few bytes: refused before anything is allocated.
  std::vector<uint8_t> bmp = ReadTestFile("bmp/24bit-image.bmp");
  Put32(bmp, 18, 8192);
  Put32(bmp, 22, 8192);
  EXPECT_FALSE(DecodePictureFile(bmp));

  // A metafile frame of ten kilometres is drawn on a bitmap within the limits.
  std::vector<uint8_t> emf = ReadTestFile("metafile/flowchart.emf");
  Put32(emf, 32, 1000000000);
  Put32(emf, 36, 1000000000);
  auto metafile = DecodePictureFile(emf);
  ASSERT_TRUE(metafile);
  CheckBitmap(metafile->bitmap);
  EXPECT_LE(int64_t{metafile->bitmap.Width()} * metafile->bitmap.Height(), kMaxBitmapPixels);

  // An icon directory of 60000 entries that all name the same 256 x 256 PNG.
  std::vector<uint8_t> nsis = ReadTestFile("icons/nsis-menu.ico");
  std::vector<uint8_t> png(nsis.begin() + 5750, nsis.begin() + 5750 + 6793);
  std::vector<uint8_t> ico(6 + 16 * 60000, 0);
  Put16(ico, 2, 1);
  Put16(ico, 4, 60000);
  for (size_t i = 0; i < 60000; ++i) {
    Put32(ico, 6 + 16 * i + 8, static_cast<uint32_t>(png.size()));
    Put32(ico, 6 + 16 * i + 12, static_cast<uint32_t>(ico.size()));
  }
  ico.insert(ico.end(), png.begin(), png.end());
  auto images = DecodeIcon(ico);
  ASSERT_TRUE(images);
  EXPECT_LE(images->size(), 256u);

  // An animated cursor whose sequence repeats one frame a million times, and names frames that
  // do not exist: the missing ones are left out and the total stays within the limits.
  std::vector<uint8_t> ani = ReadTestFile("icons/horse3.ani");
  std::vector<uint8_t> seq = {'s', 'e', 'q', ' ', 0, 0, 0, 0};
  Put32(seq, 4, 4 * 1000000);
  for (uint32_t i = 0; i < 1000000; ++i) seq.insert(seq.end(), {uint8_t(i % 7), 0, 0, 0});
  ani.insert(ani.begin() + 12, seq.begin(), seq.end());
  Put32(ani, 4, static_cast<uint32_t>(ani.size() - 8));
  Put32(ani, 12 + seq.size() + 8 + 8, 0);  // anih step count 0: the sequence decides
  auto frames = DecodeCursor(ani);
  ASSERT_TRUE(frames);
  int64_t pixels = 0;
  for (const TCursorFrame& frame : *frames) pixels += int64_t{frame.image.Width()} * frame.image.Height();
  EXPECT_LE(pixels, kMaxBitmapPixels);
  EXPECT_LT(frames->size(), 1000000u);
}

}  // namespace
