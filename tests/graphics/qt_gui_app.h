#pragma once
// Tests and benchmarks that use fonts need a QGuiApplication; this makes one (offscreen, no display) the first
// time it is called.

#include <QGuiApplication>

inline void EnsureGuiApp() {
  static int argc = 1;
  static char name[] = "graphics_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = [] {
    if (QGuiApplication::instance()) return static_cast<QGuiApplication*>(nullptr);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QGuiApplication(argc, argv);
  }();
  (void)app;
}
