#include "text/mini_html_tags.h"

#include <array>
#include <cctype>
#include <string>

namespace {

struct THTMLTagInfo {
  std::string_view name;
  uint8_t category;
};

constexpr std::array<THTMLTagInfo, kHtmlTagCount> kTags{{
    {"html", 7},  {"head", 7},   {"script", 7},  {"body", 0},     {"font", 0},      {"blockquote", 0}, {"indent", 0},
    {"p", 1},     {"div", 1},    {"br", 1},      {"u", 0},        {"b", 0},         {"s", 0},          {"i", 0},
    {"a", 0},     {"ul", 5},     {"ol", 5},      {"li", 5},       {"title", 7},     {"img", 2},        {"hr", 2},
    {"dynamic", 3}, {"html", 6}, {"input", 6},   {"user", 3},     {"selection", 0}, {"hi", 0},         {"sub", 0},
    {"sup", 0},   {"table", 4},  {"tr", 4},      {"td", 4},       {"th", 4},
}};

}  // namespace

int LookUpHtmlTag(std::string_view name, uint8_t allowedCategories) {
  const bool end = !name.empty() && name.front() == '/';
  if (end) name.remove_prefix(1);
  std::string lower(name);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (int i = 0; i < kHtmlTagCount; ++i) {
    if (kTags[i].name != lower) continue;
    if ((allowedCategories >> kTags[i].category & 1) == 0) return 0;
    return end ? -(i + 1) : i + 1;
  }
  return 0;
}

int HtmlTagCategory(int tag) { return tag >= 1 && tag <= kHtmlTagCount ? kTags[tag - 1].category : -1; }

TLineBreak HtmlTagLineBreak(int signedTag) {
  switch (signedTag) {
    case htP: case htDiv: case htBlockquote: case htIndent: case htTable: case -htTr:
      return TLineBreak::lbBefore;
    case -htP: case -htDiv: case htBr: case -htBr: case -htBlockquote: case -htIndent: case htUl: case htOl:
    case -htLi: case htTitle: case -htTitle: case -htTable:
      return TLineBreak::lbAfter;
    default:
      return TLineBreak::lbNone;
  }
}

bool IsVisibleHtmlTag(int signedTag) {
  switch (signedTag) {
    case htLi: case htImg: case htHr: case htTd: case htTh: case htInput: case htUser:
      return true;
    default:
      return false;
  }
}

bool IsStateHtmlTag(int tag) {
  switch (tag) {
    case htHead: case htScript: case htBody: case htFont: case htBlockquote: case htIndent: case htP: case htDiv:
    case htU: case htB: case htS: case htI: case htA: case htUl: case htOl: case htLi: case htSelection: case htHi:
    case htSub: case htSup:
      return true;
    default:
      return false;
  }
}

int HtmlTagKind(int tag) {
  switch (tag) {
    case htDiv: return htP;
    case htIndent: return htBlockquote;
    default: return tag;
  }
}
