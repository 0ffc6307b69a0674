#include "document/text_form.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "model/names.h"
#include "model/read_error.h"
#include "model/text_encoding.h"
#include "document/stream_input.h"
#include "document/stream_output.h"
#include "document/text_form_lexis.h"

ETextFormError::ETextFormError(int line, int column, const std::string& message)
    : std::runtime_error("line " + std::to_string(line) + ", column " + std::to_string(column) + ": " + message),
      m_line(line),
      m_column(column) {}

using namespace text_form;

namespace {

enum class TTokenKind { End, Name, Number, String, Binary, Symbol };

struct TToken {
  TTokenKind kind = TTokenKind::End;
  int line = 1;
  int column = 1;
  std::string text;  // a name, a number without its suffix, a decoded string, or the symbol
  char suffix = 0;   // of a number: 's', 'c', 'd' or none
  bool isFloat = false;  // a number with '.', exponent, Inf or NaN
  bool isHex = false;
  std::vector<uint8_t> bytes;  // of a binary value
};

class TLexer {
 public:
  explicit TLexer(std::string_view text) : m_text(text) {}
  TToken Next();

 private:
  int Peek(size_t ahead = 0) const {
    return m_pos + ahead < m_text.size() ? static_cast<unsigned char>(m_text[m_pos + ahead]) : -1;
  }
  void Advance();
  [[noreturn]] void Fail(const std::string& message) const { throw ETextFormError(m_line, m_column, message); }
  void SkipBlanks();
  void LexName(TToken& token);
  void LexNumber(TToken& token);
  void LexString(TToken& token);
  void LexBinary(TToken& token);
  char32_t LexCharCode();

  std::string_view m_text;
  size_t m_pos = 0;
  int m_line = 1;
  int m_column = 1;
};

void TLexer::Advance() {
  if (m_text[m_pos++] == '\n') {
    ++m_line;
    m_column = 1;
  } else {
    ++m_column;
  }
}

void TLexer::SkipBlanks() {
  for (;;) {
    int c = Peek();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      Advance();
    } else if (c == '/' && Peek(1) == '/') {
      while (Peek() != -1 && Peek() != '\n') Advance();
    } else {
      return;
    }
  }
}

TToken TLexer::Next() {
  SkipBlanks();
  TToken token;
  token.line = m_line;
  token.column = m_column;
  int c = Peek();
  if (c == -1) return token;
  bool signedNumber = (c == '+' || c == '-') && (IsDigit(Peek(1)) || Peek(1) == 'I' || Peek(1) == 'N');
  if (IsNameStart(c)) {
    LexName(token);
  } else if (IsDigit(c) || signedNumber || c == '$') {
    LexNumber(token);
  } else if (c == '\'' || c == '#') {
    LexString(token);
  } else if (c == '{') {
    LexBinary(token);
  } else if (std::string_view("=:[](),<>+").find(static_cast<char>(c)) != std::string_view::npos) {
    token.kind = TTokenKind::Symbol;
    token.text = static_cast<char>(c);
    Advance();
  } else {
    Fail(c >= 0x20 && c < 0x7F ? std::string("unexpected character '") + static_cast<char>(c) + "'"
                               : "unexpected byte " + std::to_string(c));
  }
  return token;
}

void TLexer::LexName(TToken& token) {
  token.kind = TTokenKind::Name;
  for (;;) {
    while (IsNameChar(Peek())) {
      token.text += static_cast<char>(Peek());
      Advance();
    }
    if (Peek() != '.' || !IsNameStart(Peek(1))) return;
    token.text += '.';
    Advance();
  }
}

void TLexer::LexNumber(TToken& token) {
  token.kind = TTokenKind::Number;
  auto takeDigits = [&](bool hex) {
    size_t start = token.text.size();
    while (hex ? HexValue(Peek()) >= 0 : IsDigit(Peek())) {
      token.text += static_cast<char>(Peek());
      Advance();
    }
    if (token.text.size() == start) Fail(hex ? "expected a hex digit" : "expected a digit");
  };
  if (Peek() == '$') {
    token.isHex = true;
    Advance();
    takeDigits(true);
  } else {
    if (Peek() == '+' || Peek() == '-') {
      token.text += static_cast<char>(Peek());
      Advance();
    }
    if (Peek() == 'I' || Peek() == 'N') {
      std::string_view word = m_text.substr(m_pos, 3);
      if (word != "Inf" && word != "NaN") Fail("expected a number");
      token.text += word == "Inf" ? "inf" : "nan";
      token.isFloat = true;
      for (int i = 0; i < 3; ++i) Advance();
    } else {
      takeDigits(false);
      if (Peek() == '.') {
        token.text += '.';
        token.isFloat = true;
        Advance();
        takeDigits(false);
      }
      if (Peek() == 'e' || Peek() == 'E') {
        token.text += 'e';
        token.isFloat = true;
        Advance();
        if (Peek() == '+' || Peek() == '-') {
          token.text += static_cast<char>(Peek());
          Advance();
        }
        takeDigits(false);
      }
    }
    int suffix = Peek();
    if (suffix == 's' || suffix == 'c' || suffix == 'd' || suffix == 'S' || suffix == 'C' || suffix == 'D') {
      token.suffix = static_cast<char>(suffix | 0x20);
      Advance();
    }
  }
  if (IsNameChar(Peek()) || Peek() == '.') Fail("malformed number");
}

char32_t TLexer::LexCharCode() {
  Advance();  // '#'
  bool hex = Peek() == '$';
  if (hex) Advance();
  uint32_t code = 0;
  int digits = 0;
  for (int value; (value = hex ? HexValue(Peek()) : (IsDigit(Peek()) ? Peek() - '0' : -1)) >= 0; ++digits) {
    code = code * (hex ? 16 : 10) + static_cast<uint32_t>(value);
    if (code > 0x10FFFF) Fail("character code out of range");
    Advance();
  }
  if (digits == 0) Fail("expected a character code after '#'");
  if (code >= 0xD800 && code <= 0xDFFF) Fail("character code is a surrogate");
  return code;
}

void TLexer::LexString(TToken& token) {
  token.kind = TTokenKind::String;
  for (;;) {
    if (Peek() == '#') {
      AppendUtf8(token.text, LexCharCode());
    } else if (Peek() == '\'') {
      int line = m_line;
      int column = m_column;
      Advance();
      for (;;) {
        int c = Peek();
        if (c == -1 || c == '\n' || c == '\r') throw ETextFormError(line, column, "unterminated string");
        if (c < 0x20 && c != '\t') Fail("control character in a string: write it as #" + std::to_string(c));
        Advance();
        if (c == '\'') {
          if (Peek() != '\'') break;
          Advance();
        }
        token.text += static_cast<char>(c);
      }
    } else {
      break;
    }
  }
  // Text typed between quotes may be any UTF-8; it must be valid.
  if (SanitizeUtf8({reinterpret_cast<const uint8_t*>(token.text.data()), token.text.size()}) != token.text)
    throw ETextFormError(token.line, token.column, "string is not valid UTF-8");
}

void TLexer::LexBinary(TToken& token) {
  token.kind = TTokenKind::Binary;
  Advance();  // '{'
  int high = -1;
  for (;;) {
    int c = Peek();
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
      Advance();
    } else if (HexValue(c) >= 0) {
      if (high < 0) {
        high = HexValue(c);
      } else {
        token.bytes.push_back(static_cast<uint8_t>(high << 4 | HexValue(c)));
        high = -1;
      }
      Advance();
    } else if (c == '}') {
      if (high >= 0) Fail("odd number of hex digits");
      Advance();
      return;
    } else if (c == -1) {
      throw ETextFormError(token.line, token.column, "unterminated binary value");
    } else {
      Fail("expected a hex digit or '}'");
    }
  }
}

class TTextCompiler {
 public:
  TTextCompiler(std::string_view text, std::vector<uint8_t>& out) : m_lexer(text), m_out(out) { Advance(); }

  void Compile() {
    m_out.WriteSignature();
    ParseObject(0);
    if (m_token.kind != TTokenKind::End) Fail("expected the end of the text after the root object");
  }

 private:
  void Advance();
  const TToken& PeekToken();
  [[noreturn]] void Fail(const std::string& message) const {
    throw ETextFormError(m_token.line, m_token.column, message);
  }
  bool IsSymbol(char c) const { return m_token.kind == TTokenKind::Symbol && m_token.text[0] == c; }
  bool IsKeyword(std::string_view word) const { return m_token.kind == TTokenKind::Name && SameText(m_token.text, word); }
  bool StartsObject() const { return IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline"); }
  // A name followed by '=' is a property, whatever the name.
  bool AtProperty() {
    const TToken& next = PeekToken();
    return m_token.kind == TTokenKind::Name && next.kind == TTokenKind::Symbol && next.text == "=";
  }
  void Expect(char c);
  std::string ExpectName(const std::string& what, bool dotted);
  int64_t ExpectIndex();
  void ParseObject(int depth);
  void ParseProperty(int depth);
  void ParseValue(int depth, bool inList);
  void ParseCollection(int depth);
  void WriteNumber();
  int64_t ParseCurrency() const;
  template <typename T>
  T ParseFloat() const;

  TLexer m_lexer;
  TStreamOutput m_out;
  TToken m_token;
  std::optional<TToken> m_next;
};

void TTextCompiler::Advance() {
  if (m_next) {
    m_token = std::move(*m_next);
    m_next.reset();
  } else {
    m_token = m_lexer.Next();
  }
}

const TToken& TTextCompiler::PeekToken() {
  if (!m_next) m_next = m_lexer.Next();
  return *m_next;
}

void TTextCompiler::Expect(char c) {
  if (!IsSymbol(c)) Fail(std::string("expected '") + c + "'");
  Advance();
}

std::string TTextCompiler::ExpectName(const std::string& what, bool dotted) {
  if (m_token.kind != TTokenKind::Name) Fail("expected " + what);
  if (!dotted && m_token.text.find('.') != std::string::npos) Fail(what + " cannot contain '.'");
  if (m_token.text.size() > kMaxNameBytes) Fail("name longer than 255 characters");
  std::string name = std::move(m_token.text);
  Advance();
  return name;
}

int64_t TTextCompiler::ExpectIndex() {
  if (m_token.kind != TTokenKind::Number || m_token.isFloat || m_token.suffix || m_token.isHex)
    Fail("expected an integer index");
  int64_t value = 0;
  std::string_view digits = m_token.text;
  if (digits[0] == '+') digits.remove_prefix(1);
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  // The reader takes an index of at most 32 bits.
  if (result.ec != std::errc() || value < INT32_MIN || value > INT32_MAX) Fail("index out of range");
  Advance();
  return value;
}

void TTextCompiler::ParseObject(int depth) {
  // The same limit as the reader's, so whatever compiles also reads.
  if (depth >= TStreamInput::kMaxComponentDepth) Fail("objects nested too deeply");
  uint8_t flags = IsKeyword("inherited") ? 0x01 : IsKeyword("inline") ? 0x04 : 0;
  if (!StartsObject()) Fail("expected 'object'");
  Advance();
  std::string className = ExpectName("a class name", false);
  std::string name;
  if (IsSymbol(':')) {
    Advance();
    name = std::move(className);
    className = ExpectName("a class name", false);
  }
  std::optional<int64_t> position;
  if (IsSymbol('[')) {
    Advance();
    position = ExpectIndex();
    Expect(']');
  }
  m_out.WritePrefix(flags, position);
  m_out.WriteShortString(className);
  m_out.WriteShortString(name);
  for (;;) {
    if (m_token.kind != TTokenKind::Name) Fail("expected a property, 'object' or 'end'");
    if (!AtProperty() && (StartsObject() || IsKeyword("end"))) break;
    ParseProperty(0);
  }
  m_out.WriteEnd();
  while (StartsObject() && !AtProperty()) ParseObject(depth + 1);
  if (m_token.kind == TTokenKind::Name && AtProperty()) Fail("properties must come before the child objects");
  if (!IsKeyword("end")) Fail("expected 'object' or 'end'");
  Advance();
  m_out.WriteEnd();
}

void TTextCompiler::ParseProperty(int depth) {
  std::string path = ExpectName("a property name", true);
  Expect('=');
  m_out.WriteShortString(path);
  ParseValue(depth, false);
}

void TTextCompiler::ParseValue(int depth, bool inList) {
  if (depth > TStreamInput::kMaxValueDepth) Fail("values nested too deeply");
  switch (m_token.kind) {
    case TTokenKind::Number: WriteNumber(); Advance(); return;
    case TTokenKind::String: {
      std::string text = std::move(m_token.text);
      Advance();
      while (IsSymbol('+')) {
        Advance();
        if (m_token.kind != TTokenKind::String) Fail("expected a string after '+'");
        text += m_token.text;
        Advance();
      }
      m_out.WriteString(text);
      return;
    }
    case TTokenKind::Name:
      // Code 0 inside a list would end the list.
      if (inList && SameText(m_token.text, "Null")) Fail("Null cannot be a list item");
      m_out.WriteIdent(ExpectName("a value", true));
      return;
    case TTokenKind::Binary: m_out.WriteBinary(m_token.bytes); Advance(); return;
    case TTokenKind::Symbol:
      if (IsSymbol('[')) {
        Advance();
        std::vector<std::string> names;
        while (!IsSymbol(']')) {
          if (!names.empty()) Expect(',');
          names.push_back(ExpectName("a set element", false));
        }
        Advance();
        m_out.WriteSet(names);
        return;
      }
      if (IsSymbol('(')) {
        Advance();
        m_out.WriteListBegin();
        while (!IsSymbol(')')) {
          if (m_token.kind == TTokenKind::End) Fail("expected ')'");
          ParseValue(depth + 1, true);
        }
        Advance();
        m_out.WriteListEnd();
        return;
      }
      if (IsSymbol('<')) return ParseCollection(depth);
      break;
    case TTokenKind::End: break;
  }
  Fail("expected a value");
}

void TTextCompiler::ParseCollection(int depth) {
  Advance();
  m_out.WriteValueType(TValueType::vaCollection);
  while (!IsSymbol('>')) {
    if (!IsKeyword("item")) Fail("expected 'item' or '>'");
    Advance();
    if (IsSymbol('[')) {
      Advance();
      m_out.WriteInteger(ExpectIndex());
      Expect(']');
    }
    m_out.WriteListBegin();
    for (;;) {
      if (m_token.kind != TTokenKind::Name) Fail("expected a property or 'end'");
      if (IsKeyword("end") && !AtProperty()) break;
      ParseProperty(depth + 1);
    }
    Advance();
    m_out.WriteListEnd();
  }
  Advance();
  m_out.WriteEnd();
}

void TTextCompiler::WriteNumber() {
  const TToken& token = m_token;
  if (token.isHex) {
    if (token.text.size() > 16) Fail("hex number out of range");
    uint64_t value = 0;
    std::from_chars(token.text.data(), token.text.data() + token.text.size(), value, 16);
    return m_out.WriteInteger(static_cast<int64_t>(value));
  }
  switch (token.suffix) {
    case 's': return m_out.WriteSingle(ParseFloat<float>());
    case 'c': return m_out.WriteCurrency(ParseCurrency());
    case 'd': return m_out.WriteDate(ParseFloat<double>());
    default: break;
  }
  if (token.isFloat) return m_out.WriteExtended(ParseFloat<double>());
  std::string_view digits = token.text;
  if (digits[0] == '+') digits.remove_prefix(1);
  int64_t value = 0;
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (result.ec != std::errc()) Fail("integer out of range");
  m_out.WriteInteger(value);
}

template <typename T>
T TTextCompiler::ParseFloat() const {
  std::string_view text = m_token.text;
  bool negative = text[0] == '-';
  if (text[0] == '+' || text[0] == '-') text.remove_prefix(1);
  if (text == "inf") return negative ? -std::numeric_limits<T>::infinity() : std::numeric_limits<T>::infinity();
  if (text == "nan") return std::copysign(std::numeric_limits<T>::quiet_NaN(), negative ? T(-1) : T(1));
  T value = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size()) Fail("number out of range");
  return negative ? -value : value;
}

// Exact decimal to value x 10000, without passing through a double.
int64_t TTextCompiler::ParseCurrency() const {
  std::string_view text = m_token.text;
  if (text.find_first_of("ein") != std::string_view::npos) Fail("a currency value takes no exponent");
  bool negative = text[0] == '-';
  if (text[0] == '+' || text[0] == '-') text.remove_prefix(1);
  size_t dot = text.find('.');
  std::string_view fraction = dot == std::string_view::npos ? std::string_view() : text.substr(dot + 1);
  if (fraction.size() > 4) Fail("a currency value has at most 4 decimals");
  std::string digits(text.substr(0, dot));
  digits += fraction;
  digits.append(4 - fraction.size(), '0');
  uint64_t magnitude = 0;
  auto result = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  const uint64_t limit = negative ? uint64_t{1} << 63 : (uint64_t{1} << 63) - 1;
  if (result.ec != std::errc() || magnitude > limit) Fail("currency value out of range");
  return negative ? static_cast<int64_t>(0 - magnitude) : static_cast<int64_t>(magnitude);
}

}  // namespace

std::vector<uint8_t> ObjectTextToBinary(std::string_view text) {
  std::vector<uint8_t> stream;
  TTextCompiler(text, stream).Compile();
  return stream;
}
