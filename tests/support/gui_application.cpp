#include "support/gui_application.h"

#include <QGuiApplication>

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "telvo_tests";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  // Held by a plain pointer on purpose: destroyed among the static destructors at exit, it would
  // find parts of Qt gone already.
  new QGuiApplication(argc, argv);
}
