#pragma once
// The one QApplication of a test process. Qt allows one per process and picks its platform
// plug-in when it is created: the widget tests ask for "offscreen", the window-manager tests for
// "xcb" once their X server runs. Header-only: the test folders that show real windows include
// it and get Qt Widgets through the platform library they test.

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <cassert>
#include <functional>
#include <string>

#include "support/process_end.h"

namespace telvo_test {

// Held by a plain pointer on purpose: a QApplication destroyed among the static destructors at
// exit finds parts of Qt gone already and crashes. DestroyTestApplication ends it in time: at the
// test main's end at the latest.
inline QApplication*& ApplicationSlot() {
  static QApplication* application = nullptr;
  return application;
}

// Ends the application (before its X server goes away).
inline void DestroyTestApplication() {
  delete ApplicationSlot();
  ApplicationSlot() = nullptr;
}

inline std::string& ApplicationPlatform() {
  static std::string platform;
  return platform;
}

// Creates the application on platform at the first call; later calls must ask for the same one.
inline QApplication& TestApplication(const char* platform = "offscreen") {
  QApplication*& application = ApplicationSlot();
  if (!application) {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", platform);
    QStandardPaths::setTestModeEnabled(true);
    application = new QApplication(argc, argv);
    AtProcessEnd(DestroyTestApplication);
    application->setQuitOnLastWindowClosed(false);
    ApplicationPlatform() = platform;
  }
  assert(ApplicationPlatform() == platform);
  return *application;
}

// Runs the event loop until done() holds or timeoutMs has passed; returns done().
inline bool ProcessEventsUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (!done()) {
    if (elapsed.elapsed() > timeoutMs) return done();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

// Runs the event loop for a while, for things that must NOT happen.
inline void ProcessEventsFor(int durationMs) {
  QElapsedTimer elapsed;
  elapsed.start();
  while (elapsed.elapsed() < durationMs) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

}  // namespace telvo_test
