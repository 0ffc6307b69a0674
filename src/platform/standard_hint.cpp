#include "platform/standard_hint.h"

#include <algorithm>

#include <QPalette>
#include <QTextDocument>
#include <QToolTip>

#include "graphics/canvas.h"
#include "window/menu_context.h"

namespace {

// A hint is plain text: markup an author typed shows as written.
QString PlainTipText(const std::string& text) {
  const QString tip = QString::fromStdString(text);
  if (!Qt::mightBeRichText(tip)) return tip;
  return QStringLiteral("<p style='white-space:pre'>") + tip.toHtmlEscaped() + QStringLiteral("</p>");
}

}  // namespace

TStandardHint::TStandardHint(QWidget& window) : m_window(&window) {
  m_wait.setSingleShot(true);
  QObject::connect(&m_wait, &QTimer::timeout, [this] { Open(); });
  QPalette palette = QToolTip::palette();
  palette.setColor(QPalette::ToolTipBase, ToQColor(clInfoBk));
  palette.setColor(QPalette::ToolTipText, ToQColor(clInfoText));
  QToolTip::setPalette(palette);
}

void TStandardHint::PointerOver(const TControl* control, QPoint at) {
  m_at = at;
  if (control == m_control) return;
  m_control = control;
  m_wait.stop();
  const bool tipWasOpen = QToolTip::isVisible();
  if (tipWasOpen) QToolTip::hideText();
  const TMenuContext* context = control ? MenuContextOf(*control) : nullptr;
  const std::string text = context ? ShortHintOf(*control) : std::string();
  if (text.empty() || context->hintSettings.custom) return;
  const THintSettings& settings = context->hintSettings;
  m_text = PlainTipText(text);
  m_area = QRect(control->Left(), control->Top(), control->Width(), control->Height());
  m_wait.start(std::max(tipWasOpen ? settings.betweenHintsMs : settings.delayMs, 0));
}

void TStandardHint::Cancel() {
  m_wait.stop();
  QToolTip::hideText();
}

void TStandardHint::Open() {
  const TMenuContext* context = m_control ? MenuContextOf(*m_control) : nullptr;
  if (!context || !m_window || !m_window->isVisible()) return;
  // Qt reads a display time of 0 or less as "choose one"; the menu's own time holds.
  const int displayMs = std::max(context->hintSettings.displayMs, 1);
  QToolTip::showText(m_window->mapToGlobal(m_at), m_text, m_window, m_area, displayMs);
}
