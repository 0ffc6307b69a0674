// Text masks: the outline painted through the grown mask against the outline as a stack of
// layers, one at every offset of its square.

#include "graphics/text_layers.h"

#include <gtest/gtest.h>

#include "graphics/colors.h"
#include "graphics/text_render.h"
#include "support/gui_application.h"

namespace {

// A background of distinct pixels, so a layer painted one pixel off shows.
TBitmap32 Background(int32_t width, int32_t height) {
  TBitmap32 bitmap(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      bitmap.At(x, y) = MakePixel(static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 11), static_cast<uint8_t>(x ^ y));
  return bitmap;
}

TEST(TextMask, GrownMaskPaintsTheSameOutlineAsALayerAtEveryOffset) {
  EnsureGuiApplication();
  struct Case {
    const char* name;
    const char* text;
    const char* fontName;
    int32_t fontHeight;
    uint32_t fontStyle;
    int32_t width, height;
    uint32_t flags;
    int32_t angle;
    TPoint at;  // the text origin in the target; near the edges the outline is cut off there
  };
  const Case cases[] = {
      {"label", "Outline &go", "Times New Roman", -20, fsBold, 110, 24, DT_SINGLELINE | DT_NOCLIP, 0, {12, 10}},
      {"label cut at the top left", "Outline", "Times New Roman", -20, fsBold, 90, 24, DT_SINGLELINE | DT_NOCLIP, 0, {1, 0}},
      {"rotated label", "Turn 300", "Times New Roman", -16, fsBold, 90, 20, DT_SINGLELINE | DT_NOCLIP, 300, {20, 8}},
      {"rotated label cut at the bottom right", "Turn 45", "Times New Roman", -16, fsBold, 80, 20, DT_SINGLELINE | DT_NOCLIP, 45, {70, 70}},
      {"wrapped block", "Centred text that wraps", "Arial", -13, 0, 70, 50, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX, 0, {6, 4}},
  };
  for (const Case& c : cases) {
    TFont font;
    font.SetName(c.fontName);
    font.SetHeight(c.fontHeight);
    font.SetStyle(c.fontStyle);
    const TTextMask mask(TCanvasFont::From(font), c.text, c.width, c.height, c.flags, c.angle);
    for (int32_t radius : {0, 1, 2, 5}) {
      SCOPED_TRACE(testing::Message() << c.name << ", radius " << radius);
      TBitmap32 stacked = Background(120, 90);
      for (int32_t dx = -radius; dx <= radius; ++dx)
        for (int32_t dy = -radius; dy <= radius; ++dy) mask.PaintColour(stacked.View(), {c.at.x + dx, c.at.y + dy}, clNavy);
      TBitmap32 grown = Background(120, 90);
      mask.Dilated(radius).PaintColour(grown.View(), c.at, clNavy);
      EXPECT_NE(stacked, Background(120, 90));  // the text is there
      EXPECT_EQ(grown, stacked);
    }
  }
}

}  // namespace
