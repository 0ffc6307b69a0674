#pragma once
// How a timer's worker thread waits for its interval. The steady clock is the real one; tests
// pass a clock they advance by hand, so tick timing is tested without sleeping.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

class TTimerClock {
 public:
  virtual ~TTimerClock() = default;
  // Blocks on cv until woken() holds or intervalMs have passed, whichever comes first; lock is
  // held on entry and on return, and woken() is evaluated under it. Whoever makes woken() true
  // does so under lock's mutex and then notifies cv. Returns woken().
  virtual bool WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t intervalMs,
                       const std::function<bool()>& woken) = 0;
};

class TSteadyTimerClock final : public TTimerClock {
 public:
  bool WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t intervalMs,
               const std::function<bool()>& woken) override {
    return cv.wait_for(lock, std::chrono::milliseconds(intervalMs), woken);
  }
};
