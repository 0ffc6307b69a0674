#include "text/code_page.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cerrno>

#include "model/text_encoding.h"

namespace {

constexpr char32_t kReplacement = 0xFFFD;

struct TCharsetCodePage {
  uint8_t charset;
  uint32_t codePage;
};

constexpr std::array<TCharsetCodePage, 19> kCharsetCodePages = {{
    {0, 1252},      // ANSI
    {1, 1252},      // DEFAULT
    {2, kCodePageSymbol},
    {77, kCodePageMac},
    {128, 932},     // SHIFTJIS
    {129, 949},     // HANGEUL
    {130, 1361},    // JOHAB
    {134, 936},     // GB2312
    {136, 950},     // CHINESEBIG5
    {161, 1253},    // GREEK
    {162, 1254},    // TURKISH
    {163, 1258},    // VIETNAMESE
    {177, 1255},    // HEBREW
    {178, 1256},    // ARABIC
    {186, 1257},    // BALTIC
    {204, 1251},    // RUSSIAN
    {222, 874},     // THAI
    {238, 1250},    // EASTEUROPE
    {255, 437},     // OEM
}};

struct TCodePageName {
  uint32_t codePage;
  const char* iconvName;
};

// The code pages of the character sets, the DOS page 850, and the Cyrillic KOI8 and Latin-1
// pages that a document may name as its own.
constexpr std::array<TCodePageName, 21> kIconvNames = {{
    {437, "CP437"},   {850, "CP850"},   {874, "CP874"},   {932, "CP932"},   {936, "CP936"},
    {949, "CP949"},   {950, "CP950"},   {1250, "CP1250"}, {1251, "CP1251"}, {1252, "CP1252"},
    {1253, "CP1253"}, {1254, "CP1254"}, {1255, "CP1255"}, {1256, "CP1256"}, {1257, "CP1257"},
    {1258, "CP1258"}, {1361, "JOHAB"},  {kCodePageMac, "MACINTOSH"}, {20866, "KOI8-R"},
    {21866, "KOI8-U"}, {28591, "ISO-8859-1"},
}};

const char* IconvNameOf(uint32_t codePage) {
  for (const TCodePageName& entry : kIconvNames)
    if (entry.codePage == codePage) return entry.iconvName;
  return nullptr;
}

iconv_t OpenToUtf8(const char* name) { return name ? iconv_open("UTF-8", name) : reinterpret_cast<iconv_t>(-1); }

bool IsOpen(iconv_t converter) { return converter != reinterpret_cast<iconv_t>(-1); }

bool StartsWith(std::span<const uint8_t> bytes, std::initializer_list<uint8_t> prefix) {
  return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

std::string Utf16BeToUtf8(std::span<const uint8_t> bytes) {
  std::string swapped(bytes.size() & ~size_t{1}, '\0');
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    swapped[i] = static_cast<char>(bytes[i + 1]);
    swapped[i + 1] = static_cast<char>(bytes[i]);
  }
  return Utf16LeToUtf8({reinterpret_cast<const uint8_t*>(swapped.data()), swapped.size()});
}

bool IsValidUtf8(std::span<const uint8_t> bytes) {
  const std::string sanitized = SanitizeUtf8(bytes);
  return sanitized.size() == bytes.size() && std::equal(bytes.begin(), bytes.end(), sanitized.begin(),
                                                        [](uint8_t a, char b) { return a == static_cast<uint8_t>(b); });
}

}  // namespace

uint32_t CodePageOfCharset(uint8_t charset) {
  for (const TCharsetCodePage& entry : kCharsetCodePages)
    if (entry.charset == charset) return entry.codePage;
  return kCodePageAnsi;
}

bool IsDoubleByteCodePage(uint32_t codePage) {
  return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361;
}

bool IsLeadByte(uint32_t codePage, uint8_t byte) {
  switch (codePage) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    case 1361: return (byte >= 0x84 && byte <= 0xD3) || (byte >= 0xD8 && byte <= 0xDE) || (byte >= 0xE0 && byte <= 0xF9);
    default: return false;
  }
}

TCodePageDecoder::TCodePageDecoder(uint32_t codePage) : m_codePage(codePage) {
  iconv_t converter = OpenToUtf8(IconvNameOf(codePage));
  if (!IsOpen(converter)) converter = OpenToUtf8("CP1252");
  m_converter = IsOpen(converter) ? static_cast<void*>(converter) : nullptr;
}

TCodePageDecoder::~TCodePageDecoder() {
  if (m_converter) iconv_close(static_cast<iconv_t>(m_converter));
}

void TCodePageDecoder::AppendDecoded(std::span<const uint8_t> bytes, std::string& out) {
  // Windows reads a single ASCII byte as ASCII in every code page, while iconv's JOHAB reads 0x5C
  // as the won sign; so ASCII is copied, and only the other characters (with any ASCII trail
  // byte of a double-byte character) go to the converter.
  size_t pos = 0;
  while (pos < bytes.size()) {
    if (bytes[pos] < 0x80) {
      out += static_cast<char>(bytes[pos++]);
      continue;
    }
    size_t end = pos;
    while (end < bytes.size() && bytes[end] >= 0x80)
      end = std::min(bytes.size(), end + (IsLeadByte(m_codePage, bytes[end]) ? 2 : 1));
    AppendConverted(bytes.subspan(pos, end - pos), out);
    pos = end;
  }
}

void TCodePageDecoder::AppendConverted(std::span<const uint8_t> bytes, std::string& out) {
  if (!m_converter) {
    out += Cp1252ToUtf8(bytes);
    return;
  }
  auto converter = static_cast<iconv_t>(m_converter);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(reinterpret_cast<const char*>(bytes.data()));
  size_t inLeft = bytes.size();
  std::array<char, 1024> chunk;
  // Every round either converts input, empties the chunk, or steps over one bad byte, so the
  // loop ends after at most a few rounds per input byte.
  while (inLeft > 0) {
    char* outPtr = chunk.data();
    size_t outLeft = chunk.size();
    const size_t result = iconv(converter, &in, &inLeft, &outPtr, &outLeft);
    const int error = errno;
    out.append(chunk.data(), chunk.size() - outLeft);
    if (result != static_cast<size_t>(-1) || error == E2BIG) continue;
    // EILSEQ (a byte not valid here) or EINVAL (a sequence cut off at the end).
    AppendUtf8(out, kReplacement);
    ++in;
    --inLeft;
    iconv(converter, nullptr, nullptr, nullptr, nullptr);
  }
}

std::string DecodeCodePage(std::span<const uint8_t> bytes, uint32_t codePage) {
  std::string out;
  out.reserve(bytes.size());
  TCodePageDecoder(codePage).AppendDecoded(bytes, out);
  return out;
}

std::string DecodeTextFile(std::span<const uint8_t> bytes, uint8_t charset) {
  if (StartsWith(bytes, {0xFF, 0xFE})) return Utf16LeToUtf8(bytes.subspan(2));
  if (StartsWith(bytes, {0xFE, 0xFF})) return Utf16BeToUtf8(bytes.subspan(2));
  if (StartsWith(bytes, {0xEF, 0xBB, 0xBF})) return SanitizeUtf8(bytes.subspan(3));
  if (IsValidUtf8(bytes)) return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  return DecodeCodePage(bytes, CodePageOfCharset(charset));
}
