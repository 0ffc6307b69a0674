#include "platform/splash_screen.h"

#include <QGuiApplication>
#include <QThread>

namespace {

// The plain screen's wait wakes at least this often, so a delay of any length is counted.
constexpr int64_t kLongestWaitMs = 60'000;

TPictureWindow::TStyle SplashStyle() {
  TPictureWindow::TStyle style;
  style.stayOnTop = true;
  style.toolWindow = true;
  return style;
}

}  // namespace

TSplashScreen::TWaitCursor::TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }

TSplashScreen::TWaitCursor::~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }

TSplashScreen::TSplashScreen(TSplashPicture& picture, const TSplashSettings& settings,
                             const TPictureWindowServices& services)
    : m_settings(settings),
      m_stage(nullptr, picture, SplashStyle(), CentredArea(nullptr, picture), settings.fade, services) {
  Window().onEscape = [this] {
    if (m_settings.skipWithEsc) m_skip = true;
  };
  if (!m_settings.fade) {
    m_waitCursor.emplace();
    m_deadline.setSingleShot(true);
    QObject::connect(&m_deadline, &QTimer::timeout, [this] {
      const int64_t left = DurationMs() - m_shown.elapsed();
      if (left > 0) m_deadline.start(static_cast<int>(std::min(left, kLongestWaitMs)));
    });
    m_stage.Play();
    return;
  }
  Window().setCursor(Qt::WaitCursor);
  m_fade = std::make_unique<TSplashFade>(DurationMs(), services.dispatcher, services.clock);
  m_fade->SetOnStep([this](uint8_t alpha) { m_stage.ShowFadeStep(alpha); });
  m_stage.ShowFadeStep(0);
}

void TSplashScreen::Show() {
  Window().show();
  Window().repaint();
  Window().raise();
  Window().activateWindow();
  if (m_fade) {
    m_fade->Start();
    return;
  }
  m_shown.start();
  m_deadline.start(static_cast<int>(std::min(DurationMs(), kLongestWaitMs)));
}

bool TSplashScreen::Over() const {
  if (m_skip) return true;
  if (m_fade) return m_fade->Over();
  return m_shown.isValid() && m_shown.elapsed() >= DurationMs();
}

void ShowSplashPicture(TSplashPicture& picture, const TSplashSettings& settings,
                       const TPictureWindowServices& services) {
  if (settings.fade) QThread::msleep(50);
  TSplashScreen screen(picture, settings, services);
  screen.Show();
  RunUntil([&screen] { return screen.Over(); }, services);
  screen.Window().hide();
}
