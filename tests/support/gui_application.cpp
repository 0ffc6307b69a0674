#include "support/gui_application.h"

#include <QGuiApplication>

#include "support/process_end.h"

void EnsureGuiApplication() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "telvo_tests";
  static char* argv[] = {name, nullptr};
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication* application = new QGuiApplication(argc, argv);
  telvo_test::AtProcessEnd([application] { delete application; });
}
