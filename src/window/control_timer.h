#pragma once
// The timers of the living controls (the text animator, the scroll text): repeating ticks on the
// user-interface thread at the pace Windows timers give, whose steps are 15.625 ms: an interval
// is rounded up to the next whole number of steps (at least one). The menu's services hand them
// out: Qt's timers while the menu plays (TQtTimerSource), a virtual clock in pictures of a
// moment and in tests (TVirtualTimerSource), so the same moment gives the same ticks anywhere.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>

inline constexpr double kTimerStepMs = 15.625;

// intervalMs rounded up to whole timer steps, in milliseconds: 15.625 for 0 to 15, 31.25 for 16
// to 31, and so on.
double WindowsTimerInterval(uint32_t intervalMs);

class TControlTimer {
 public:
  virtual ~TControlTimer() = default;
  // Starts ticking every WindowsTimerInterval(intervalMs) from now; a running timer starts over.
  virtual void Start(uint32_t intervalMs) = 0;
  virtual void Stop() = 0;
  virtual bool Active() const = 0;
};

class TTimerSource {
 public:
  virtual ~TTimerSource() = default;
  // A stopped timer that calls tick on the user-interface thread; tick never runs once the
  // timer is gone.
  virtual std::unique_ptr<TControlTimer> MakeTimer(std::function<void()> tick) = 0;
};

// A clock that moves only when told: timers tick when AdvanceTo passes their due times, in the
// order of those times (timers made first go first at equal times).
class TVirtualTimerSource final : public TTimerSource {
 public:
  TVirtualTimerSource();
  ~TVirtualTimerSource() override;
  std::unique_ptr<TControlTimer> MakeTimer(std::function<void()> tick) override;
  // Runs every tick due up to nowMs, ticks of timers started by ticks included, then stays at
  // nowMs. Time never goes back.
  void AdvanceTo(double nowMs);
  double NowMs() const { return m_nowMs; }

 private:
  class TTimer;
  friend class TTimer;
  double m_nowMs = 0;
  uint64_t m_nextId = 0;
  std::map<uint64_t, TTimer*> m_timers;  // by the order they were made
};
