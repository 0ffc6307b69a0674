#pragma once
// TKIVScrollText: a framed panel in which a block of text lines scrolls one pixel per timer
// tick, like credits, over a solid, gradient, tiled-picture or see-through background, with an
// optional picture beside the text. A windowed control, not an action control.
//
// TCustomPanel is the platform panel it builds on: the panel's bevels, border and
// FullRepaint, all unpublished until a descendant publishes them.

#include <cstdint>

#include "model/control.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/strings.h"

// Horizontal alignment of text (the platform's alignment type).

class TCustomPanel : public TCustomControl {
 public:
  TCustomPanel();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TBevelCut BevelInner() const { return m_bevelInner; }
  TBevelCut BevelOuter() const { return m_bevelOuter; }
  int32_t BevelWidth() const { return m_bevelWidth; }
  int32_t BorderWidth() const { return m_borderWidth; }
  bool FullRepaint() const { return m_fullRepaint; }

 protected:
  bool m_fullRepaint = true;
};

class TKIVScrollText : public TCustomPanel {
 public:
  TKIVScrollText();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Moves a picture stored by older documents in Glyph into an empty Picture.
  void Loaded() override;

  TPicture* Picture() { return &m_picture; }
  const TPicture& Picture() const { return m_picture; }
  // Older form of Picture: read from old documents, emptied after loading, never written.
  TBitmap* Glyph() { return &m_glyph; }
  TKIVGlyphLayout GlyphLayout() const { return m_glyphLayout; }
  TPicture* BGGlyph() { return &m_bgGlyph; }
  const TPicture& BGGlyph() const { return m_bgGlyph; }
  TKIVFillStyle FillStyle() const { return m_fillStyle; }
  TColor GradBeginColor() const { return m_gradBeginColor; }
  TColor GradEndColor() const { return m_gradEndColor; }
  TKIVGradFillStyle GradStyle() const { return m_gradStyle; }
  TAlignment Alignment() const { return m_alignment; }
  TStrings* Strings() { return &m_strings; }
  const TStrings& Strings() const { return m_strings; }
  bool Active() const { return m_active; }
  int32_t Speed() const { return m_speed; }
  // Clamped to 1-100.
  void SetSpeed(int32_t speed);
  // Time between one-pixel steps: 100 ms at speed 1 down to 1 ms at speed 100.
  uint32_t TimerIntervalMs() const { return static_cast<uint32_t>(101 - m_speed); }
  TKIVScrollTextDirection ScrollDirection() const { return m_scrollDirection; }
  bool Transparent() const { return m_transparent; }
  TKIVCoolButtonTextStyle TextStyle() const { return m_textStyle; }
  TColor TextShadowColor() const { return m_textShadowColor; }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }

 protected:
  TPicture m_picture;
  TBitmap m_glyph;
  TKIVGlyphLayout m_glyphLayout = TKIVGlyphLayout::aglGlyphLeft;
  TPicture m_bgGlyph;
  TKIVFillStyle m_fillStyle = TKIVFillStyle::afsNormal;
  TColor m_gradBeginColor = clYellow;
  TColor m_gradEndColor = clRed;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  TStrings m_strings;
  bool m_active = true;
  int32_t m_speed = 60;
  TKIVScrollTextDirection m_scrollDirection = TKIVScrollTextDirection::asdBottomToTop;
  bool m_transparent = false;
  TKIVCoolButtonTextStyle m_textStyle = TKIVCoolButtonTextStyle::abtNormal;
  TColor m_textShadowColor = clWhite;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;
};
