#include "text/mini_html_source.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

#include "model/text_encoding.h"

namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string LowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool StartsWithNoCase(std::string_view text, size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Lower(text[at + i]) != prefix[i]) return false;
  return true;
}

// Replaces every occurrence of from by to in one left-to-right pass; from is lower case and
// compared ignoring case when ignoreCase.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to, bool ignoreCase) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const bool match = ignoreCase ? StartsWithNoCase(text, i, from) : text.substr(i, from.size()) == from;
    if (match) {
      out += to;
      i += from.size();
    } else {
      out += text[i++];
    }
  }
  return out;
}

std::string ReplaceEntities(std::string_view text) {
  struct TEntity {
    std::string_view name, replacement;
    bool ignoreCase;
  };
  // The order matters: "&amp;lt;" must come out as the text "&lt;".
  static constexpr std::array<TEntity, 7> kEntities{{{"&nbsp;", " ", true},
                                                     {"&lt;", "<", true},
                                                     {"&gt;", ">", true},
                                                     {"&amp;", "&", true},
                                                     {"&quot;", "\"", true},
                                                     {"&copy;", "\xC2\xA9", false},
                                                     {"&reg;", "\xC2\xAE", false}}};
  std::string out(text);
  for (const TEntity& e : kEntities)
    if (out.find('&') != std::string::npos) out = ReplaceAll(out, e.name, e.replacement, e.ignoreCase);
  return out;
}

std::u32string DecodeText(std::string_view utf8) {
  const std::string valid =
      SanitizeUtf8(std::span(reinterpret_cast<const uint8_t*>(utf8.data()), utf8.size()));
  std::u32string out;
  out.reserve(valid.size());
  for (size_t pos = 0; pos < valid.size();) out += NextCodePoint(valid, pos);
  return out;
}

// Drops line breaks at both ends, counts a run of them as one, and turns each into a space
// unless a CJK character stands on either side.
std::u32string JoinLines(const std::u32string& text) {
  const auto breakAt = [&](size_t i) { return i + 1 < text.size() && text[i] == U'\r' && text[i + 1] == U'\n'; };
  size_t begin = 0, end = text.size();
  while (breakAt(begin)) begin += 2;
  while (end - begin >= 2 && text[end - 2] == U'\r' && text[end - 1] == U'\n') end -= 2;
  std::u32string out;
  out.reserve(end - begin);
  for (size_t i = begin; i < end;) {
    if (!breakAt(i)) {
      out += text[i++];
      continue;
    }
    while (i < end && breakAt(i)) i += 2;
    const bool cjkBefore = !out.empty() && IsCjkCharacter(out.back());
    const bool cjkAfter = i < end && IsCjkCharacter(text[i]);
    if (!cjkBefore && !cjkAfter) out += U' ';
  }
  return out;
}

}  // namespace

std::string_view HtmlAttribute(const THtmlAttributes& attributes, std::string_view name) {
  for (const auto& [key, value] : attributes)
    if (key == name) return value;
  return {};
}

bool HasHtmlAttribute(const THtmlAttributes& attributes, std::string_view name) {
  return std::any_of(attributes.begin(), attributes.end(), [&](const auto& a) { return a.first == name; });
}

std::string FormButtonCaption(const THtmlAttributes& attributes) {
  std::string caption(HtmlAttribute(attributes, "value"));
  if (!caption.empty()) caption[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(caption[0])));
  return caption;
}

THtmlAttributes ParseHtmlAttributes(std::string_view text) {
  THtmlAttributes attributes;
  const auto addFlags = [&](std::string_view words) {
    while (!(words = Trim(words)).empty()) {
      const size_t space = words.find(' ');
      attributes.emplace_back(LowerAscii(words.substr(0, space)), "");
      if (space == std::string_view::npos) break;
      words.remove_prefix(space);
    }
  };
  text = Trim(text);
  for (size_t equals; (equals = text.find('=')) != std::string_view::npos;) {
    // Words before the name are flags of their own.
    std::string_view name = Trim(text.substr(0, equals));
    const size_t lastSpace = name.rfind(' ');
    if (lastSpace != std::string_view::npos) {
      addFlags(name.substr(0, lastSpace));
      name = Trim(name.substr(lastSpace));
    }
    std::string_view rest = text.substr(equals + 1);
    const size_t quote = rest.find('"'), space = rest.find(' ');
    std::string_view value;
    if (quote != std::string_view::npos && (space == std::string_view::npos || quote < space)) {
      const size_t close = rest.find('"', quote + 1);
      value = rest.substr(quote + 1, close == std::string_view::npos ? std::string_view::npos : close - quote - 1);
      rest = close == std::string_view::npos ? std::string_view{} : rest.substr(close + 1);
    } else {
      value = rest.substr(0, space);
      rest = space == std::string_view::npos ? std::string_view{} : rest.substr(space);
    }
    std::string key = LowerAscii(name);
    std::string stored = key == "href" ? std::string(value) : LowerAscii(value);
    attributes.emplace_back(std::move(key), std::move(stored));
    text = Trim(rest);
  }
  addFlags(text);
  return attributes;
}

bool IsCjkCharacter(char32_t c) {
  static constexpr std::array<std::pair<char32_t, char32_t>, 14> kRanges{{{0x1100, 0x11FF},
                                                                          {0x2600, 0x27BF},
                                                                          {0x2800, 0x28FF},
                                                                          {0x2E80, 0x2FDF},
                                                                          {0x2FF0, 0x2FFF},
                                                                          {0x3040, 0x318F},
                                                                          {0x31A0, 0x4DB5},
                                                                          {0x4DC0, 0x9FBB},
                                                                          {0xA000, 0xA4CF},
                                                                          {0xAC00, 0xD7AF},
                                                                          {0xF900, 0xFA2D},
                                                                          {0xFA30, 0xFA6A},
                                                                          {0xFA70, 0xFAD9},
                                                                          {0xFF00, 0xFFEF}}};
  return std::any_of(kRanges.begin(), kRanges.end(), [c](const auto& r) { return c >= r.first && c <= r.second; });
}

std::vector<THtmlWord> SplitHtmlText(std::string_view text) {
  const std::u32string chars = JoinLines(DecodeText(ReplaceEntities(text)));
  std::vector<THtmlWord> words;
  std::string word;
  const auto endWord = [&] {
    if (!word.empty()) words.push_back({std::move(word), false});
    word.clear();
  };
  for (const char32_t c : chars) {
    if (c == U' ') {
      endWord();
      words.push_back({" ", true});
    } else if (IsCjkCharacter(c)) {
      endWord();
      AppendUtf8(word, c);
      endWord();
    } else {
      AppendUtf8(word, c);
    }
  }
  endWord();
  return words;
}

TColor ParseHtmlColor(std::string_view value) {
  if (value.empty() || value.find('<') != std::string_view::npos) return clBlack;
  const auto hex = [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; };
  if (value.size() == 7 && value[0] == '#' && std::all_of(value.begin() + 1, value.end(), hex)) {
    const uint32_t rgb = static_cast<uint32_t>(std::stoul(std::string(value.substr(1)), nullptr, 16));
    return static_cast<TColor>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
  }
  if (const std::optional<int32_t> named = IdentToInt(TIdentTable::Color, value)) return *named;
  // A number as written in a document: decimal, or hexadecimal after "$" or "0x".
  std::string digits(value);
  int base = 10;
  if (digits.starts_with('$')) digits.erase(0, 1), base = 16;
  else if (digits.starts_with("0x")) digits.erase(0, 2), base = 16;
  const bool sign = !digits.empty() && digits[0] == '-';
  if (digits.empty() || digits.size() > 12) return clWhite;
  for (size_t i = sign ? 1 : 0; i < digits.size(); ++i)
    if (base == 16 ? !hex(digits[i]) : !std::isdigit(static_cast<unsigned char>(digits[i]))) return clWhite;
  if (sign && digits.size() == 1) return clWhite;
  const long long number = std::stoll(digits, nullptr, base);
  if (number < INT32_MIN || number > UINT32_MAX) return clWhite;
  return static_cast<TColor>(static_cast<uint32_t>(number));
}

bool ReadHtmlInteger(std::string_view text, int32_t& value) {
  text = Trim(text);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) negative = text[0] == '-', text.remove_prefix(1);
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return false;
  int64_t n = 0;
  for (size_t i = 0; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    n = std::min<int64_t>(n * 10 + (text[i] - '0'), kMaxHtmlLength);
  value = static_cast<int32_t>(negative ? -n : n);
  return true;
}

int32_t ParseHtmlLength(std::string_view value, int32_t reference, int32_t fallback) {
  value = Trim(value);
  int64_t length = 0;
  if (value.empty()) {
    length = fallback;
  } else if (value.back() == '%') {
    int32_t percent = 100;
    value.remove_suffix(1);
    if (!Trim(value).empty() && !ReadHtmlInteger(value, percent)) percent = 1;
    length = int64_t{reference} * percent / 100;
  } else {
    int32_t number = 1;
    if (!ReadHtmlInteger(value, number) || Trim(value).find_first_not_of("+-0123456789") != std::string_view::npos)
      number = 1;
    length = number;
  }
  if (length == 0) length = fallback;
  if (length > 10) length -= 10;
  return static_cast<int32_t>(std::clamp<int64_t>(length, 0, kMaxHtmlLength));
}

bool THtmlSourceReader::Next(std::string& text, std::string& tag, bool& hasTag) {
  if (m_pos >= m_source.size()) return false;
  const size_t open = m_source.find('<', m_pos);
  const size_t close = open == std::string::npos ? std::string::npos : m_source.find('>', open + 1);
  if (close == std::string::npos) {
    text = m_source.substr(m_pos);
    tag.clear();
    hasTag = false;
    m_pos = m_source.size();
    return true;
  }
  text = m_source.substr(m_pos, open - m_pos);
  tag = m_source.substr(open + 1, close - open - 1);
  hasTag = true;
  m_pos = close + 1;
  return true;
}

void THtmlSourceReader::Insert(std::string_view text) {
  // The text goes into the part already read when it fits there; otherwise the rest is moved
  // behind room for several more insertions, so a run of them costs linear time overall.
  if (text.size() > m_pos) {
    const size_t room = 4 * text.size() + 1024;
    m_source = std::string(room, ' ') + m_source.substr(m_pos);
    m_pos = room;
  }
  m_pos -= text.size();
  m_source.replace(m_pos, text.size(), text);
}

std::string THtmlSourceReader::CutCell() {
  const std::string_view source = m_source;
  const auto tableStart = [&](size_t at) {
    return StartsWithNoCase(source, at, "<table") && at + 6 < source.size() &&
           (source[at + 6] == '>' || source[at + 6] == ' ');
  };
  const auto cellEnd = [&](size_t at) { return StartsWithNoCase(source, at, "</td>") || StartsWithNoCase(source, at, "</th>"); };
  // The cells of inner tables end inside those tables.
  int depth = 0;
  for (size_t at = source.find('<', m_pos); at != std::string_view::npos; at = source.find('<', at + 1)) {
    if (tableStart(at)) {
      ++depth;
    } else if (depth > 0 && StartsWithNoCase(source, at, "</table>")) {
      --depth;
    } else if (depth == 0 && cellEnd(at)) {
      std::string cell(source.substr(m_pos, at - m_pos));
      m_pos = at + 5;
      return cell;
    }
  }
  std::string cell(source.substr(m_pos));
  m_pos = m_source.size();
  return cell;
}
