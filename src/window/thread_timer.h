#pragma once
// TKIVThreadTimer: a non-visual timer whose pacing does not depend on the user-interface
// thread's message queue, so it keeps ticking inside modal waits (splash, fades, slide shows).
// This holds the stored settings; OnTimer is the tick handler's binding.

#include <cstdint>

#include "model/component.h"
#include "model/enum_type.h"

TELVO_ENUM(TThreadPriority, tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical)

class TKIVThreadTimer : public TComponent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Whether an interval of 0 may run (ticks then follow each other as fast as they are handled).
  bool AllowZero() const { return m_allowZero; }
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled) { m_enabled = enabled; }
  uint32_t IntervalMs() const { return m_intervalMs; }
  void SetIntervalMs(uint32_t intervalMs) { m_intervalMs = intervalMs; }
  TThreadPriority Priority() const { return m_priority; }
  void SetPriority(TThreadPriority priority) { m_priority = priority; }

 private:
  bool m_allowZero = false;
  bool m_enabled = false;
  uint32_t m_intervalMs = 1000;
  TThreadPriority m_priority = TThreadPriority::tpNormal;
};
