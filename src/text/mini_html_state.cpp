#include "text/mini_html_state.h"

#include <algorithm>
#include <cmath>

#include "model/font.h"

namespace {

constexpr int32_t kDefaultPoints = 8;
constexpr int32_t kMaxPoints = 1000;

// "+n" and "-n" are relative to 8 points, a plain number is the size itself.
int32_t FontPoints(std::string_view size) {
  int32_t n = kDefaultPoints;
  if (!ReadHtmlInteger(size, n)) return kDefaultPoints;
  const size_t first = size.find_first_not_of(" \t");
  if (first != std::string_view::npos && (size[first] == '+' || size[first] == '-')) n += kDefaultPoints;
  return std::clamp(n, -kMaxPoints, kMaxPoints);
}

std::string ListTypeOf(std::string_view type) {
  if (type.empty() || type == "round") return "disc";
  // Stored documents write "disk" for the square bullet.
  if (type == "square" || type == "disk") return "square";
  return "none";
}

void SetStyle(TFormattingState& s, uint32_t bit) { s.font.style |= bit; }

void Apply(const TMiniHtmlItem& item, TFormattingState& s) {
  const THtmlAttributes& a = item.attributes;
  const auto has = [&](std::string_view name) { return HasHtmlAttribute(a, name); };
  const auto value = [&](std::string_view name) { return HtmlAttribute(a, name); };
  switch (item.tag) {
    case htHead: case htScript:
      s.visible = false;
      break;
    case htBody:
      if (has("text")) s.font.color = ParseHtmlColor(value("text"));
      if (has("bgcolor")) s.background = ParseHtmlColor(value("bgcolor"));
      break;
    case htFont:
      if (has("face")) s.font.name = value("face");
      if (has("name")) s.font.name = value("name");
      if (has("color")) s.font.color = ParseHtmlColor(value("color"));
      if (has("size")) s.font.height = HtmlFontHeight(FontPoints(value("size")));
      break;
    case htB: SetStyle(s, fsBold); break;
    case htI: SetStyle(s, fsItalic); break;
    case htU: SetStyle(s, fsUnderline); break;
    case htS: SetStyle(s, fsStrikeOut); break;
    case htA: s.link = value("href"); break;
    case htSub: s.subSup = TSubSup::ssSub; break;
    case htSup: s.subSup = TSubSup::ssSup; break;
    case htSelection: case htHi: s.highlight = true; break;
    case htP: case htDiv:
      if (has("align")) s.align = value("align");
      if (has("bgcolor")) s.background = ParseHtmlColor(value("bgcolor"));
      break;
    case htBlockquote: case htIndent: case htLi:
      s.leftIndent = std::min(s.leftIndent + 24, kMaxHtmlLength);
      break;
    case htUl:
      s.listType = ListTypeOf(value("type"));
      if (has("color")) s.listColor = ParseHtmlColor(value("color"));
      break;
    case htOl:
      s.listType = "number";
      if (has("color")) s.listColor = ParseHtmlColor(value("color"));
      break;
    default:
      break;
  }
}

}  // namespace

int32_t HtmlFontHeight(int32_t points) {
  TFont font;
  font.SetSize(points);
  return font.Height();
}

void TCurrentState::Push(const TMiniHtmlItem& tag) {
  if (m_levels.size() >= kMaxDepth) return;
  TFormattingState state = State();
  Apply(tag, state);
  m_levels.push_back({&tag, std::move(state)});
  ++m_openOfKind[HtmlTagKind(tag.tag)];
}

void TCurrentState::Pop(int endTag) {
  const int kind = HtmlTagKind(-endTag);
  if (kind < 1 || kind > kHtmlTagCount || m_openOfKind[kind] == 0) return;
  --m_openOfKind[kind];
  for (size_t i = m_levels.size(); i-- > 0;) {
    if (HtmlTagKind(m_levels[i].tag->tag) != kind) continue;
    m_levels.erase(m_levels.begin() + static_cast<ptrdiff_t>(i));
    for (size_t j = i; j < m_levels.size(); ++j) {
      m_levels[j].state = j == 0 ? m_defaults : m_levels[j - 1].state;
      Apply(*m_levels[j].tag, m_levels[j].state);
    }
    return;
  }
}
