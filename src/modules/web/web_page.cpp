#include "modules/web/web_page.h"

TWebPage::TWebPage(QWebEngineProfile* profile, QObject* parent) : QWebEnginePage(profile, parent) {}

void TWebPage::SetConsoleMarker(QString marker, std::function<void()> seen) {
  m_marker = std::move(marker);
  m_markerSeen = std::move(seen);
}

bool TWebPage::acceptNavigationRequest(const QUrl& url, NavigationType, bool) {
  return !(m_check && m_check(url.toEncoded().toStdString(), this->url().toEncoded().toStdString()));
}

QWebEnginePage* TWebPage::createWindow(WebWindowType) { return this; }

void TWebPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&) {
  if (!m_marker.isEmpty() && message == m_marker && m_markerSeen) m_markerSeen();
}
