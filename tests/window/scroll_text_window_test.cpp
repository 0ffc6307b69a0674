// The scroll text on a menu window: its timer from the menu's services at the Windows timer's
// pace, started and stopped with its lines, visibility and run mode, and the frames the window
// paints of it as the virtual clock moves on (golden images in tests/golden_frames/; see
// golden_test.cpp for TELVO_UPDATE_GOLDEN).

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "controls/scroll_text.h"
#include "controls/test_pictures.h"
#include "graphics/colors.h"
#include "support/golden_image.h"
#include "support/gui_application.h"
#include "window/control_timer.h"
#include "window/menu_context.h"
#include "window/window_paint.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

// A menu read from the text form, its timers on a virtual clock bound after loading, and its
// start page shown, as the session starts a menu.
struct TScrollMenu {
  TVirtualTimerSource clock;
  TTestMenu menu;
  TServicesBinding binding;

  explicit TScrollMenu(std::string_view text) : menu(text), binding(menu->Context(), {.timers = &clock}) {
    menu->SetActivePage(menu->ActivePage());
  }
  TKIVScrollText& Text(std::string_view name = "Scroll") { return static_cast<TKIVScrollText&>(menu.Control(name)); }
  TBitmap32 Paint() {
    TBitmap32 target(menu->ClientWidth(), menu->ClientHeight());
    PaintMenuWindow(*menu, target.View());
    return target;
  }
};

std::string OneScrollText(const std::string& properties) {
  return "object frmDesign: TfrmDesign\n  ClientWidth = 220\n  ClientHeight = 150\n  Color = clTeal\n"
         "  object Scroll: TKIVScrollText\n    Left = 10\n    Top = 6\n    Width = 200\n    Height = 137\n" +
         properties + "  end\nend\n";
}

const std::string kTwoLines = "    Strings.Strings = ('First line' 'Second line')\n";

TEST(ScrollTextWindow, MovesOnePixelPerRoundedTimerStep) {
  // 101 - Speed milliseconds, rounded up to whole 15.625 ms steps: Speed 100 moves 64 pixels a
  // second, as it did where the documents were made, not 1000.
  EnsureGuiApplication();
  struct Case {
    int speed;
    int pixelsPerSecond;
  };
  for (const Case c : {Case{100, 64}, Case{86, 64}, Case{85, 32}, Case{60, 21}, Case{1, 9}}) {
    SCOPED_TRACE(testing::Message() << "Speed " << c.speed);
    TScrollMenu menu(OneScrollText(kTwoLines + "    Speed = " + std::to_string(c.speed) + "\n"));
    const TPoint start = menu.Text().ScrollPosition();
    menu.clock.AdvanceTo(1000);
    EXPECT_EQ(start.y - menu.Text().ScrollPosition().y, c.pixelsPerSecond);
  }
}

TEST(ScrollTextWindow, TimerRunsWhileTheTextCanMove) {
  EnsureGuiApplication();
  TScrollMenu menu(OneScrollText("    Speed = 100\n"));
  TKIVScrollText& text = menu.Text();
  EXPECT_FALSE(text.Scrolling()) << "no lines";

  // Enough lines that the block does not pass out of the area during the test.
  TStrings lines;
  lines.SetLines(std::vector<std::string>(16, "A line"));
  text.SetStrings(lines);
  EXPECT_TRUE(text.Scrolling());
  EXPECT_EQ(text.ScrollPosition(), (TPoint{0, 0})) << "a new list starts at the top of the area";
  menu.clock.AdvanceTo(100);
  EXPECT_EQ(text.ScrollPosition(), (TPoint{0, -6})) << "ticks at 15.6, 31.3, ... 93.8 ms";

  text.SetStrings(TStrings());
  EXPECT_FALSE(text.Scrolling()) << "the list became empty";
  text.SetStrings(lines);

  struct Case {
    const char* state;
    void (*enter)(TKIVScrollText&);
    void (*leave)(TKIVScrollText&);
  };
  const Case cases[] = {
      {"inactive", [](TKIVScrollText& t) { t.SetActive(false); }, [](TKIVScrollText& t) { t.SetActive(true); }},
      {"invisible", [](TKIVScrollText& t) { t.SetVisible(false); }, [](TKIVScrollText& t) { t.SetVisible(true); }},
      {"design mode", [](TKIVScrollText& t) { t.SetDesignMode(true); },
       [](TKIVScrollText& t) { t.SetDesignMode(false); }},
  };
  double now = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.state);
    c.enter(text);
    EXPECT_FALSE(text.Scrolling());
    const TPoint held = text.ScrollPosition();
    menu.clock.AdvanceTo(now += 500);
    EXPECT_EQ(text.ScrollPosition(), held) << "the block stays where it is";
    c.leave(text);
    EXPECT_TRUE(text.Scrolling());
    menu.clock.AdvanceTo(now += 500);
    EXPECT_EQ(text.ScrollPosition().y, held.y - 32);
  }
}

TEST(ScrollTextWindow, WithoutTimersTheTextStandsStill) {
  EnsureGuiApplication();
  TTestMenu menu(OneScrollText(kTwoLines + "    Active = False\n"));
  TKIVScrollText& text = static_cast<TKIVScrollText&>(menu.Control("Scroll"));
  text.SetActive(true);
  EXPECT_FALSE(text.Scrolling());
  EXPECT_EQ(text.ScrollPosition(), (TPoint{0, 0})) << "loaded inactive: at the top of the area";
}

// The pixels of two renders that differ, as a bounding rectangle (empty when none differ).
TRect DifferingArea(const TBitmap32& a, const TBitmap32& b, TPixel32 only = 0, bool onlyThat = false) {
  TRect box{a.Width(), a.Height(), 0, 0};
  for (int32_t y = 0; y < a.Height(); ++y)
    for (int32_t x = 0; x < a.Width(); ++x)
      if (a.At(x, y) != b.At(x, y) && (!onlyThat || a.At(x, y) == only))
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
  return box.IsEmpty() ? TRect{} : box;
}

TEST(ScrollTextWindow, TextIsClippedToTheTextArea) {
  // A big block, stopped at the top of an area narrowed by thick bevels, a border and a picture:
  // nothing of it reaches the frame or the picture.
  EnsureGuiApplication();
  const std::string frame = "    BevelWidth = 3\n    BorderWidth = 4\n    Active = False\n    Font.Height = -40\n";
  TScrollMenu plain(OneScrollText(frame));
  TScrollMenu text(OneScrollText(frame + "    Strings.Strings = ('WWWWWWWW' 'WWWWWWWW' 'WWWWWWWW' 'WWWWWWWW')\n"));
  std::vector<TColor> picture(64, clRed);
  picture[0] = clWhite;  // the key colour, left out
  for (TScrollMenu* menu : {&plain, &text}) SetBitmap(*menu->Text().Picture(), 8, 8, picture);
  const TRect area = text.Text().TextArea().Offset(10, 6);
  const TRect drawn = DifferingArea(plain.Paint(), text.Paint());
  ASSERT_FALSE(drawn.IsEmpty());
  EXPECT_EQ(drawn.Intersect(area), drawn) << "nothing outside the text area";
  EXPECT_EQ(drawn.right, area.right) << "the lines are cut off at the area's right edge";
  EXPECT_EQ(drawn.bottom, area.bottom) << "the last lines are cut off at its bottom";
}

TEST(ScrollTextWindow, ShadowStylesOffsetTheShadowByOnePixel) {
  EnsureGuiApplication();
  // Centred, away from the area's edges, which would clip the shadow.
  const std::string still = kTwoLines + "    Active = False\n    Alignment = taCenter\n    TextShadowColor = clRed\n";
  TScrollMenu normal(OneScrollText(still));
  const TBitmap32 empty = TScrollMenu(OneScrollText("")).Paint();
  const TRect face = DifferingArea(normal.Paint(), empty);
  ASSERT_FALSE(face.IsEmpty());
  EXPECT_TRUE(DifferingArea(normal.Paint(), empty, ColorToPixel(clRed), true).IsEmpty()) << "no shadow";
  // The shadow shows where the face does not cover it: beyond the face on the side it is
  // moved to.
  {
    TScrollMenu lowered(OneScrollText(still + "    TextStyle = abtLowered\n"));
    const TRect shadow = DifferingArea(lowered.Paint(), empty, ColorToPixel(clRed), true);
    EXPECT_EQ(shadow.right, face.right + 1);
    EXPECT_EQ(shadow.bottom, face.bottom + 1);
  }
  {
    TScrollMenu raised(OneScrollText(still + "    TextStyle = abtRaised\n"));
    const TRect shadow = DifferingArea(raised.Paint(), empty, ColorToPixel(clRed), true);
    EXPECT_EQ(shadow.left, face.left - 1);
    EXPECT_EQ(shadow.top, face.top - 1);
  }
}

TEST(ScrollTextWindow, TransparentShowsThePageBehind) {
  EnsureGuiApplication();
  TScrollMenu menu(OneScrollText("    Transparent = True\n    BevelInner = bvNone\n    BevelOuter = bvNone\n"));
  const TBitmap32 frame = menu.Paint();
  for (int32_t y = 6; y < 6 + 137; y += 17)
    for (int32_t x = 10; x < 210; x += 19) ASSERT_EQ(frame.At(x, y), ColorToPixel(clTeal)) << x << "," << y;
}

TEST(ScrollTextWindow, GlyphFillTilesFromTheTopLeftCorner) {
  EnsureGuiApplication();
  TScrollMenu menu(OneScrollText("    FillStyle = afsGlyph\n    BevelInner = bvNone\n    BevelOuter = bvNone\n"));
  const std::vector<TColor> tile = {clRed, clBlue, clLime, clYellow};
  SetBitmap(*menu.Text().BGGlyph(), 2, 2, tile);
  const TBitmap32 frame = menu.Paint();
  for (int32_t y = 0; y < 137; y += 7)
    for (int32_t x = 0; x < 200; x += 5)
      ASSERT_EQ(frame.At(10 + x, 6 + y), ColorToPixel(tile[static_cast<size_t>(y % 2 * 2 + x % 2)])) << x << "," << y;
}

TEST(ScrollTextWindow, PanelPastTheBitmapLimitsIsNotDrawn) {
  EnsureGuiApplication();
  TScrollMenu menu(OneScrollText(kTwoLines));
  menu.Text().SetBounds(0, 0, 100000, 100000);
  const TBitmap32 frame = menu.Paint();
  EXPECT_EQ(frame.At(100, 70), ColorToPixel(clTeal));
}

// Four panels, one per direction, with a gradient, a solid colour, a see-through and a faded
// fill, bevels, a border, a picture and both shadow styles, after some ticks of the clock.
const char* const kFramesMenu = R"(object frmDesign: TfrmDesign
  ClientWidth = 430
  ClientHeight = 300
  Color = clTeal
  object Up: TKIVScrollText
    Left = 5
    Top = 5
    Width = 200
    Height = 137
    FillStyle = afsGradient
    GradStyle = agsLinearV
    Alignment = taCenter
    TextStyle = abtLowered
    Speed = 100
    Strings.Strings = ('Credits' 'roll upwards' 'line by line')
    Font.Color = clNavy
    Font.Height = -15
  end
  object Left: TKIVScrollText
    Left = 220
    Top = 5
    Width = 200
    Height = 137
    ScrollDirection = asdRightToLeft
    TextStyle = abtRaised
    TextShadowColor = clYellow
    BevelWidth = 2
    BorderWidth = 2
    Color = clSilver
    Speed = 100
    Strings.Strings = ('A line moving to the left')
    Font.Height = -13
  end
  object Down: TKIVScrollText
    Left = 5
    Top = 155
    Width = 200
    Height = 137
    ScrollDirection = asdTopToBottom
    Transparent = True
    Alignment = taRightJustify
    Speed = 100
    Strings.Strings = ('See-through' 'falling text')
    Font.Color = clWhite
    Font.Height = -13
  end
  object Right: TKIVScrollText
    Left = 220
    Top = 155
    Width = 200
    Height = 137
    ScrollDirection = asdLeftToRight
    FillStyle = afsGradient
    Opacity = 50
    Speed = 100
    Strings.Strings = ('Faded fill, full text')
    Font.Height = -13
  end
end
)";

TEST(ScrollTextWindow, FramesMatchGoldenImages) {
  EnsureGuiApplication();
  TScrollMenu menu(kFramesMenu);
  // A picture on the left of the rightward panel, its top-left colour left out.
  std::vector<TColor> checker(16 * 16);
  for (int32_t i = 0; i < 256; ++i) checker[static_cast<size_t>(i)] = ((i / 16 + i % 16) / 4) % 2 ? clBlue : clWhite;
  SetBitmap(*menu.Text("Right").Picture(), 16, 16, checker);
  const fs::path golden = fs::path(TELVO_GOLDEN_DIR).parent_path() / "golden_frames";
  for (const int ticks : {40, 120}) {
    SCOPED_TRACE(testing::Message() << ticks << " ticks");
    menu.clock.AdvanceTo(ticks * kTimerStepMs);
    const std::string name = "scroll_text_" + std::to_string(ticks);
    const fs::path work = fs::path(testing::TempDir()) / "golden_frames" / name;
    fs::create_directories(work);
    EXPECT_TRUE(MatchesGoldenImage(menu.Paint(), golden / name, work));
  }
}

}  // namespace
