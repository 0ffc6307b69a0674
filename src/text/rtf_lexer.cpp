#include "text/rtf_lexer.h"

#include <algorithm>
#include <limits>

namespace {

// Control words are at most 32 letters; longer runs of letters are cut and the rest dropped.
constexpr size_t kMaxWordLetters = 32;

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexValue(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

TRtfToken TRtfLexer::Next() {
  TRtfToken token;
  if (m_pos >= m_source.size()) return token;
  const char c = m_source[m_pos];
  if (c == '{' || c == '}') {
    ++m_pos;
    token.kind = c == '{' ? TRtfTokenKind::GroupStart : TRtfTokenKind::GroupEnd;
    return token;
  }
  if (c == '\\') return ReadControl();
  const size_t end = m_source.find_first_of("{}\\", m_pos);
  const size_t stop = end == std::string_view::npos ? m_source.size() : end;
  token.kind = TRtfTokenKind::Text;
  token.word = m_source.substr(m_pos, stop - m_pos);
  m_pos = stop;
  return token;
}

TRtfToken TRtfLexer::ReadControl() {
  ++m_pos;  // the backslash
  TRtfToken token;
  if (m_pos >= m_source.size()) return token;
  const char c = m_source[m_pos];
  if (IsLetter(c)) return ReadControlWord();
  ++m_pos;
  if (c == '\'') {
    const int high = m_pos < m_source.size() ? HexValue(m_source[m_pos]) : -1;
    const int low = m_pos + 1 < m_source.size() ? HexValue(m_source[m_pos + 1]) : -1;
    if (high < 0 || low < 0) {
      // A broken byte escape reads as an unknown control symbol, which the reader ignores.
      token.kind = TRtfTokenKind::ControlSymbol;
      token.symbol = c;
      return token;
    }
    m_pos += 2;
    token.kind = TRtfTokenKind::HexByte;
    token.byte = static_cast<uint8_t>(high * 16 + low);
    return token;
  }
  token.kind = TRtfTokenKind::ControlSymbol;
  token.symbol = c;
  return token;
}

TRtfToken TRtfLexer::ReadControlWord() {
  TRtfToken token;
  token.kind = TRtfTokenKind::ControlWord;
  const size_t start = m_pos;
  while (m_pos < m_source.size() && IsLetter(m_source[m_pos])) ++m_pos;
  token.word = m_source.substr(start, std::min(m_pos - start, kMaxWordLetters));

  const bool negative = m_pos + 1 < m_source.size() && m_source[m_pos] == '-' && IsDigit(m_source[m_pos + 1]);
  if (negative) ++m_pos;
  if (m_pos < m_source.size() && IsDigit(m_source[m_pos])) {
    int64_t value = 0;
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; m_pos < m_source.size() && IsDigit(m_source[m_pos]); ++m_pos)
      value = std::min(kLimit, value * 10 + (m_source[m_pos] - '0'));
    if (negative) value = -value;
    token.hasParameter = true;
    token.parameter = static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                               std::numeric_limits<int32_t>::max()));
  }
  if (m_pos < m_source.size() && m_source[m_pos] == ' ') ++m_pos;  // the delimiting space

  if (token.word == "bin" && token.parameter > 0)
    m_pos += std::min<size_t>(static_cast<size_t>(token.parameter), m_source.size() - m_pos);
  return token;
}
