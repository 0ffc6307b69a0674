// Composing a windowless control with what lies behind it: the background capture (parent's own
// picture and the siblings below), the opacity composite, the colour blend, and the captures
// shared within one paint.

#include "window/control_composite.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "graphics/bitmap_to_canvas.h"
#include "graphics/colors.h"
#include "graphics/raster.h"

namespace {

// A parent whose own picture is a pattern that differs at every pixel of the test sizes.
class TPatternParent : public TWinControl {
 public:
  static TPixel32 At(int32_t x, int32_t y) { return MakePixel(static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5), 9); }
  void Paint(TCanvas& canvas) override {
    const TCanvasArea area = canvas.Area();
    for (int32_t y = 0; y < Height(); ++y)
      for (int32_t x = 0; x < Width(); ++x) {
        const TPoint p = area.Place(TPoint{x, y});
        if (area.view.Bounds().Contains(p)) area.view.At(p.x, p.y) = At(x, y);
      }
  }
};

// Fills its bounds with one colour and remembers whether it painted as a copy.
class TFilledControl : public TGraphicControl {
 public:
  explicit TFilledControl(TPixel32 fill) : m_fill(fill) {}
  void Paint(TCanvas& canvas) override {
    paintedAsCopy = PaintingCopy();
    const TCanvasArea area = canvas.Area();
    FillRect(area.view, area.Place(TRect::FromSize(0, 0, Width(), Height())), m_fill);
  }
  bool paintedAsCopy = false;

 private:
  TPixel32 m_fill;
};

struct TScene {
  TScene() {
    parent.SetBounds(0, 0, 40, 30);
    below->SetBounds(5, 5, 10, 10);
    control->SetBounds(10, 10, 12, 8);
    above->SetBounds(12, 12, 4, 4);
    for (TControl* child : {below.get(), control.get(), above.get()}) child->SetParent(&parent);
  }
  ~TScene() {
    for (TControl* child : {below.get(), control.get(), above.get()}) child->SetParent(nullptr);
  }
  TPatternParent parent;
  std::unique_ptr<TFilledControl> below = std::make_unique<TFilledControl>(MakePixel(255, 0, 0));
  std::unique_ptr<TFilledControl> control = std::make_unique<TFilledControl>(MakePixel(0, 255, 0));
  std::unique_ptr<TFilledControl> above = std::make_unique<TFilledControl>(MakePixel(0, 0, 255));
};

// What the capture must hold at the control's pixel (x, y): the earlier sibling where it lies,
// else the parent's pattern; never the control itself nor the later sibling.
TPixel32 ExpectedBackground(int32_t x, int32_t y) {
  const int32_t px = x + 10, py = y + 10;
  if (px < 15 && py < 15) return MakePixel(255, 0, 0);
  return TPatternParent::At(px, py);
}

TEST(Composite, CaptureHoldsTheParentAndTheSiblingsBelowOnly) {
  TScene scene;
  const TBitmap32 background = CaptureBackground(*scene.control);
  ASSERT_EQ(background.Width(), 12);
  ASSERT_EQ(background.Height(), 8);
  for (int32_t y = 0; y < 8; ++y)
    for (int32_t x = 0; x < 12; ++x) ASSERT_EQ(background.At(x, y), ExpectedBackground(x, y)) << x << "," << y;
  EXPECT_TRUE(scene.below->paintedAsCopy);
  EXPECT_FALSE(scene.below->PaintingCopy());
  EXPECT_FALSE(scene.parent.PaintingCopy());
}

TEST(Composite, CaptureStopsAtTheParentsClientArea) {
  TScene scene;
  scene.control->SetBounds(35, 25, 10, 10);  // half outside the 40 x 30 parent
  const TBitmap32 background = CaptureBackground(*scene.control);
  EXPECT_EQ(background.At(4, 4), TPatternParent::At(39, 29));
  EXPECT_EQ(background.At(5, 5), MakePixel(0, 0, 0));
}

TEST(Composite, ControlWithoutParentCapturesNothing) {
  TFilledControl orphan(MakePixel(1, 1, 1));
  orphan.SetBounds(0, 0, 3, 3);
  TBitmap32 target(3, 3, MakePixel(4, 5, 6));
  TCanvas canvas(target.View());
  CopyParentBackground(orphan, canvas);
  EXPECT_EQ(target.At(1, 1), MakePixel(4, 5, 6));
}

// Opacity 100 shows the surface as it is, 0 only the background, and anything between mixes the
// background in with weight (100 - opacity) * 255 / 100 out of 255; values beyond 0..100 clamp.
TEST(Composite, OpacityFadesTowardsTheBackground) {
  struct TCase {
    int32_t opacity;
    uint8_t backgroundWeight;
  };
  for (const TCase& c : {TCase{100, 0}, TCase{150, 0}, TCase{50, 127}, TCase{25, 191}, TCase{0, 255}, TCase{-5, 255}}) {
    TScene scene;
    const TBitmap32 surface(12, 8, MakePixel(200, 100, 50));
    TBitmap32 window(40, 30, MakePixel(0, 0, 0));
    TCanvas canvas(window.View());
    canvas.SetOrigin({10, 10});
    canvas.IntersectClip(TRect::FromSize(0, 0, 12, 8));
    CompositeOpacity(*scene.control, c.opacity, surface, canvas);
    for (int32_t y = 0; y < 8; ++y)
      for (int32_t x = 0; x < 12; ++x) {
        const TPixel32 back = ExpectedBackground(x, y), top = surface.At(x, y);
        auto mix = [&](uint8_t b, uint8_t t) {
          return static_cast<uint8_t>((t * (255 - c.backgroundWeight) + b * c.backgroundWeight + 127) / 255);
        };
        const TPixel32 expected = MakePixel(mix(PixelR(back), PixelR(top)), mix(PixelG(back), PixelG(top)),
                                            mix(PixelB(back), PixelB(top)));
        ASSERT_EQ(window.At(x + 10, y + 10), expected) << c.opacity << " at " << x << "," << y;
      }
    EXPECT_EQ(window.At(9, 9), MakePixel(0, 0, 0)) << "outside the control";
  }
}

TEST(Composite, ColourBlendsHalfAndHalfWithTheBackground) {
  TScene scene;
  TBitmap32 target(12, 8);
  TCanvas canvas(target.View());
  BlendColorOverBackground(canvas, *scene.control, clWhite);
  const TPixel32 back = ExpectedBackground(11, 7);
  auto mix = [](uint8_t b) { return static_cast<uint8_t>((255 * 127 + b * 128 + 127) / 255); };
  EXPECT_EQ(target.At(11, 7), MakePixel(mix(PixelR(back)), mix(PixelG(back)), mix(PixelB(back))));
}

// Captures its background in every paint, as the page controls do, and counts its paints.
class TCapturingControl : public TGraphicControl {
 public:
  void Paint(TCanvas& canvas) override {
    ++paints;
    CopyToCanvas(canvas, {0, 0}, CaptureBackground(*this).View());
  }
  int paints = 0;
};

// Thirty controls stacked on each other: each capture paints every control below, whose paints
// capture again. Within a scope each control's capture is made once.
TEST(Composite, ScopeMakesEachCaptureOnce) {
  TPatternParent parent;
  parent.SetBounds(0, 0, 40, 30);
  std::vector<std::unique_ptr<TCapturingControl>> stack;
  for (int i = 0; i < 30; ++i) {
    stack.push_back(std::make_unique<TCapturingControl>());
    stack.back()->SetBounds(i % 3, i % 2, 20, 20);
    stack.back()->SetParent(&parent);
  }
  TBitmap32 target(40, 30);
  {
    const TCaptureScope captures;
    TCanvas canvas(target.View());
    for (auto& control : stack) PaintChildControl(canvas, *control);
  }
  EXPECT_EQ(stack.front()->paints, 30) << "once on its own place, once in each capture above it";
  EXPECT_EQ(stack.back()->paints, 1);
  EXPECT_EQ(target.At(21, 20), TPatternParent::At(21, 20)) << "the captures show the parent";
  for (auto& control : stack) control->SetParent(nullptr);
}

}  // namespace
