#pragma once
// TKIVTextBox, a read-only multi-line text box whose background may be the page beneath, a
// colour, a gradient or a tiled picture, faded by an opacity; and TCustomMemo, the platform's
// multi-line edit it builds on (also the base of the rich edit).
//
// The window paints the text box's border and background as it paints windowless controls; the
// text itself is drawn above them by the text box's component, a read-only editor widget with a
// transparent background, placed over the client area (inside the border).

#include <cstdint>
#include <memory>
#include <string>

#include "model/control.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/strings.h"
#include "graphics/font_resolver.h"
#include "graphics/picture_cache.h"
#include "window/component_host.h"

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

class TTextBoxComponent;

// How the text is laid out and drawn.
struct TTextBoxLook {
  TCanvasFont font;
  TAlignment alignment = TAlignment::taLeftJustify;
  bool wordWrap = true;
  TScrollStyle scrollBars = TScrollStyle::ssNone;
  // The distance from one line's top to the next: the font's cell height.
  int32_t linePitch = 13;
  friend bool operator==(const TTextBoxLook&, const TTextBoxLook&) = default;
};

class TKIVTextBox : public TCustomMemo, public TComponentHost {
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
  void SetDesignMode(bool designMode) override;
  const std::string& IAName() const { return m_iaName; }

  // The client area inside the border (2 pixels of it unless ExBorderStyle is atbNone).
  TRect ClientArea() const;
  // Takes the editor widget and gives it the text and its look.
  void AttachComponent(std::unique_ptr<TTextBoxComponent> component);
  TWidgetComponent* Component() const override { return m_component.Get(); }
  void DetachComponent() override { m_component.Reset(); }
  // The editor shows the lines again (after they changed).
  void ShowLines();
  // The control command "open": the lines of file (path macros expanded, a Windows path reaching
  // its Linux file; a regular file only, without waiting, up to a size limit), read as UTF-16
  // or UTF-8 by a byte-order mark, else as UTF-8 when they are valid UTF-8, else in the code page
  // of Font.Charset. A missing file clears the text; one that is there but cannot be read leaves
  // it as it was. SingleLine keeps the first line only.
  void OpenFile(const std::string& file);
  // The look the editor is given: the control's font, alignment, wrapping and scroll bars.
  TTextBoxLook Look() const;

  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void SetVisible(bool visible) override;
  // Border and background, beneath the editor's text; and the text itself where the editor is
  // not on screen.
  bool PaintedByWindow() const override { return true; }
  void Paint(TCanvas& canvas) override;

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
  TPictureCache m_glyphCache;
  TWidgetSlot m_component{*this};
};
