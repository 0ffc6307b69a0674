#pragma once
// TKIVHotLabel: a hyperlink-like centred caption that changes colour while hovered, while
// pressed and after its first click (visited), and marks the hover by an outline, an underline,
// a frame or a plain or gradient background.

#include <cstdint>

#include "controls/action_control.h"

class TKIVHotLabel : public TKIVActionControl {
 public:
  TKIVHotLabel();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // When set, the label takes the size of its caption (measured by the drawing code).
  bool AutoSize() const { return m_autoSize; }
  void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }
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
};
