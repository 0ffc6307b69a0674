#include "window/thread_timer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "window/tick_dispatcher.h"
#include "window/timer_clock.h"

TEST(ThreadTimer, StartsDisabledAtOneSecondWithTheStreamDefaults) {
  const TClassInfo& cls = TKIVThreadTimer::StaticClass();
  std::unique_ptr<TPersistent> timer = cls.Create();
  ASSERT_NE(timer, nullptr);
  for (const char* name : {"AllowZero", "Enabled", "Interval", "Priority"}) {
    SCOPED_TRACE(name);
    const TPropInfo* prop = cls.FindProperty(name);
    ASSERT_NE(prop, nullptr);
    ASSERT_TRUE(prop->streamDefault.has_value());
    EXPECT_EQ(prop->getOrdinal(*timer), *prop->streamDefault);
  }
  auto& t = static_cast<TKIVThreadTimer&>(*timer);
  EXPECT_FALSE(t.Enabled());
  EXPECT_EQ(t.IntervalMs(), 1000u);
  EXPECT_EQ(t.Priority(), TThreadPriority::tpNormal);
}

TEST(ThreadTimer, PriorityIsReadByName) {
  const TPropInfo* prop = TKIVThreadTimer::StaticClass().FindProperty("Priority");
  TKIVThreadTimer timer;
  prop->setOrdinal(timer, prop->enumType->IndexOf("tpTimeCritical"));
  EXPECT_EQ(timer.Priority(), TThreadPriority::tpTimeCritical);
  EXPECT_EQ(prop->enumType->IndexOf("tpIdle"), 0);
}

// The tick behaviour, driven by hand: ticks are queued for the test thread, which plays the
// user-interface thread, and the worker's clock advances only when the test says so.
namespace {

using std::chrono::seconds;

// Long enough never to be reached by a correct timer; a failure, not a hang, when it is.
constexpr auto kPatience = seconds(10);

class TQueueDispatcher final : public TTickDispatcher {
 public:
  void PostToUiThread(std::function<void()> task) override {
    {
      std::lock_guard lock(m_mutex);
      m_tasks.push_back(std::move(task));
    }
    m_posted.notify_all();
  }
  // Waits until count tasks are queued.
  bool AwaitQueued(size_t count) {
    std::unique_lock lock(m_mutex);
    return m_posted.wait_for(lock, kPatience, [&] { return m_tasks.size() >= count; });
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

// Destroys timer on this thread (the user-interface thread of the tests). A destructor that
// deadlocks would hang the whole run, so a watchdog ends the process with a message instead.
void DestroyWithWatchdog(std::unique_ptr<TKIVThreadTimer>& timer) {
  std::mutex mutex;
  std::condition_variable doneChanged;
  bool done = false;
  std::thread watchdog([&] {
    std::unique_lock lock(mutex);
    if (!doneChanged.wait_for(lock, kPatience, [&] { return done; })) {
      std::fprintf(stderr, "the timer's destructor did not return: deadlock\n");
      std::_Exit(1);
    }
  });
  timer.reset();
  {
    std::lock_guard lock(mutex);
    done = true;
  }
  doneChanged.notify_all();
  watchdog.join();
}

class ThreadTimerTicks : public ::testing::Test {
 protected:
  ThreadTimerTicks() {
    timer->SetClock(&clock);
    timer->SetDispatcher(&dispatcher);
    timer->SetOnTimer([this] { ++ticks; });
  }
  // Nothing more happens: no tick queued and no new wait begun, after giving the worker time
  // to go wrong.
  void ExpectQuiet(int waits) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(dispatcher.Queued(), 0u);
    EXPECT_EQ(clock.Waits(), waits);
  }

  TQueueDispatcher dispatcher;
  TManualClock clock;
  std::unique_ptr<TKIVThreadTimer> timer = std::make_unique<TKIVThreadTimer>();
  int ticks = 0;
};

TEST_F(ThreadTimerTicks, TicksOneIntervalAfterEnablingAndAfterEachTick) {
  timer->SetIntervalMs(100);
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  EXPECT_EQ(clock.Deadline(), 100);
  clock.Advance(99);
  clock.Advance(1);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_EQ(ticks, 1);
  // Time passing while a tick is handed over does not queue more ticks: the next interval
  // starts when the tick has run.
  ASSERT_TRUE(clock.AwaitWaits(2));
  clock.Advance(250);
  ASSERT_TRUE(dispatcher.AwaitQueued(1));
  clock.Advance(250);
  EXPECT_EQ(dispatcher.Queued(), 1u);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_EQ(ticks, 2);
  ASSERT_TRUE(clock.AwaitWaits(3));
  EXPECT_EQ(clock.Deadline(), 700);
}

TEST_F(ThreadTimerTicks, ChangingTheIntervalRestartsItFromTheChange) {
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  EXPECT_EQ(clock.Deadline(), 1000);
  clock.Advance(600);
  timer->SetIntervalMs(300);
  ASSERT_TRUE(clock.AwaitWaits(2));
  EXPECT_EQ(clock.Deadline(), 900);
  EXPECT_TRUE(timer->Enabled());
  EXPECT_EQ(timer->IntervalMs(), 300u);
  // Re-enabling restarts the interval too.
  clock.Advance(200);
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(3));
  EXPECT_EQ(clock.Deadline(), 1100);
  EXPECT_EQ(ticks, 0);
}

TEST_F(ThreadTimerTicks, IntervalZeroRunsOnlyWithAllowZero) {
  timer->SetIntervalMs(0);
  timer->SetEnabled(true);
  ExpectQuiet(0);
  timer->SetAllowZero(true);  // read at the next change of Enabled
  ExpectQuiet(0);
  timer->SetEnabled(false);
  timer->SetEnabled(true);
  for (int n = 1; n <= 5; ++n) ASSERT_TRUE(dispatcher.RunNext());  // back to back, no time passing
  EXPECT_EQ(ticks, 5);
}

TEST_F(ThreadTimerTicks, DisablingInsideTheHandlerStopsFurtherTicks) {
  timer->SetIntervalMs(10);
  timer->SetOnTimer([this] {
    ++ticks;
    timer->SetEnabled(false);
  });
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  clock.Advance(10);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_EQ(ticks, 1);
  ExpectQuiet(1);
  clock.Advance(1000);
  ExpectQuiet(1);
}

TEST_F(ThreadTimerTicks, ATickQueuedBeforeDisablingDoesNotRun) {
  timer->SetIntervalMs(10);
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  clock.Advance(10);
  ASSERT_TRUE(dispatcher.AwaitQueued(1));
  timer->SetEnabled(false);
  dispatcher.RunQueued();
  EXPECT_EQ(ticks, 0);
}

TEST_F(ThreadTimerTicks, HandlerErrorsAreSwallowedAndTicksGoOn) {
  timer->SetIntervalMs(10);
  timer->SetOnTimer([this] {
    ++ticks;
    throw std::runtime_error("handler failed");
  });
  timer->SetEnabled(true);
  for (int n = 1; n <= 2; ++n) {
    ASSERT_TRUE(clock.AwaitWaits(n));
    clock.Advance(10);
    ASSERT_TRUE(dispatcher.RunNext());
  }
  EXPECT_EQ(ticks, 2);
}

TEST_F(ThreadTimerTicks, NoWorkerRunsUntilADispatcherIsAttached) {
  auto loaded = std::make_unique<TKIVThreadTimer>();  // as the reader makes it
  loaded->SetClock(&clock);
  loaded->SetOnTimer([this] { ++ticks; });
  loaded->SetIntervalMs(50);
  loaded->SetEnabled(true);
  ExpectQuiet(0);
  loaded->SetDispatcher(&dispatcher);
  ASSERT_TRUE(clock.AwaitWaits(1));
  clock.Advance(50);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_EQ(ticks, 1);
}

// The user-interface thread destroys the timer in each state the worker can be in; the
// destructor must return without waiting for the interval or for the user-interface thread.
TEST_F(ThreadTimerTicks, DestroyingWhileTheWorkerWaitsForTheIntervalEndsPromptly) {
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  DestroyWithWatchdog(timer);  // the manual clock never reaches the deadline
  EXPECT_EQ(dispatcher.Queued(), 0u);
}

TEST_F(ThreadTimerTicks, DestroyingWhileATickWaitsToBeHandedOverRunsNoTick) {
  timer->SetIntervalMs(10);
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  clock.Advance(10);
  ASSERT_TRUE(dispatcher.AwaitQueued(1));  // the worker now waits for this thread
  DestroyWithWatchdog(timer);
  dispatcher.RunQueued();
  EXPECT_EQ(ticks, 0);
}

TEST_F(ThreadTimerTicks, DestroyingInsideTheHandlerRunsNoFurtherTick) {
  timer->SetIntervalMs(10);
  timer->SetOnTimer([this] {
    ++ticks;
    DestroyWithWatchdog(timer);
  });
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  clock.Advance(10);
  ASSERT_TRUE(dispatcher.RunNext());
  EXPECT_FALSE(timer);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(dispatcher.Queued(), 0u);
}

TEST_F(ThreadTimerTicks, DestroyingAPausedTimerEndsPromptly) {
  timer->SetEnabled(true);
  ASSERT_TRUE(clock.AwaitWaits(1));
  timer->SetEnabled(false);
  DestroyWithWatchdog(timer);
  EXPECT_EQ(clock.Waits(), 1);
}

TEST(ThreadTimer, SteadyClockWaitEndsOnWakeLongBeforeTheInterval) {
  TQueueDispatcher dispatcher;
  auto timer = std::make_unique<TKIVThreadTimer>();
  timer->SetIntervalMs(3'600'000);
  timer->SetDispatcher(&dispatcher);
  timer->SetEnabled(true);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));  // let the worker start waiting
  auto start = std::chrono::steady_clock::now();
  DestroyWithWatchdog(timer);
  EXPECT_LT(std::chrono::steady_clock::now() - start, seconds(5));
}

}  // namespace
