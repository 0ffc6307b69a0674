#pragma once
// Conversions of the document's string encodings into the UTF-8 the model holds, and back.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// Windows-1252 bytes to UTF-8. The five unassigned bytes map to the C1 controls of the same value.
std::string Cp1252ToUtf8(std::span<const uint8_t> bytes);

// UTF-16LE code units (2 bytes each) to UTF-8; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(std::span<const uint8_t> bytes);

// Returns the input with every malformed UTF-8 sequence replaced by U+FFFD.
std::string SanitizeUtf8(std::span<const uint8_t> bytes);

// UTF-8 to Windows-1252; a character without a Windows-1252 byte becomes '?'.
std::string Utf8ToCp1252(std::string_view utf8);
std::u16string Utf8ToUtf16(std::string_view utf8);

// Decodes one code point from valid UTF-8 at pos and advances pos.
char32_t NextCodePoint(std::string_view utf8, size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);
