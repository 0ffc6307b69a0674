#pragma once
// The fades of the splash screen and of the picture viewer: how opaque the picture is at each
// step, and the thread-timer driven steps themselves. Each step is 100 ms of timer ticks, not of
// wall-clock time, so a busy user-interface thread stretches a fade rather than skipping steps.
// Everything here runs on the user-interface thread (the timer hands its ticks there).

#include <cstdint>
#include <functional>

#include "window/thread_timer.h"

class TTickDispatcher;
class TTimerClock;

inline constexpr uint32_t kFadeStepMs = 100;

// The opacity of a fading splash elapsedMs into a show of durationMs (0 <= elapsed < duration):
// it rises over the first two fifths, holds 255 for the middle fifth and falls over the last two
// fifths, all in integer arithmetic truncating toward zero. A 3 s fade is 21 after the first step,
// 255 from 1200 to 1800 ms, 233 at 1900 ms and 21 at 2900 ms.
uint8_t SplashFadeAlpha(int64_t elapsedMs, int64_t durationMs);

// The opacity of the picture viewer elapsedMs into a fade of durationMs (> 0):
// min(elapsed, duration) * 255 / duration, truncating; below 0 counts as 0.
uint8_t ViewerFadeAlpha(int64_t elapsedMs, int64_t durationMs);

// The longest fade the picture viewer runs: a document's fade time is cut to it, so a damaged or
// careless value can neither overflow the millisecond arithmetic nor hold the menu for hours.
inline constexpr int32_t kMaxViewerFadeSeconds = 60;
// The viewer's fade duration for a stored fade time in seconds: at most kMaxViewerFadeSeconds;
// 0 for a fade time of 0 or less, which means no fade at all.
int64_t ViewerFadeDurationMs(int32_t fadeTimeSeconds);

// The splash's fade: once started, every tick adds 100 ms; until the duration is reached each
// tick hands the opacity of that moment to onStep; the tick that reaches it stops the timer and
// the fade is over (the window closes then; onStep is not called for it).
class TSplashFade {
 public:
  // durationMs > 0. The dispatcher (and clock, null for the steady clock) must outlive the fade.
  TSplashFade(int64_t durationMs, TTickDispatcher* dispatcher, TTimerClock* clock = nullptr);

  void SetOnStep(std::function<void(uint8_t alpha)> onStep) { m_onStep = std::move(onStep); }
  // Starts the ticks (the window has been shown).
  void Start() { m_timer.SetEnabled(true); }
  bool Over() const { return m_elapsedMs >= m_durationMs; }
  int64_t ElapsedMs() const { return m_elapsedMs; }

 private:
  void Step();

  int64_t m_durationMs;
  int64_t m_elapsedMs = 0;
  std::function<void(uint8_t)> m_onStep;
  TKIVThreadTimer m_timer;  // last: it stops before the members its ticks use go
};

// The picture viewer's fade: in over the duration, held until the user asks to close (accepted
// only once fully in), then out over the duration, then closed. onStep hears every opacity,
// onClosed once, after the last step.
class TViewerFade {
 public:
  // A duration of 0 or less shows the picture at once at full opacity, and a close request
  // closes at once: there is no fade to run.
  TViewerFade(int64_t durationMs, TTickDispatcher* dispatcher, TTimerClock* clock = nullptr);

  void SetOnStep(std::function<void(uint8_t alpha)> onStep) { m_onStep = std::move(onStep); }
  void SetOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }
  // Starts fading in (the window has been shown).
  void Start();
  // The picture is fully in and no close was asked for yet: a click or Esc now counts.
  bool Accepting() const { return !m_closing && m_elapsedMs >= m_durationMs; }
  // A click or Esc: ignored (false) unless Accepting; otherwise the fade out begins.
  bool RequestClose();
  bool Closed() const { return m_closed; }
  int64_t ElapsedMs() const { return m_elapsedMs; }

 private:
  void Step();
  void Close();

  int64_t m_durationMs;
  int64_t m_elapsedMs = 0;
  bool m_closing = false;
  bool m_closed = false;
  std::function<void(uint8_t)> m_onStep;
  std::function<void()> m_onClosed;
  TKIVThreadTimer m_timer;  // last: it stops before the members its ticks use go
};
