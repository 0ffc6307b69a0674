#include "controls/button_face.h"

#include "graphics/picture_transparency.h"
#include "model/ident_tables.h"

void SetPushButtonFont(TFont& font) {
  font.SetName("Arial");
  font.SetSize(9);
  font.SetStyle(fsBold);
  font.SetColor(clBlack);
}

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

void DrawCaptionAndIcon(TCanvas& surface, const std::string& text, bool captionEmpty, const TButtonIcon& icon,
                        TKIVGlyphLayout layout, bool antialias, const TCaptionLook& look) {
  const TBitmapView face = surface.View();
  const TDecodedPicture* picture = icon.Decoded();
  const int32_t iw = picture ? picture->bitmap.Width() : 0, ih = picture ? picture->bitmap.Height() : 0;
  const TCaptionLayout laidOut = LayOutCaption(face.Width(), face.Height(), MeasureText(surface, text, antialias, DT_CENTER),
                                               picture != nullptr, iw, ih, layout, captionEmpty);
  const TPoint at = laidOut.caption;
  const int32_t d = look.shadowDistance;
  if (look.textStyle == TKIVCoolButtonTextStyle::abtLowered)
    DrawCaptionLayer(surface, text, {at.x + d, at.y + d}, laidOut.text, look.shadowColour, antialias);
  if (look.textStyle == TKIVCoolButtonTextStyle::abtRaised)
    DrawCaptionLayer(surface, text, {at.x - d, at.y - d}, laidOut.text, look.shadowColour, antialias);
  DrawCaptionLayer(surface, text, {at.x + look.shift, at.y + look.shift}, laidOut.text, look.colour, antialias);
  if (!picture) return;
  DrawIconPicture(face, {laidOut.icon.x + look.shift, laidOut.icon.y + look.shift}, *picture, icon.KeyColor());
}
