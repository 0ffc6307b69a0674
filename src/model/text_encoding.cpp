#include "model/text_encoding.h"

#include <array>

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; unassigned bytes keep their C1 value.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReplacement = 0xFFFD;

int Cp1252ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (size_t i = 0; i < kCp1252High.size(); ++i)
    if (kCp1252High[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

}  // namespace

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Cp1252ToUtf8(std::span<const uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (uint8_t b : bytes) {
    if (b >= 0x80 && b <= 0x9F)
      AppendUtf8(out, kCp1252High[b - 0x80]);
    else
      AppendUtf8(out, b);
  }
  return out;
}

std::string Utf16LeToUtf8(std::span<const uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size());
  const size_t units = bytes.size() / 2;
  auto unitAt = [&](size_t i) { return static_cast<char16_t>(bytes[2 * i] | (bytes[2 * i + 1] << 8)); };
  for (size_t i = 0; i < units; ++i) {
    char16_t u = unitAt(i);
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < units) {
      char16_t low = unitAt(i + 1);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
        ++i;
        continue;
      }
    }
    AppendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? kReplacement : u);
  }
  return out;
}

std::string SanitizeUtf8(std::span<const uint8_t> bytes) {
  std::string out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) {
    uint8_t b = bytes[i];
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++i;
      continue;
    }
    int extra = (b >= 0xC2 && b <= 0xDF) ? 1 : (b >= 0xE0 && b <= 0xEF) ? 2 : (b >= 0xF0 && b <= 0xF4) ? 3 : -1;
    char32_t cp = extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
    bool ok = extra > 0;
    for (int k = 1; ok && k <= extra; ++k) {
      if (i + k >= bytes.size() || (bytes[i + k] & 0xC0) != 0x80) ok = false;
      else cp = (cp << 6) | (bytes[i + k] & 0x3F);
    }
    // Reject overlong forms, surrogates and values above U+10FFFF.
    if (ok && ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) ||
               (cp >= 0xD800 && cp <= 0xDFFF)))
      ok = false;
    if (ok) {
      AppendUtf8(out, cp);
      i += static_cast<size_t>(extra) + 1;
    } else {
      AppendUtf8(out, kReplacement);
      ++i;
    }
  }
  return out;
}

char32_t NextCodePoint(std::string_view s, size_t& pos) {
  auto b = static_cast<uint8_t>(s[pos]);
  int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
  char32_t cp = extra == 0 ? b : extra == 1 ? (b & 0x1F) : extra == 2 ? (b & 0x0F) : (b & 0x07);
  ++pos;
  for (int k = 0; k < extra && pos < s.size(); ++k, ++pos) cp = (cp << 6) | (static_cast<uint8_t>(s[pos]) & 0x3F);
  return cp;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    int b = Cp1252ByteOf(NextCodePoint(utf8, pos));
    out += static_cast<char>(b < 0 ? '?' : b);
  }
  return out;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t cp = NextCodePoint(utf8, pos);
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out += static_cast<char16_t>(0xD800 + (cp >> 10));
      out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    } else {
      out += static_cast<char16_t>(cp);
    }
  }
  return out;
}
