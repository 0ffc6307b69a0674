#include "graphics/text_escape.h"

#include <cstdint>

#include "model/text_encoding.h"

namespace {

bool IsOctal(char c) { return c >= '0' && c <= '7'; }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

void AppendCode(std::string& out, unsigned code) {
  const uint8_t byte = static_cast<uint8_t>(code);
  out += Cp1252ToUtf8(std::span<const uint8_t>(&byte, 1));
}

char SimpleEscape(char c) {
  switch (c) {
    case '"': case '\'': case '?': case '\\': return c;
    case 'a': return '\a';
    case 'b': return '\b';
    case 'f': return '\f';
    case 'n': return '\n';
    case 'r': return '\r';
    case 't': return '\t';
    case 'v': return '\v';
    default: return 0;
  }
}

}  // namespace

std::string UnescapeText(std::string_view text) {
  TUnescapedText decoded = UnescapeTextLeavingOutErrors(text);
  if (decoded.failed) throw ETextEscapeError();
  return std::move(decoded.text);
}

TUnescapedText UnescapeTextLeavingOutErrors(std::string_view text) {
  TUnescapedText result;
  std::string& out = result.text;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i++];
    if (c != '\\' || i == text.size()) {
      out += c;
      continue;
    }
    const char next = text[i];
    if (const char simple = SimpleEscape(next)) {
      out += simple;
      ++i;
    } else if (IsOctal(next)) {
      unsigned value = 0;
      for (int digits = 0; digits < 3 && i < text.size() && IsOctal(text[i]); ++digits) value = value * 8 + (text[i++] - '0');
      if (value > 255)
        result.failed = true;
      else
        AppendCode(out, value);
    } else if (next == 'x' && i + 1 < text.size() && HexValue(text[i + 1]) >= 0) {
      ++i;
      unsigned value = 0;
      for (int digits = 0; digits < 2 && i < text.size() && HexValue(text[i]) >= 0; ++digits)
        value = value * 16 + static_cast<unsigned>(HexValue(text[i++]));
      AppendCode(out, value);
    } else {
      // Not an escape (this includes "\x" without a hexadecimal digit): keep the backslash and
      // go on with the next character as ordinary text.
      out += '\\';
    }
  }
  return result;
}

std::string EscapeText(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\a': out += "\\a"; break;
      case '\b': out += "\\b"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\v': out += "\\v"; break;
      case '\f': out += "\\f"; break;
      case '\r': out += "\\r"; break;
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      default:
        if (static_cast<unsigned char>(c) < 32) {
          out += "\\x";
          out += kHex[static_cast<unsigned char>(c) >> 4];
          out += kHex[c & 0xF];
        } else {
          out += c;
        }
    }
  }
  return out;
}
