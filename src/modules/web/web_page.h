#pragma once
// The web module's page: every navigation, in every frame, passes the control's check first;
// pages that ask for a new window open in this one; and a marker written to the console by the
// module's own script tells that the page has been drawn.

#include <QWebEnginePage>
#include <functional>
#include <string>

class TWebPage : public QWebEnginePage {
 public:
  TWebPage(QWebEngineProfile* profile, QObject* parent);

  // True cancels the navigation to an address (as the engine encoded it) from the page shown.
  void SetNavigationCheck(std::function<bool(const std::string&, const std::string&)> check) {
    m_check = std::move(check);
  }
  // Called when the console shows marker.
  void SetConsoleMarker(QString marker, std::function<void()> seen);

 protected:
  bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
  QWebEnginePage* createWindow(WebWindowType type) override;
  void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                const QString& source) override;

 private:
  std::function<bool(const std::string&, const std::string&)> m_check;
  QString m_marker;
  std::function<void()> m_markerSeen;
};
