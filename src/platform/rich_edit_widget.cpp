#include "platform/rich_edit_widget.h"

#include <QMouseEvent>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <cmath>

#include "graphics/canvas.h"
#include "platform/text_widget_style.h"

namespace {

constexpr int32_t kDefaultTabTwips = 720;

// Twips (1/1440 inch) in pixels at 96 per inch.
qreal Pixels(int32_t twips) { return twips / 15.0; }

Qt::Alignment AlignmentOf(TRtfAlignment alignment) {
  switch (alignment) {
    case TRtfAlignment::Right: return Qt::AlignRight;
    case TRtfAlignment::Center: return Qt::AlignHCenter;
    case TRtfAlignment::Justify: return Qt::AlignJustify;
    case TRtfAlignment::Left: break;
  }
  return Qt::AlignLeft;
}

QColor ColorOf(const TRtfColor& color) { return QColor(color.red, color.green, color.blue); }

QTextCharFormat CharFormat(const TRtfCharFormat& run, const TCanvasFont& baseFont) {
  TCanvasFont font = baseFont;
  if (!run.fontName.empty()) font.name = run.fontName;
  // Half-points at 96 pixels per inch, as a character height.
  font.height = -static_cast<int32_t>(std::lround(run.fontSizeHalfPoints * 2.0 / 3.0));
  font.style = 0;
  if (run.bold) font.style |= fsBold;
  if (run.italic) font.style |= fsItalic;
  if (run.underline) font.style |= fsUnderline;
  if (run.strike) font.style |= fsStrikeOut;
  QTextCharFormat format;
  format.setFont(ResolveFont(font, TTextMode::tmSystem));
  format.setForeground(run.color ? ColorOf(*run.color) : ToQColor(baseFont.color));
  if (run.highlight) format.setBackground(ColorOf(*run.highlight));
  return format;
}

}  // namespace

std::vector<std::pair<int, int>> DetectedLinks(const QString& text) {
  static const QRegularExpression kAddress(
      QStringLiteral(R"((?:https?:|ftp:|file:|mailto:|news:|telnet:|www\.)[^\s<>"]+)"),
      QRegularExpression::CaseInsensitiveOption);
  std::vector<std::pair<int, int>> links;
  for (auto match = kAddress.globalMatch(text); match.hasNext();) {
    const QRegularExpressionMatch found = match.next();
    int length = static_cast<int>(found.capturedLength());
    // Punctuation that ends a sentence is not part of the address.
    while (length > 0 && QStringLiteral(".,;:!?)'").contains(text[found.capturedStart() + length - 1])) --length;
    links.emplace_back(static_cast<int>(found.capturedStart()), length);
  }
  return links;
}

TQtRichEdit::TQtRichEdit(QWidget* window, std::function<QCursor()> linkCursor)
    : QTextBrowser(window), m_linkCursor(std::move(linkCursor)) {
  PrepareTransparentEditor(*this);
  setOpenLinks(false);
  setOpenExternalLinks(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse);
  // RTF's default tab stops, every half inch; a hanging indent's tab then reaches the indent.
  QTextOption option = document()->defaultTextOption();
  option.setTabStopDistance(Pixels(kDefaultTabTwips));
  document()->setDefaultTextOption(option);
  connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
    if (m_clicked && !m_designMode) m_clicked(link.toString(QUrl::FullyDecoded).toStdString());
  });
}

void TQtRichEdit::Place(const TRect& rect, bool shown) {
  setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  setVisible(shown);
}

void TQtRichEdit::Render(QPainter& painter) {
  if (window()->isVisible()) return;
  render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

void TQtRichEdit::SetDocument(const TRtfDocument& document, const TCanvasFont& baseFont, bool detectLinks) {
  clear();
  QTextCursor cursor(this->document());
  bool first = true;
  for (const TRtfParagraph& paragraph : document.paragraphs) {
    QTextBlockFormat block;
    block.setAlignment(AlignmentOf(paragraph.alignment));
    block.setLeftMargin(Pixels(paragraph.leftIndentTwips));
    block.setRightMargin(Pixels(paragraph.rightIndentTwips));
    block.setTextIndent(Pixels(paragraph.firstLineIndentTwips));
    // A hanging first line's first tab reaches the left indent, as in RTF.
    if (paragraph.firstLineIndentTwips < 0)
      block.setTabPositions({QTextOption::Tab(-Pixels(paragraph.firstLineIndentTwips), QTextOption::LeftTab)});
    if (first)
      cursor.setBlockFormat(block);
    else
      cursor.insertBlock(block);
    first = false;
    for (const TRtfRun& run : paragraph.runs) {
      if (run.format.hidden) continue;
      QString text = QString::fromStdString(run.text);
      text.replace(QChar('\n'), QChar::LineSeparator);
      cursor.insertText(text, CharFormat(run.format, baseFont));
    }
  }
  if (detectLinks) {
    for (QTextBlock block = this->document()->begin(); block.isValid(); block = block.next()) {
      for (const auto& [start, length] : DetectedLinks(block.text())) {
        QTextCursor link(block);
        link.setPosition(block.position() + start);
        link.setPosition(block.position() + start + length, QTextCursor::KeepAnchor);
        QTextCharFormat format;
        format.setAnchor(true);
        format.setAnchorHref(link.selectedText());
        format.setFontUnderline(true);
        format.setForeground(QColor(0, 0, 255));
        link.mergeCharFormat(format);
      }
    }
  }
  verticalScrollBar()->setValue(0);
}

void TQtRichEdit::SetDesignMode(bool designMode) {
  m_designMode = designMode;
  setFocusPolicy(designMode ? Qt::NoFocus : Qt::ClickFocus);
  if (designMode && hasFocus()) clearFocus();
}

void TQtRichEdit::mouseMoveEvent(QMouseEvent* event) {
  QTextBrowser::mouseMoveEvent(event);
  const bool overLink = !m_designMode && !anchorAt(event->position().toPoint()).isEmpty();
  viewport()->setCursor(overLink && m_linkCursor ? m_linkCursor() : QCursor(Qt::ArrowCursor));
}
