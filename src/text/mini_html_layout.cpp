// Laying out the items of a TQzMiniHtml2 in lines of the layout width.

#include <algorithm>
#include <climits>

#include "graphics/text_render.h"
#include "text/mini_html.h"

struct TQzMiniHtml2::TLineCursor {
  int32_t x = 5;
  int32_t y = 5;
  int32_t lineHeight = 0;
  int32_t lineNumber = 0;
  std::vector<size_t> line;          // the items of the line being filled
  std::vector<int32_t> listNumbers;  // one counter per open list
};

namespace {

bool IsTableRowOrCellTag(int tag) {
  const int number = tag < 0 ? -tag : tag;
  return number == htTr || number == htTd || number == htTh;
}

}  // namespace

void TQzMiniHtml2::LayOut() {
  m_state.Clear();
  m_contentHeight = 0;
  m_widestLine = 0;
  for (TMiniHtmlItem& item : m_items) {
    item.hidden = false;
    // Cells are placed by their table; one outside any table is not shown.
    item.dropped = item.IsCell();
  }
  TLineCursor cursor;
  for (size_t i = 0; i < m_items.size(); ++i)
    if (!m_items[i].IsCell()) PlaceItem(i, cursor);
  FinishLine(cursor);
  MarkBlocks();
  ShrinkSubSup();
}

void TQzMiniHtml2::PlaceItem(size_t index, TLineCursor& cursor) {
  TMiniHtmlItem& item = m_items[index];
  const bool isTag = item.kind == THtmlItemKind::hkTag;
  if (item.IsStartTag(htTable)) EndLine(cursor, item.tag);
  item.top = cursor.y;
  item.left = cursor.x;
  if (item.IsStartTag(htUl) || item.IsStartTag(htOl)) cursor.listNumbers.push_back(0);
  if ((item.IsStartTag(-htUl) || item.IsStartTag(-htOl)) && !cursor.listNumbers.empty()) cursor.listNumbers.pop_back();
  if (item.IsStartTag(htLi) && !cursor.listNumbers.empty()) item.number = ++cursor.listNumbers.back();
  Measure(item);

  const TLineBreak lineBreak = isTag ? HtmlTagLineBreak(item.tag) : TLineBreak::lbNone;
  const bool overflows = int64_t{cursor.x} + item.width + 5 > m_layoutWidth;
  if ((cursor.x != 5 && overflows) || lineBreak == TLineBreak::lbBefore || item.IsStartTag(htHr)) {
    EndLine(cursor, item.tag);
    if (item.kind == THtmlItemKind::hkSpace) {
      item.dropped = true;
      return;
    }
  }
  if (item.IsStartTag(htTable)) item.height = LayOutTable(index, cursor.y);
  item.left = cursor.x;
  if (item.height > 0) {
    item.top = item.IsVisibleKind() && item.height >= cursor.lineHeight
                   ? cursor.y
                   : Saturate(int64_t{cursor.y} + cursor.lineHeight - item.height);
  }
  cursor.x = Saturate(int64_t{cursor.x} + item.width);
  // Earlier items of the line move down to the line's bottom when the line is finished.
  cursor.lineHeight = std::max(cursor.lineHeight, item.height);
  cursor.line.push_back(index);
  if (lineBreak == TLineBreak::lbAfter) EndLine(cursor, item.tag);
  m_widestLine = std::max(m_widestLine, cursor.x);
}

void TQzMiniHtml2::EndLine(TLineCursor& cursor, int causeTag) {
  // A table's rows and cells stay on the line its start tag opened.
  if (IsTableRowOrCellTag(causeTag)) return;
  m_widestLine = std::max(m_widestLine, cursor.x);
  FinishLine(cursor);
  cursor.x = Saturate(int64_t{m_state.State().leftIndent} + 5);
  cursor.y = Saturate(int64_t{cursor.y} + cursor.lineHeight + 5);
  cursor.lineHeight = 0;
  ++cursor.lineNumber;
}

void TQzMiniHtml2::FinishLine(TLineCursor& cursor) {
  // Every item with a height sits on the line's bottom.
  for (const size_t index : cursor.line) {
    TMiniHtmlItem& item = m_items[index];
    item.line = cursor.lineNumber;
    item.lineHeight = cursor.lineHeight;
    if (item.height > 0) item.top = Saturate(int64_t{cursor.y} + cursor.lineHeight - item.height);
    m_contentHeight = std::max(m_contentHeight, Saturate(int64_t{item.top} + item.height));
  }
  AlignLine(cursor.line);
  cursor.line.clear();
}

void TQzMiniHtml2::AlignLine(const std::vector<size_t>& line) {
  std::vector<TMiniHtmlItem*> shown;
  for (const size_t index : line)
    if (m_items[index].Shows()) shown.push_back(&m_items[index]);
  if (!shown.empty() && shown.back()->kind == THtmlItemKind::hkSpace) {
    shown.back()->hidden = true;
    shown.pop_back();
  }
  int64_t sum = 0;
  std::string_view align;
  for (const TMiniHtmlItem* item : shown) {
    sum += item->width;
    if (!item->align.empty()) align = item->align;
  }
  int64_t offset = 0;
  if (align == "right" || align == "justify") offset = m_layoutWidth - sum - 10;
  else if (align == "center" || align == "centre") offset = (m_layoutWidth - sum - 10) / 2;
  if (offset == 0 || shown.empty()) return;
  if (align != "justify") {
    for (TMiniHtmlItem* item : shown) item->left = Saturate(item->left + offset);
    return;
  }
  // The offset is spread over the gaps between the items; the first (offset mod gaps) gaps get
  // one pixel more. A line of one item has no gap and stays.
  const int64_t gaps = static_cast<int64_t>(shown.size()) - 1;
  if (gaps == 0) return;
  int64_t shift = 0;
  for (int64_t k = 1; k <= gaps; ++k) {
    shift += offset / gaps + (k - 1 < offset % gaps ? 1 : 0);
    shown[k]->left = Saturate(shown[k]->left + shift);
  }
}

void TQzMiniHtml2::Measure(TMiniHtmlItem& item) {
  if (item.kind == THtmlItemKind::hkTag) {
    if (item.tag > 0 && IsStateHtmlTag(item.tag)) m_state.Push(item);
    if (item.tag < 0 && IsStateHtmlTag(-item.tag)) m_state.Pop(item.tag);
    item.width = item.height = 0;
    if (!IsVisibleHtmlTag(item.tag) || item.IsCell()) return;
  }
  MeasureVisible(item);
}

void TQzMiniHtml2::CopyState(TMiniHtmlItem& item) const {
  const TFormattingState& s = m_state.State();
  item.font = s.font;
  item.link = s.link;
  item.align = s.align;
  item.background = s.background;
  item.highlight = s.highlight;
  item.visible = s.visible;
  item.subSup = s.subSup;
  item.listType = s.listType;
  item.listColor = s.listColor;
}

TTextSize TQzMiniHtml2::TextExtent(const TCanvasFont& font, const std::string& text) {
  m_measuringCanvas.Font() = font;
  const TTextSize size = MeasureText(m_measuringCanvas, text, false, DT_SINGLELINE | DT_NOPREFIX);
  return {std::clamp(size.width, 0, kMaxLayoutExtent), std::clamp(size.height, 0, kMaxLayoutExtent)};
}

void TQzMiniHtml2::MeasureVisible(TMiniHtmlItem& item) {
  CopyState(item);
  if (!item.visible) {
    item.width = item.height = 0;
  } else if (item.IsStartTag(htHr)) {
    MeasureRule(item);
  } else {
    // Sizes do not depend on the layout width: they are measured once per reading.
    if (!item.measured) item.measured = MeasuredSize(item);
    item.width = item.measured->width;
    item.height = item.measured->height;
  }
}

void TQzMiniHtml2::MeasureRule(TMiniHtmlItem& item) const {
  const std::string_view size = HtmlAttribute(item.attributes, "size");
  item.ruleSize = 2;
  if (HasHtmlAttribute(item.attributes, "size") && !ReadHtmlInteger(size, item.ruleSize)) item.ruleSize = 4;
  item.ruleSize = std::clamp(item.ruleSize, 0, kMaxHtmlLength);
  const int32_t fallback = std::max(m_layoutWidth - 8, 0);
  item.ruleWidth = HasHtmlAttribute(item.attributes, "width")
                       ? ParseHtmlLength(HtmlAttribute(item.attributes, "width"), m_layoutWidth, fallback)
                       : fallback;
  item.width = std::max(m_layoutWidth, 0);
  item.height = item.ruleSize + 10;
}

TTextSize TQzMiniHtml2::MeasuredSize(const TMiniHtmlItem& item) {
  // Sub- and superscript words are as wide as in the smaller font they are drawn in, and as
  // high as in the full one (they are moved within that height when drawn).
  TCanvasFont small = item.font;
  if (item.subSup != TSubSup::ssNone) small.height = small.height * 2 / 3;
  const auto attribute = [&](std::string_view name) { return HtmlAttribute(item.attributes, name); };
  if (item.kind == THtmlItemKind::hkWord) return {TextExtent(small, item.text).width, TextExtent(item.font, item.text).height};
  if (item.kind == THtmlItemKind::hkSpace) return {TextExtent(small, " ").width, TextExtent(item.font, " A").height};
  if (item.tag == htLi) return {24, TextExtent(item.font, "Test").height};
  if (item.tag == htImg && item.picture) {
    TTextSize size{item.picture->Width(), item.picture->Height()};
    int32_t side = 0;
    if (!item.keepsOwnSize && ReadHtmlInteger(attribute("width"), side)) size.width = std::max(side, 0);
    if (!item.keepsOwnSize && ReadHtmlInteger(attribute("height"), side)) size.height = std::max(side, 0);
    return size;
  }
  if (item.tag == htInput) {
    const std::string_view type = attribute("type");
    if (type == "checkbox") return {16, 12};
    if (type != "submit" && type != "button") return {};
    const TCanvasFont arial{"Arial", HtmlFontHeight(8), 0, DEFAULT_CHARSET, clBlack};
    const std::string value = FormButtonCaption(item.attributes);
    return {TextExtent(arial, "  " + value).width, TextExtent(arial, value).height + 2};
  }
  TTextSize size;
  if (item.tag == htUser && OnUserDefinedUpdate) {
    OnUserDefinedUpdate(*this, item, std::string(attribute("id")), std::string(attribute("var3")),
                        std::string(attribute("var2")), std::string(attribute("var1")), size.height, size.width,
                        std::string(attribute("type")));
  }
  return {std::clamp(size.width, 0, kMaxHtmlLength), std::clamp(size.height, 0, kMaxHtmlLength)};
}

void TQzMiniHtml2::MarkBlocks() {
  struct TOpenBlock {
    TMiniHtmlItem* start;
    int32_t top = INT32_MAX, bottom = INT32_MIN;
  };
  std::vector<TOpenBlock> open;
  const auto close = [&] {
    const TOpenBlock block = open.back();
    open.pop_back();
    const bool empty = block.top > block.bottom;
    block.start->blockTop = empty ? 0 : block.top;
    block.start->blockBottom = empty ? 0 : block.bottom;
    if (!open.empty() && !empty) {
      open.back().top = std::min(open.back().top, block.top);
      open.back().bottom = std::max(open.back().bottom, block.bottom);
    }
  };
  for (TMiniHtmlItem& item : m_items) {
    if (item.kind == THtmlItemKind::hkTag && HtmlTagKind(std::abs(item.tag)) == htP) {
      if (item.tag > 0) open.push_back({&item});
      else if (!open.empty()) close();
    } else if (!open.empty() && item.Shows()) {
      open.back().top = std::min(open.back().top, item.top);
      open.back().bottom = std::max(open.back().bottom, Saturate(int64_t{item.top} + item.height));
    }
  }
  while (!open.empty()) close();
}

void TQzMiniHtml2::ShrinkSubSup() {
  for (TMiniHtmlItem& item : m_items) {
    if (item.subSup == TSubSup::ssNone || item.kind == THtmlItemKind::hkTag || !item.Shows()) continue;
    item.font.height = item.font.height * 2 / 3;
    const int32_t h = std::abs(item.font.height);
    item.top = item.subSup == TSubSup::ssSub ? item.top + item.height - h / 2 - 4 : item.top - h / 2 + 4;
    item.height = h;
  }
}
