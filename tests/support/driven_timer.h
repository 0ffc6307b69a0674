#pragma once
// A thread timer driven by hand: ticks are queued for the test thread, which plays the
// user-interface thread, and the worker's clock advances only when the test says so.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>

#include "window/tick_dispatcher.h"
#include "window/timer_clock.h"

namespace telvo_test {

// Long enough never to be reached by a correct timer; a failure, not a hang, when it is.
constexpr auto kPatience = std::chrono::seconds(10);

class TQueueDispatcher final : public TTickDispatcher {
 public:
  void PostToUiThread(std::function<void()> task) override {
    {
      std::lock_guard lock(m_mutex);
      m_tasks.push_back(std::move(task));
    }
    m_posted.notify_all();
  }
  // Waits until count tasks are queued, for at most patience.
  bool AwaitQueued(size_t count, std::chrono::milliseconds patience = kPatience) {
    std::unique_lock lock(m_mutex);
    return m_posted.wait_for(lock, patience, [&] { return m_tasks.size() >= count; });
  }
  size_t Queued() {
    std::lock_guard lock(m_mutex);
    return m_tasks.size();
  }
  // Runs the oldest task on this thread once one is queued; false when none came.
  bool RunNext() {
    if (!AwaitQueued(1)) return false;
    std::function<void()> task;
    {
      std::lock_guard lock(m_mutex);
      task = std::move(m_tasks.front());
      m_tasks.pop_front();
    }
    task();
    return true;
  }
  void RunQueued() {
    while (Queued() > 0) RunNext();
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_posted;
  std::deque<std::function<void()>> m_tasks;
};

// A clock that stands still until Advance. It records each wait the worker begins and its
// deadline, so tests can see when the next tick is due.
class TManualClock final : public TTimerClock {
 public:
  bool WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t intervalMs,
               const std::function<bool()>& woken) override {
    int64_t deadline = 0;
    {
      std::lock_guard own(m_mutex);
      deadline = m_deadline = m_now + intervalMs;
      m_waiterMutex = lock.mutex();
      m_waiterCv = &cv;
      ++m_waits;
    }
    m_changed.notify_all();
    cv.wait(lock, [&] { return woken() || m_now >= deadline; });
    std::lock_guard own(m_mutex);
    m_waiterMutex = nullptr;
    m_waiterCv = nullptr;
    return woken();
  }

  void Advance(int64_t ms) {
    std::mutex* waiterMutex = nullptr;
    std::condition_variable* waiterCv = nullptr;
    {
      std::lock_guard own(m_mutex);
      m_now += ms;
      waiterMutex = m_waiterMutex;
      waiterCv = m_waiterCv;
    }
    if (waiterMutex == nullptr) return;
    // Taking the waiter's mutex once orders the new time before its next look at the clock.
    { std::lock_guard sync(*waiterMutex); }
    waiterCv->notify_all();
  }
  // Waits until the worker has begun its count-th wait; then its deadline is known.
  bool AwaitWaits(int count) {
    std::unique_lock own(m_mutex);
    return m_changed.wait_for(own, kPatience, [&] { return m_waits >= count; });
  }
  int Waits() {
    std::lock_guard own(m_mutex);
    return m_waits;
  }
  int64_t Deadline() {
    std::lock_guard own(m_mutex);
    return m_deadline;
  }

 private:
  std::mutex m_mutex;
  std::condition_variable m_changed;
  std::atomic<int64_t> m_now = 0;
  int64_t m_deadline = 0;
  int m_waits = 0;
  std::mutex* m_waiterMutex = nullptr;
  std::condition_variable* m_waiterCv = nullptr;
};

// A timer's worker and its user-interface thread, stepped one tick at a time.
struct TDrivenTimer {
  TQueueDispatcher dispatcher;
  TManualClock clock;

  // Lets intervals of intervalMs pass until the worker hands a tick over, and runs it; false
  // when none comes (the timer is not running). The clock is advanced again while the worker
  // has not yet begun its wait when it is first advanced.
  bool Tick(int64_t intervalMs) {
    constexpr auto kLook = std::chrono::milliseconds(20);
    for (auto waited = std::chrono::milliseconds(0); waited < std::chrono::milliseconds(500); waited += kLook) {
      clock.Advance(intervalMs);
      if (dispatcher.AwaitQueued(1, kLook)) return dispatcher.RunNext();
    }
    return false;
  }
};

}  // namespace telvo_test
