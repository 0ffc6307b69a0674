#pragma once
// TKIVCoolLabel and TKIVCoolText: decorative captions drawn as stacked text layers (a flat,
// extruded or soft shadow, a highlight or an outline, and a plain, gradient or tiled-picture
// face). The cool label is one line that may be rotated and may drag the menu window; the cool
// text is a block of lines with alignment and word wrap. Both are static action controls and
// draw plain system text.

#include <algorithm>
#include <cstdint>

#include "controls/action_control.h"
#include "controls/control_paint.h"
#include "graphics/font_resolver.h"
#include "graphics/text_layers.h"
#include "graphics/text_render.h"

// The effect settings both classes share. It has no class table of its own: each class declares
// the shared properties in its own table, in its own stream order.
// Where the text and its effects go: the control's size the text and its effect margins need,
// and the text's origin (the point every layer is drawn from before its own offset).
struct TCoolLayout {
  int32_t width = 0;
  int32_t height = 0;
  TPoint textOrigin;
};

// The largest highlight offset, outline width and shadow offset, in pixels. Authors use a few
// pixels; the bound keeps a damaged document from asking for a control thousands of pixels wide
// or for thousands of shadow layers.
inline constexpr int32_t kMaxEffectDistance = 100;

class TCoolEffectControl : public TKIVStaticActionControl {
 public:
  // Lays the text out (auto-sizing the control), then draws shadow, highlight or outline, and
  // the face over what lies behind, faded by Opacity.
  void Paint(TCanvas& canvas) override;
  // The layout for text of the given extent (unrotated), with the current effects.
  TCoolLayout LayOut(int32_t textWidth, int32_t textHeight) const;
  // WMHandle of the label drags the window; see TKIVCoolLabel.
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;

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
  // The highlight, outline and shadow distances are stored within 0..kMaxEffectDistance (a
  // value outside is stored as the nearer end), and read back within it too.
  TColor HighLightColor() const { return m_highLightColor; }
  int32_t HighLightOffset() const { return EffectDistance(m_highLightOffset); }
  void SetHighLightOffset(int32_t offset);
  TKIVPosition HighLightPosition() const { return m_highLightPosition; }
  TColor OutLineColor() const { return m_outLineColor; }
  int32_t OutLineWidth() const { return EffectDistance(m_outLineWidth); }
  void SetOutLineWidth(int32_t width);
  TColor ShadowColor() const { return m_shadowColor; }
  // 0 means no shadow.
  int32_t ShadowOffset() const { return EffectDistance(m_shadowOffset); }
  void SetShadowOffset(int32_t offset);
  TKIVPosition ShadowPosition() const { return m_shadowPosition; }
  TKIVCoolLabelShadowStyle ShadowStyle() const { return m_shadowStyle; }
  TKIVCoolLabelStyle Style() const { return m_style; }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);

 protected:
  TCoolEffectControl();
  // The text's unrotated extent in font, as the control's text routine lays it out.
  virtual TTextSize MeasureCaption(const TCanvasFont& font) const = 0;
  // The text as the control's text routine draws it, from the text's origin.
  virtual TTextMask TextMask(const TCanvasFont& font, TTextSize extent) const = 0;
  // Counter-clockwise rotation of the text in degrees.
  virtual int32_t Rotation() const { return 0; }
  virtual bool DragsWindow() const { return false; }
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

 private:
  static int32_t EffectDistance(int32_t pixels) { return std::clamp(pixels, 0, kMaxEffectDistance); }

  TPictureCache m_glyphCache;
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
  TTextSize MeasureCaption(const TCanvasFont& font) const override;
  TTextMask TextMask(const TCanvasFont& font, TTextSize extent) const override;
  int32_t Rotation() const override { return m_angle; }
  bool DragsWindow() const override { return m_wmHandle; }

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
  TTextSize MeasureCaption(const TCanvasFont& font) const override;
  TTextMask TextMask(const TCanvasFont& font, TTextSize extent) const override;
  // The DrawText flags of the text block: alignment, no prefix, expanded tabs.
  uint32_t BlockFlags() const;

  TAlignment m_alignment = TAlignment::taLeftJustify;
  bool m_wordWrap = true;
};
