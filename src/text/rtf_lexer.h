#pragma once
// Splits RTF source into tokens: group braces, control words with their optional signed
// parameter, control symbols, "\'hh" bytes and runs of plain text. Any input is a token sequence:
// a backslash at the end, a "\'" without two hex digits and stray bytes are dropped or read as
// text, never an error. The binary data of "\bin N" is stepped over here (at most what remains),
// so no other reader sees it as text. Each call consumes input, so reading is linear.

#include <cstddef>
#include <cstdint>
#include <string_view>

enum class TRtfTokenKind : uint8_t { GroupStart, GroupEnd, ControlWord, ControlSymbol, HexByte, Text, End };

struct TRtfToken {
  TRtfTokenKind kind = TRtfTokenKind::End;
  std::string_view word;       // ControlWord: the letters; Text: the bytes (no braces or backslash)
  bool hasParameter = false;   // ControlWord
  int32_t parameter = 0;       // ControlWord; saturated to the 32-bit range
  char symbol = 0;             // ControlSymbol: the character after the backslash
  uint8_t byte = 0;            // HexByte
};

class TRtfLexer {
 public:
  explicit TRtfLexer(std::string_view source) : m_source(source) {}

  // The next token; End once the input is used up (and on every call after that).
  TRtfToken Next();

 private:
  TRtfToken ReadControl();
  TRtfToken ReadControlWord();

  std::string_view m_source;
  size_t m_pos = 0;
};
