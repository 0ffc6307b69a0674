#pragma once
// TKIVTextAnimator: the caption as a row of letters whose font sizes pulse on a timer and whose
// colours walk from BeginColor to EndColor and back. A static action control that sizes itself
// to its text: each letter's advance is measured at the largest size the pulse reaches, so the
// growing letters never overlap.
//
// The timer comes from the timer source of the menu's services and runs while the control is
// in run mode, visible and loaded; without a source the animator stands still, showing its
// first moment. A tick moves every letter's pulse by one step and moves the colour walk on by
// one colour per letter, as the paint of that tick takes them; painting draws the current state
// and changes nothing, so every paint of one moment gives the same picture however often the
// window paints.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "controls/action_control.h"
#include "controls/text_animator_letters.h"
#include "graphics/font_resolver.h"
#include "window/control_timer.h"

// The largest Swing in points: beyond it a letter's size would run away (a damaged document
// asking for glyphs thousands of pixels high).
inline constexpr int32_t kMaxAnimatorSwing = 100;

class TKIVTextAnimator : public TKIVStaticActionControl {
 public:
  // Seeds the random generator from the clock (see SeedRandom).
  TKIVTextAnimator();
  ~TKIVTextAnimator() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TColor BeginColor() const { return m_beginColor; }
  // Starts the colour walk again.
  void SetBeginColor(TColor color);
  TColor EndColor() const { return m_endColor; }
  // Starts the colour walk again.
  void SetEndColor(TColor color);
  int32_t Speed() const { return m_speed; }
  // Clamped to 1-100; a running timer takes the new interval.
  void SetSpeed(int32_t speed);
  // Time between animation steps: 199 ms at speed 1 down to 1 ms at speed 100 (the timer
  // rounds it up to whole 15.625 ms steps).
  uint32_t TimerIntervalMs() const { return static_cast<uint32_t>(201 - 2 * m_speed); }
  TKIVTextAnimatorStyle Style() const { return m_style; }
  // Gives the letters their starting offsets for the new style.
  void SetStyle(TKIVTextAnimatorStyle style);
  int32_t Swing() const { return m_swing; }
  // Clamped to 5-kMaxAnimatorSwing; the letters start again and the control sizes itself anew.
  void SetSwing(int32_t points);
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }
  // The letters start again and the control sizes itself anew.
  void SetTextMode(TKIVTextRenderMode mode);

  // Restarts the random generator from seed and gives the letters their starting offsets again:
  // pictures of a moment and tests seed it with a fixed value so ataRandom gives the same
  // letters every time.
  void SeedRandom(uint32_t seed);
  // The letters' current pulses, in caption order (one letter for each character).
  const std::vector<TLetterPulse>& Pulses() const { return m_pulses; }
  // Whether the animation timer runs.
  bool Animating() const { return m_timer && m_timer->Active(); }

  void SetCaption(std::string caption) override;
  // Keeps the position; the size stays that of the text (once loaded, with fonts available).
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void SetVisible(bool visible) override;
  void SetDesignMode(bool designMode) override;
  void PageShown() override;
  void Loaded() override;
  // Sizes the control to its text if that changed, then draws the letters centred over what
  // lies behind, faded by Opacity. A paint that starts inside another is skipped.
  void Paint(TCanvas& canvas) override;

 private:
  // The letters measured: each character's advance at the largest size, the text's height.
  struct TLetterMetrics {
    std::vector<std::string> letters;  // the caption's characters, UTF-8
    std::vector<int32_t> advances;
    int32_t totalWidth = 0;
    int32_t lineHeight = 0;
  };
  // What the metrics were measured for; a change of any part measures again.
  struct TMeasuredFor {
    std::string caption;
    TCanvasFont font;
    int32_t swing = 0;
    TKIVTextRenderMode mode = TKIVTextRenderMode::atmSystemDefault;
    friend bool operator==(const TMeasuredFor&, const TMeasuredFor&) = default;
  };

  bool Antialiased() const { return m_textMode == TKIVTextRenderMode::atmAntiAlias; }
  // Every character's pulse from its starting offset by Style.
  void RestartLetters();
  // The metrics for the current caption, font, swing and mode (needs the fonts of a running
  // user interface).
  const TLetterMetrics& Metrics();
  // Takes the text's size unless loading or without fonts; true when the size changed.
  bool ApplyAutoSize();
  // Starts the timer when the control should animate and a timer source is bound, else stops it.
  void UpdateTimer();
  void Tick();

  TColor m_beginColor = clYellow;
  TColor m_endColor = clRed;
  int32_t m_speed = 50;
  TKIVTextAnimatorStyle m_style = TKIVTextAnimatorStyle::ataRandom;
  int32_t m_swing = 20;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;

  TSeededRandom m_random;
  std::vector<TLetterPulse> m_pulses;
  // The walk as the next paint takes it.
  TColourWalk m_walk{m_beginColor, m_endColor};
  TLetterMetrics m_metrics;
  TMeasuredFor m_measuredFor;
  bool m_measured = false;
  bool m_painting = false;
  TTimerSource* m_timerSource = nullptr;  // the source m_timer came from
  std::unique_ptr<TControlTimer> m_timer;
};
