#pragma once
// Windows code pages and character sets: which code page a font's character set stands for, the
// lead bytes of the double-byte code pages, and decoding of code-page bytes and text files into
// UTF-8 (through the C library's iconv).

#include <cstdint>
#include <span>
#include <string>

inline constexpr uint32_t kCodePageAnsi = 1252;
inline constexpr uint32_t kCodePageSymbol = 42;
inline constexpr uint32_t kCodePageMac = 10000;

// The code page of a Windows character-set number (a font's charset byte): ANSI and DEFAULT are
// 1252, SYMBOL is kCodePageSymbol, MAC is kCodePageMac, OEM is 437, the national sets their
// Windows code pages (SHIFTJIS 932, GB2312 936, HANGEUL 949, CHINESEBIG5 950, JOHAB 1361, RUSSIAN
// 1251 and so on). A number that names no character set is 1252.
uint32_t CodePageOfCharset(uint8_t charset);

// True for the double-byte code pages 932, 936, 949, 950 and 1361.
bool IsDoubleByteCodePage(uint32_t codePage);

// True when byte starts a two-byte character in codePage; always false for a single-byte page.
bool IsLeadByte(uint32_t codePage, uint8_t byte);

// Decodes bytes of codePage into UTF-8. A code page this system cannot decode (kCodePageSymbol
// among them) is read as 1252. A byte that is not valid where it stands, and a lead byte at the
// end without its trail byte, becomes U+FFFD; decoding goes on with the next byte.
std::string DecodeCodePage(std::span<const uint8_t> bytes, uint32_t codePage);

// The UTF-8 text of a text file's bytes: a byte-order mark (UTF-16 LE, UTF-16 BE, UTF-8) says
// the encoding and is removed; without one, bytes that are valid UTF-8 are taken as they are,
// anything else is decoded in the code page of charset. Malformed sequences become U+FFFD.
std::string DecodeTextFile(std::span<const uint8_t> bytes, uint8_t charset);

// Decodes runs of one code page, keeping its converter open from run to run. Not copyable.
class TCodePageDecoder {
 public:
  explicit TCodePageDecoder(uint32_t codePage);
  ~TCodePageDecoder();
  TCodePageDecoder(const TCodePageDecoder&) = delete;
  TCodePageDecoder& operator=(const TCodePageDecoder&) = delete;

  uint32_t CodePage() const { return m_codePage; }
  // Appends the UTF-8 of bytes to out, as DecodeCodePage does.
  void AppendDecoded(std::span<const uint8_t> bytes, std::string& out);

 private:
  void AppendConverted(std::span<const uint8_t> bytes, std::string& out);

  uint32_t m_codePage;
  void* m_converter;  // iconv_t, or null when not even 1252 opens
};
