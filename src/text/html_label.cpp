#include "text/html_label.h"

#include <algorithm>

const TClassInfo& TKIVHtmlLabel::StaticClass() {
  using C = TKIVHtmlLabel;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVHtmlLabel", &TGraphicControl::StaticClass())
          .Object("Html", [](C& c) -> TPersistent* { return &c.m_html; })
          .Color("LinkColor", Field(&C::m_linkColor))
          .Color("HLBackColor", Field(&C::m_hlBackColor))
          .Color("HLForeColor", Field(&C::m_hlForeColor))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Build();
  return *info;
}

TKIVHtmlLabel::TKIVHtmlLabel() {
  m_width = 201;
  m_height = 121;
}

void TKIVHtmlLabel::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }
