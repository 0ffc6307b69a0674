// The system text path: DrawText's layout drawn with crisp (non-antialiased) glyphs.

#include <QFontMetrics>
#include <algorithm>
#include <climits>
#include <cmath>

#include "graphics/text_layout.h"
#include "graphics/text_render.h"

namespace {

constexpr int kTabStopChars = 8;

struct TPlainLine {
  TVisibleText visible;
  int width = 0;
};

// The platform's integer text metrics of a font: its cell (ascent above the baseline, line
// height) and the tab stop distance.
class TPlainMeasure {
 public:
  TPlainMeasure(const QFont& font, bool expandTabs) : m_metrics(font), m_expandTabs(expandTabs) {
    const TCellMetrics cell = CellMetrics(font);
    m_ascent = static_cast<int>(std::lround(cell.ascent));
    m_lineHeight = m_ascent + static_cast<int>(std::lround(cell.descent));
    m_tabWidth = std::max(1, kTabStopChars * static_cast<int>(std::lround(cell.averageCharWidth)));
  }

  const QFontMetrics& Metrics() const { return m_metrics; }
  int Ascent() const { return m_ascent; }
  int LineHeight() const { return m_lineHeight; }

  // The pen position after drawing text from x: tabs jump to the next stop.
  int Advance(QStringView text, int x) const {
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
      if (i < text.size() && !(m_expandTabs && text[i] == u'\t')) continue;
      x += m_metrics.horizontalAdvance(text.mid(start, i - start).toString());
      if (i < text.size()) x = (x / m_tabWidth + 1) * m_tabWidth;
      start = i + 1;
    }
    return x;
  }

 private:
  QFontMetrics m_metrics;
  bool m_expandTabs;
  int m_ascent = 0;
  int m_lineHeight = 0;
  int m_tabWidth = 1;
};

TPlainLine Slice(const TVisibleText& source, qsizetype start, qsizetype end, const TPlainMeasure& measure) {
  TPlainLine line;
  line.visible.text = source.text.mid(start, end - start);
  for (qsizetype u : source.underlined)
    if (u >= start && u < end) line.visible.underlined.push_back(u - start);
  line.width = measure.Advance(line.visible.text, 0);
  return line;
}

// Greedy word wrap: words join a line while it fits in maxWidth; a word alone on its line may
// be wider. The spaces where a line breaks are dropped.
void WrapWords(const TVisibleText& para, int maxWidth, const TPlainMeasure& measure, std::vector<TPlainLine>& lines) {
  const QString& text = para.text;
  const qsizetype n = text.size();
  auto isSpace = [&](qsizetype i) { return text[i] == u' ' || text[i] == u'\t'; };
  qsizetype pos = 0;
  do {
    const qsizetype lineStart = pos;
    qsizetype lineEnd = pos;
    int width = 0;
    while (lineEnd < n) {
      qsizetype tokenEnd = lineEnd;
      while (tokenEnd < n && isSpace(tokenEnd)) ++tokenEnd;
      while (tokenEnd < n && !isSpace(tokenEnd)) ++tokenEnd;
      const int tokenWidth = measure.Advance(QStringView(text).mid(lineEnd, tokenEnd - lineEnd), width);
      if (lineEnd > lineStart && tokenWidth > maxWidth) break;
      width = tokenWidth;
      lineEnd = tokenEnd;
    }
    lines.push_back(Slice(para, lineStart, lineEnd, measure));
    pos = lineEnd;
    while (pos < n && isSpace(pos)) ++pos;
  } while (pos < n);
}

std::vector<TPlainLine> LayOut(QStringView text, const TRect& rect, uint32_t flags, const TPlainMeasure& measure) {
  const bool showPrefix = (flags & DT_NOPREFIX) == 0;
  const bool expandTabs = (flags & DT_EXPANDTABS) != 0;
  std::vector<QStringView> paragraphs;
  if (flags & DT_SINGLELINE)
    paragraphs.push_back(text);
  else
    paragraphs = SplitAtLineBreaks(text);
  std::vector<TPlainLine> lines;
  for (QStringView paragraph : paragraphs) {
    const TVisibleText visible = StripPrefix(paragraph, showPrefix, expandTabs);
    if ((flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE))
      WrapWords(visible, rect.Width(), measure, lines);
    else
      lines.push_back(Slice(visible, 0, visible.text.size(), measure));
  }
  return lines;
}

int LineLeft(const TRect& rect, int width, uint32_t flags) {
  if (flags & DT_CENTER) return rect.left + (rect.Width() - width) / 2;
  if (flags & DT_RIGHT) return rect.right - width;
  return rect.left;
}

int FirstLineTop(const TRect& rect, int lineHeight, uint32_t flags) {
  if (!(flags & DT_SINGLELINE)) return rect.top;
  if (flags & DT_VCENTER) return rect.top + (rect.Height() - lineHeight) / 2;
  if (flags & DT_BOTTOM) return rect.bottom - lineHeight;
  return rect.top;
}

void DrawLine(QPainter& painter, const TPlainLine& line, int x, int baseline, const TPlainMeasure& measure) {
  const QFontMetrics& metrics = measure.Metrics();
  const QString& text = line.visible.text;
  qsizetype start = 0;
  int penX = 0;  // from the line's start, where the tab stops count from
  for (qsizetype i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != u'\t') continue;
    const QString segment = text.mid(start, i - start);
    painter.drawText(QPoint(x + penX, baseline), segment);
    for (qsizetype u : line.visible.underlined) {
      if (u < start || u >= i) continue;
      const qsizetype length = (text[u].isHighSurrogate() && u + 1 < i) ? 2 : 1;
      const int from = x + penX + metrics.horizontalAdvance(segment.left(u - start));
      const int to = x + penX + metrics.horizontalAdvance(segment.left(u - start + length));
      // The font's underline thickness, at most a twelfth of the line (a bitmap face states 2).
      const int thickness = std::clamp(metrics.lineWidth(), 1, std::max(1, measure.LineHeight() / 12));
      painter.fillRect(QRect(from, baseline + std::max(1, metrics.underlinePos()), to - from, thickness),
                       painter.pen().color());
    }
    penX = measure.Advance(QStringView(text).mid(start, i - start + (i < text.size() ? 1 : 0)), penX);
    start = i + 1;
  }
}

}  // namespace

TRect CalcTextRectPlain(const TCanvas& canvas, std::string_view text, const TRect& rect, uint32_t flags) {
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const TPlainMeasure measure(ResolveFont(canvas.Font(), TTextMode::tmSystem), flags & DT_EXPANDTABS);
  const int lineHeight = measure.LineHeight();
  TRect result = rect;
  if (qtext.isEmpty()) {
    result.right = rect.left;
    result.bottom = rect.top + ((flags & DT_SINGLELINE) ? lineHeight : 0);
    return result;
  }
  const std::vector<TPlainLine> lines = LayOut(qtext, rect, flags, measure);
  int width = 0;
  for (const TPlainLine& line : lines) width = std::max(width, line.width);
  result.right = rect.left + width;
  result.bottom = static_cast<int32_t>(std::clamp<int64_t>(
      rect.top + int64_t{lineHeight} * static_cast<int64_t>(lines.size()), INT32_MIN, INT32_MAX));
  return result;
}

int32_t DrawTextPlain(TCanvas& canvas, std::string_view text, TRect& rect, uint32_t flags) {
  if (flags & DT_CALCRECT) {
    rect = CalcTextRectPlain(canvas, text, rect, flags);
    return rect.Height();
  }
  const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFont font = ResolveFont(canvas.Font(), TTextMode::tmSystem);
  const TPlainMeasure measure(font, flags & DT_EXPANDTABS);
  const int lineHeight = measure.LineHeight();
  if (qtext.isEmpty()) return (flags & DT_SINGLELINE) ? lineHeight : 0;
  const std::vector<TPlainLine> lines = LayOut(qtext, rect, flags, measure);
  const int32_t height = static_cast<int32_t>(std::min<int64_t>(int64_t{lineHeight} * static_cast<int64_t>(lines.size()), INT32_MAX));

  TCanvasPainter painter(canvas, TPaintKind::pkText);
  if (!painter.Active()) return height;
  if (!(flags & DT_NOCLIP)) painter->setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), Qt::IntersectClip);
  painter->setFont(font);
  painter->setPen(ToQColor(canvas.Font().color));
  const bool opaque = canvas.Brush().style == TBrushStyle::bsSolid;
  // Lines wholly above or below the clip are skipped.
  const int clipTop = canvas.ClipRect().top - canvas.Origin().y;
  const int clipBottom = canvas.ClipRect().bottom - canvas.Origin().y;
  int y = FirstLineTop(rect, lineHeight, flags);
  for (const TPlainLine& line : lines) {
    if (y >= clipBottom) break;
    if (y + lineHeight <= clipTop) {
      y += lineHeight;
      continue;
    }
    const int x = LineLeft(rect, line.width, flags);
    if (opaque) painter->fillRect(QRect(x, y, line.width, lineHeight), ToQColor(canvas.Brush().color));
    DrawLine(*painter, line, x, y + measure.Ascent(), measure);
    y += lineHeight;
  }
  return height;
}

std::vector<QStringView> SplitAtLineBreaks(QStringView text) {
  std::vector<QStringView> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != u'\r' && text[i] != u'\n') continue;
    lines.push_back(text.mid(start, i - start));
    if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  lines.push_back(text.mid(start));
  return lines;
}

TVisibleText StripPrefix(QStringView text, bool showPrefix, bool keepTabs) {
  TVisibleText out;
  out.text.reserve(text.size());
  bool underlineNext = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == u'\r' || c == u'\n' || (c == u'\t' && !keepTabs)) continue;
    if (c == u'&' && showPrefix) {
      if (i + 1 < text.size() && text[i + 1] == u'&') {
        out.text += c;
        ++i;
      } else {
        underlineNext = true;
      }
      continue;
    }
    if (underlineNext) out.underlined.push_back(out.text.size());
    underlineNext = false;
    out.text += c;
  }
  return out;
}
