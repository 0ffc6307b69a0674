#include "window/thread_timer.h"

#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <condition_variable>
#include <mutex>

#include "window/control_timer.h"
#include "window/tick_dispatcher.h"
#include "window/timer_clock.h"

struct TKIVThreadTimer::TShared {
  std::mutex mutex;
  std::condition_variable wake;  // the worker waits here, for every reason
  // Set by the user-interface thread:
  bool running = false;    // enabled with a usable interval: the worker is not paused
  bool restart = false;    // abandon the interval in progress (an automatic-reset event)
  bool terminate = false;  // the worker ends
  uint32_t intervalMs = 1000;
  TThreadPriority priority = TThreadPriority::tpNormal;
  TKIVThreadTimer* timer = nullptr;  // null once the timer is being destroyed
  // The tick hand-over: the number of the tick the worker waits for, 0 when none.
  uint64_t pendingTick = 0;
  uint64_t lastTick = 0;
};

namespace {

TTimerClock& SteadyClock() {
  static TSteadyTimerClock clock;
  return clock;
}

// Nice values per priority. Raising needs privileges; the attempt fails quietly without them.
constexpr std::array<int, 7> kNiceOf = {19, 10, 5, 0, -5, -10, -15};

}  // namespace

void ApplyThreadPriority(TThreadPriority priority) {
  auto index = static_cast<size_t>(priority);
  if (index < kNiceOf.size()) setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNiceOf[index]);
}

TKIVThreadTimer::TKIVThreadTimer() : m_shared(std::make_shared<TShared>()) { m_shared->timer = this; }

TKIVThreadTimer::~TKIVThreadTimer() {
  {
    std::lock_guard lock(m_shared->mutex);
    m_shared->timer = nullptr;
  }
  m_enabled = false;
  StopWorker();
}

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

void TKIVThreadTimer::SetEnabled(bool enabled) {
  if (enabled == m_enabled) return;
  m_enabled = enabled;
  {
    std::lock_guard lock(m_shared->mutex);
    if (!enabled) {
      m_shared->running = false;
    } else if (m_shared->intervalMs != 0 || m_allowZero) {
      m_shared->running = true;
      m_shared->restart = true;
    }
  }
  m_shared->wake.notify_all();
  ApplyToSourceTimer();
  StartWorkerIfNeeded();
}

uint32_t TKIVThreadTimer::IntervalMs() const {
  std::lock_guard lock(m_shared->mutex);
  return m_shared->intervalMs;
}

void TKIVThreadTimer::SetIntervalMs(uint32_t intervalMs) {
  if (intervalMs == IntervalMs()) return;
  bool enabled = m_enabled;
  SetEnabled(false);
  {
    std::lock_guard lock(m_shared->mutex);
    m_shared->intervalMs = intervalMs;
  }
  SetEnabled(enabled);
}

TThreadPriority TKIVThreadTimer::Priority() const {
  std::lock_guard lock(m_shared->mutex);
  return m_shared->priority;
}

void TKIVThreadTimer::SetPriority(TThreadPriority priority) {
  std::lock_guard lock(m_shared->mutex);
  m_shared->priority = priority;
}

void TKIVThreadTimer::SetDispatcher(TTickDispatcher* dispatcher) {
  if (dispatcher == m_dispatcher) return;
  StopWorker();
  m_dispatcher = dispatcher;
  StartWorkerIfNeeded();
}

void TKIVThreadTimer::SetTimerSource(TTimerSource* source) {
  StopWorker();
  m_sourceTimer = source ? source->MakeTimer([this] { RunSourceTick(); }) : nullptr;
  ApplyToSourceTimer();
  StartWorkerIfNeeded();
}

void TKIVThreadTimer::ApplyToSourceTimer() {
  if (!m_sourceTimer) return;
  bool running = false;
  uint32_t intervalMs = 0;
  {
    std::lock_guard lock(m_shared->mutex);
    running = m_shared->running;
    intervalMs = m_shared->intervalMs;
  }
  if (running)
    m_sourceTimer->Start(intervalMs);
  else
    m_sourceTimer->Stop();
}

void TKIVThreadTimer::RunSourceTick() {
  if (!m_enabled || !m_onTimer) return;
  // A copy: the handler may destroy the timer, and with it the member.
  std::function<void()> handler = m_onTimer;
  try {
    handler();
  } catch (...) {
  }
}

void TKIVThreadTimer::StartWorkerIfNeeded() {
  if (m_worker.joinable() || m_dispatcher == nullptr || m_sourceTimer) return;
  {
    std::lock_guard lock(m_shared->mutex);
    if (!m_shared->running || m_shared->timer == nullptr) return;
    m_shared->terminate = false;
  }
  m_worker = std::thread(&TKIVThreadTimer::RunWorker, m_shared, m_dispatcher, m_clock ? m_clock : &SteadyClock());
}

void TKIVThreadTimer::StopWorker() {
  if (!m_worker.joinable()) return;
  {
    std::lock_guard lock(m_shared->mutex);
    m_shared->terminate = true;
    // A tick handed over but not yet run is cancelled: the worker stops waiting for it, and
    // when it reaches the user-interface thread it finds it is no longer expected.
    m_shared->pendingTick = 0;
  }
  m_shared->wake.notify_all();
  m_worker.join();
}

void TKIVThreadTimer::RunWorker(std::shared_ptr<TShared> shared, TTickDispatcher* dispatcher, TTimerClock* clock) {
  TShared& s = *shared;
  std::unique_lock lock(s.mutex);
  TThreadPriority applied = TThreadPriority::tpNormal;  // tpNormal: as the process runs
  while (!s.terminate) {
    if (applied != s.priority) {
      applied = s.priority;
      ApplyThreadPriority(s.priority);
    }
    if (!s.running) {
      s.wake.wait(lock, [&s] { return s.running || s.terminate; });
      continue;
    }
    // A fresh interval starts here, which is what a restart asked for: only a restart asked
    // for from now on abandons it.
    s.restart = false;
    bool woken = clock->WaitFor(lock, s.wake, s.intervalMs, [&s] { return s.restart || s.terminate || !s.running; });
    if (woken) continue;  // the loop sees a pause or the end
    uint64_t tick = ++s.lastTick;
    s.pendingTick = tick;
    lock.unlock();
    dispatcher->PostToUiThread([shared, tick] { RunTick(shared, tick); });
    lock.lock();
    s.wake.wait(lock, [&s, tick] { return s.pendingTick != tick || s.terminate; });
  }
}

void TKIVThreadTimer::RunTick(const std::shared_ptr<TShared>& shared, uint64_t tick) {
  TKIVThreadTimer* timer = nullptr;
  {
    std::lock_guard lock(shared->mutex);
    if (shared->pendingTick != tick) return;  // cancelled: the worker stopped meanwhile
    timer = shared->timer;
  }
  if (timer != nullptr && timer->m_enabled && timer->m_onTimer) {
    // A copy: the handler may destroy the timer, and with it the member.
    std::function<void()> handler = timer->m_onTimer;
    // The handler's errors go no further: a failing tick must not take the user-interface
    // thread's event loop down, and the next tick comes as usual.
    try {
      handler();
    } catch (...) {
    }
  }
  {
    std::lock_guard lock(shared->mutex);
    if (shared->pendingTick == tick) shared->pendingTick = 0;
  }
  shared->wake.notify_all();
}

void AttachThreadTimers(const TComponent& owner, TTickDispatcher* dispatcher) {
  for (const std::unique_ptr<TComponent>& component : owner.Components())
    if (auto* timer = dynamic_cast<TKIVThreadTimer*>(component.get())) timer->SetDispatcher(dispatcher);
}

void AttachThreadTimers(const TComponent& owner, TTimerSource& source) {
  for (const std::unique_ptr<TComponent>& component : owner.Components())
    if (auto* timer = dynamic_cast<TKIVThreadTimer*>(component.get())) timer->SetTimerSource(&source);
}
