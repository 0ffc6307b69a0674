#pragma once
// Lexical rules shared by the text-form printer and compiler.

#include <cstddef>
#include <string_view>

#include "model/names.h"

namespace text_form {

inline constexpr size_t kBinaryBytesPerLine = 32;
// A string is continued with " +" on a new line once a line of it holds this many characters.
inline constexpr size_t kStringLineWidth = 64;
inline constexpr size_t kMaxNameBytes = 255;

inline bool IsNameStart(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
inline bool IsDigit(int c) { return c >= '0' && c <= '9'; }
inline bool IsNameChar(int c) { return IsNameStart(c) || IsDigit(c); }
inline int HexValue(int c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Names separated by single dots: property paths and identifier values.
inline bool IsValidPath(std::string_view path) {
  for (;;) {
    size_t dot = path.find('.');
    if (!IsValidIdent(path.substr(0, dot))) return false;
    if (dot == std::string_view::npos) return true;
    path.remove_prefix(dot + 1);
  }
}

}  // namespace text_form
