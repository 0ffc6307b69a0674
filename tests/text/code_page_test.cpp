#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "text/code_page.h"

TEST(CodePage, CharsetsNameTheirWindowsCodePages) {
  const std::vector<std::pair<uint8_t, uint32_t>> cases = {
      {0, 1252}, {1, 1252}, {2, kCodePageSymbol}, {77, kCodePageMac}, {128, 932}, {129, 949}, {130, 1361},
      {134, 936}, {136, 950}, {161, 1253}, {204, 1251}, {222, 874}, {238, 1250}, {255, 437}, {99, 1252}};
  for (const auto& [charset, codePage] : cases) {
    SCOPED_TRACE(static_cast<int>(charset));
    EXPECT_EQ(CodePageOfCharset(charset), codePage);
  }
}

TEST(CodePage, LeadBytesBelongToTheDoubleByteCodePagesOnly) {
  EXPECT_TRUE(IsDoubleByteCodePage(932));
  EXPECT_FALSE(IsDoubleByteCodePage(1252));
  EXPECT_TRUE(IsLeadByte(932, 0x82));
  EXPECT_FALSE(IsLeadByte(932, 0xB1));  // a half-width katakana, one byte
  EXPECT_TRUE(IsLeadByte(932, 0xE0));
  EXPECT_TRUE(IsLeadByte(936, 0xC4));
  EXPECT_FALSE(IsLeadByte(936, 0x80));
  EXPECT_TRUE(IsLeadByte(1361, 0x84));
  EXPECT_FALSE(IsLeadByte(1361, 0xD4));
  EXPECT_FALSE(IsLeadByte(1252, 0x82));
  EXPECT_FALSE(IsLeadByte(1251, 0xE9));
}

TEST(CodePage, DecodesSingleAndDoubleBytePagesAndReplacesBadBytes) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    uint32_t codePage;
    std::string utf8;
  };
  const std::vector<Case> cases = {
      {"1252 accent and euro", {'c', 'a', 'f', 0xE9, ' ', 0x80}, 1252, "caf\u00E9 \u20AC"},
      {"1251 Cyrillic", {0xCF, 0xF0, 0xE8, 0xE2, 0xE5, 0xF2}, 1251, "\u041F\u0440\u0438\u0432\u0435\u0442"},
      {"932 pairs", {0x82, 0xA0, 0x93, 0xFA, 0x96, 0x7B}, 932, "\u3042\u65E5\u672C"},
      {"932 single-byte katakana", {0xB1}, 932, "\uFF71"},
      {"936 pairs", {0xC4, 0xE3, 0xBA, 0xC3}, 936, "\u4F60\u597D"},
      {"1361 pair and ASCII backslash", {0x88, 0x61, 0x5C}, 1361, "\uAC00\\"},
      {"932 pair with an ASCII trail byte", {'\\', 0x95, 0x5C}, 932, "\\\u8868"},
      {"unassigned byte", {'A', 0x81, 'B'}, 1252, "A\uFFFDB"},
      {"invalid lead byte goes on", {0x85, 0x40, 'a'}, 932, "\uFFFD@a"},
      {"lead byte cut off", {'a', 0x82}, 932, "a\uFFFD"},
      {"unknown page reads as 1252", {0xE9}, 12345, "\u00E9"},
      {"symbol page reads as 1252", {0xB7}, kCodePageSymbol, "\u00B7"},
      {"empty", {}, 932, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeCodePage(c.bytes, c.codePage), c.utf8);
  }
}

TEST(CodePage, DecoderKeepsNoStateBetweenRuns) {
  TCodePageDecoder decoder(932);
  std::string out;
  decoder.AppendDecoded(std::vector<uint8_t>{0x82}, out);
  decoder.AppendDecoded(std::vector<uint8_t>{0x82, 0xA0}, out);
  EXPECT_EQ(out, "\uFFFD\u3042");
}

TEST(CodePage, TextFilesAreReadByByteOrderMarkThenUtf8ThenCharset) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    uint8_t charset;
    std::string utf8;
  };
  const std::vector<Case> cases = {
      {"UTF-16 LE", {0xFF, 0xFE, 'A', 0, 0xE9, 0, '\n', 0}, 0, "A\u00E9\n"},
      {"UTF-16 BE", {0xFE, 0xFF, 0, 'A', 0x04, 0x16}, 0, "A\u0416"},
      {"UTF-16 LE odd byte dropped", {0xFF, 0xFE, 'A', 0, 'B'}, 0, "A"},
      {"UTF-8 mark", {0xEF, 0xBB, 0xBF, 0xC3, 0xA9, 0xFF}, 204, "\u00E9\uFFFD"},
      {"valid UTF-8 as it is", {0xC3, 0xA9, 'x'}, 204, "\u00E9x"},
      {"ASCII", {'a', '\r', '\n', 'b'}, 128, "a\r\nb"},
      {"not UTF-8: Russian charset", {0xE9}, 204, "\u0439"},
      {"not UTF-8: ANSI charset", {0xE9}, 0, "\u00E9"},
      {"not UTF-8: Shift-JIS charset", {0x82, 0xA0}, 128, "\u3042"},
      {"empty", {}, 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeTextFile(c.bytes, c.charset), c.utf8);
  }
}
