// The geometry and pixels of the page controls' drawing: caption and icon layout, the cool
// label's layout, the shape outlines, GIF frame composition and delays, image placement, and
// hostile sizes that must draw nothing wrong.

#include <gtest/gtest.h>

#include <cmath>

#include "actions/recording_services.h"
#include "controls/button.h"
#include "controls/button_face.h"
#include "controls/cool_button.h"
#include "controls/cool_label.h"
#include "controls/gif_animator.h"
#include "controls/hot_label.h"
#include "controls/image.h"
#include "controls/shape.h"
#include "graphics/colors.h"
#include "graphics/raster.h"
#include "support/gui_application.h"
#include "window/window_paint.h"
#include "stored_defaults.h"
#include "test_pictures.h"

TEST(ButtonFace, IconAndCaptionFormOneCentredGroup) {
  struct Case {
    TKIVGlyphLayout layout;
    bool captionEmpty;
    TPoint caption, icon;
  };
  // A 121 x 33 button, caption 40 x 14, icon 16 x 16, 6-pixel gap.
  const Case cases[] = {
      {TKIVGlyphLayout::aglGlyphLeft, false, {(121 - (40 - 16 - 6)) / 2, 9}, {60 - (40 + 16 + 6) / 2, 8}},
      {TKIVGlyphLayout::aglGlyphRight, false, {(121 - (40 + 16 + 6)) / 2, 9}, {60 - (16 - 40 - 6) / 2, 8}},
      {TKIVGlyphLayout::aglGlyphTop, false, {40, (33 - (14 - 16 - 6)) / 2}, {52, 16 - (16 + 14 + 6) / 2}},
      {TKIVGlyphLayout::aglGlyphBottom, false, {40, (33 - (14 + 16 + 6)) / 2}, {52, 16 - (16 - 14 - 6) / 2}},
      {TKIVGlyphLayout::aglGlyphLeft, true, {(121 - (40 - 16 - 6)) / 2, 9}, {52, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.layout));
    const TCaptionLayout layout = LayOutCaption(121, 33, {40, 14}, true, 16, 16, c.layout, c.captionEmpty);
    EXPECT_EQ(layout.caption, c.caption);
    EXPECT_EQ(layout.icon, c.icon);
  }
  EXPECT_EQ(LayOutCaption(121, 33, {40, 14}, false, 0, 0, TKIVGlyphLayout::aglGlyphLeft, false).caption, (TPoint{40, 9}));
}

TEST(CoolLabel, RotatedBoxAndEffectMarginsLayTheTextOut) {
  TKIVCoolLabel label;
  label.SetAngle(90);
  label.SetShadowOffset(0);
  label.SetHighLightOffset(0);
  TCoolLayout layout = label.LayOut(60, 20);
  EXPECT_EQ(layout.width, 20);
  EXPECT_EQ(layout.height, 60);
  EXPECT_EQ(layout.textOrigin, (TPoint{0, 60}));

  TKIVCoolLabel effects;  // highlight at the left top by 1, shadow at the right bottom by 3
  effects.SetShadowOffset(3);
  layout = effects.LayOut(60, 20);
  EXPECT_EQ(layout.width, 64);
  EXPECT_EQ(layout.height, 24);
  EXPECT_EQ(layout.textOrigin, (TPoint{1, 1}));

  // A width far beyond the bound lays the text out with the bound's margins.
  TKIVCoolLabel outlined;
  SetAndRead(outlined, "Style", static_cast<int>(TKIVCoolLabelStyle::aclOutLine));
  outlined.SetOutLineWidth(1 << 30);
  layout = outlined.LayOut(60, 20);
  EXPECT_EQ(layout.width, 60 + 2 * kMaxEffectDistance);
  EXPECT_EQ(layout.height, 20 + 2 * kMaxEffectDistance);
  EXPECT_EQ(layout.textOrigin, (TPoint{kMaxEffectDistance, kMaxEffectDistance}));
}

TEST(Shape, OutlineGeometry) {
  TKIVShape shape;
  SetAndRead(shape, "Shape", static_cast<int>(TKIVShapeStyle::assRoundRect));
  shape.SetRoundRadius(100);
  EXPECT_EQ(shape.Outline({0, 0, 40, 30}, 1).cornerDiameter, 29);

  SetAndRead(shape, "Shape", static_cast<int>(TKIVShapeStyle::assPolygon));
  auto star = shape.Outline({0, 0, 100, 100}, 1).vertices;
  ASSERT_EQ(star.size(), 10u);
  EXPECT_EQ(star[0], (TPoint{50, 1}));  // the first point straight up at radius 49
  EXPECT_EQ(star[5].y - 50, 24);        // inner vertices at half the radius
  shape.SetVectors(9);
  const auto nonagon = shape.Outline({0, 0, 100, 100}, 1).vertices;
  ASSERT_EQ(nonagon.size(), 9u);
  for (const TPoint p : nonagon) EXPECT_NEAR(std::hypot(p.x - 50, p.y - 50), 49, 1.0);
}

TEST(GifAnimator, DelaysAreClampedAndOneFrameDoesNotAnimate) {
  TDecodedPicture gif;
  gif.format = TPictureFormat::Gif;
  gif.screenWidth = gif.screenHeight = 2;
  for (int32_t delay : {0, 20, 30000, 100}) gif.frames.push_back({TBitmap32(2, 2), {0, 0, 2, 2}, delay, 1, -1});
  EXPECT_EQ(GifFrameDelayMs(gif, 0), 50);
  EXPECT_EQ(GifFrameDelayMs(gif, 1), 50);
  EXPECT_EQ(GifFrameDelayMs(gif, 2), 10000);
  EXPECT_EQ(GifFrameDelayMs(gif, 3), 100);
  EXPECT_EQ(GifFrameDelayMs(gif, 4), 0);
  gif.frames.resize(1);
  EXPECT_EQ(GifFrameDelayMs(gif, 0), 0);
}

TEST(GifAnimator, DisposalMethodsComposeFramesInOrderOrAfresh) {
  // A 4 x 1 screen: frame 0 fills it blue; frames 1 and 2 paint one pixel red at x 1 and x 2.
  const TPixel32 blue = ColorToPixel(clBlue), red = ColorToPixel(clRed), white = ColorToPixel(clWindow);
  auto gifWith = [&](uint8_t disposal1) {
    TDecodedPicture gif;
    gif.screenWidth = 4, gif.screenHeight = 1;
    gif.frames.push_back({TBitmap32(4, 1, blue), {0, 0, 4, 1}, 100, 1, -1});
    gif.frames.push_back({TBitmap32(1, 1, red), {1, 0, 2, 1}, 100, disposal1, -1});
    gif.frames.push_back({TBitmap32(1, 1, red), {2, 0, 3, 1}, 100, 1, -1});
    return gif;
  };
  struct Case {
    uint8_t disposal;
    TPixel32 atOne;  // pixel x 1 of frame 2
  };
  for (const Case c : {Case{1, red}, Case{0, red}, Case{2, white}, Case{3, blue}}) {
    SCOPED_TRACE(static_cast<int>(c.disposal));
    const TDecodedPicture gif = gifWith(c.disposal);
    TGifAnimator stepped, fresh;
    stepped.Compose(gif, 0), stepped.Compose(gif, 1);
    const TBitmap32 step = stepped.Compose(gif, 2);
    EXPECT_EQ(step.At(1, 0), c.atOne);
    EXPECT_EQ(step.At(2, 0), red);
    EXPECT_EQ(step.At(0, 0), blue);
    EXPECT_EQ(fresh.Compose(gif, 2), step) << "composing frame 2 directly differs from stepping to it";
  }
}

TEST(Image, KeepAspectRatioCentresTheStretchedPicture) {
  EnsureGuiApplication();
  TKIVImage image;
  SetAndRead(image, "AutoSize", 0);
  image.SetBounds(0, 0, 100, 100);
  TPicture picture;
  SetBitmap(picture, 2, 1, {clRed, clRed});
  image.SetPic(picture);
  SetAndRead(image, "Stretch", 1);
  SetAndRead(image, "KeepAspectRatio", 1);
  TBitmap32 target(100, 100, ColorToPixel(clLime));
  TCanvas canvas(target.View());
  image.Paint(canvas);
  const TPixel32 nothingBehind = MakePixel(0, 0, 0);  // no parent: nothing lies behind the image
  EXPECT_EQ(target.At(50, 24), nothingBehind);
  EXPECT_EQ(target.At(0, 25), ColorToPixel(clRed));
  EXPECT_EQ(target.At(99, 74), ColorToPixel(clRed));
  EXPECT_EQ(target.At(50, 75), nothingBehind);
}

TEST(CoolButton, ANewSkinResetsTheFramesAndResizesToOneThird) {
  TKIVCoolButton button;
  SetAndRead(button, "GlyphNumber", 2);
  std::vector<TColor> pixels(150 * 177, clYellow);
  pixels[0] = clFuchsia;
  TPicture skin;
  SetBitmap(skin, 150, 177, pixels);
  button.SetPicture(skin);
  EXPECT_EQ(button.GlyphNumber(), 3);
  EXPECT_EQ(button.Width(), 150);
  EXPECT_EQ(button.Height(), 59);
  EXPECT_EQ(button.TransparentColor(), clFuchsia);
  // A skin too small to cut frames from leaves the size alone.
  TKIVCoolButton small;
  SetBitmap(skin, 3, 30, std::vector<TColor>(90, clYellow));
  small.SetPicture(skin);
  EXPECT_EQ(small.Width(), 121);
}

TEST(Controls, HostileSizesAndPicturesPaintNothingWrong) {
  EnsureGuiApplication();
  TPicture broken;
  broken.SetGraphic(TPictureFormat::Png, {0x89, 'P', 'N', 'G'});
  TKIVCoolButton cool;
  cool.Picture()->Assign(&broken);
  TKIVButton button;
  button.ImgIcon()->Assign(&broken);
  TKIVImage image;
  image.Pic()->Assign(&broken);
  TKIVShape shape;
  shape.SetBorderWidth(1000);
  TKIVHotLabel label;
  label.SetCaption("\\777");  // an escape beyond 255 is left out
  TBitmap32 target(50, 50, ColorToPixel(clLime));
  for (TControl* control : {static_cast<TControl*>(&cool), static_cast<TControl*>(&button), static_cast<TControl*>(&image), static_cast<TControl*>(&shape), static_cast<TControl*>(&label)}) {
    for (const auto& [w, h] : {std::pair{0, 0}, std::pair{-5, 10}, std::pair{1, 1}, std::pair{200, 3}}) {
      control->SetBounds(10, 10, w, h);
      TCanvas canvas(target.View());
      canvas.SetOrigin({10, 10});
      canvas.IntersectClip({0, 0, std::max(w, 0), std::max(h, 0)});
      control->Paint(canvas);
    }
  }
  EXPECT_EQ(target.At(5, 5), ColorToPixel(clLime)) << "a paint wrote outside its control";
}

// A caption escape that does not decode is left out: the control draws the rest of its caption
// as if the escape were not there, and the error is reported once for each caption text, not at
// every paint.
TEST(Controls, ACaptionEscapeThatDoesNotDecodeIsLeftOutAndReportedOnce) {
  EnsureGuiApplication();
  struct TCase {
    const char* name;
    std::unique_ptr<TKIVActionControl> control;
  };
  TCase cases[] = {{"button", std::make_unique<TKIVButton>()},
                   {"cool button", std::make_unique<TKIVCoolButton>()},
                   {"hot label", std::make_unique<TKIVHotLabel>()},
                   {"shape", std::make_unique<TKIVShape>()}};
  for (TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TRecordingMenu menu;
    menu.window.SetClientWidth(120);
    menu.window.SetClientHeight(40);
    TKIVActionControl& control = *c.control;
    control.SetName("Go");
    control.SetParent(&menu.window);
    control.SetBounds(0, 0, 120, 40);
    auto paint = [&](const std::string& caption) {
      control.SetCaption(caption);
      TBitmap32 target(120, 40);
      PaintMenuWindow(menu.window, target.View());
      return target;
    };
    const TBitmap32 bad = paint("Go \\400on");
    EXPECT_TRUE(bad == paint("Go on")) << "the rest of the caption is drawn";
    EXPECT_FALSE(bad == paint("")) << "and something was drawn at all";
    paint("Go \\400on");
    paint("\\777");
    paint("\\777");
    EXPECT_EQ(menu.services.log, (std::vector<std::string>{
                                     "paint error Go: caption \"Go \\400on\": Numeric constant too large.",
                                     "paint error Go: caption \"\\777\": Numeric constant too large."}));
    control.SetParent(nullptr);
  }
}
