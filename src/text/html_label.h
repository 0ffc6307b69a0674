#pragma once
// TKIVHtmlLabel, a windowless page control that shows a short piece of HTML over what lies
// beneath it, with clickable links. Here it is its stored form; the HTML renderer draws it.

#include <cstdint>

#include "model/control.h"
#include "model/strings.h"

class TKIVHtmlLabel : public TGraphicControl {
 public:
  TKIVHtmlLabel();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The HTML source lines.
  TStrings* Html() { return &m_html; }
  const TStrings& Html() const { return m_html; }
  TColor LinkColor() const { return m_linkColor; }
  TColor HLBackColor() const { return m_hlBackColor; }
  TColor HLForeColor() const { return m_hlForeColor; }
  // Percentage with which the content covers the background, clamped to 0-100.
  int32_t Opacity() const { return m_opacity; }
  void SetOpacity(int32_t percent);

 private:
  TStrings m_html;
  TColor m_linkColor = clBlue;
  TColor m_hlBackColor = clBlue;
  TColor m_hlForeColor = clWhite;
  int32_t m_opacity = 100;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
};
