#include "controls/text_animator.h"

#include <algorithm>

const TClassInfo& TKIVTextAnimator::StaticClass() {
  using C = TKIVTextAnimator;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVTextAnimator", &TKIVStaticActionControl::StaticClass())
          .Color("BeginColor", Field(&C::m_beginColor), clYellow)
          .Color("EndColor", Field(&C::m_endColor), clRed)
          // Starts at 50 but the writer omits 70: documents rely on that pairing, so a stored
          // speed of 70 reads back as 50.
          .Integer("Speed", Accessors(&C::Speed, &C::SetSpeed), 70)
          .Enum("Style", Field(&C::m_style), TKIVTextAnimatorStyle::ataRandom)
          .Integer("Swing", Accessors(&C::Swing, &C::SetSwing), 20)
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .PublishAll("Align", "DragCursor", "DragMode", "ParentColor", "ParentShowHint", "PopupMenu", "OnDragDrop",
                      "OnDragOver", "OnEndDrag", "OnStartDrag")
          .Build();
  return *info;
}

TKIVTextAnimator::TKIVTextAnimator() {
  m_font.SetName("Times New Roman");
  m_font.SetSize(10);
  m_font.SetStyle(fsBold);
  m_acceleratorEnabled = false;
}

void TKIVTextAnimator::SetSpeed(int32_t speed) { m_speed = std::clamp(speed, 1, 100); }

void TKIVTextAnimator::SetSwing(int32_t points) { m_swing = std::max(points, 5); }

void TKIVTextAnimator::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }
