#include "text/text_border.h"

#include <algorithm>

#include "graphics/rect_frames.h"

TRect TextClientArea(TKIVTextBoxBorderStyle style, int32_t width, int32_t height) {
  const int32_t border = style == TKIVTextBoxBorderStyle::atbNone ? 0 : 2;
  return {border, border, std::max(border, width - border), std::max(border, height - border)};
}

void PaintTextBorder(TCanvas& canvas, TKIVTextBoxBorderStyle style, int32_t width, int32_t height, TColor borderColor,
                     TColor color) {
  const TCanvasArea area = canvas.Area();
  const TRect outer = area.Place({0, 0, width, height});
  const TRect inner{outer.left + 1, outer.top + 1, outer.right - 1, outer.bottom - 1};
  switch (style) {
    case TKIVTextBoxBorderStyle::atbNone: break;
    case TKIVTextBoxBorderStyle::atbNormal:
      // Shadow over highlight, and dark shadow over light inside it.
      DrawFrame3D(area.view, outer, clBtnShadow, clBtnHighlight);
      DrawFrame3D(area.view, inner, SystemColor(21), SystemColor(22));
      break;
    case TKIVTextBoxBorderStyle::atbFlat:
      DrawFrame3D(area.view, outer, borderColor, borderColor);
      DrawFrame3D(area.view, inner, color, color);
      break;
  }
}
