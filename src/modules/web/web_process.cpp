#include "modules/web/web_process.h"

#include <QCoreApplication>
#include <QWebEngineUrlScheme>

void PrepareWebProcess(const TWebComponent::TProcessSetup& setup) {
  // A local scheme: Chromium itself refuses kiv links on pages (and their frames) that came
  // from the network, so only the menu's own pages can drive it. Registered, every navigation
  // to it reaches the page's check.
  QWebEngineUrlScheme kiv("kiv");
  kiv.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  kiv.setFlags(QWebEngineUrlScheme::LocalScheme);
  QWebEngineUrlScheme::registerScheme(kiv);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (!setup.sandbox) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  if (!setup.fontConfigFile.empty()) qputenv("FONTCONFIG_FILE", QByteArray::fromStdString(setup.fontConfigFile));
}
