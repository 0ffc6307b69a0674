#include "window/qt_tick_dispatcher.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <chrono>
#include <memory>
#include <thread>

#include "window/thread_timer.h"

namespace {

// The real pieces together: the steady clock, a worker thread and Qt's event loop.
class QtTickDispatcher : public ::testing::Test {
 protected:
  QtTickDispatcher() {
    if (QCoreApplication::instance() == nullptr) m_app = std::make_unique<QCoreApplication>(m_argc, m_argv);
  }
  // Runs the event loop until done() or 10 s have passed.
  template <typename Done>
  bool PumpUntil(Done done) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done()) {
      if (elapsed.elapsed() > 10'000) return false;
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
  }

 private:
  int m_argc = 1;
  char m_name[16] = "window_tests";
  char* m_argv[2] = {m_name, nullptr};
  std::unique_ptr<QCoreApplication> m_app;
};

TEST_F(QtTickDispatcher, TicksRunOnTheUserInterfaceThreadFromItsEventLoop) {
  TQtTickDispatcher dispatcher;
  TKIVThreadTimer timer;
  int ticks = 0;
  bool elsewhere = false;
  const std::thread::id uiThread = std::this_thread::get_id();
  timer.SetOnTimer([&] {
    ++ticks;
    elsewhere |= std::this_thread::get_id() != uiThread;
  });
  timer.SetIntervalMs(5);
  timer.SetDispatcher(&dispatcher);
  timer.SetEnabled(true);
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 5; }));
  EXPECT_FALSE(elsewhere);
}

TEST_F(QtTickDispatcher, ATickQueuedWhenTheTimerIsDestroyedDoesNotRun) {
  TQtTickDispatcher dispatcher;
  int ticks = 0;
  {
    TKIVThreadTimer timer;
    timer.SetOnTimer([&] { ++ticks; });
    timer.SetIntervalMs(1);
    timer.SetDispatcher(&dispatcher);
    timer.SetEnabled(true);
    // The event loop is not running: the worker queues a tick and waits for it.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  QCoreApplication::processEvents();
  EXPECT_EQ(ticks, 0);
}

}  // namespace
