#include "controls/hot_label.h"

#include <QGuiApplication>
#include <algorithm>

#include "controls/button_face.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/raster.h"
#include "graphics/rect_frames.h"
#include "window/control_composite.h"

const TClassInfo& TKIVHotLabel::StaticClass() {
  using C = TKIVHotLabel;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVHotLabel", &TKIVActionControl::StaticClass())
          // Declared here rather than published from the platform control: the label starts
          // auto-sized, so the value is always written, false included.
          .Bool("AutoSize", Accessors(&C::AutoSize, &C::SetAutoSize))
          .Color("DownColor", Accessors(&C::DownColor, &C::SetDownColor))
          .Color("OutLineColor", Accessors(&C::OutLineColor, &C::SetOutLineColor))
          .Color("OverColor", Accessors(&C::OverColor, &C::SetOverColor))
          .Color("VisitedColor", Accessors(&C::VisitedColor, &C::SetVisitedColor))
          .Enum("Style", Accessors(&C::Style, &C::SetStyle))
          .Color("BGColor1", Accessors(&C::BGColor1, &C::SetBGColor1))
          .Color("BGColor2", Accessors(&C::BGColor2, &C::SetBGColor2))
          .Color("BGColor3", Accessors(&C::BGColor3, &C::SetBGColor3))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVHotLabel::TKIVHotLabel() {
  m_autoSize = true;
  m_width = 67;
  m_height = 16;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(8);
  m_font.SetStyle(fsBold);
  m_font.SetColor(clBlack);
}

void TKIVHotLabel::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

void TKIVHotLabel::SetDownColor(TColor color) { m_downColor = color, Invalidate(); }
void TKIVHotLabel::SetOutLineColor(TColor color) { m_outLineColor = color, Invalidate(); }
void TKIVHotLabel::SetOverColor(TColor color) { m_overColor = color, Invalidate(); }
void TKIVHotLabel::SetStyle(TKIVHotLabelStyle style) { m_style = style, Invalidate(); }
void TKIVHotLabel::SetBGColor1(TColor color) { m_bgColor1 = color, Invalidate(); }
void TKIVHotLabel::SetBGColor2(TColor color) { m_bgColor2 = color, Invalidate(); }
void TKIVHotLabel::SetBGColor3(TColor color) { m_bgColor3 = color, Invalidate(); }

void TKIVHotLabel::SetVisitedColor(TColor color) {
  m_visitedColor = color;
  if (Visited()) Invalidate();
}

void TKIVHotLabel::SetAutoSize(bool autoSize) {
  if (autoSize == m_autoSize) return;
  m_autoSize = autoSize;
  // Measuring needs the fonts of a running user interface; while loading, the first paint sizes.
  if (!autoSize || IsLoading() || !QGuiApplication::instance()) return;
  TBitmap32 scratch(1, 1);
  TCanvas canvas(scratch.View());
  if (ApplyAutoSize(canvas)) Invalidate();
}

bool TKIVHotLabel::ApplyAutoSize(TCanvas& canvas) {
  if (!m_autoSize) return false;
  canvas.SetFont(m_font);
  TTextSize size = MeasureText(canvas, DecodedCaption(), m_textMode == TKIVTextRenderMode::atmAntiAlias, DT_CENTER);
  if (m_style == TKIVHotLabelStyle::aalOutLine || m_style == TKIVHotLabelStyle::aalFrame) {
    size.width += 2;
    size.height += 2;
  }
  if (size.width == m_width && size.height == m_height) return false;
  SetBounds(m_left, m_top, size.width, size.height);
  return true;
}

TColor TKIVHotLabel::StateColor(const TFaceState& state) const {
  if (state.pressed) return m_downColor;
  if (state.hovered) return m_overColor;
  if (state.visited) return m_visitedColor;
  return m_font.Color();
}

void TKIVHotLabel::Paint(TCanvas& canvas) {
  if (ApplyAutoSize(canvas)) {
    // The window clipped this paint to the old size; the new one shows at once and the window
    // repaints what the old size covered.
    canvas.ResetClip();
    canvas.IntersectClip({0, 0, m_width, m_height});
    Invalidate();
  }
  if (!Visible() || m_width <= 0 || m_height <= 0) return;
  TBitmap32 surface = CaptureBackground(*this);
  TCanvas surfaceCanvas(surface.View());
  surfaceCanvas.SetFont(m_font);
  PaintStyle(surfaceCanvas, FaceState(*this));
  CompositeOpacity(*this, m_opacity, surface, canvas);
}

void TKIVHotLabel::PaintStyle(TCanvas& surface, const TFaceState& state) {
  const bool antialias = m_textMode == TKIVTextRenderMode::atmAntiAlias;
  const TBitmapView view = surface.View();
  const TRect client = view.Bounds();
  switch (m_style) {
    case TKIVHotLabelStyle::aalUnderLine:
      if (state.hovered)
        surface.Font().style |= fsUnderline;
      else
        surface.Font().style &= ~uint32_t{fsUnderline};
      break;
    case TKIVHotLabelStyle::aalFrame:
      if (state.hovered || state.pressed) DrawFrame3D(view, client, m_outLineColor, m_outLineColor);
      break;
    case TKIVHotLabelStyle::aalBackground: {
      const TColor fill = state.pressed ? m_bgColor3 : state.hovered ? m_bgColor2 : m_bgColor1;
      FillRect(view, client, ColorToPixel(fill));
      break;
    }
    case TKIVHotLabelStyle::aalGradBackground:
      if (state.pressed)
        FillRect(view, client, ColorToPixel(m_bgColor3));
      else if (state.hovered)
        FillGradient(view, client, m_bgColor2, TKIVGradFillStyle::agsLinearV, m_bgColor1);
      else
        FillGradient(view, client, m_bgColor1, TKIVGradFillStyle::agsLinearV, m_bgColor2);
      break;
    default: break;
  }
  const std::string text = DecodedCaption();
  const TTextSize size = MeasureText(surface, text, antialias, DT_CENTER);
  const TPoint at{(m_width - size.width) / 2, (m_height - size.height) / 2};
  if (m_style == TKIVHotLabelStyle::aalOutLine && state.hovered) {
    for (const TPoint d : {TPoint{-1, -1}, TPoint{1, 1}, TPoint{-1, 1}, TPoint{1, -1}})
      DrawCaptionLayer(surface, text, {at.x + d.x, at.y + d.y}, size, m_outLineColor, antialias);
  }
  DrawCaptionLayer(surface, text, at, size, StateColor(state), antialias);
}
