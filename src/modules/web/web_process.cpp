#include "modules/web/web_process.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QWebEngineUrlScheme>
#include <optional>

namespace {

std::optional<TWebComponent::TProcessSetup>& Prepared() {
  static std::optional<TWebComponent::TProcessSetup> prepared;
  return prepared;
}

}  // namespace

const TWebComponent::TProcessSetup* PreparedWebProcess() { return Prepared() ? &*Prepared() : nullptr; }

void NoteShownPage(const QUrl& address) {
  static bool told = false;
  const TWebComponent::TProcessSetup* setup = PreparedWebProcess();
  if (told || !setup || setup->sandbox || !setup->report) return;
  if (address.scheme() != "http" && address.scheme() != "https") return;
  told = true;
  setup->report("the web browser shows " + address.toString().toStdString() +
                " without Chromium's sandbox, which cannot run as root");
}

void PrepareWebProcess(const TWebComponent::TProcessSetup& setup) {
  Prepared() = setup;
  // A local scheme: Chromium itself refuses kiv links on pages (and their frames) that came
  // from the network, so only the menu's own pages can drive it. Registered, every navigation
  // to it reaches the page's check.
  QWebEngineUrlScheme kiv("kiv");
  kiv.setSyntax(QWebEngineUrlScheme::Syntax::Path);
  kiv.setFlags(QWebEngineUrlScheme::LocalScheme);
  QWebEngineUrlScheme::registerScheme(kiv);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  if (!setup.sandbox) qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  // The engine's start-up report and Chromium's log lines are no news for a menu's user; a
  // user who sets Chromium's flags or Qt's logging rules still gets what they ask for.
  if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--log-level=3");
  if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES")) QLoggingCategory::setFilterRules("qt.webenginecontext.info=false");
  if (!setup.fontConfigFile.empty()) qputenv("FONTCONFIG_FILE", QByteArray::fromStdString(setup.fontConfigFile));
}
