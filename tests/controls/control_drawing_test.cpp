// The geometry and pixels of the page controls' drawing: caption and icon layout, the cool
// label's layout, the shape outlines, image placement, and hostile sizes that must draw nothing
// wrong.

#include <gtest/gtest.h>

#include <cmath>

#include "actions/recording_services.h"
#include "controls/button.h"
#include "controls/button_face.h"
#include "controls/cool_button.h"
#include "controls/cool_label.h"
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
