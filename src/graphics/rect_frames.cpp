#include "graphics/rect_frames.h"

#include "graphics/colors.h"
#include "graphics/raster.h"

void DrawFrame3D(const TBitmapView& target, const TRect& rect, TColor topLeft, TColor bottomRight) {
  if (rect.IsEmpty()) return;
  const TPixel32 light = ColorToPixel(topLeft), dark = ColorToPixel(bottomRight);
  const int32_t right = rect.right - 1, bottom = rect.bottom - 1;
  FillRect(target, {rect.left, rect.top, right, rect.top + 1}, light);
  FillRect(target, {rect.left, rect.top, rect.left + 1, bottom}, light);
  FillRect(target, {right, rect.top, right + 1, bottom + 1}, dark);
  FillRect(target, {rect.left, bottom, right + 1, bottom + 1}, dark);
}

void DrawRaisedFrame(const TBitmapView& target, const TRect& rect) {
  DrawFrame3D(target, rect, clBtnHighlight, clBtnShadow);
}

void DrawSunkenFrame(const TBitmapView& target, const TRect& rect) {
  DrawFrame3D(target, rect, clBtnShadow, clBtnHighlight);
}

void DrawClassicPushButton(const TBitmapView& target, const TRect& rect, bool pushed) {
  FillRect(target, rect, ColorToPixel(clBtnFace));
  const TRect inner{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
  const TColor dkShadow = SystemColor(21), light = SystemColor(22);
  if (pushed) {
    DrawFrame3D(target, rect, clBtnShadow, clBtnHighlight);
    DrawFrame3D(target, inner, dkShadow, light);
  } else {
    DrawFrame3D(target, rect, light, dkShadow);
    DrawFrame3D(target, inner, clBtnHighlight, clBtnShadow);
  }
}

void DrawDottedFrame(const TBitmapView& target, const TRect& rect) {
  const TRect r = rect.Intersect(target.Bounds());
  if (r.IsEmpty()) return;
  const TPixel32 black = MakePixel(0, 0, 0);
  auto dot = [&](int32_t x, int32_t y) {
    if (((x + y) & 1) == 0 && r.Contains({x, y})) target.At(x, y) = black;
  };
  for (int32_t x = rect.left; x < rect.right; ++x) dot(x, rect.top), dot(x, rect.bottom - 1);
  for (int32_t y = rect.top; y < rect.bottom; ++y) dot(rect.left, y), dot(rect.right - 1, y);
}

void DrawDottedFrame(TCanvas& canvas, const TRect& rect) {
  const TCanvasArea area = canvas.Area();
  if (!area.view.Empty()) DrawDottedFrame(area.view, area.Place(rect));
}
