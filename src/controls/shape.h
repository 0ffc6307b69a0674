#pragma once
// TKIVShape: a geometric figure (rectangle, rounded rectangle, ellipse, triangle, diamond,
// regular polygon or star) with a solid, gradient or picture fill, a border, an optional drop
// shadow and a centred caption. A static action control: it runs actions but keeps its face
// while hovered or pressed.

#include <cstdint>

#include "controls/action_control.h"

class TKIVShape : public TKIVStaticActionControl {
 public:
  TKIVShape();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TColor BorderColor() const { return m_borderColor; }
  int32_t BorderWidth() const { return m_borderWidth; }
  // A negative width is stored as 0 (no outline).
  void SetBorderWidth(int32_t width);
  TKIVFillStyle FillStyle() const { return m_fillStyle; }
  TPicture* Glyph() { return &m_glyph; }
  const TPicture& Glyph() const { return m_glyph; }
  TColor GradBeginColor() const { return m_gradBeginColor; }
  TColor GradEndColor() const { return m_gradEndColor; }
  TKIVGradFillStyle GradStyle() const { return m_gradStyle; }
  int32_t IndentPersent() const { return m_indentPersent; }
  // Clamped to 0-100.
  void SetIndentPersent(int32_t percent);
  int32_t RoundRadius() const { return m_roundRadius; }
  // A negative radius is stored as 0.
  void SetRoundRadius(int32_t radius);
  TColor ShadowColor() const { return m_shadowColor; }
  int32_t ShadowOffset() const { return m_shadowOffset; }
  // A negative offset is stored as 0 (no shadow).
  void SetShadowOffset(int32_t offset);
  TKIVPosition ShadowPosition() const { return m_shadowPosition; }
  TKIVShapeShadowStyle ShadowStyle() const { return m_shadowStyle; }
  TKIVShapeStyle Shape() const { return m_shape; }
  int32_t StartAngle() const { return m_startAngle; }
  // Any angle is reduced into 0-359 degrees (-90 becomes 270).
  void SetStartAngle(int32_t degrees);
  bool Transparent() const { return m_transparent; }
  int32_t Vectors() const { return m_vectors; }
  // Clamped to 3-100 vertices.
  void SetVectors(int32_t count);
  bool WMHandle() const { return m_wmHandle; }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  bool AntiAlias() const { return m_antiAlias; }
  TKIVTextRenderMode TextMode() const { return m_textMode; }

 protected:
  TColor m_borderColor = clBlack;
  int32_t m_borderWidth = 1;
  TKIVFillStyle m_fillStyle = TKIVFillStyle::afsNormal;
  TPicture m_glyph;
  TColor m_gradBeginColor = clYellow;
  TColor m_gradEndColor = clRed;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  int32_t m_indentPersent = 50;
  int32_t m_roundRadius = 8;
  TColor m_shadowColor = clGray;
  int32_t m_shadowOffset = 0;
  TKIVPosition m_shadowPosition = TKIVPosition::apsRightBottom;
  TKIVShapeShadowStyle m_shadowStyle = TKIVShapeShadowStyle::astSolid;
  TKIVShapeStyle m_shape = TKIVShapeStyle::assRectangle;
  int32_t m_startAngle = 90;
  bool m_transparent = false;
  int32_t m_vectors = 10;
  bool m_wmHandle = false;
  int32_t m_opacity = 100;
  bool m_antiAlias = true;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;
};
