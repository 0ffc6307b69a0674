// The public text routines and the antialiased text path.

#include "graphics/text_render.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "graphics/text_layout.h"

namespace {

// Stands for "no limit" as a Qt line width.
constexpr qreal kUnlimitedWidth = 1e6;

bool UseAntialiased(bool antialias) { return antialias && AntialiasAvailable(); }

// Nearest integer, a half to the even neighbour (the default floating-point rounding mode).
int32_t RoundHalfEven(qreal value) { return static_cast<int32_t>(std::nearbyint(value)); }

// The characters to lay out, with the line breaks as Qt's line separators and the access-key
// characters underlined.
QString PrepareSmooth(std::string_view text, uint32_t flags, QList<QTextLayout::FormatRange>& formats) {
  const QString source = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QTextCharFormat underline;
  underline.setFontUnderline(true);
  QString out;
  bool first = true;
  for (QStringView paragraph : SplitAtLineBreaks(source)) {
    if (!first) out += QChar::LineSeparator;
    first = false;
    const TVisibleText visible = StripPrefix(paragraph, (flags & DT_NOPREFIX) == 0, true);
    for (qsizetype u : visible.underlined) {
      const int length = (visible.text[u].isHighSurrogate() && u + 1 < visible.text.size()) ? 2 : 1;
      formats.append({static_cast<int>(out.size() + u), length, underline});
    }
    out += visible.text;
  }
  return out;
}

// Lays the text out in lines of boxWidth (0 or less: no limit, no wrapping) and returns the
// bounding box's size: the widest line without trailing spaces by the lines' height. Lines are
// spaced by the font's Windows cell plus its line gap, the first baseline one ascent below the
// top, as the platform's antialiasing engine places them.
QSizeF LayOutSmooth(QTextLayout& layout, uint32_t flags, qreal boxWidth, Qt::Alignment alignment) {
  const TCellMetrics cell = CellMetrics(layout.font());
  const qreal lineSpacing = cell.ascent + cell.descent + cell.lineGap;
  const bool limited = boxWidth > 0;
  QTextOption option(alignment);
  option.setWrapMode((flags & DT_WORDBREAK) && limited ? QTextOption::WrapAtWordBoundaryOrAnywhere
                                                       : QTextOption::NoWrap);
  option.setTabStopDistance(std::max(1.0, 8 * cell.averageCharWidth));
  layout.setTextOption(option);
  qreal top = 0;
  qreal width = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(limited ? boxWidth : kUnlimitedWidth);
    line.setPosition({0, top + cell.ascent - line.ascent()});
    top += lineSpacing;
    width = std::max(width, line.naturalTextWidth());
  }
  layout.endLayout();
  return {width, top};
}

TTextSize MeasureSmooth(const TCanvas& canvas, std::string_view text, uint32_t flags) {
  if (text.empty()) return {};
  QList<QTextLayout::FormatRange> formats;
  QTextLayout layout(PrepareSmooth(text, flags, formats), ResolveFont(canvas.Font(), TTextMode::tmAntialiased));
  const QSizeF size = LayOutSmooth(layout, flags, 0, Qt::AlignLeft);
  return {RoundHalfEven(size.width()), RoundHalfEven(size.height())};
}

// Draws text laid out in box (a width or height of 0 or less: no limit that way).
void DrawSmooth(TCanvas& canvas, std::string_view text, const QRectF& box, uint32_t flags, Qt::Alignment alignment,
                bool clip) {
  if (text.empty()) return;
  QList<QTextLayout::FormatRange> formats;
  QTextLayout layout(PrepareSmooth(text, flags, formats), ResolveFont(canvas.Font(), TTextMode::tmAntialiased));
  layout.setFormats(formats);
  LayOutSmooth(layout, flags, box.width(), alignment);

  TCanvasPainter painter(canvas, TPaintKind::pkText);
  if (!painter.Active()) return;
  if (clip) {
    const qreal width = box.width() > 0 ? box.width() : kUnlimitedWidth;
    const qreal height = box.height() > 0 ? box.height() : kUnlimitedWidth;
    painter->setClipRect(QRectF(box.left(), box.top(), width, height), Qt::IntersectClip);
  }
  painter->setRenderHint(QPainter::TextAntialiasing, true);
  painter->setPen(ToQColor(canvas.Font().color));
  layout.draw(&*painter, box.topLeft());
}

}  // namespace

TTextSize MeasureText(const TCanvas& canvas, std::string_view text, bool antialias, uint32_t flags) {
  if (UseAntialiased(antialias)) return MeasureSmooth(canvas, text, flags);
  const TRect extent = CalcTextRectPlain(canvas, text, TRect{}, flags | DT_CALCRECT);
  return {extent.right, extent.bottom};
}

int32_t MeasureTextWidth(const TCanvas& canvas, std::string_view text, bool antialias, uint32_t flags) {
  return MeasureText(canvas, text, antialias, flags).width;
}

int32_t MeasureTextHeight(const TCanvas& canvas, std::string_view text, bool antialias, uint32_t flags) {
  return MeasureText(canvas, text, antialias, flags).height;
}

void TextOutAt(TCanvas& canvas, std::string_view text, int32_t x, int32_t y, bool antialias, uint32_t flags) {
  if (UseAntialiased(antialias)) {
    DrawSmooth(canvas, text, QRectF(x, y, 0, 0), flags, Qt::AlignLeft, false);
    return;
  }
  TRect rect{x, y, x + 100, y + 100};
  DrawTextPlain(canvas, text, rect, flags | DT_SINGLELINE | DT_NOCLIP);
}

void DrawTextRect(TCanvas& canvas, std::string_view text, const TRect& rect, bool antialias, uint32_t flags) {
  if (UseAntialiased(antialias)) {
    const Qt::Alignment alignment = (flags & DT_CENTER) ? Qt::AlignHCenter : (flags & DT_RIGHT) ? Qt::AlignRight : Qt::AlignLeft;
    const QRectF box(rect.left, rect.top, rect.Width() + 0.5, rect.Height() + 0.5);
    DrawSmooth(canvas, text, box, flags, alignment, (flags & DT_NOCLIP) == 0);
    return;
  }
  TRect copy = rect;
  DrawTextPlain(canvas, text, copy, flags);
}

void DrawTextBox(TCanvas& canvas, std::string_view text, int32_t x, int32_t y, int32_t width, int32_t height,
                 bool antialias, uint32_t flags) {
  DrawTextRect(canvas, text, TRect{x, y, x + width, y + height}, antialias, flags);
}
