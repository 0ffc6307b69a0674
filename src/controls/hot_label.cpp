#include "controls/hot_label.h"

#include <algorithm>

const TClassInfo& TKIVHotLabel::StaticClass() {
  using C = TKIVHotLabel;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVHotLabel", &TKIVActionControl::StaticClass())
          // Declared here rather than published from the platform control: the label starts
          // auto-sized, so the value is always written, false included.
          .Bool("AutoSize", Accessors(&C::AutoSize, &C::SetAutoSize))
          .Color("DownColor", Field(&C::m_downColor))
          .Color("OutLineColor", Field(&C::m_outLineColor))
          .Color("OverColor", Field(&C::m_overColor))
          .Color("VisitedColor", Field(&C::m_visitedColor))
          .Enum("Style", Field(&C::m_style))
          .Color("BGColor1", Field(&C::m_bgColor1))
          .Color("BGColor2", Field(&C::m_bgColor2))
          .Color("BGColor3", Field(&C::m_bgColor3))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVHotLabel::TKIVHotLabel() {
  m_autoSize = true;
  m_width = 67;
  m_height = 16;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(8);
  m_font.SetStyle(fsBold);
  m_font.SetColor(clBlack);
}

void TKIVHotLabel::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }
