#include "window/thread_timer.h"

const TClassInfo& TKIVThreadTimer::StaticClass() {
  using C = TKIVThreadTimer;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVThreadTimer", &TComponent::StaticClass())
          .Bool("AllowZero", Field(&C::m_allowZero), false)
          .Bool("Enabled", Accessors(&C::Enabled, &C::SetEnabled), false)
          .Integer("Interval", Accessors(&C::IntervalMs, &C::SetIntervalMs), 1000)
          .Event("OnTimer")
          .Enum("Priority", Accessors(&C::Priority, &C::SetPriority), TThreadPriority::tpNormal)
          .Build();
  return *info;
}
