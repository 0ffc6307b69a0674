// The skinned player's surface: the bitmap font, the text lines, the displays with their partial
// repaints, the sliders' geometry and drags, buttons and switches under the pointer, and golden
// pictures with the repository's Debian skin.

#include "audio/wa2_skin_ui.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "audio/skin_sources.h"
#include "audio/wa2_font.h"
#include "graphics/picture_decoder.h"
#include "graphics/raster.h"
#include "support/golden_image.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

TEST(WA2Font, MeasuresAndMapsByCharacter) {
  EXPECT_EQ(WA2FontText("a...b"), U"a\x01" U"b");
  EXPECT_EQ(WA2TextWidth(WA2FontText("a...b")), 16);
  EXPECT_EQ(WA2TextWidth(WA2FontText("x@y")), 17);
  EXPECT_EQ(WA2TextWidth(WA2FontText("a/b\\c")), 27);
  EXPECT_EQ(WA2TextWidth(WA2FontText("caf\xC3\xA9")), 20);  // "é" is one character
  struct TCase {
    char32_t c;
    int32_t cell;
  };
  for (const TCase c : {TCase{U'A', 0}, {U'z', 25}, {U'0', 31}, {U'9', 40}, {U' ', 30}, {U'@', 27}, {U'<', 44},
                        {U'~', 46}, {U';', 58}, {U'*', 66}, {U'\xE9', 65}, {U'\t', 65}})
    EXPECT_EQ(WA2GlyphCell(c.c), c.cell) << static_cast<uint32_t>(c.c);
}

TEST(WA2Font, DrawsCellsAndStopsAtTheRightEdge) {
  TBitmap32 font(155, 18);
  for (int32_t y = 0; y < 18; ++y)
    for (int32_t x = 0; x < 155; ++x) font.At(x, y) = MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 1);
  TBitmap32 target(40, 6, MakePixel(9, 9, 9));
  DrawWA2Text(target.View(), {0, 0, 16, 6}, font, U"B@C");
  EXPECT_EQ(target.At(0, 0), font.At(5, 0));    // "B": cell 1
  EXPECT_EQ(target.At(5, 0), font.At(136, 0));  // "@": 7 wide from one pixel right of cell 27
  EXPECT_EQ(target.At(11, 5), font.At(142, 5));
  EXPECT_EQ(target.At(12, 0), MakePixel(9, 9, 9));  // "C" would end at 17, beyond the edge
}

TEST(WA2InfoBar, ScrollsOnlyATextWiderThanTheLine) {
  TWA2SkinUI surface;
  surface.SetTitle(std::string(31, 'x'));
  EXPECT_FALSE(surface.TitleLine().Scrolling());
  surface.SetTitle(std::string(39, 'x') + "y");
  ASSERT_TRUE(surface.TitleLine().Scrolling());
  EXPECT_EQ(surface.TitleLine().Text(), std::u32string(39, U'x') + U"y   ***   ");
  surface.TitleLine().Scroll();
  EXPECT_EQ(surface.TitleLine().Text(), std::u32string(38, U'x') + U"y   ***   x");
}

// A volume bitmap whose frames and thumbs are told apart by colour: frame n is grey n, the
// thumbs below them red (normal) and green (pressed).
TBitmap32 VolumeBitmap() {
  TBitmap32 volume(68, 433);
  for (int32_t frame = 0; frame < 28; ++frame)
    FillRect(volume.View(), TRect::FromSize(0, frame * 15, 68, 13), MakePixel(static_cast<uint8_t>(frame), 0, 0));
  FillRect(volume.View(), TRect::FromSize(15, 422, 14, 11), MakePixel(255, 0, 0));
  FillRect(volume.View(), TRect::FromSize(0, 422, 14, 11), MakePixel(0, 255, 0));
  return volume;
}

TEST(WA2Slider, GeometryAndFramesFollowTheValue) {
  const TBitmap32 volume = VolumeBitmap();
  TWA2Slider slider(TRect::FromSize(107, 57, 68, 13), volume, TWA2SliderKind::Volume);
  TBitmap32 surface(275, 116);
  slider.SetValue(50);
  EXPECT_EQ(slider.FrameIndex(), 13);
  EXPECT_EQ(slider.ThumbLeft(), 25);  // track 68 - 3 - 14 = 51
  slider.Paint(surface.View());
  EXPECT_EQ(surface.At(107, 57), MakePixel(13, 0, 0));
  EXPECT_EQ(surface.At(107 + 25, 58), MakePixel(255, 0, 0));
  slider.SetValue(150);
  EXPECT_EQ(slider.Value(), 100);
  EXPECT_EQ(slider.FrameIndex(), 27);

  TWA2Slider balance(TRect::FromSize(177, 57, 38, 13), volume, TWA2SliderKind::Balance);
  balance.SetValue(-50);
  EXPECT_EQ(balance.FrameIndex(), 27);
  EXPECT_EQ(balance.ThumbLeft(), 0);
  // A slider bitmap without thumb rows shows no thumb.
  const TBitmap32 framesOnly(68, 420, MakePixel(5, 5, 5));
  TWA2Slider bare(TRect::FromSize(0, 0, 68, 13), framesOnly, TWA2SliderKind::Volume);
  TBitmap32 under(68, 13, MakePixel(200, 200, 200));
  bare.Paint(under.View());
  for (int32_t x = 0; x < 68; ++x) EXPECT_EQ(under.At(x, 6), MakePixel(5, 5, 5)) << x;
}

// Pointer events as the menu window hands them to the control, in its coordinates.
struct TPointer {
  TWA2SkinUI& surface;
  void Down(int32_t x, int32_t y) { surface.MouseDown(TMouseButton::mbLeft, ssLeft, x, y); }
  void Move(int32_t x, int32_t y) { surface.MouseMove(ssLeft, x, y); }
  void Up(int32_t x, int32_t y) { surface.MouseUp(TMouseButton::mbLeft, 0, x, y); }
};

TEST(WA2SkinUI, SlidersReportAndHintWhileDragged) {
  TWA2SkinUI surface;
  TPointer pointer{surface};
  std::vector<int32_t> volumes, balances, seeks;
  surface.Slider(TWA2Element::Volume).onChange = [&](int32_t v) { volumes.push_back(v); };
  surface.Slider(TWA2Element::Balance).onChange = [&](int32_t v) { balances.push_back(v); };
  surface.Slider(TWA2Element::SeekBar).onChange = [&](int32_t v) { seeks.push_back(v); };
  surface.SetTitle("Title");

  // The volume reports while it is dragged; its hint stands in for the title until released.
  pointer.Down(107 + 10, 60);  // left of the thumb (at 51): the thumb centres under the pointer
  EXPECT_EQ(surface.Slider(TWA2Element::Volume).Value(), 5);  // (10 - 7) * 100 / 51
  pointer.Move(107 + 30, 60);
  EXPECT_TRUE(surface.HintLine().Visible());
  EXPECT_FALSE(surface.TitleLine().Visible());
  EXPECT_EQ(surface.HintLine().Text(), WA2FontText("Volume: 45%"));
  pointer.Up(107 + 30, 60);
  EXPECT_EQ(volumes, (std::vector<int32_t>{5, 45}));
  EXPECT_TRUE(surface.TitleLine().Visible());
  EXPECT_FALSE(surface.HintLine().Visible());

  // The balance near the centre is the centre; left of it, it creeps back by one after a move.
  pointer.Down(177 + 19, 60);  // on the thumb (12..25): grabbed where pressed
  pointer.Move(177 + 17, 60);
  EXPECT_EQ(surface.Slider(TWA2Element::Balance).Value(), 0);
  EXPECT_EQ(surface.HintLine().Text(), WA2FontText("Balance: Center"));
  pointer.Move(177 + 12, 60);  // -50 + (12 - 7) * 100 / 24
  EXPECT_EQ(balances.back(), -30);
  EXPECT_EQ(surface.Slider(TWA2Element::Balance).Value(), -29);
  EXPECT_EQ(surface.HintLine().Text(), WA2FontText("Balance: 58% Left"));
  pointer.Move(177 + 0, 60);  // at the minimum: no creeping
  EXPECT_EQ(surface.Slider(TWA2Element::Balance).Value(), -50);
  pointer.Up(177 + 0, 60);

  // The seek bar is off until a song plays; then a click away from its thumb centres the thumb
  // under the pointer and reports only on release.
  pointer.Down(16 + 100, 75);
  pointer.Up(16 + 100, 75);
  EXPECT_EQ(surface.Slider(TWA2Element::SeekBar).Value(), 0);
  surface.SetElementEnabled(TWA2Element::SeekBar, true);
  surface.Slider(TWA2Element::SeekBar).SetLengthSeconds(200);
  pointer.Down(16 + 100, 75);
  const int32_t value = surface.Slider(TWA2Element::SeekBar).Value();
  EXPECT_EQ(value, (100 - 14) * 1000 / 219);
  EXPECT_EQ(surface.HintLine().Text(), WA2FontText("Seek To: 01:18/03:20 (39%)"));
  EXPECT_TRUE(seeks.empty());
  pointer.Up(16 + 100, 75);
  EXPECT_EQ(seeks, std::vector<int32_t>{value});
}

TEST(WA2SkinUI, ButtonsClickOnReleaseOverThemAndSwitchesToggleFirst) {
  TWA2SkinUI surface;
  TPointer pointer{surface};
  int plays = 0;
  bool shuffleWhenReported = false;
  surface.Button(TWA2Element::Play).onClick = [&] { ++plays; };
  surface.Switch(TWA2Element::Shuffle).onClick = [&] { shuffleWhenReported = surface.Switch(TWA2Element::Shuffle).On(); };

  pointer.Down(45, 95);
  EXPECT_TRUE(surface.Button(TWA2Element::Play).Pressed());
  pointer.Move(45, 80);  // off the button: up again
  EXPECT_FALSE(surface.Button(TWA2Element::Play).Pressed());
  pointer.Move(45, 95);
  EXPECT_TRUE(surface.Button(TWA2Element::Play).Pressed());
  pointer.Up(45, 95);
  EXPECT_EQ(plays, 1);
  pointer.Down(45, 95);
  pointer.Up(45, 60);  // released elsewhere: no click
  EXPECT_EQ(plays, 1);

  pointer.Down(170, 95);
  pointer.Up(170, 95);
  EXPECT_TRUE(shuffleWhenReported);

  surface.SetElementEnabled(TWA2Element::Play, false);
  pointer.Down(45, 95);
  pointer.Up(45, 95);
  EXPECT_EQ(plays, 1);
}

TEST(WA2SkinUI, DisplaysRepaintOnlyTheirAreas) {
  struct TCase {
    const char* what;
    std::function<void(TWA2SkinUI&)> change;
    TRect area;
  };
  const TCase cases[] = {
      {"play state", [](TWA2SkinUI& s) { s.SetPlayState(2); }, {26, 28, 35, 37}},
      {"time", [](TWA2SkinUI& s) { s.SetTime(61); }, {48, 26, 99, 39}},
      {"bit rate", [](TWA2SkinUI& s) { s.SetBitRate(128); }, {111, 43, 126, 49}},
      {"sample rate", [](TWA2SkinUI& s) { s.SetSampleRate(44); }, {156, 43, 166, 49}},
  };
  for (const TCase& c : cases) {
    TFolderSkinSource debian(TestDataPath("skins/Debian"));
    TWA2SkinUI surface;
    surface.LoadSkin(debian);
    const TBitmap32 before = surface.Picture();
    c.change(surface);
    const TBitmap32 after = surface.Picture();
    bool changed = false;
    for (int32_t y = 0; y < 116; ++y)
      for (int32_t x = 0; x < 275; ++x) {
        if (before.At(x, y) == after.At(x, y)) continue;
        changed = true;
        EXPECT_TRUE(c.area.Contains({x, y})) << c.what << " changed " << x << "," << y;
      }
    EXPECT_TRUE(changed) << c.what;
  }
}

TEST(WA2SkinUI, NumbersAreCutToTheirPlaces) {
  TFolderSkinSource debian(TestDataPath("skins/Debian"));
  TWA2SkinUI surface;
  surface.LoadSkin(debian);
  const TBitmap32& font = surface.Skin().font;
  const auto drawn = [&](const char* text, const TRect& area) {
    TBitmap32 expected = surface.Picture();
    DrawWA2Text(expected.View(), area, font, WA2FontText(text));
    return expected;
  };
  const TBitmap32 bitRate = drawn("411", {111, 43, 126, 49});
  surface.SetBitRate(1411);
  EXPECT_EQ(surface.Picture(), bitRate);
  const TBitmap32 sampleRate = drawn(" 8", {156, 43, 166, 49});
  surface.SetSampleRate(8);
  EXPECT_EQ(surface.Picture(), sampleRate);
}

// A surface playing: every display and part shows something.
void ShowPlaying(TWA2SkinUI& surface) {
  surface.SetPlayState(2);
  surface.SetTime(3 * 60 + 5);
  surface.SetBitRate(192);
  surface.SetSampleRate(44);
  surface.SetChannels(2);
  surface.SetTitle("A - T (03:05)");
  surface.Slider(TWA2Element::Volume).SetValue(70);
  surface.Slider(TWA2Element::Balance).SetValue(-20);
  surface.SetElementEnabled(TWA2Element::SeekBar, true);
  surface.Slider(TWA2Element::SeekBar).SetValue(400);
  surface.Switch(TWA2Element::Repeat).SetOn(true);
}

TEST(WA2SkinUI, GoldenWithTheBuiltInAndTheDebianSkin) {
  for (const bool debian : {false, true}) {
    const std::string name = debian ? "debian" : "built_in";
    TWA2SkinUI surface;
    if (debian) {
      TFolderSkinSource source(TestDataPath("skins/Debian"));
      surface.LoadSkin(source);
    }
    ShowPlaying(surface);
    EXPECT_TRUE(MatchesGoldenImage(surface.Picture(), fs::path(TELVO_GOLDEN_DIR) / "music_player" / name,
                                   fs::path(testing::TempDir()) / ("music_player_" + name)));
  }
}

TEST(WA2SkinUI, TheBuiltInSkinHasItsElevenPicturesAtTheirSizes) {
  TBuiltinSkinSource builtIn;
  const struct {
    const char* name;
    int32_t width, height;
  } pictures[] = {{"main", 275, 116},  {"titlebar", 302, 27}, {"cbuttons", 136, 36}, {"shufrep", 92, 85},
                  {"monoster", 58, 24}, {"volume", 68, 433},  {"balance", 68, 433},  {"posbar", 307, 10},
                  {"nums_ex", 90, 13},  {"playpaus", 27, 9},  {"text", 155, 18}};
  for (const auto& picture : pictures) {
    const std::optional<std::vector<uint8_t>> file = builtIn.BitmapFile(picture.name);
    ASSERT_TRUE(file) << picture.name;
    const std::optional<TDecodedPicture> decoded = DecodePictureFile(*file);
    ASSERT_TRUE(decoded) << picture.name;
    EXPECT_EQ(decoded->format, TPictureFormat::Png) << picture.name;
    EXPECT_EQ(decoded->bitmap.Width(), picture.width) << picture.name;
    EXPECT_EQ(decoded->bitmap.Height(), picture.height) << picture.name;
  }
  EXPECT_FALSE(builtIn.BitmapFile("numbers"));
}

}  // namespace
