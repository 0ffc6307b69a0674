#include "platform/control_hints.h"

#include <algorithm>

#include <QPalette>
#include <QTextDocument>
#include <QToolTip>

#include "graphics/canvas.h"
#include "platform/screen_capture.h"

namespace {

// A hint is plain text: markup an author typed shows as written.
QString PlainTipText(const std::string& text) {
  const QString tip = QString::fromStdString(text);
  if (!Qt::mightBeRichText(tip)) return tip;
  return QStringLiteral("<p style='white-space:pre'>") + tip.toHtmlEscaped() + QStringLiteral("</p>");
}

// Qt reads a display time of 0 or less as "choose one"; the menu's own time holds, for both
// kinds of hint alike.
int DisplayTimeMs(const THintSettings& settings) { return std::max(settings.displayMs, 1); }

}  // namespace

TControlHints::TControlHints(TQtMenuWindow& window, std::function<const THintSettings&()> settings,
                             std::function<void(const std::string&)> report)
    : m_window(&window), m_settings(std::move(settings)), m_report(std::move(report)) {
  m_wait.setSingleShot(true);
  QObject::connect(&m_wait, &QTimer::timeout, [this] { Open(); });
  m_display.setSingleShot(true);
  QObject::connect(&m_display, &QTimer::timeout, [this] { Close(); });
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, ToQColor(clInfoBk));
  palette.setColor(QPalette::ToolTipText, ToQColor(clInfoText));
  QToolTip::setPalette(palette);
}

void TControlHints::PointerOver(const TControl* control, QPoint at) {
  m_at = at;
  if (control == m_control) return;
  m_control = control;
  m_wait.stop();
  const bool hintWasOpen = HintOpen();
  if (hintWasOpen) Close();
  // The balloon shows the part of Hint before "|", as the standard tip does.
  m_text = control ? ShortHintOf(*control) : std::string();
  if (m_text.empty()) return;
  m_area = QRect(control->Left(), control->Top(), control->Width(), control->Height());
  const THintSettings& settings = m_settings();
  m_wait.start(std::max(hintWasOpen ? settings.betweenHintsMs : settings.delayMs, 0));
}

void TControlHints::Cancel() {
  m_wait.stop();
  Close();
}

void TControlHints::Open() {
  if (!m_window || !m_window->isVisible()) return;
  const THintSettings& settings = m_settings();
  const QPoint pointer = m_window->mapToGlobal(m_at);
  if (!settings.custom) {
    QToolTip::showText(pointer, PlainTipText(m_text), m_window, m_area, DisplayTimeMs(settings));
    return;
  }
  CustomHintWindow().ActivateHint(settings, m_text, pointer);
  m_display.start(DisplayTimeMs(settings));
}

void TControlHints::Close() {
  m_display.stop();
  if (QToolTip::isVisible()) QToolTip::hideText();
  if (m_hintWindow) m_hintWindow->hide();
}

bool TControlHints::HintOpen() const {
  return QToolTip::isVisible() || (m_hintWindow && m_hintWindow->isVisible());
}

TKIVHintWindow& TControlHints::CustomHintWindow() {
  const bool compositor = CompositorRuns();
  if (!m_hintWindow || m_hintWindow->Translucent() != compositor)
    m_hintWindow = std::make_unique<TKIVHintWindow>(compositor, m_window.data(), m_report);
  return *m_hintWindow;
}
