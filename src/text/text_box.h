#pragma once
// TKIVTextBox, a read-only multi-line text box whose background may be the page beneath, a
// colour, a gradient or a tiled picture, faded by an opacity; and TCustomMemo, the platform's
// multi-line edit it builds on (also the base of the rich edit). Here both are their stored
// form; the platform edit control and the background painting build on it.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/strings.h"

// Which scroll bars an edit control shows (the platform's scroll style).
TELVO_ENUM(TScrollStyle, ssNone, ssHorizontal, ssVertical, ssBoth)

// The platform memo: its text lines and edit settings, all unpublished until a descendant
// publishes them, with the platform's stream defaults.
class TCustomMemo : public TWinControl {
 public:
  TCustomMemo();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TRunModeCursor RunModeCursorKind() const override { return TRunModeCursor::Edit; }

  TStrings* Lines() { return &m_lines; }
  const TStrings& Lines() const { return m_lines; }
  // The lines joined by CR LF (no break after the last line).
  std::string Text() const;
  // Splits at CR LF, CR or LF; a break at the very end adds no empty line.
  void SetText(std::string text);

  TAlignment Alignment() const { return m_alignment; }
  TBorderStyle BorderStyle() const { return m_borderStyle; }
  bool HideSelection() const { return m_hideSelection; }
  int32_t MaxLength() const { return m_maxLength; }
  bool ReadOnly() const { return m_readOnly; }
  TScrollStyle ScrollBars() const { return m_scrollBars; }
  bool WantReturns() const { return m_wantReturns; }
  bool WantTabs() const { return m_wantTabs; }
  bool WordWrap() const { return m_wordWrap; }

 protected:
  TStrings m_lines;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
  bool m_hideSelection = true;
  int32_t m_maxLength = 0;
  bool m_oemConvert = false;
  bool m_readOnly = false;
  TScrollStyle m_scrollBars = TScrollStyle::ssNone;
  bool m_wantReturns = true;
  bool m_wantTabs = false;
  bool m_wordWrap = true;
};

class TKIVTextBox : public TCustomMemo {
 public:
  TKIVTextBox();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TKIVFillStyle FillStyle() const { return m_fillStyle; }
  TKIVGradFillStyle GradStyle() const { return m_gradStyle; }
  TColor GradBeginColor() const { return m_gradBeginColor; }
  TColor GradEndColor() const { return m_gradEndColor; }
  // Background picture, tiled from the top-left corner.
  TPicture* Glyph() { return &m_glyph; }
  const TPicture& Glyph() const { return m_glyph; }
  bool Transparent() const { return m_transparent; }
  // Percentage with which the fill covers the page beneath, clamped to 0-100.
  int32_t Opacity() const { return m_opacity; }
  void SetOpacity(int32_t percent);
  TKIVTextBoxBorderStyle ExBorderStyle() const { return m_exBorderStyle; }
  // Outer ring of the flat border.
  TColor BorderColor() const { return m_borderColor; }
  bool SingleLine() const { return m_singleLine; }
  // Turning it on keeps only the first line and removes the scroll bars; turning it off
  // changes nothing else.
  void SetSingleLine(bool singleLine);
  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) override { m_designMode = designMode; }
  const std::string& IAName() const { return m_iaName; }

 private:
  TKIVFillStyle m_fillStyle = TKIVFillStyle::afsNormal;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  TColor m_gradBeginColor = clYellow;
  TColor m_gradEndColor = clRed;
  TPicture m_glyph;
  bool m_transparent = false;
  int32_t m_opacity = 100;
  TKIVTextBoxBorderStyle m_exBorderStyle = TKIVTextBoxBorderStyle::atbNormal;
  TColor m_borderColor = 0xFFCF90;
  bool m_singleLine = false;
  bool m_designMode = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  std::string m_iaName;
};
