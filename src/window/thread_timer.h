#pragma once
// TKIVThreadTimer: a non-visual timer whose pacing does not depend on the user-interface
// thread's message queue, so it keeps ticking inside modal waits (splash, fades, slide shows).
// A worker thread waits for the interval, hands the tick to the user-interface thread through a
// TTickDispatcher and waits until the tick has run (or the timer stops), so ticks never pile up:
// the next interval starts when the previous tick is done.
//
// Everything here except the worker is used on the user-interface thread only, and OnTimer runs
// there, one tick at a time.

#include <cstdint>
#include <functional>
#include <memory>
#include <thread>

#include "model/component.h"
#include "model/thread_priority.h"

class TControlTimer;
class TTickDispatcher;
class TTimerClock;
class TTimerSource;

// Gives the calling thread priority as far as the system allows an unprivileged process (it may
// lower a thread's priority, not raise it again); a refused change is left silently.
void ApplyThreadPriority(TThreadPriority priority);

class TKIVThreadTimer : public TComponent {
 public:
  TKIVThreadTimer();
  // Stops the worker and returns promptly, also while a tick waits to be handed over; no tick
  // runs after this returns (a tick still queued on the dispatcher does nothing). May be called
  // from inside OnTimer.
  ~TKIVThreadTimer() override;

  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Whether an interval of 0 may run (ticks then follow each other as fast as they are handled).
  // Read when Enabled or Interval changes.
  bool AllowZero() const { return m_allowZero; }
  void SetAllowZero(bool allowZero) { m_allowZero = allowZero; }
  // Ticks run while enabled. Enabling starts a full interval from now; it runs the worker only
  // when the interval is non-zero or AllowZero is set (an enabled timer with interval 0 stays
  // silent otherwise). Disabling pauses the worker.
  bool Enabled() const { return m_enabled; }
  void SetEnabled(bool enabled);
  // Changing the interval restarts it from the change when enabled.
  uint32_t IntervalMs() const;
  void SetIntervalMs(uint32_t intervalMs);
  // The worker's scheduling priority, applied by the worker itself as far as the system allows
  // an unprivileged process (it may lower a thread's priority, not raise it again).
  TThreadPriority Priority() const;
  void SetPriority(TThreadPriority priority);

  // The tick handler; errors it throws are swallowed. Ticks without a handler do nothing.
  void SetOnTimer(std::function<void()> handler) { m_onTimer = std::move(handler); }
  const std::function<void()>& OnTimer() const { return m_onTimer; }

  // Where ticks go. Without a dispatcher no worker runs: a timer read from a document starts
  // ticking once its window attaches one. Replacing the dispatcher restarts the worker. The
  // dispatcher (and clock) must outlive the timer or be replaced before they end.
  void SetDispatcher(TTickDispatcher* dispatcher);
  // Ticks come from a timer of source instead of a worker thread: pictures of a moment run
  // every timer on one virtual clock. The interval is then rounded up to whole timer steps like
  // every control timer's (so an allowed interval of 0 ticks every step). While a source is
  // set no worker runs; null goes back to the dispatcher. source must outlive the timer or be
  // replaced before it ends.
  void SetTimerSource(TTimerSource* source);
  // How the worker waits; a process-wide steady clock unless set. Set before the first
  // dispatcher (the worker reads it when it starts).
  void SetClock(TTimerClock* clock) { m_clock = clock; }

 private:
  struct TShared;

  void StartWorkerIfNeeded();
  void ApplyToSourceTimer();
  void RunSourceTick();
  void StopWorker();
  static void RunWorker(std::shared_ptr<TShared> shared, TTickDispatcher* dispatcher, TTimerClock* clock);
  static void RunTick(const std::shared_ptr<TShared>& shared, uint64_t tick);

  bool m_allowZero = false;
  bool m_enabled = false;
  std::function<void()> m_onTimer;
  TTickDispatcher* m_dispatcher = nullptr;
  TTimerClock* m_clock = nullptr;
  std::unique_ptr<TControlTimer> m_sourceTimer;
  // The state the worker shares with the user-interface thread and with queued ticks, which
  // may outlive the timer.
  std::shared_ptr<TShared> m_shared;
  std::thread m_worker;
};

// Hands every thread timer that owner holds (the timers of a menu document) to dispatcher, so
// the enabled ones tick from now on. The methods a document's OnTimer can name are the menu
// window's start-up handlers, which have nothing to do when a tick calls them again, so such a
// timer ticks without a handler.
void AttachThreadTimers(const TComponent& owner, TTickDispatcher* dispatcher);
// The same for a picture of a moment: every thread timer owner holds ticks on source's clock.
void AttachThreadTimers(const TComponent& owner, TTimerSource& source);
