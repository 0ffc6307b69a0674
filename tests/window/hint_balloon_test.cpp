// The custom hint's balloon without a window: which side of the pointer it opens on, where its
// window lies, how large it grows, and its picture's shadow, fill and opacity.

#include "window/hint_balloon.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "controls/test_pictures.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/raster.h"
#include "support/gui_application.h"
#include "support/patterned_screen.h"

namespace {

using enum TKIVPosition;

const TRect kScreen{0, 0, 1920, 1080};

TEST(HintBalloon, OpensOnTheDirectionsSideUnlessItWouldLeaveTheScreen) {
  const TSize balloon{120, 40};
  struct TCase {
    std::string name;
    TKIVPosition direction;
    TPoint pointer;
    TKIVPosition placement;
    TRect screen = kScreen;
  };
  const TCase cases[] = {
      {"room everywhere", apsRightBottom, {960, 540}, apsRightBottom},
      {"room everywhere", apsLeftTop, {960, 540}, apsLeftTop},
      {"near the right edge opens to the left", apsRightBottom, {1850, 540}, apsLeftBottom},
      {"near the bottom opens above", apsLeftBottom, {960, 1050}, apsLeftTop},
      {"in the top left corner opens right and below", apsLeftTop, {50, 30}, apsRightBottom},
      {"in the top right corner opens left and below", apsRightTop, {1900, 30}, apsLeftBottom},
      {"just room to the left", apsLeftTop, {120, 540}, apsLeftTop},
      {"a pixel short to the left", apsLeftTop, {119, 540}, apsRightTop},
      {"just room to the right", apsRightTop, {1800, 540}, apsRightTop},
      {"a pixel short to the right", apsRightTop, {1801, 540}, apsLeftTop},
      {"just room above", apsRightTop, {960, 50}, apsRightTop},
      {"a pixel short above", apsRightTop, {960, 49}, apsRightBottom},
      {"just room below", apsLeftBottom, {960, 1030}, apsLeftBottom},
      {"a pixel short below", apsLeftBottom, {960, 1031}, apsLeftTop},
      {"a screen to the right of another", apsLeftTop, {1930, 540}, apsRightTop, {1920, 0, 3840, 1080}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ChooseHintPlacement(c.direction, balloon, c.pointer, c.screen), c.placement);
  }
}

TEST(HintBalloon, WindowPutsTheTipTenPixelsFromThePointerWithTheShadowBeside) {
  const TSize balloon{120, 40};
  const TPoint pointer{500, 300};
  struct TCase {
    TKIVPosition placement;
    int32_t shadow;
    TRect window;
  };
  const TCase cases[] = {
      {apsLeftTop, 4, {380, 250, 504, 290}},      {apsLeftBottom, 4, {380, 310, 504, 354}},
      {apsRightTop, 4, {500, 250, 624, 290}},     {apsRightBottom, 4, {500, 310, 624, 354}},
      {apsRightBottom, 0, {500, 310, 620, 350}},  {apsLeftTop, 0, {380, 250, 500, 290}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.placement)) + " shadow " + std::to_string(c.shadow));
    EXPECT_EQ(HintWindowRect(c.placement, balloon, c.shadow, pointer), c.window);
  }
}

// The hint font the menu window starts with.
void SetMenuHintFont(THintSettings& settings) {
  settings.font.SetName("Verdana");
  settings.font.SetSize(10);
  settings.font.SetColor(clBlue);
  settings.font.SetStyle(fsBold | fsItalic);
}

TEST(HintBalloon, ShadowOffsetIsKeptWithinItsRange) {
  EnsureGuiApplication();
  THintSettings settings;
  SetMenuHintFont(settings);
  for (auto [stored, used] : {std::pair{-5, 0}, {0, 0}, {4, 4}, {32, 32}, {33, 32}, {1 << 30, 32}}) {
    settings.shadowOffset = stored;
    EXPECT_EQ(HintShadowOffset(settings), used) << stored;
    const THintLayout layout = LayOutHint(settings, "Play", {960, 540}, kScreen);
    EXPECT_EQ(layout.window.Width(), layout.balloon.width + used);
  }
}

TEST(HintBalloon, TextWiderThanHalfTheScreenWrapsAndATallOneStaysOnTheScreen) {
  EnsureGuiApplication();
  THintSettings settings;
  SetMenuHintFont(settings);
  const TSize oneLine = HintBalloonSize(settings, "Play the game", {1920, 1080});
  std::string sentence;
  for (int i = 0; i < 40; ++i) sentence += "words that wrap ";
  const TSize wrapped = HintBalloonSize(settings, sentence, {1920, 1080});
  EXPECT_LE(wrapped.width, 1920 / 2 - 16 + 16);
  EXPECT_GT(wrapped.width, 1920 / 4);
  EXPECT_GT(wrapped.height, 2 * oneLine.height - 24);

  std::string lines;
  for (int i = 0; i < 500; ++i) lines += "line\n";
  const TSize tall = HintBalloonSize(settings, lines, {1920, 1080});
  EXPECT_EQ(tall.height, 1080 - 4) << "the screen less the shadow";
  const TSize wide = HintBalloonSize(settings, std::string(600, 'w'), {1920, 1080});
  EXPECT_EQ(wide.width, 1920 - 4) << "a word too long to wrap";
}

// The layer of a balloon of "Play" with settings for the pointer in the middle of the screen,
// over a patterned background.
struct TComposed {
  THintLayout layout;
  TBitmap32 background;
  TBitmap32 layer;
};

TComposed Compose(const THintSettings& settings) {
  EnsureGuiApplication();
  TComposed composed;
  composed.layout = LayOutHint(settings, "Play", {960, 540}, kScreen);
  composed.background = PatternedScreen(composed.layout.window.Width(), composed.layout.window.Height());
  composed.layer = ComposeHintBalloon(settings, "Play", composed.layout, composed.background.View());
  return composed;
}

TEST(HintBalloon, WithoutShadowOffsetTheWindowIsTheBalloonAlone) {
  THintSettings settings;
  SetMenuHintFont(settings);
  settings.shadowOffset = 0;
  settings.direction = apsRightBottom;
  const TComposed c = Compose(settings);
  EXPECT_EQ(c.layer.Width(), c.layout.balloon.width);
  EXPECT_EQ(c.layer.Height(), c.layout.balloon.height);
  // Beyond the body's rounded corner and beside the pointer, nothing but the screen shows.
  for (TPoint p : {TPoint{c.layer.Width() - 1, c.layer.Height() - 1}, TPoint{c.layer.Width() - 1, 2}})
    EXPECT_EQ(PixelA(c.layer.At(p.x, p.y)), 0) << p.x << "," << p.y;
}

TEST(HintBalloon, ShadowDarkensEverySecondPixelOfTheScreenWithItsColour) {
  THintSettings settings;
  SetMenuHintFont(settings);
  settings.shadowOffset = 4;
  settings.shadowColor = clPurple;
  settings.direction = apsRightBottom;
  const TComposed c = Compose(settings);
  // The columns right of the body, halfway down: only the shadow lies there.
  const int32_t y = c.layer.Height() / 2;
  for (int32_t x = c.layout.balloon.width; x < c.layer.Width(); ++x) {
    SCOPED_TRACE(x);
    if ((x + y) % 2 == 0)
      EXPECT_EQ(c.layer.At(x, y), c.background.At(x, y) & ColorToPixel(clPurple));
    else
      EXPECT_EQ(PixelA(c.layer.At(x, y)), 0);
  }
}

TEST(HintBalloon, BodyFillsWithColourGradientOrPictureAndAnEmptyPictureMeansTheColour) {
  const TPixel32 aqua = ColorToPixel(clAqua);
  const TPixel32 red = ColorToPixel(clRed);
  struct TCase {
    std::string name;
    TKIVFillStyle style;
    std::function<void(TPicture&)> picture;
    TPixel32 left, right;  // the body's pixels beside its left and right edge, halfway down
  };
  const TCase cases[] = {
      {"colour", TKIVFillStyle::afsNormal, nullptr, aqua, aqua},
      {"gradient", TKIVFillStyle::afsGradient, nullptr, 0, 0},  // as FillGradient fills the balloon
      {"picture", TKIVFillStyle::afsGlyph, [](TPicture& p) { SetBitmap(p, 1, 1, {clRed}); }, red, red},
      {"empty picture", TKIVFillStyle::afsGlyph, nullptr, aqua, aqua},
      {"picture that does not decode", TKIVFillStyle::afsGlyph,
       [](TPicture& p) { p.SetGraphic(TPictureFormat::Bitmap, {'B', 'M', 1, 2}); }, aqua, aqua},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    THintSettings settings;
    SetMenuHintFont(settings);
    settings.color = clAqua;
    settings.fillStyle = c.style;
    settings.gradStyle = TKIVGradFillStyle::agsLinearV;
    settings.gradBeginColor = clYellow;
    settings.gradEndColor = clRed;
    if (c.picture) c.picture(settings.picture);
    const TComposed composed = Compose(settings);
    const TSize balloon = composed.layout.balloon;
    // Halfway down the body, above the pointer (apsRightTop).
    const TPoint left{1, (balloon.height - 12) / 2};
    const TPoint right{balloon.width - 2, left.y};
    TBitmap32 expected(balloon.width, balloon.height);
    if (c.style == TKIVFillStyle::afsGradient) {
      FillGradient(expected.View(), expected.Bounds(), clYellow, TKIVGradFillStyle::agsLinearV, clRed);
    } else {
      expected.At(left.x, left.y) = c.left;
      expected.At(right.x, right.y) = c.right;
    }
    EXPECT_EQ(composed.layer.At(left.x, left.y), expected.At(left.x, left.y));
    EXPECT_EQ(composed.layer.At(right.x, right.y), expected.At(right.x, right.y));
  }
}

TEST(HintBalloon, OpacityFadesTheWholeBalloonOverTheScreen) {
  THintSettings settings;
  SetMenuHintFont(settings);
  settings.color = clWhite;
  for (auto [opacity, alpha] : {std::pair{100, 255}, {50, 128}, {1, 3}, {0, 0}}) {
    SCOPED_TRACE(opacity);
    settings.opacityPercent = opacity;
    const TComposed c = Compose(settings);
    const TPoint inside{1, (c.layout.balloon.height - 12) / 2};
    EXPECT_EQ(c.layer.At(inside.x, inside.y), MakePixel(255, 255, 255, static_cast<uint8_t>(alpha)));
    const TBitmap32 shown = HintOverBackground(c.layer, c.background.View());
    // The screen weighs (100 - opacity) * 255 / 100 of 255.
    const TPixel32 under = c.background.At(inside.x, inside.y);
    auto mix = [&](uint8_t screen) { return static_cast<uint8_t>((255 * alpha + screen * (255 - alpha) + 127) / 255); };
    EXPECT_EQ(shown.At(inside.x, inside.y), MakePixel(mix(PixelR(under)), mix(PixelG(under)), mix(PixelB(under))));
    if (opacity == 0) {
      EXPECT_EQ(shown, c.background) << "only the screen";
    }
  }
}

}  // namespace
