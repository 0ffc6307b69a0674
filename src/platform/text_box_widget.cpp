#include "platform/text_box_widget.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "graphics/canvas.h"
#include "platform/text_widget_style.h"

namespace {

constexpr int kSideMargin = 2;

Qt::ScrollBarPolicy Policy(bool shown) { return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff; }

Qt::Alignment AlignmentOf(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return Qt::AlignRight;
    case TAlignment::taCenter: return Qt::AlignHCenter;
    case TAlignment::taLeftJustify: break;
  }
  return Qt::AlignLeft;
}

}  // namespace

TQtTextBox::TQtTextBox(QWidget* window) : QTextEdit(window) {
  PrepareTransparentEditor(*this);
  setAcceptRichText(false);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  QTextFrameFormat frame = document()->rootFrame()->frameFormat();
  frame.setLeftMargin(kSideMargin);
  frame.setRightMargin(kSideMargin);
  document()->rootFrame()->setFrameFormat(frame);
}

void TQtTextBox::Place(const TRect& rect, bool shown) {
  setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  setVisible(shown);
}

void TQtTextBox::Render(QPainter& painter) {
  if (window()->isVisible()) return;
  render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
}

void TQtTextBox::SetText(const std::string& text) {
  setPlainText(QString::fromStdString(text));
  FormatBlocks();
  verticalScrollBar()->setValue(0);
}

void TQtTextBox::SetLook(const TTextBoxLook& look) {
  m_look = look;
  setFont(ResolveFont(look.font, TTextMode::tmSystem));
  QPalette colours = palette();
  colours.setColor(QPalette::Text, ToQColor(look.font.color));
  setPalette(colours);
  setLineWrapMode(look.wordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  const bool vertical = look.scrollBars == TScrollStyle::ssVertical || look.scrollBars == TScrollStyle::ssBoth;
  const bool horizontal = look.scrollBars == TScrollStyle::ssHorizontal || look.scrollBars == TScrollStyle::ssBoth;
  setVerticalScrollBarPolicy(Policy(vertical));
  setHorizontalScrollBarPolicy(Policy(horizontal));
  FormatBlocks();
}

void TQtTextBox::SetDesignMode(bool designMode) {
  setFocusPolicy(designMode ? Qt::NoFocus : Qt::ClickFocus);
  if (designMode && hasFocus()) clearFocus();
}

void TQtTextBox::FormatBlocks() {
  QTextBlockFormat format;
  format.setAlignment(AlignmentOf(m_look.alignment));
  format.setLineHeight(m_look.linePitch, QTextBlockFormat::FixedHeight);
  format.setTopMargin(0);
  format.setBottomMargin(0);
  QTextCursor cursor(document());
  cursor.select(QTextCursor::Document);
  cursor.mergeBlockFormat(format);
}
