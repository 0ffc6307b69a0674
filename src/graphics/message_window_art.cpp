#include "graphics/message_window_art.h"

#include <algorithm>
#include <cmath>

#include "graphics/raster.h"
#include "graphics/text_render.h"

namespace {

TPixel32 Pixel(TColor color) { return MakePixel(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF); }

// Whether the pixel (x, y) lies inside a width x height rectangle with corners of radius.
bool InsideRounded(int32_t x, int32_t y, int32_t width, int32_t height, double radius) {
  const double px = x + 0.5, py = y + 0.5;
  const double cx = std::clamp(px, radius, width - radius), cy = std::clamp(py, radius, height - radius);
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= radius * radius;
}

// A rounded rectangle: outside in outsideColor, the edge one pixel wide in edge, the inside from
// fill(y).
template <class TFill>
TBitmap32 RoundedPicture(int32_t width, int32_t height, double radius, TPixel32 outside, TPixel32 edge, TFill fill) {
  TBitmap32 picture(width, height, outside);
  auto inside = [&](int32_t x, int32_t y) {
    return x >= 0 && y >= 0 && x < width && y < height && InsideRounded(x, y, width, height, radius);
  };
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      if (!inside(x, y)) continue;
      const bool onEdge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      picture.At(x, y) = onEdge ? edge : fill(y);
    }
  return picture;
}

TPixel32 Mix(TPixel32 a, TPixel32 b, int32_t num, int32_t den) {
  auto channel = [&](uint8_t ca, uint8_t cb) { return static_cast<uint8_t>(ca + (cb - ca) * num / den); };
  return MakePixel(channel(PixelR(a), PixelR(b)), channel(PixelG(a), PixelG(b)), channel(PixelB(a), PixelB(b)));
}

}  // namespace

TBitmap32 MessageFramePicture() {
  constexpr int32_t kSize = 48;
  return RoundedPicture(kSize, kSize, 9.0, Pixel(kMessageFrameKey), MakePixel(0, 0, 0),
                        [](int32_t) { return Pixel(kMessageWindowColor); });
}

TBitmap32 OkButtonPicture(TOkButtonFace face) {
  struct TLook {
    TPixel32 top, bottom, edge;
    int32_t textShift;
  };
  const TLook looks[] = {
      {MakePixel(0xFF, 0xFF, 0xFF), MakePixel(0xE0, 0xDC, 0xC8), MakePixel(0x70, 0x6C, 0x58), 0},
      {MakePixel(0xFF, 0xFB, 0xE8), MakePixel(0xFF, 0xD8, 0x80), MakePixel(0xC0, 0x80, 0x10), 0},
      {MakePixel(0xE8, 0xC0, 0x60), MakePixel(0xFF, 0xE8, 0xB0), MakePixel(0x80, 0x50, 0x00), 1},
  };
  const TLook& look = looks[static_cast<int>(face)];
  TBitmap32 picture = RoundedPicture(kOkButtonWidth, kOkButtonHeight, 4.0, Pixel(kMessageWindowColor), look.edge,
                                     [&](int32_t y) { return Mix(look.top, look.bottom, y, kOkButtonHeight - 1); });
  TCanvas canvas(picture.View());
  canvas.Font().name = "Tahoma";
  canvas.Font().height = -11;
  canvas.Font().style = 1;  // bold
  canvas.Font().color = 0;
  canvas.Brush().style = TBrushStyle::bsClear;
  DrawTextRect(canvas, "OK", TRect{look.textShift, look.textShift, kOkButtonWidth + look.textShift,
                                   kOkButtonHeight + look.textShift},
               false, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  return picture;
}

TBitmap32 StretchMessageFrame(const TBitmapView& picture, int32_t width, int32_t height) {
  TBitmap32 frame(std::max(width, 0), std::max(height, 0), Pixel(kMessageFrameKey));
  const int32_t b = kMessageFrameBorder, sw = picture.Width(), sh = picture.Height();
  if (frame.Empty() || sw < 2 * b || sh < 2 * b) return frame;
  const int32_t xs[] = {0, b, sw - b, sw}, ys[] = {0, b, sh - b, sh};
  const int32_t xd[] = {0, b, width - b, width}, yd[] = {0, b, height - b, height};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      const TRect dst{xd[column], yd[row], xd[column + 1], yd[row + 1]};
      if (dst.Width() <= 0 || dst.Height() <= 0) continue;
      StretchNearest(frame.View(), dst, picture, TRect{xs[column], ys[row], xs[column + 1], ys[row + 1]});
    }
  return frame;
}

TMessageLayout LayoutMessageWindow(int32_t textWidth, int32_t textHeight) {
  const int32_t w = std::max(textWidth, 40), h = std::max(textHeight, 32);
  TMessageLayout layout;
  layout.width = w + 80;
  layout.height = h + 77;
  layout.icon = TRect::FromSize(16, 16, 32, 32);
  layout.text = TRect::FromSize(64, 22, w, h);
  layout.button = TRect::FromSize((layout.width - kOkButtonWidth) / 2, h + 38, kOkButtonWidth, kOkButtonHeight);
  return layout;
}

void MeasureMessageText(const TCanvas& canvas, std::string_view text, int32_t maxWidth, int32_t& width, int32_t& height) {
  const TRect extent = CalcTextRectPlain(canvas, text, TRect{0, 0, maxWidth, 0}, kMessageTextFlags);
  width = extent.Width();
  height = extent.Height();
}

void PaintMessageWindow(TCanvas& canvas, const TMessageLayout& layout, const TBitmapView& frame,
                        const TBitmapView& icon, std::string_view text, const TBitmapView& buttonFace) {
  const TBitmapView& view = canvas.View();
  CopyRect(view, {0, 0}, frame);
  if (!icon.Empty()) AlphaBlend(view, {layout.icon.left, layout.icon.top}, icon);
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.Font().color = 0;
  DrawTextRect(canvas, text, layout.text, false, kMessageTextFlags);
  CopyRect(view, {layout.button.left, layout.button.top}, buttonFace);
}
