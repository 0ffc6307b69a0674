#include "controls/shape.h"

#include <algorithm>

const TClassInfo& TKIVShape::StaticClass() {
  using C = TKIVShape;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVShape", &TKIVStaticActionControl::StaticClass())
          .Color("BorderColor", Field(&C::m_borderColor))
          .Integer("BorderWidth", Accessors(&C::BorderWidth, &C::SetBorderWidth))
          // The fill colour is the control's own Color, which starts white here.
          .Publish("Color")
          .Enum("FillStyle", Field(&C::m_fillStyle))
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Color("GradBeginColor", Field(&C::m_gradBeginColor))
          .Color("GradEndColor", Field(&C::m_gradEndColor))
          .Enum("GradStyle", Field(&C::m_gradStyle))
          .Integer("IndentPersent", Accessors(&C::IndentPersent, &C::SetIndentPersent))
          .Integer("RoundRadius", Accessors(&C::RoundRadius, &C::SetRoundRadius))
          .Color("ShadowColor", Field(&C::m_shadowColor))
          .Integer("ShadowOffset", Accessors(&C::ShadowOffset, &C::SetShadowOffset))
          .Enum("ShadowPosition", Field(&C::m_shadowPosition))
          .Enum("ShadowStyle", Field(&C::m_shadowStyle))
          .Enum("Shape", Field(&C::m_shape))
          .Integer("StartAngle", Accessors(&C::StartAngle, &C::SetStartAngle))
          .Bool("Transparent", Field(&C::m_transparent))
          .Integer("Vectors", Accessors(&C::Vectors, &C::SetVectors))
          .Bool("WMHandle", Field(&C::m_wmHandle))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Bool("AntiAlias", Field(&C::m_antiAlias), true)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVShape::TKIVShape() {
  m_width = 33;
  m_height = 33;
  m_color = clWhite;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(8);
  m_font.SetColor(clBlack);
}

void TKIVShape::SetBorderWidth(int32_t width) { m_borderWidth = std::max(width, 0); }

void TKIVShape::SetIndentPersent(int32_t percent) { m_indentPersent = std::clamp(percent, 0, 100); }

void TKIVShape::SetRoundRadius(int32_t radius) { m_roundRadius = std::max(radius, 0); }

void TKIVShape::SetShadowOffset(int32_t offset) { m_shadowOffset = std::max(offset, 0); }

void TKIVShape::SetStartAngle(int32_t degrees) {
  int32_t reduced = degrees % 360;
  m_startAngle = reduced < 0 ? reduced + 360 : reduced;
}

void TKIVShape::SetVectors(int32_t count) { m_vectors = std::clamp(count, 3, 100); }

void TKIVShape::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }
