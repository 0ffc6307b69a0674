// Drawing the laid-out items of a TQzMiniHtml2 onto a canvas.

#include <string>

#include "graphics/colors.h"
#include "graphics/raster.h"
#include "graphics/rect_frames.h"
#include "graphics/text_render.h"
#include "model/font.h"
#include "text/mini_html.h"

namespace {

void FillArea(TCanvas& canvas, const TRect& rect, TColor color) {
  const TCanvasArea area = canvas.Area();
  if (!area.view.Empty()) FillRect(area.view, area.Place(rect), ColorToPixel(color));
}

// Stretches picture into box, blending it over what is there; only the part inside the canvas's
// clip is ever made, however large the box.
void DrawPicture(TCanvas& canvas, const TBitmap32& picture, const TRect& box) {
  const TCanvasArea area = canvas.Area();
  if (area.view.Empty() || picture.Empty()) return;
  const TRect placed = area.Place(box);
  const TRect visible = placed.Intersect(area.view.Bounds());
  if (visible.IsEmpty()) return;
  TBitmap32 part(visible.Width(), visible.Height(), MakePixel(0, 0, 0, 0));
  StretchNearest(part.View(), placed.Offset(-visible.left, -visible.top), picture.View(), picture.Bounds());
  AlphaBlend(area.view, {visible.left, visible.top}, part.View());
}

}  // namespace

void TQzMiniHtml2::DrawTo(TCanvas& canvas) {
  for (const TMiniHtmlItem& item : m_items) {
    if (item.IsStartTag(htBody) && HasHtmlAttribute(item.attributes, "bgcolor")) {
      FillArea(canvas, {0, 0, m_layoutWidth, m_visibleHeight}, ParseHtmlColor(HtmlAttribute(item.attributes, "bgcolor")));
      break;
    }
  }
  for (TMiniHtmlItem& item : m_items) DrawItem(canvas, item);
}

void TQzMiniHtml2::DrawItem(TCanvas& canvas, TMiniHtmlItem& item) {
  if (item.kind == THtmlItemKind::hkTag && HtmlTagKind(item.tag) == htP &&
      HasHtmlAttribute(item.attributes, "bgcolor") && item.blockBottom > item.blockTop) {
    FillArea(canvas, {0, item.blockTop, m_layoutWidth, item.blockBottom},
             ParseHtmlColor(HtmlAttribute(item.attributes, "bgcolor")));
  }
  if (!item.Shows()) return;
  if (item.kind != THtmlItemKind::hkTag) return DrawWord(canvas, item);
  const auto attribute = [&](std::string_view name) { return std::string(HtmlAttribute(item.attributes, name)); };
  switch (item.tag) {
    case htLi:
      DrawBullet(canvas, item);
      break;
    case htImg:
      if (item.picture && item.width > 0 && item.height > 0) DrawPicture(canvas, *item.picture, item.Bounds());
      break;
    case htHr:
      DrawRule(canvas, item);
      break;
    case htTd: case htTh:
      DrawCell(canvas, item);
      break;
    case htInput:
      DrawFormElement(canvas, item);
      break;
    case htUser:
      if (OnUserDefinedDraw)
        OnUserDefinedDraw(*this, item, attribute("id"), attribute("var3"), attribute("var2"), attribute("var1"),
                          item.Bounds(), canvas, attribute("type"));
      break;
    default:
      break;
  }
}

void TQzMiniHtml2::DrawWord(TCanvas& canvas, const TMiniHtmlItem& item) const {
  canvas.Save();
  TCanvasFont font = item.font;
  TColor background = item.background;
  if (!item.link.empty()) {
    font.color = m_linkColor;
    font.style |= fsUnderline;
  }
  if (item.highlight) {
    font.color = m_highlightText;
    background = m_highlightBackground;
  }
  canvas.Font() = font;
  if (background != clNone) {
    canvas.Brush() = {background, TBrushStyle::bsSolid};
    canvas.IntersectClip({item.left, item.top - item.height, item.left + item.width, item.top + 2 * item.height});
  } else {
    canvas.Brush().style = TBrushStyle::bsClear;
  }
  TextOutAt(canvas, item.text, item.left, item.top, false, DT_NOPREFIX);
  canvas.Restore();
}

void TQzMiniHtml2::DrawBullet(TCanvas& canvas, const TMiniHtmlItem& item) const {
  // The bullet sits on the line's bottom like every item; the line is lineHeight high above it.
  const int32_t lineBottom = item.top + item.height;
  const int32_t lineTop = lineBottom - item.lineHeight;
  const int32_t middle = lineTop + item.lineHeight / 2;
  canvas.Save();
  if (item.listType == "number") {
    canvas.Font() = item.font;
    canvas.Font().color = item.listColor;
    canvas.Brush().style = TBrushStyle::bsClear;
    DrawTextRect(canvas, std::to_string(item.number) + ".", {item.left, lineTop, item.left + 24, lineBottom}, false,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  } else if (item.listType == "disc") {
    canvas.Pen() = {item.listColor, 1, TPenStyle::psSolid};
    canvas.Brush() = {item.listColor, TBrushStyle::bsSolid};
    canvas.SetAntialiased(AntialiasAvailable());
    canvas.Ellipse({item.left + 9, middle - 3, item.left + 15, middle + 3});
  } else if (item.listType == "square") {
    FillArea(canvas, {item.left + 10, middle - 2, item.left + 14, middle + 2}, item.listColor);
  }
  canvas.Restore();
}

void TQzMiniHtml2::DrawRule(TCanvas& canvas, const TMiniHtmlItem& item) const {
  const int32_t margin = (m_layoutWidth - item.ruleWidth) / 2;
  const TColor color = ParseHtmlColor(HtmlAttribute(item.attributes, "color"));
  canvas.Save();
  canvas.Pen() = {color, 1, TPenStyle::psSolid};
  const bool filled = !HasHtmlAttribute(item.attributes, "solid") || HtmlAttribute(item.attributes, "solid") != "0";
  canvas.Brush() = {color, filled ? TBrushStyle::bsSolid : TBrushStyle::bsClear};
  canvas.Rectangle({margin, item.top + 5, m_layoutWidth + item.left - margin - 5, item.top + item.ruleSize + 5});
  canvas.Restore();
}

void TQzMiniHtml2::DrawCell(TCanvas& canvas, TMiniHtmlItem& item) {
  const TRect frame{item.left - 1, item.top - 1, item.left + item.width, item.top + item.height};
  if (HasHtmlAttribute(item.attributes, "bgcolor"))
    FillArea(canvas, frame, ParseHtmlColor(HtmlAttribute(item.attributes, "bgcolor")));
  if (item.cell) {
    // The cell's document starts at (5, 5) in its own coordinates, at the cell's corner here.
    canvas.Save();
    canvas.IntersectClip(item.Bounds());
    canvas.OffsetOrigin(item.left - 5, item.top - 5 + item.cellContentOffset);
    item.cell->DrawTo(canvas);
    canvas.Restore();
  }
  canvas.Save();
  canvas.Pen() = {item.borderColor, 1, TPenStyle::psSolid};
  canvas.Brush().style = TBrushStyle::bsClear;
  canvas.Rectangle(frame);
  canvas.Restore();
}

void TQzMiniHtml2::DrawFormElement(TCanvas& canvas, const TMiniHtmlItem& item) const {
  const std::string_view type = HtmlAttribute(item.attributes, "type");
  const TCanvasArea area = canvas.Area();
  if (area.view.Empty()) return;
  if (type == "submit" || type == "button") {
    DrawClassicPushButton(area.view, area.Place(item.Bounds()), false);
    canvas.Save();
    canvas.Font() = {"Arial", HtmlFontHeight(8), 0, DEFAULT_CHARSET, clBtnText};
    canvas.Brush().style = TBrushStyle::bsClear;
    DrawTextRect(canvas, FormButtonCaption(item.attributes), item.Bounds(), false,
                 DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    canvas.Restore();
  } else if (type == "checkbox") {
    // The classic check box: a 12 x 12 sunken white box, a black tick when checked.
    const TRect box = TRect::FromSize(item.left + 2, item.top, 12, 12);
    FillArea(canvas, box, clWindow);
    DrawFrame3D(area.view, area.Place(box), clBtnShadow, clBtnHighlight);
    const TRect inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    DrawFrame3D(area.view, area.Place(inner), SystemColor(21), SystemColor(22));
    if (HasHtmlAttribute(item.attributes, "checked")) {
      // Three rows of the tick: down two pixels, then up four.
      for (int32_t row = 0; row < 3; ++row) {
        for (int32_t i = 0; i < 7; ++i) {
          const int32_t x = box.left + 3 + i;
          const int32_t y = box.top + 5 + row + (i <= 2 ? i : 4 - i);
          FillArea(canvas, {x, y, x + 1, y + 1}, clWindowText);
        }
      }
    }
  }
}
