#pragma once
// The rich edit's component on Qt: a read-only QTextBrowser showing an RTF document read by the
// project's reader, built into a QTextDocument: paragraphs with their alignment and indents,
// runs with their font (through the player's font resolver), size, styles, colour and
// highlight. Its background is transparent (the control's colour and border lie beneath it);
// it uses the player's one widget style. Detected addresses are underlined links; the pointer
// turns into the link cursor over them, and a left click tells the control.

#include <QCursor>
#include <QTextBrowser>
#include <functional>

#include "text/rich_edit_component.h"

class TQtRichEdit final : public QTextBrowser, public TRichEditComponent {
 public:
  // linkCursor gives the cursor shown over links when they are reached (the menu's hot cursor
  // may be defined after the component is made).
  TQtRichEdit(QWidget* window, std::function<QCursor()> linkCursor);

  void Place(const TRect& rect, bool shown) override;
  void Render(QPainter& painter) override;
  void SetDocument(const TRtfDocument& document, const TCanvasFont& baseFont, bool detectLinks) override;
  void SetLinkClicked(std::function<void(const std::string&)> clicked) override { m_clicked = std::move(clicked); }
  void SetDesignMode(bool designMode) override;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  std::function<QCursor()> m_linkCursor;
  std::function<void(const std::string&)> m_clicked;
  bool m_designMode = false;
};

// The addresses in text a rich edit turns into links: (start, length) in UTF-16 units.
std::vector<std::pair<int, int>> DetectedLinks(const QString& text);
