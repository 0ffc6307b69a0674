#include "graphics/text_render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <set>
#include <string>

#include "graphics/text_escape.h"
#include "support/gui_application.h"

namespace {

const TPixel32 kWhite = MakePixel(255, 255, 255);
const TPixel32 kBlack = MakePixel(0, 0, 0);
const TPixel32 kRed = MakePixel(255, 0, 0);

// The bounding box of every pixel that is not white (empty when there is none).
TRect InkBox(const TBitmap32& bitmap) {
  TRect box{INT32_MAX, INT32_MAX, INT32_MIN, INT32_MIN};
  for (int32_t y = 0; y < bitmap.Height(); ++y)
    for (int32_t x = 0; x < bitmap.Width(); ++x)
      if (bitmap.At(x, y) != kWhite)
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
  return box.IsEmpty() ? TRect{} : box;
}

std::set<TPixel32> Colours(const TBitmap32& bitmap) {
  return {bitmap.Pixels().begin(), bitmap.Pixels().end()};
}

// Runs with the antialiased path switched off, as on a system without it.
class TNoAntialias {
 public:
  TNoAntialias() { setenv("TELVO_NO_ANTIALIAS", "1", 1); }
  ~TNoAntialias() { unsetenv("TELVO_NO_ANTIALIAS"); }
};

// A white surface with a canvas in black Arial, character height 11, on a clear brush.
class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGuiApplication();
    unsetenv("TELVO_NO_ANTIALIAS");  // the antialiased cases need the smooth path
    Reset();
  }
  void Reset(int32_t width = 200, int32_t height = 80) {
    bitmap = TBitmap32(width, height, kWhite);
    canvas = std::make_unique<TCanvas>(bitmap.View());
    canvas->Font() = {"Arial", -11, 0, DEFAULT_CHARSET, clBlack};
    canvas->Brush().style = TBrushStyle::bsClear;
  }
  TBitmap32 Draw(std::string_view text, const TRect& rect, bool antialias, uint32_t flags) {
    Reset(bitmap.Width(), bitmap.Height());
    DrawTextRect(*canvas, text, rect, antialias, flags);
    return bitmap;
  }
  TBitmap32 bitmap;
  std::unique_ptr<TCanvas> canvas;
};

class TextBothModes : public TextTest, public ::testing::WithParamInterface<bool> {};

TEST_P(TextBothModes, EscapedLineBreakMeasuresAsTwoLines) {
  const bool aa = GetParam();
  const std::string caption = UnescapeText("Hello\\nWorld wide");
  const TTextSize one = MeasureText(*canvas, "Hello", aa, DT_CENTER);
  const TTextSize two = MeasureText(*canvas, caption, aa, DT_CENTER);
  EXPECT_NEAR(two.height, 2 * one.height, 1);
  EXPECT_EQ(two.width, MeasureTextWidth(*canvas, "World wide", aa, DT_CENTER));
  EXPECT_EQ(MeasureText(*canvas, "Hello\r\nWorld wide", aa, 0), two) << "CR LF is one break";
  EXPECT_EQ(MeasureTextHeight(*canvas, caption, aa, 0), two.height);

  const TRect drawn = InkBox(Draw(caption, {0, 0, 200, 80}, aa, 0));
  EXPECT_GT(drawn.Height(), one.height) << "drawn on two lines";
}

TEST_P(TextBothModes, AmpersandUnderlinesTheNextCharacterAndIsNotDrawn) {
  const bool aa = GetParam();
  EXPECT_EQ(MeasureText(*canvas, "&File", aa, 0), MeasureText(*canvas, "File", aa, 0));
  EXPECT_EQ(MeasureText(*canvas, "A&&B", aa, 0), MeasureText(*canvas, "A&B", aa, DT_NOPREFIX));
  EXPECT_GT(MeasureTextWidth(*canvas, "&File", aa, DT_NOPREFIX), MeasureTextWidth(*canvas, "File", aa, 0));

  const TBitmap32 plain = Draw("File", {2, 2, 100, 40}, aa, 0);
  const TBitmap32 prefixed = Draw("&File", {2, 2, 100, 40}, aa, 0);
  const TRect glyphs = InkBox(plain);
  // Everything that differs is the underline: new ink below the glyphs' baseline, under the F.
  int32_t added = 0;
  for (int32_t y = 0; y < plain.Height(); ++y) {
    for (int32_t x = 0; x < plain.Width(); ++x) {
      if (plain.At(x, y) == prefixed.At(x, y)) continue;
      ++added;
      EXPECT_EQ(plain.At(x, y), kWhite) << x << "," << y;
      EXPECT_GT(y, glyphs.top + glyphs.Height() / 2) << x << "," << y;
      EXPECT_LT(x, glyphs.left + MeasureTextWidth(*canvas, "F", aa, 0) + 1) << x << "," << y;
    }
  }
  EXPECT_GT(added, 2);
  EXPECT_NE(Draw("&File", {2, 2, 100, 40}, aa, DT_NOPREFIX), prefixed) << "DT_NOPREFIX draws the ampersand";
}

TEST_P(TextBothModes, CentreAndRightPlaceTheLine) {
  const bool aa = GetParam();
  const int32_t width = MeasureTextWidth(*canvas, "Hi there", aa, 0);
  const TRect left = InkBox(Draw("Hi there", {10, 0, 110, 30}, aa, 0));
  const TRect centre = InkBox(Draw("Hi there", {10, 0, 110, 30}, aa, DT_CENTER));
  const TRect right = InkBox(Draw("Hi there", {10, 0, 110, 30}, aa, DT_RIGHT));
  const TRect both = InkBox(Draw("Hi there", {10, 0, 110, 30}, aa, DT_CENTER | DT_RIGHT));
  EXPECT_NEAR(centre.left - left.left, (100 - width) / 2, 1);
  EXPECT_NEAR(right.left - left.left, 100 - width, 1);
  EXPECT_EQ(both, centre) << "centre wins";
  EXPECT_EQ(centre.top, left.top);
}

TEST_P(TextBothModes, ClippedToTheRectangleUnlessNoClip) {
  const bool aa = GetParam();
  const TRect clipped = InkBox(Draw("Wide text", {5, 5, 20, 9}, aa, 0));
  EXPECT_GE(clipped.left, 5);
  EXPECT_LE(clipped.right, 21) << "half a pixel more in antialiased mode";
  EXPECT_LE(clipped.bottom, 10);
  const TRect unclipped = InkBox(Draw("Wide text", {5, 5, 20, 9}, aa, DT_NOCLIP));
  EXPECT_GT(unclipped.right, 30);
  EXPECT_GT(unclipped.bottom, 12);
}

TEST_P(TextBothModes, FollowsTheCanvasOriginAndClip) {
  const bool aa = GetParam();
  const TBitmap32 direct = Draw("Moved", {12, 7, 100, 40}, aa, 0);
  Reset();
  canvas->SetOrigin({10, 5});
  DrawTextRect(*canvas, "Moved", {2, 2, 90, 35}, aa, 0);
  EXPECT_EQ(bitmap, direct);
  Reset();
  canvas->IntersectClip({0, 0, 15, 80});
  DrawTextRect(*canvas, "Moved", {12, 7, 100, 40}, aa, DT_NOCLIP);
  EXPECT_LE(InkBox(bitmap).right, 15);
}

TEST_P(TextBothModes, EmptyTextHasNoSize) {
  EXPECT_EQ(MeasureText(*canvas, "", GetParam(), 0), (TTextSize{0, 0}));
  EXPECT_EQ(InkBox(Draw("", {0, 0, 100, 40}, GetParam(), 0)), TRect{});
}

INSTANTIATE_TEST_SUITE_P(Modes, TextBothModes, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Antialiased" : "System"; });

TEST_F(TextTest, SystemTextHasOnlyTheTextColour) {
  struct TCase {
    const char* name;
    int32_t height;
    uint32_t style;
  };
  const TCase cases[] = {{"MS Sans Serif", -11, 0},      {"MS Sans Serif", -11, fsBold}, {"Arial", -11, fsItalic},
                         {"Tahoma", 16, fsBold},         {"Times New Roman", -20, 0},    {"Verdana", -9, fsUnderline},
                         {"Courier New", -90, fsStrikeOut}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + std::to_string(c.height));
    Reset(400, 120);
    canvas->Font() = {c.name, c.height, c.style, DEFAULT_CHARSET, clBlack};
    TextOutAt(*canvas, "&Quick fox Äg", 3, 3, false, 0);
    EXPECT_EQ(Colours(bitmap), (std::set<TPixel32>{kWhite, kBlack}));
  }
  TextOutAt(*canvas, "Quick fox", 3, 3, true, 0);
  EXPECT_GT(Colours(bitmap).size(), 2u) << "antialiased text has shades";
}

TEST_F(TextTest, NoAntialiasSwitchGivesSystemPixels) {
  const std::string text = "Smooth &edges\nsecond line";
  const TTextSize systemSize = MeasureText(*canvas, text, false, DT_CENTER);
  const TBitmap32 systemRect = Draw(text, {3, 4, 150, 60}, false, DT_CENTER | DT_WORDBREAK);
  Reset();
  TextOutAt(*canvas, text, 5, 6, false, 0);
  const TBitmap32 systemOut = bitmap;
  EXPECT_NE(Draw(text, {3, 4, 150, 60}, true, DT_CENTER | DT_WORDBREAK), systemRect);

  TNoAntialias off;
  EXPECT_EQ(MeasureText(*canvas, text, true, DT_CENTER), systemSize);
  EXPECT_EQ(Draw(text, {3, 4, 150, 60}, true, DT_CENTER | DT_WORDBREAK), systemRect);
  Reset();
  TextOutAt(*canvas, text, 5, 6, true, 0);
  EXPECT_EQ(bitmap, systemOut);
}

TEST_F(TextTest, VerticalPlacementOnlyInSystemMode) {
  const int32_t lineHeight = MeasureTextHeight(*canvas, "Mid", false, 0);
  const int32_t top = InkBox(Draw("Mid", {0, 0, 100, 60}, false, DT_SINGLELINE)).top;
  EXPECT_EQ(InkBox(Draw("Mid", {0, 0, 100, 60}, false, DT_SINGLELINE | DT_VCENTER)).top, top + (60 - lineHeight) / 2);
  EXPECT_EQ(InkBox(Draw("Mid", {0, 0, 100, 60}, false, DT_SINGLELINE | DT_BOTTOM)).top, top + 60 - lineHeight);
  EXPECT_EQ(InkBox(Draw("Mid", {0, 0, 100, 60}, false, DT_VCENTER)).top, top) << "only for a single line";

  const int32_t smoothTop = InkBox(Draw("Mid", {0, 0, 100, 60}, true, DT_SINGLELINE)).top;
  EXPECT_LT(smoothTop, 5);
  EXPECT_EQ(InkBox(Draw("Mid", {0, 0, 100, 60}, true, DT_SINGLELINE | DT_VCENTER)).top, smoothTop);
  EXPECT_EQ(InkBox(Draw("Mid", {0, 0, 100, 60}, true, DT_SINGLELINE | DT_BOTTOM)).top, smoothTop);
}

TEST_F(TextTest, SystemWordBreak) {
  const int32_t lineHeight = MeasureTextHeight(*canvas, "x", false, 0);
  const int32_t twoWords = MeasureTextWidth(*canvas, "one two", false, 0);
  TRect rect{0, 0, twoWords, 0};
  DrawTextPlain(*canvas, "one two three", rect, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(rect, (TRect{0, 0, twoWords, 2 * lineHeight})) << "the break's space is dropped";
  // Measuring gives every word a line of its own; the widest sets the width.
  EXPECT_EQ(MeasureText(*canvas, "one two three", false, DT_WORDBREAK),
            (TTextSize{MeasureTextWidth(*canvas, "three", false, 0), 3 * lineHeight}));
  // A word wider than the rectangle stays whole; DT_SINGLELINE turns breaking off.
  rect = {0, 0, 5, 0};
  DrawTextPlain(*canvas, "unbreakable", rect, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(rect.Height(), lineHeight);
  EXPECT_GT(rect.Width(), 5);
  EXPECT_EQ(MeasureText(*canvas, "a b\nc", false, DT_WORDBREAK | DT_SINGLELINE).height, lineHeight);
  // Drawn, the lines stack within the rectangle.
  const TRect ink = InkBox(Draw("one two three", {0, 0, twoWords, 80}, false, DT_WORDBREAK));
  EXPECT_GT(ink.Height(), lineHeight);
  EXPECT_LE(ink.bottom, 2 * lineHeight);
}

TEST_F(TextTest, SmoothWordBreakWrapsInsideTheBox) {
  const TRect one = InkBox(Draw("one two three four", {0, 0, 50, 80}, true, DT_NOCLIP));
  const TRect wrapped = InkBox(Draw("one two three four", {0, 0, 50, 80}, true, DT_WORDBREAK | DT_NOCLIP));
  EXPECT_GT(one.right, 51);
  EXPECT_LE(wrapped.right, 51);
  EXPECT_GT(wrapped.Height(), one.Height() * 2);
}

TEST_F(TextTest, TabsExpandOnlyWithTheFlag) {
  const int32_t tab = MeasureTextWidth(*canvas, "\tb", false, DT_EXPANDTABS) - MeasureTextWidth(*canvas, "b", false, 0);
  EXPECT_GT(tab, 20);
  EXPECT_EQ(MeasureTextWidth(*canvas, "a\tb", false, DT_EXPANDTABS), tab + MeasureTextWidth(*canvas, "b", false, 0));
  EXPECT_EQ(MeasureTextWidth(*canvas, "a\tb", false, 0), MeasureTextWidth(*canvas, "ab", false, 0));
}

TEST_F(TextTest, SolidBrushFillsTheLineBoxInSystemModeOnly) {
  canvas->Brush() = {clRed, TBrushStyle::bsSolid};
  const TTextSize size = MeasureText(*canvas, "Box", false, 0);
  TextOutAt(*canvas, "Box", 10, 5, false, 0);
  EXPECT_EQ(InkBox(bitmap), (TRect{10, 5, 10 + size.width, 5 + size.height}));
  EXPECT_EQ(Colours(bitmap), (std::set<TPixel32>{kWhite, kBlack, kRed}));
  Reset();
  canvas->Brush() = {clRed, TBrushStyle::bsSolid};
  TextOutAt(*canvas, "Box", 10, 5, true, 0);
  EXPECT_EQ(Colours(bitmap).count(kRed), 0u);
}

TEST_F(TextTest, SystemTextOutIsOneLineInAHundredPixelBox) {
  const int32_t lineHeight = MeasureTextHeight(*canvas, "x", false, 0);
  TextOutAt(*canvas, "a\nb", 0, 0, false, 0);
  EXPECT_LE(InkBox(bitmap).bottom, lineHeight);
  const int32_t width = MeasureTextWidth(*canvas, "ab", false, 0);
  Reset();
  TextOutAt(*canvas, "ab", 20, 0, false, DT_RIGHT);
  EXPECT_NEAR(InkBox(bitmap).right, 20 + 100, 2);
  EXPECT_GT(InkBox(bitmap).left, 20 + 100 - width - 2);
}

TEST_F(TextTest, SystemEmptyTextIsOneLineHighOnlyWhenSingleLine) {
  EXPECT_EQ(MeasureText(*canvas, "", false, DT_SINGLELINE),
            (TTextSize{0, MeasureTextHeight(*canvas, "x", false, 0)}));
  EXPECT_EQ(MeasureText(*canvas, "\n", false, 0).height, 2 * MeasureTextHeight(*canvas, "x", false, 0));
}

}  // namespace
