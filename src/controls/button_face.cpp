#include "controls/button_face.h"

TCaptionLayout LayOutCaption(int32_t width, int32_t height, TTextSize text, bool hasIcon, int32_t iconWidth,
                             int32_t iconHeight, TKIVGlyphLayout layout, bool captionEmpty) {
  const int32_t w = width, h = height, tw = text.width, th = text.height, iw = iconWidth, ih = iconHeight;
  TCaptionLayout result{text, {(w - tw) / 2, (h - th) / 2}, {w / 2 - iw / 2, h / 2 - ih / 2}};
  if (!hasIcon) return result;
  // The caption shifts away from the icon by half the icon and the gap; the icon stands beside
  // the caption's edge. (The formulas keep the platform's rounding.)
  switch (layout) {
    case TKIVGlyphLayout::aglGlyphLeft:
      result.caption.x = (w - (tw - iw - kIconGap)) / 2;
      if (!captionEmpty) result.icon.x = w / 2 - (tw + iw + kIconGap) / 2;
      break;
    case TKIVGlyphLayout::aglGlyphRight:
      result.caption.x = (w - (tw + iw + kIconGap)) / 2;
      if (!captionEmpty) result.icon.x = w / 2 - (iw - tw - kIconGap) / 2;
      break;
    case TKIVGlyphLayout::aglGlyphTop:
      result.caption.y = (h - (th - ih - kIconGap)) / 2;
      if (!captionEmpty) result.icon.y = h / 2 - (ih + th + kIconGap) / 2;
      break;
    case TKIVGlyphLayout::aglGlyphBottom:
      result.caption.y = (h - (th + ih + kIconGap)) / 2;
      if (!captionEmpty) result.icon.y = h / 2 - (ih - th - kIconGap) / 2;
      break;
  }
  return result;
}

void DrawCaptionLayer(TCanvas& canvas, const std::string& text, TPoint at, TTextSize size, TColor colour,
                      bool antialias) {
  canvas.Font().color = colour;
  canvas.Brush().style = TBrushStyle::bsClear;
  DrawTextBox(canvas, text, at.x, at.y, size.width, size.height, antialias, DT_CENTER | DT_NOCLIP);
}
