#pragma once
// TKIVTextAnimator: the caption as a row of letters whose font sizes pulse on a timer and whose
// colours walk from BeginColor to EndColor and back. A static action control that sizes itself
// to its text.

#include <cstdint>

#include "controls/action_control.h"

class TKIVTextAnimator : public TKIVStaticActionControl {
 public:
  TKIVTextAnimator();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TColor BeginColor() const { return m_beginColor; }
  TColor EndColor() const { return m_endColor; }
  int32_t Speed() const { return m_speed; }
  // Clamped to 1-100.
  void SetSpeed(int32_t speed);
  // Time between animation steps: 199 ms at speed 1 down to 1 ms at speed 100.
  uint32_t TimerIntervalMs() const { return static_cast<uint32_t>(201 - 2 * m_speed); }
  TKIVTextAnimatorStyle Style() const { return m_style; }
  int32_t Swing() const { return m_swing; }
  // Values below 5 are stored as 5.
  void SetSwing(int32_t points);
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }

 protected:
  TColor m_beginColor = clYellow;
  TColor m_endColor = clRed;
  int32_t m_speed = 50;
  TKIVTextAnimatorStyle m_style = TKIVTextAnimatorStyle::ataRandom;
  int32_t m_swing = 20;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;
};
