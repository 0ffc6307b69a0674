#pragma once
// TKIVCoolLabel and TKIVCoolText: decorative captions drawn as stacked text layers (a flat,
// extruded or soft shadow, a highlight or an outline, and a plain, gradient or tiled-picture
// face). The cool label is one line that may be rotated and may drag the menu window; the cool
// text is a block of lines with alignment and word wrap. Both are static action controls and
// draw plain system text.

#include <cstdint>

#include "controls/action_control.h"

// The effect settings both classes share. It has no class table of its own: each class declares
// the shared properties in its own table, in its own stream order.
class TCoolEffectControl : public TKIVStaticActionControl {
 public:
  // When set, the control takes the size of its text and effects (measured by the drawing code).
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }
  TKIVFillStyle FillStyle() const { return m_fillStyle; }
  // Tile picture of afsGlyph.
  TPicture* Glyph() { return &m_glyph; }
  const TPicture& Glyph() const { return m_glyph; }
  TColor GradBeginColor() const { return m_gradBeginColor; }
  TColor GradEndColor() const { return m_gradEndColor; }
  TKIVGradFillStyle GradStyle() const { return m_gradStyle; }
  TColor HighLightColor() const { return m_highLightColor; }
  int32_t HighLightOffset() const { return m_highLightOffset; }
  // A negative offset is stored as 0.
  void SetHighLightOffset(int32_t offset);
  TKIVPosition HighLightPosition() const { return m_highLightPosition; }
  TColor OutLineColor() const { return m_outLineColor; }
  int32_t OutLineWidth() const { return m_outLineWidth; }
  // A negative width is stored as 0.
  void SetOutLineWidth(int32_t width);
  TColor ShadowColor() const { return m_shadowColor; }
  // 0 means no shadow.
  int32_t ShadowOffset() const { return m_shadowOffset; }
  // A negative offset is stored as 0.
  void SetShadowOffset(int32_t offset);
  TKIVPosition ShadowPosition() const { return m_shadowPosition; }
  TKIVCoolLabelShadowStyle ShadowStyle() const { return m_shadowStyle; }
  TKIVCoolLabelStyle Style() const { return m_style; }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);

 protected:
  TCoolEffectControl();
  // Adds the shared properties from AutoSize to Style, in stream order, to C's table.
  template <class C>
  static void AddEffectProperties(TClassBuilder<C>& builder);

  TKIVFillStyle m_fillStyle = TKIVFillStyle::afsNormal;
  TPicture m_glyph;
  TColor m_gradBeginColor = clYellow;
  TColor m_gradEndColor = clRed;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  TColor m_highLightColor = clWhite;
  int32_t m_highLightOffset = 1;
  TKIVPosition m_highLightPosition = TKIVPosition::apsLeftTop;
  TColor m_outLineColor = clYellow;
  int32_t m_outLineWidth = 1;
  TColor m_shadowColor = clGray;
  int32_t m_shadowOffset = 0;
  TKIVPosition m_shadowPosition = TKIVPosition::apsRightBottom;
  TKIVCoolLabelShadowStyle m_shadowStyle = TKIVCoolLabelShadowStyle::acsNormal;
  TKIVCoolLabelStyle m_style = TKIVCoolLabelStyle::aclHighLight;
  int32_t m_opacity = 100;
};

class TKIVCoolLabel : public TCoolEffectControl {
 public:
  TKIVCoolLabel();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Rotation in degrees, counter-clockwise.
  int32_t Angle() const { return m_angle; }
  // Any angle is reduced into 0-359 degrees (450 becomes 90, -30 becomes 330).
  void SetAngle(int32_t degrees);
  // Pressing the label drags the menu window.
  bool WMHandle() const { return m_wmHandle; }

 protected:
  int32_t m_angle = 0;
  bool m_wmHandle = false;
};

class TKIVCoolText : public TCoolEffectControl {
 public:
  TKIVCoolText();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TAlignment Alignment() const { return m_alignment; }
  // Lines wrap at the control's width.
  bool WordWrap() const { return m_wordWrap; }

 protected:
  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_wordWrap = true;
};
