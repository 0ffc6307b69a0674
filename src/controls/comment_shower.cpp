#include "controls/comment_shower.h"

#include <algorithm>

const TClassInfo& TKIVCommentShower::StaticClass() {
  using C = TKIVCommentShower;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVCommentShower", &TGraphicControl::StaticClass())
          .Enum("Alignment", Field(&C::m_alignment), TAlignment::taLeftJustify)
          .Bool("WordWrap", Field(&C::m_wordWrap), false)
          .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .PublishAll("Align", "Anchors", "Font", "ParentColor", "ParentFont", "Visible", "OnClick", "OnDblClick",
                      "OnMouseDown", "OnMouseMove", "OnMouseUp")
          .Build();
  return *info;
}

TKIVCommentShower::TKIVCommentShower() {
  m_width = 201;
  m_height = 105;
  m_font.SetName("Arial");
  m_font.SetSize(9);
}

void TKIVCommentShower::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

const TClassInfo& TKIVGraphicCommentShower::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TKIVGraphicCommentShower>("TKIVGraphicCommentShower", &TKIVImage::StaticClass()).Build();
  return *info;
}

TKIVGraphicCommentShower::TKIVGraphicCommentShower() {
  m_width = 201;
  m_height = 105;
}
