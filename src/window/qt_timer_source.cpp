#include "window/qt_timer_source.h"

#include <QElapsedTimer>
#include <QTimer>
#include <cmath>

namespace {

class TQtControlTimer final : public TControlTimer {
 public:
  explicit TQtControlTimer(std::function<void()> tick) : m_tick(std::move(tick)) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
      m_due += m_interval;
      ScheduleNext();
      m_tick();
    });
  }
  void Start(uint32_t intervalMs) override {
    m_interval = WindowsTimerInterval(intervalMs);
    m_clock.start();
    m_due = m_interval;
    ScheduleNext();
  }
  void Stop() override { m_timer.stop(); }
  bool Active() const override { return m_timer.isActive(); }

 private:
  // The next tick at its due time; one that is late already comes at once.
  void ScheduleNext() {
    const double wait = m_due - static_cast<double>(m_clock.elapsed());
    m_timer.start(std::max(0, static_cast<int>(std::ceil(wait))));
  }

  std::function<void()> m_tick;
  QTimer m_timer;
  QElapsedTimer m_clock;
  double m_interval = kTimerStepMs;
  double m_due = 0;
};

}  // namespace

std::unique_ptr<TControlTimer> TQtTimerSource::MakeTimer(std::function<void()> tick) {
  return std::make_unique<TQtControlTimer>(std::move(tick));
}
