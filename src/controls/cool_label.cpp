#include "controls/cool_label.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "controls/control_paint.h"
#include "controls/window_drag.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/raster.h"
#include "window/control_composite.h"

TCoolEffectControl::TCoolEffectControl() {
  m_width = 80;
  m_height = 20;
}

template <class C>
void TCoolEffectControl::AddEffectProperties(TClassBuilder<C>& builder) {
  // The members live in this class; the explicit C turns each member pointer into one of C.
  using B = TCoolEffectControl;
  builder.Bool("AutoSize", Accessors<C, bool, bool>(&B::AutoSize, &B::SetAutoSize))
      .Enum("FillStyle", Field<C, TKIVFillStyle>(&B::m_fillStyle))
      .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
      .Color("GradBeginColor", Field<C, TColor>(&B::m_gradBeginColor))
      .Color("GradEndColor", Field<C, TColor>(&B::m_gradEndColor))
      .Enum("GradStyle", Field<C, TKIVGradFillStyle>(&B::m_gradStyle))
      .Color("HighLightColor", Field<C, TColor>(&B::m_highLightColor))
      .Integer("HighLightOffset", Accessors<C, int32_t, int32_t>(&B::HighLightOffset, &B::SetHighLightOffset))
      .Enum("HighLightPosition", Field<C, TKIVPosition>(&B::m_highLightPosition))
      .Color("OutLineColor", Field<C, TColor>(&B::m_outLineColor))
      .Integer("OutLineWidth", Accessors<C, int32_t, int32_t>(&B::OutLineWidth, &B::SetOutLineWidth))
      .Color("ShadowColor", Field<C, TColor>(&B::m_shadowColor))
      .Integer("ShadowOffset", Accessors<C, int32_t, int32_t>(&B::ShadowOffset, &B::SetShadowOffset))
      .Enum("ShadowPosition", Field<C, TKIVPosition>(&B::m_shadowPosition))
      .Enum("ShadowStyle", Field<C, TKIVCoolLabelShadowStyle>(&B::m_shadowStyle))
      .Enum("Style", Field<C, TKIVCoolLabelStyle>(&B::m_style));
}

void TCoolEffectControl::SetHighLightOffset(int32_t offset) { m_highLightOffset = EffectDistance(offset); }

void TCoolEffectControl::SetOutLineWidth(int32_t width) { m_outLineWidth = EffectDistance(width); }

void TCoolEffectControl::SetShadowOffset(int32_t offset) { m_shadowOffset = EffectDistance(offset); }

void TCoolEffectControl::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

const TClassInfo& TKIVCoolLabel::StaticClass() {
  using C = TKIVCoolLabel;
  static const TClassInfo* info = [] {
    TClassBuilder<C> builder("TKIVCoolLabel", &TKIVStaticActionControl::StaticClass());
    builder.Integer("Angle", Accessors(&C::Angle, &C::SetAngle));
    AddEffectProperties(builder);
    return builder.Bool("WMHandle", Field(&C::m_wmHandle))
        .Integer("Opacity", Accessors<C, int32_t, int32_t>(&C::Opacity, &C::SetOpacity), 100)
        .Build();
  }();
  return *info;
}

TKIVCoolLabel::TKIVCoolLabel() {
  m_autoSize = true;
  m_fillStyle = TKIVFillStyle::afsGradient;
  m_outLineColor = clLime;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Times New Roman");
  m_font.SetSize(20);
  m_font.SetStyle(fsBold);
}

void TKIVCoolLabel::SetAngle(int32_t degrees) {
  int32_t reduced = degrees % 360;
  m_angle = reduced < 0 ? reduced + 360 : reduced;
}

const TClassInfo& TKIVCoolText::StaticClass() {
  using C = TKIVCoolText;
  static const TClassInfo* info = [] {
    TClassBuilder<C> builder("TKIVCoolText", &TKIVStaticActionControl::StaticClass());
    builder.Enum("Alignment", Field(&C::m_alignment));
    AddEffectProperties(builder);
    return builder.Bool("WordWrap", Field(&C::m_wordWrap))
        .Integer("Opacity", Accessors<C, int32_t, int32_t>(&C::Opacity, &C::SetOpacity), 100)
        .Build();
  }();
  return *info;
}

TKIVCoolText::TKIVCoolText() {
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(8);
  m_acceleratorEnabled = false;
}

namespace {

// Rounds to the nearest integer, a half to the even neighbour.
int32_t Nearest(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

// The offset of a layer at position and distance d from the text's origin.
TPoint LayerOffset(TKIVPosition position, int32_t d) {
  switch (position) {
    case TKIVPosition::apsLeftTop: return {-d, -d};
    case TKIVPosition::apsLeftBottom: return {-d, d};
    case TKIVPosition::apsRightTop: return {d, -d};
    case TKIVPosition::apsRightBottom: break;
  }
  return {d, d};
}

struct TMargins {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  // Widens the two sides position names to at least d.
  void Widen(TKIVPosition position, int32_t d) {
    const bool leftSide = position == TKIVPosition::apsLeftTop || position == TKIVPosition::apsLeftBottom;
    const bool topSide = position == TKIVPosition::apsLeftTop || position == TKIVPosition::apsRightTop;
    int32_t& horizontal = leftSide ? left : right;
    int32_t& vertical = topSide ? top : bottom;
    horizontal = std::max(horizontal, d);
    vertical = std::max(vertical, d);
  }
};

// The soft shadow's layer at distance k of d: k - 1 steps of d from colour towards white.
TColor SoftShadowColour(TColor colour, int32_t k, int32_t d) {
  const TColor rgb = ResolveColor(colour);
  TColor result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int32_t c = static_cast<int32_t>((rgb >> shift) & 0xFF);
    result |= static_cast<TColor>(c + (255 - c) * (k - 1) / d) << shift;
  }
  return result;
}

}  // namespace

TCoolLayout TCoolEffectControl::LayOut(int32_t textWidth, int32_t textHeight) const {
  int32_t w = textWidth, h = textHeight;
  TPoint origin;
  if (const int32_t angle = Rotation(); angle != 0) {
    const double radians = angle * std::numbers::pi / 180.0;
    const double s = std::abs(std::sin(radians)), c = std::abs(std::cos(radians));
    int32_t boxWidth = 0, boxHeight = 0;
    if (angle <= 90) {
      boxWidth = Nearest(w * c + h * s);
      boxHeight = Nearest(h * c + w * s);
    } else {
      boxWidth = Nearest(w * c) + Nearest(h * s);
      boxHeight = Nearest(h * c) + Nearest(w * s);
    }
    if (angle <= 90) origin = {0, Nearest(w * s)};
    else if (angle <= 180) origin = {Nearest(w * c), boxHeight};
    else if (angle <= 270) origin = {boxWidth, Nearest(h * c)};
    else origin = {Nearest(h * s), 0};
    w = boxWidth;
    h = boxHeight;
  }
  TMargins margins;
  if (m_style == TKIVCoolLabelStyle::aclHighLight) margins.Widen(m_highLightPosition, HighLightOffset());
  if (m_style == TKIVCoolLabelStyle::aclOutLine) {
    margins.Widen(TKIVPosition::apsLeftTop, OutLineWidth());
    margins.Widen(TKIVPosition::apsRightBottom, OutLineWidth());
  }
  margins.Widen(m_shadowPosition, ShadowOffset());
  return {w + margins.left + margins.right, h + margins.top + margins.bottom,
          {origin.x + margins.left, origin.y + margins.top}};
}

void TCoolEffectControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TKIVStaticActionControl::MouseDown(button, shift, x, y);
  if (DragsWindow()) DragMenuWindow(*this);
}

void TCoolEffectControl::Paint(TCanvas& canvas) {
  const TCanvasFont font = TCanvasFont::From(m_font);
  const TTextSize extent = MeasureCaption(font);
  const TCoolLayout layout = LayOut(extent.width, extent.height);
  if (m_autoSize && (layout.width != m_width || layout.height != m_height)) {
    SetBounds(m_left, m_top, layout.width, layout.height);
    // The window clipped this paint to the old size; the new one shows at once and the window
    // repaints what the old size covered.
    canvas.ResetClip();
    canvas.IntersectClip({0, 0, m_width, m_height});
    Invalidate();
  }
  if (!Visible() || m_width <= 0 || m_height <= 0) return;
  TBitmap32 surface = CaptureBackground(*this);
  const TBitmapView view = surface.View();
  const TTextMask mask = TextMask(font, extent);
  const TPoint at = layout.textOrigin;
  auto layer = [&](TPoint offset, TColor colour) { mask.PaintColour(view, {at.x + offset.x, at.y + offset.y}, colour); };

  if (const int32_t d = ShadowOffset(); d > 0) {
    const int32_t nearest = m_shadowStyle == TKIVCoolLabelShadowStyle::acsNormal ? d : 1;
    for (int32_t k = d; k >= nearest; --k) {
      const TColor colour = m_shadowStyle == TKIVCoolLabelShadowStyle::acsSoft ? SoftShadowColour(m_shadowColor, k, d)
                                                                                : m_shadowColor;
      layer(LayerOffset(m_shadowPosition, k), colour);
    }
  }
  if (m_style == TKIVCoolLabelStyle::aclHighLight && HighLightOffset() != 0)
    layer(LayerOffset(m_highLightPosition, HighLightOffset()), m_highLightColor);
  // The layers at every offset of the outline's square, all of one colour, are painted at once
  // through the text grown by the width.
  if (m_style == TKIVCoolLabelStyle::aclOutLine) mask.Dilated(OutLineWidth()).PaintColour(view, at, m_outLineColor);

  const bool glyphFace = m_fillStyle == TKIVFillStyle::afsGlyph && !m_glyph.Empty();
  if (m_fillStyle == TKIVFillStyle::afsGradient || glyphFace) {
    TBitmap32 fill = surface;
    if (glyphFace) {
      if (const TDecodedPicture* tile = m_glyphCache.Get(m_glyph)) {
        for (int32_t y = 0; y < m_height; y += tile->bitmap.Height())
          for (int32_t x = 0; x < m_width; x += tile->bitmap.Width()) AlphaBlend(fill.View(), {x, y}, tile->bitmap.View());
      }
    } else {
      FillGradient(fill.View(), fill.Bounds(), m_gradBeginColor, m_gradStyle, m_gradEndColor);
    }
    mask.PaintFrom(view, at, fill);
  } else {
    layer({0, 0}, m_font.Color());
  }
  CompositeOpacity(*this, m_opacity, surface, canvas);
}

TTextSize TKIVCoolLabel::MeasureCaption(const TCanvasFont& font) const {
  TBitmap32 scratch(1, 1);
  TCanvas canvas(scratch.View());
  canvas.Font() = font;
  const TRect wide = CalcTextRectPlain(canvas, m_caption, {}, DT_CALCRECT | DT_SINGLELINE | DT_VCENTER | DT_CENTER);
  const TRect tall = CalcTextRectPlain(canvas, m_caption, {}, DT_CALCRECT | DT_SINGLELINE);
  return {wide.Width(), tall.Height()};
}

TTextMask TKIVCoolLabel::TextMask(const TCanvasFont& font, TTextSize extent) const {
  // Room beyond the measured width for the overhang of slanted glyphs.
  return TTextMask(font, m_caption, extent.width + extent.height, extent.height, DT_SINGLELINE | DT_NOCLIP, m_angle);
}

uint32_t TKIVCoolText::BlockFlags() const {
  uint32_t flags = DT_NOPREFIX | DT_EXPANDTABS;
  if (m_alignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (m_alignment == TAlignment::taCenter) flags |= DT_CENTER;
  return flags;
}

TTextSize TKIVCoolText::MeasureCaption(const TCanvasFont& font) const {
  TBitmap32 scratch(1, 1);
  TCanvas canvas(scratch.View());
  canvas.Font() = font;
  const TRect extent = CalcTextRectPlain(canvas, m_caption, {}, DT_CALCRECT | BlockFlags());
  return {extent.right, extent.bottom};
}

TTextMask TKIVCoolText::TextMask(const TCanvasFont& font, TTextSize extent) const {
  (void)extent;  // the block is laid out in the control's own size
  return TTextMask(font, m_caption, m_width, m_height, BlockFlags() | (m_wordWrap ? DT_WORDBREAK : 0), 0);
}
