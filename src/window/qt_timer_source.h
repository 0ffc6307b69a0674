#pragma once
// Control timers on Qt's event loop, ticking on the 15.625 ms grid of Windows timers: each tick
// is scheduled for its due time on the grid counted from the start, so rounding to Qt's whole
// milliseconds never makes the pace drift.

#include "window/control_timer.h"

class TQtTimerSource final : public TTimerSource {
 public:
  std::unique_ptr<TControlTimer> MakeTimer(std::function<void()> tick) override;
};
