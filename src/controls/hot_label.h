#pragma once
// TKIVHotLabel: a hyperlink-like centred caption that changes colour while hovered, while
// pressed and after its first click (visited), and marks the hover by an outline, an underline,
// a frame or a plain or gradient background.

#include <cstdint>

#include "controls/action_control.h"
#include "controls/control_paint.h"

class TKIVHotLabel : public TKIVActionControl {
 public:
  TKIVHotLabel();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Applies the auto-size rule, then draws the style in the current pointer state, faded by
  // Opacity.
  void Paint(TCanvas& canvas) override;
  // Repaints after a click so that the visited colour shows at once.
  void AfterAction() override { Invalidate(); }

  // When set, the label takes the size of its caption: the measured caption, plus 2 in both
  // directions for the outline and frame styles. Switching it on outside loading resizes at once.
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool autoSize);
  // The colour and style setters repaint at once; VisitedColor only while the label shows it.
  void SetDownColor(TColor color);
  void SetOutLineColor(TColor color);
  void SetOverColor(TColor color);
  void SetVisitedColor(TColor color);
  void SetStyle(TKIVHotLabelStyle style);
  void SetBGColor1(TColor color);
  void SetBGColor2(TColor color);
  void SetBGColor3(TColor color);

  TColor DownColor() const { return m_downColor; }
  // Outline colour of aalOutLine and frame colour of aalFrame.
  TColor OutLineColor() const { return m_outLineColor; }
  TColor OverColor() const { return m_overColor; }
  TColor VisitedColor() const { return m_visitedColor; }
  TKIVHotLabelStyle Style() const { return m_style; }
  // Normal, hovered and pressed backgrounds; 1 and 2 are also the gradient's ends.
  TColor BGColor1() const { return m_bgColor1; }
  TColor BGColor2() const { return m_bgColor2; }
  TColor BGColor3() const { return m_bgColor3; }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }

 protected:
  TColor m_downColor = clRed;
  TColor m_outLineColor = clYellow;
  TColor m_overColor = clBlue;
  TColor m_visitedColor = clBlack;
  TKIVHotLabelStyle m_style = TKIVHotLabelStyle::aalOutLine;
  TColor m_bgColor1 = clAqua;
  TColor m_bgColor2 = clWhite;
  TColor m_bgColor3 = 0xFFFF7F;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;

 private:
  // Resizes the label to its caption when AutoSize is set; measures on canvas (font taken from
  // the label). Returns whether the size changed.
  bool ApplyAutoSize(TCanvas& canvas);
  TColor StateColor(const TFaceState& state) const;
  void PaintStyle(TCanvas& surface, const TFaceState& state);
};
