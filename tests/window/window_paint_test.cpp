// Painting the client area: the window colour, the design grid, and the windowless controls in
// child order on canvases placed and clipped at their bounds.

#include "window/window_paint.h"

#include <gtest/gtest.h>

#include <memory>

#include "graphics/canvas.h"
#include "graphics/colors.h"
#include "window_test_support.h"

namespace {

constexpr TPixel32 kUntouched = MakePixel(1, 2, 3);

TEST(WindowPaint, ColourFillsTheClientAreaOnly) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  ClientWidth = 40
  ClientHeight = 30
  Color = clTeal
end
)");
  TBitmap32 target(50, 40, kUntouched);
  PaintMenuWindow(*menu, target.View());
  for (int32_t y = 0; y < 40; ++y)
    for (int32_t x = 0; x < 50; ++x)
      ASSERT_EQ(target.At(x, y), x < 40 && y < 30 ? ColorToPixel(clTeal) : kUntouched) << x << "," << y;
}

// The dots land on every (i * GridX, j * GridY) inside the client area; their colour is the
// inverse of the window colour unless the product of the channels' distances from 127 is at most
// 4095, where it is black.
TEST(WindowPaint, DesignGridDots) {
  struct TCase {
    const char* color;
    TPixel32 dot;
  };
  const TCase cases[] = {
      {"$00C08040", MakePixel(0, 0, 0)},           // 63 * 1 * 65 = 4095: black
      {"$00C08140", MakePixel(0xBF, 0x7E, 0x3F)},  // 63 * 2 * 65 = 8190: the inverse
      {"clWhite", MakePixel(0, 0, 0)},             // the inverse is black too
      {"clBlack", MakePixel(255, 255, 255)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.color);
    TTestMenu menu(std::string("object frmDesign: TfrmDesign\n  ClientWidth = 40\n  ClientHeight = 30\n") +
                   "  Color = " + c.color + "\n  DesignMode = True\n  ShowGrid = True\n  GridX = 8\n  GridY = 6\nend\n");
    TBitmap32 target(48, 36, kUntouched);
    PaintMenuWindow(*menu, target.View());
    const TPixel32 background = ColorToPixel(menu->Color());
    for (int32_t y = 0; y < 36; ++y)
      for (int32_t x = 0; x < 48; ++x) {
        const TPixel32 want = x >= 40 || y >= 30 ? kUntouched : x % 8 == 0 && y % 6 == 0 ? c.dot : background;
        ASSERT_EQ(target.At(x, y), want) << x << "," << y;
      }
  }

  TTestMenu runMode("object frmDesign: TfrmDesign\n  ClientWidth = 16\n  ClientHeight = 16\n  ShowGrid = True\nend\n");
  TBitmap32 target(16, 16, kUntouched);
  PaintMenuWindow(*runMode, target.View());
  EXPECT_EQ(target.At(0, 0), ColorToPixel(clBtnFace)) << "no grid outside design mode";
}

// Fills a rectangle larger than itself and marks its logical (0, 0).
class TFillingControl : public TGraphicControl {
 public:
  TPixel32 fill = 0;
  void Paint(TCanvas& canvas) override {
    canvas.Brush().color = PixelToColor(fill);
    canvas.FillRect({-5, -5, 100, 100});
    canvas.SetPixel(0, 0, MakePixel(255, 255, 255));
  }
};

TEST(WindowPaint, WindowlessControlsPaintInChildOrderClippedToTheirBounds) {
  TTestMenu menu("object frmDesign: TfrmDesign\n  ClientWidth = 40\n  ClientHeight = 30\n  Color = clBlack\nend\n");
  auto add = [&](TRect bounds, TPixel32 fill) {
    auto* control = static_cast<TFillingControl*>(menu->InsertComponent(std::make_unique<TFillingControl>()));
    control->SetParent(menu.window);
    control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    control->fill = fill;
    return control;
  };
  const TPixel32 red = MakePixel(255, 0, 0), blue = MakePixel(0, 0, 255), green = MakePixel(0, 255, 0);
  add({5, 5, 20, 15}, red);
  add({15, 10, 30, 25}, blue);
  add({0, 0, 40, 30}, green)->SetVisible(false);

  TBitmap32 target(40, 30, kUntouched);
  PaintMenuWindow(*menu, target.View());
  EXPECT_EQ(target.At(4, 5), ColorToPixel(clBlack)) << "nothing left of the first control";
  EXPECT_EQ(target.At(5, 5), MakePixel(255, 255, 255)) << "the origin is the control's top-left";
  EXPECT_EQ(target.At(6, 6), red);
  EXPECT_EQ(target.At(16, 12), blue) << "the later child paints over the earlier";
  EXPECT_EQ(target.At(15, 10), MakePixel(255, 255, 255));
  EXPECT_EQ(target.At(29, 24), blue);
  EXPECT_EQ(target.At(30, 24), ColorToPixel(clBlack)) << "clipped at the right edge";
  EXPECT_EQ(target.At(29, 25), ColorToPixel(clBlack)) << "clipped at the bottom edge";
}

}  // namespace
