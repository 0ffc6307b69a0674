#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "graphics/picture_decoder.h"
#include "picture_test_data.h"

namespace {

const std::string kSuite = "gif/gif-test-suite/";

// One test of the GIF suite: its .conf file read as sections of "key = value" lines.
using TConf = std::map<std::string, std::map<std::string, std::string>>;

TConf ReadConf(const std::string& name) {
  TConf conf;
  std::ifstream in(TestDataPath(kSuite + name + ".conf"));
  std::string line, section;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      section = line.substr(1, line.find(']') - 1);
      continue;
    }
    size_t eq = line.find(" = ");
    if (eq != std::string::npos) conf[section][line.substr(0, eq)] = line.substr(eq + 3);
    else if (line.back() == '=') conf[section][line.substr(0, line.find(" ="))] = "";
  }
  return conf;
}

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> parts;
  std::stringstream in(text);
  for (std::string part; std::getline(in, part, ',');) parts.push_back(part);
  return parts;
}

// The expected frame: RGBA bytes as the suite stores them.
TBitmap32 ReadRgba(const std::string& file, int32_t width, int32_t height) {
  std::vector<uint8_t> bytes = ReadTestFile(kSuite + file);
  TBitmap32 bitmap(width, height);
  for (size_t i = 0; i < bitmap.Pixels().size() && 4 * i + 3 < bytes.size(); ++i)
    bitmap.Pixels()[i] = MakePixel(bytes[4 * i], bytes[4 * i + 1], bytes[4 * i + 2], bytes[4 * i + 3]);
  return bitmap;
}

// Plays the frames the way the suite's expected images were made: a transparent screen, each
// frame drawn over it (its transparent pixels left out), then disposed of (2: its rectangle
// cleared, 3: the screen as before the frame).
std::vector<TBitmap32> ComposeFrames(const TDecodedPicture& gif) {
  std::vector<TBitmap32> shown;
  TBitmap32 screen(gif.screenWidth, gif.screenHeight, 0);
  for (const TGifFrame& frame : gif.frames) {
    TBitmap32 before = screen;
    TRect visible = frame.area.Intersect(screen.Bounds());
    for (int32_t y = visible.top; y < visible.bottom; ++y)
      for (int32_t x = visible.left; x < visible.right; ++x) {
        TPixel32 p = frame.image.At(x - frame.area.left, y - frame.area.top);
        if (PixelA(p)) screen.At(x, y) = p;
      }
    shown.push_back(screen);
    if (frame.disposal == 2) {
      for (int32_t y = visible.top; y < visible.bottom; ++y)
        for (int32_t x = visible.left; x < visible.right; ++x) screen.At(x, y) = 0;
    } else if (frame.disposal == 3) {
      screen = before;
    }
  }
  return shown;
}

std::vector<std::string> SuiteTests() {
  std::vector<std::string> names;
  std::ifstream in(TestDataPath(kSuite + "TESTS"));
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line[0] != '#') names.push_back(line);
  return names;
}

// Every enabled test of the suite: frame count, delays and every composed frame (interlacing,
// local palettes, transparency, disposal, frames beyond the screen, broken data) match. The
// suite expects no picture for an empty screen; a few expectations differ by design.
TEST(GifDecoder, SuiteFramesMatch) {
  const std::map<std::string, std::string> differ = {
      {"invalid-colors", "indices beyond the palette show black instead of failing the picture"},
      {"max-width", "a 65535 pixel screen is beyond the picture size limit"},
      {"max-height", "a 65535 pixel screen is beyond the picture size limit"},
      {"no-global-color-table", "a frame without any palette shows black, not white"},
      {"max-codes", "giflib refuses an LZW minimum code size above 8"},
      {"plain-text", "the image after a plain text extension is shown (the text is not)"},
  };
  std::vector<std::string> tests = SuiteTests();
  ASSERT_GT(tests.size(), 50u);
  for (const std::string& name : tests) {
    SCOPED_TRACE(name);
    auto picture = DecodePicture(TPictureFormat::Gif, ReadTestFile(kSuite + name + ".gif"));
    if (differ.count(name)) continue;
    TConf conf = ReadConf(name);
    std::vector<std::string> frames = Split(conf["config"]["frames"]);
    if (frames.empty()) {
      EXPECT_FALSE(picture);
      continue;
    }
    ASSERT_TRUE(picture);
    int32_t width = std::stoi(conf["config"]["width"]), height = std::stoi(conf["config"]["height"]);
    EXPECT_EQ(picture->screenWidth, width);
    EXPECT_EQ(picture->screenHeight, height);
    ASSERT_EQ(picture->frames.size(), frames.size());
    std::vector<TBitmap32> shown = ComposeFrames(*picture);
    for (size_t i = 0; i < frames.size(); ++i) {
      SCOPED_TRACE(frames[i]);
      std::map<std::string, std::string>& section = conf[frames[i]];
      // The suite gives delays as stored, in hundredths of a second.
      int32_t delay = section.count("delay") ? std::stoi(section["delay"]) : 0;
      EXPECT_EQ(picture->frames[i].delayMs, delay * 10);
      TBitmap32 expected = ReadRgba(section["pixels"], width, height);
      TPixelDifference d = ComparePixels(shown[i], expected);
      EXPECT_EQ(d.maxAlpha, 0);
      EXPECT_EQ(d.maxChannel, 0);
    }
  }
}

TEST(GifDecoder, FramesOfAnAnimation) {
  auto picture = DecodePictureFile(ReadTestFile("gif/test-animation.gif"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->format, TPictureFormat::Gif);
  EXPECT_EQ(picture->screenWidth, 17);
  EXPECT_EQ(picture->screenHeight, 17);
  ASSERT_EQ(picture->frames.size(), 10u);
  for (const TGifFrame& frame : picture->frames) {
    EXPECT_EQ(frame.image.Width(), frame.area.Width());
    EXPECT_EQ(frame.image.Height(), frame.area.Height());
  }
  EXPECT_EQ(picture->bitmap.Width(), 17);
  EXPECT_EQ(picture->bitmap.Height(), 17);
}

// The picture as drawn is the first frame on the logical screen. With a transparent index the
// clear pixels, and the screen the frame does not cover, keep the transparent colour at alpha 0;
// that colour is the shape colour. A pixel of the same colour under another index stays opaque.
TEST(GifDecoder, FirstFrameTransparency) {
  auto picture = DecodePicture(TPictureFormat::Gif, ReadTestFile(kSuite + "transparent.gif"));
  ASSERT_TRUE(picture);
  ASSERT_TRUE(picture->transparentColor);
  ASSERT_EQ(picture->frames.size(), 1u);
  const TGifFrame& frame = picture->frames[0];
  ASSERT_GE(frame.transparentIndex, 0);
  TPixel32 key = MakePixel(*picture->transparentColor & 0xFF, (*picture->transparentColor >> 8) & 0xFF,
                           (*picture->transparentColor >> 16) & 0xFF, 0);
  int clear = 0;
  for (TPixel32 p : picture->bitmap.Pixels()) {
    EXPECT_TRUE(PixelA(p) == 255 || p == key);
    clear += PixelA(p) == 0;
  }
  EXPECT_EQ(clear, 1);
  EXPECT_EQ(ShapeColor(*picture), *picture->transparentColor);

  // Without a transparent index every pixel is opaque and the shape colour is the top-left one.
  picture = DecodePicture(TPictureFormat::Gif, ReadTestFile(kSuite + "four-colors.gif"));
  ASSERT_TRUE(picture);
  EXPECT_FALSE(picture->transparentColor);
  for (TPixel32 p : picture->bitmap.Pixels()) EXPECT_EQ(PixelA(p), 255);
  EXPECT_EQ(picture->frames[0].transparentIndex, -1);
  TPixel32 topLeft = picture->bitmap.At(0, 0);
  EXPECT_EQ(ShapeColor(*picture), TColor((PixelB(topLeft) << 16) | (PixelG(topLeft) << 8) | PixelR(topLeft)));
}

}  // namespace
