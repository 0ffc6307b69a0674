// The skin bitmaps cut from a skin's files: the fixed parts at their places, the active title
// bar over the main picture, the fallbacks for missing files, the indicator size rules, and a
// file that does not decode keeping the image before it.

#include "audio/wa2_skin.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <map>

#include "audio/skin_sources.h"
#include "graphics/raster.h"
#include "support/test_data.h"

namespace {

// A skin source of files held in memory.
class TMapSource final : public TSkinSource {
 public:
  std::optional<std::vector<uint8_t>> BitmapFile(std::string_view name) override {
    const auto found = files.find(std::string(name));
    if (found == files.end()) return std::nullopt;
    return found->second;
  }
  std::map<std::string, std::vector<uint8_t>> files;
};

// A BMP file of the given size, each pixel's colour made from its position.
std::vector<uint8_t> PatternBmp(int width, int height, int seed = 0) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb((x * 7 + seed) & 0xFF, (y * 5 + seed) & 0xFF, seed & 0xFF));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return {bytes.begin(), bytes.end()};
}

TBitmap32 Part(const TBitmap32& source, const TRect& rect) {
  TBitmap32 part(rect.Width(), rect.Height());
  CopyRect(part.View(), {0, 0}, source.View().SubView(rect));
  return part;
}

TBitmap32 Decoded(const std::vector<uint8_t>& bmp) {
  TMapSource source;
  source.files["text"] = bmp;
  TWA2Skin skin;
  skin.Load(source);
  return skin.font;
}

TEST(WA2Skin, CutsTheFixedPartsFromTheirFiles) {
  TMapSource source;
  source.files = {{"main", PatternBmp(275, 116, 1)},   {"titlebar", PatternBmp(302, 27, 2)},
                  {"cbuttons", PatternBmp(136, 36, 3)}, {"shufrep", PatternBmp(92, 85, 4)},
                  {"monoster", PatternBmp(58, 24, 5)}};
  TWA2Skin skin;
  skin.Load(source);
  const TBitmap32 title = Decoded(source.files["titlebar"]);
  const TBitmap32 buttons = Decoded(source.files["cbuttons"]);
  const TBitmap32 switches = Decoded(source.files["shufrep"]);
  const TBitmap32 indicators = Decoded(source.files["monoster"]);
  const TBitmap32 main = Decoded(source.files["main"]);
  EXPECT_EQ(Part(skin.main, {0, 0, 275, 14}), Part(title, TRect::FromSize(27, 0, 275, 14)));
  EXPECT_EQ(Part(skin.main, {0, 14, 275, 116}), Part(main, {0, 14, 275, 116}));
  EXPECT_EQ(skin.minimizeButton, Part(title, TRect::FromSize(9, 0, 9, 18)));
  EXPECT_EQ(Part(skin.shadeButton, {0, 0, 9, 9}), Part(title, TRect::FromSize(0, 18, 9, 9)));
  EXPECT_EQ(Part(skin.shadeButton, {0, 9, 9, 18}), Part(title, TRect::FromSize(9, 18, 9, 9)));
  EXPECT_EQ(skin.pause, Part(buttons, TRect::FromSize(46, 0, 23, 36)));
  EXPECT_EQ(skin.eject, Part(buttons, TRect::FromSize(114, 0, 22, 32)));
  EXPECT_EQ(skin.shuffle, Part(switches, TRect::FromSize(28, 0, 47, 60)));
  EXPECT_EQ(Part(skin.playList, {0, 24, 23, 36}), Part(switches, TRect::FromSize(23, 73, 23, 12)));
  EXPECT_EQ(skin.mono, Part(indicators, TRect::FromSize(29, 0, 29, 24)));
  EXPECT_EQ(skin.stereo, Part(indicators, TRect::FromSize(0, 0, 29, 24)));
}

TEST(WA2Skin, FallsBackForMissingFilesAndKeepsWhatDoesNotDecode) {
  TMapSource source;
  source.files = {{"volume", PatternBmp(68, 433, 1)}, {"numbers", PatternBmp(99, 13, 2)},
                  {"text", PatternBmp(155, 18, 3)},   {"monoster", PatternBmp(50, 12, 4)}};
  TWA2Skin skin;
  skin.Load(source);
  EXPECT_EQ(skin.balance, skin.volume);  // no "balance": the volume's picture
  EXPECT_EQ(skin.numbers.Width(), 99);   // no "nums_ex": "numbers"
  // A low, narrow indicator strip: both take its height, mono what is left beside stereo.
  EXPECT_EQ(skin.stereo.Height(), 12);
  EXPECT_EQ(skin.mono.Height(), 12);
  EXPECT_EQ(skin.mono.Width(), 21);

  const TBitmap32 font = skin.font;
  source.files = {{"text", {'B', 'M', 0, 1, 2}}, {"posbar", PatternBmp(307, 10)}};
  skin.Load(source);
  EXPECT_EQ(skin.font, font);
  EXPECT_EQ(skin.seekBar.Width(), 307);
  EXPECT_EQ(skin.volume.Height(), 433);  // not in this source: kept
}

TEST(WA2Skin, LoadsTheRepositorysSkinFromItsFolderAndItsZipAlike) {
  TWA2Skin fromFolder, fromZip;
  TFolderSkinSource folder(TestDataPath("skins/Debian"));
  TZipSkinSource zipped(TestDataPath("skins/Debian.wsz"), {});
  fromFolder.Load(folder);
  fromZip.Load(zipped);
  EXPECT_EQ(fromFolder.main.Width(), 275);
  EXPECT_EQ(fromFolder.main.Height(), 116);
  EXPECT_FALSE(fromFolder.font.Empty());
  EXPECT_EQ(fromFolder.main, fromZip.main);
  EXPECT_EQ(fromFolder.play, fromZip.play);
  EXPECT_EQ(fromFolder.font, fromZip.font);
  EXPECT_EQ(fromFolder.volume, fromZip.volume);
}

}  // namespace
