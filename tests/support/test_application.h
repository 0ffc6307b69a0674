#pragma once
// The one QApplication of a test process. Qt allows one per process and picks its platform
// plug-in when it is created: the widget tests ask for "offscreen", the window-manager tests for
// "xcb" once their X server runs. Header-only: the test folders that show real windows include
// it and get Qt Widgets through the platform library they test.

#include <QApplication>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QTemporaryFile>
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

// Qt's offscreen platform with two 800 x 800 screens side by side, the second at twice the pixel
// ratio, for the tests of a window moving between them. A process of its own asks for it: the
// second screen raises the application's ratio, at which Qt's style draws everywhere.
inline constexpr char kTwoScreenOffscreen[] = "offscreen-two-screens";
inline constexpr char kTwoScreenLayout[] = R"({"screens": [
  {"name": "single", "x": 0, "y": 0, "width": 800, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
  {"name": "double", "x": 800, "y": 0, "width": 800, "height": 800, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 2}
]})";

// Creates the application on platform at the first call; later calls must ask for the same one.
inline QApplication& TestApplication(const char* platform = "offscreen") {
  QApplication*& application = ApplicationSlot();
  if (!application) {
    static int argc = 1;
    static char name[] = "platform_tests";
    static char* argv[] = {name, nullptr};
    // The offscreen platform reads its screens from a file while the application is made.
    QTemporaryFile layout;
    QByteArray qtPlatform = platform;
    if (qtPlatform == kTwoScreenOffscreen) {
      if (!layout.open() || layout.write(kTwoScreenLayout) != qint64(sizeof kTwoScreenLayout - 1) || !layout.flush())
        qFatal("cannot write the offscreen screens to %s", qPrintable(layout.fileName()));
      qtPlatform = "offscreen:configfile=" + QFile::encodeName(layout.fileName());
    }
    qputenv("QT_QPA_PLATFORM", qtPlatform);
    QStandardPaths::setTestModeEnabled(true);
    application = new QApplication(argc, argv);
    if (layout.isOpen()) qputenv("QT_QPA_PLATFORM", "offscreen");  // the layout's file goes now
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
