#include "controls/cool_label.h"

#include <algorithm>

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

void TCoolEffectControl::SetHighLightOffset(int32_t offset) { m_highLightOffset = std::max(offset, 0); }

void TCoolEffectControl::SetOutLineWidth(int32_t width) { m_outLineWidth = std::max(width, 0); }

void TCoolEffectControl::SetShadowOffset(int32_t offset) { m_shadowOffset = std::max(offset, 0); }

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
