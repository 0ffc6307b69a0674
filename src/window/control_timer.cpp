#include "window/control_timer.h"

#include <cmath>

double WindowsTimerInterval(uint32_t intervalMs) {
  const double steps = std::max(1.0, std::ceil(intervalMs / kTimerStepMs));
  return steps * kTimerStepMs;
}

class TVirtualTimerSource::TTimer final : public TControlTimer {
 public:
  TTimer(TVirtualTimerSource& source, uint64_t id, std::function<void()> tick)
      : m_source(&source), m_id(id), m_tick(std::move(tick)) {
    source.m_timers.emplace(id, this);
  }
  ~TTimer() override {
    if (m_source) m_source->m_timers.erase(m_id);
  }
  void Start(uint32_t intervalMs) override {
    m_interval = WindowsTimerInterval(intervalMs);
    m_due = (m_source ? m_source->m_nowMs : 0) + m_interval;
    m_active = true;
  }
  void Stop() override { m_active = false; }
  bool Active() const override { return m_active; }

  bool DueBy(double until) const { return m_active && m_due <= until; }
  void Fire() {
    m_due += m_interval;
    // A copy: the tick may destroy this timer.
    const std::function<void()> tick = m_tick;
    tick();
  }
  void Orphan() { m_source = nullptr; }

  TVirtualTimerSource* m_source;
  uint64_t m_id;
  std::function<void()> m_tick;
  double m_interval = kTimerStepMs;
  double m_due = 0;
  bool m_active = false;
};

TVirtualTimerSource::TVirtualTimerSource() = default;

TVirtualTimerSource::~TVirtualTimerSource() {
  for (auto& [id, timer] : m_timers) timer->Orphan();
}

std::unique_ptr<TControlTimer> TVirtualTimerSource::MakeTimer(std::function<void()> tick) {
  return std::make_unique<TTimer>(*this, m_nextId++, std::move(tick));
}

void TVirtualTimerSource::AdvanceTo(double nowMs) {
  while (true) {
    // The earliest due tick up to nowMs; the first made wins a tie.
    TTimer* next = nullptr;
    for (auto& [id, timer] : m_timers)
      if (timer->DueBy(nowMs) && (!next || timer->m_due < next->m_due)) next = timer;
    if (!next) break;
    m_nowMs = std::max(m_nowMs, next->m_due);
    next->Fire();
  }
  m_nowMs = std::max(m_nowMs, nowMs);
}
