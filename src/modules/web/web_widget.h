#pragma once
// The web module's component on Qt WebEngine: the web view, with an off-the-record profile of
// its own (showing a page writes nothing to the user's home) and the kiv scheme refused to
// every request, under the player's navigation bar: back, forward and go buttons with the
// player's glyphs, and the address box in "Tahoma" 8.

#include <QLineEdit>
#include <QPixmap>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>
#include <memory>

#include "modules/viewer_widgets/glyph_button.h"
#include "modules/web/web_page.h"
#include "viewers/web_component.h"

class TWebWidget final : public QWidget, public TWebComponent {
 public:
  TWebWidget(QWidget* window, TEvents events);
  ~TWebWidget() override;

  void Place(const TRect& rect, bool shown) override;
  void Render(QPainter& painter) override;
  void Navigate(const std::string& address) override;
  void GoBack() override;
  void GoForward() override;
  void Stop() override;
  void Refresh() override;
  std::string LocationURL() const override;
  void SetLayout(const TWebBrowserLayout& layout) override;
  void SetBackEnabled(bool enabled) override;
  void SetForwardEnabled(bool enabled) override;
  void SetAddressText(const std::string& text) override;
  void SetShowMenu(bool shown) override;
  void RunLater(std::function<void()> work) override;
  void Settle(std::chrono::steady_clock::time_point deadline) override;

 private:
  // Runs the event loop until done() or deadline; whether done() came true.
  static bool WaitFor(const std::function<bool()>& done, std::chrono::steady_clock::time_point deadline);

  TEvents m_events;
  std::unique_ptr<QWebEngineProfile> m_profile;
  TWebPage* m_page;
  QWebEngineView* m_view;
  TGlyphButton* m_back;
  TGlyphButton* m_forward;
  QLineEdit* m_address;
  TGlyphButton* m_go;
  QRect m_viewRect;
  bool m_loading = false;
  bool m_frameDrawn = false;
  // The page as drawn for a picture (Settle), and where it goes.
  QPixmap m_snapshot;
};
