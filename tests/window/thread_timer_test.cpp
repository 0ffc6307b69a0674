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

#include "support/driven_timer.h"
#include "window/control_timer.h"

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
using telvo_test::kPatience;
using telvo_test::TManualClock;
using telvo_test::TQueueDispatcher;

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

// Pictures of a moment: the timers tick on the virtual clock, on the grid of timer steps, with
// no worker thread.
TEST(ThreadTimer, TicksOnAVirtualClockOnWholeTimerSteps) {
  struct TCase {
    const char* name;
    uint32_t intervalMs;
    bool allowZero;
    bool enabled;
    int ticksBy1000Ms;
  };
  const TCase cases[] = {
      {"100 ms is 7 steps of 15.625", 100, false, true, 9},
      {"a second is 64 steps", 1000, false, true, 1},
      {"1001 ms is 65 steps", 1001, false, true, 0},
      {"an allowed 0 ticks every step", 0, true, true, 64},
      {"0 without AllowZero stays silent", 0, false, true, 0},
      {"disabled", 100, false, false, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TVirtualTimerSource clock;
    TQueueDispatcher dispatcher;
    TKIVThreadTimer timer;
    int ticks = 0;
    timer.SetOnTimer([&ticks] { ++ticks; });
    timer.SetAllowZero(c.allowZero);
    timer.SetIntervalMs(c.intervalMs);
    timer.SetEnabled(c.enabled);
    timer.SetDispatcher(&dispatcher);
    timer.SetTimerSource(&clock);
    clock.AdvanceTo(1000);
    EXPECT_EQ(ticks, c.ticksBy1000Ms);
    EXPECT_EQ(dispatcher.Queued(), 0u);
  }
}

TEST(ThreadTimer, OnAVirtualClockChangesRestartAndTheHandlerMayEndTheTimer) {
  TVirtualTimerSource clock;
  TComponent owner;
  auto* timer = static_cast<TKIVThreadTimer*>(owner.InsertComponent(std::make_unique<TKIVThreadTimer>()));
  std::vector<double> tickTimes;
  timer->SetOnTimer([&] { tickTimes.push_back(clock.NowMs()); });
  timer->SetIntervalMs(30);  // two steps
  timer->SetEnabled(true);
  AttachThreadTimers(owner, clock);
  clock.AdvanceTo(40);
  timer->SetIntervalMs(15);  // one step, from the change at 40
  clock.AdvanceTo(72);
  EXPECT_EQ(tickTimes, (std::vector<double>{31.25, 55.625, 71.25}));

  auto ending = std::make_unique<TKIVThreadTimer>();
  int endingTicks = 0;
  ending->SetOnTimer([&] {
    ++endingTicks;
    ending.reset();
  });
  ending->SetEnabled(true);
  ending->SetTimerSource(&clock);
  clock.AdvanceTo(5000);
  EXPECT_EQ(endingTicks, 1);
  EXPECT_FALSE(ending);
}

}  // namespace
