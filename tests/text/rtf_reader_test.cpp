#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/rtf_reader.h"

namespace {

// The document's text: runs joined, paragraphs separated by "|".
std::string TextOf(const TRtfDocument& document) {
  std::string text;
  for (size_t i = 0; i < document.paragraphs.size(); ++i) {
    if (i > 0) text += '|';
    for (const TRtfRun& run : document.paragraphs[i].runs) text += run.text;
  }
  return text;
}

std::vector<std::string> RunTexts(const TRtfParagraph& paragraph) {
  std::vector<std::string> texts;
  for (const TRtfRun& run : paragraph.runs) texts.push_back(run.text);
  return texts;
}

constexpr TRtfColor kRed{255, 0, 0};
constexpr TRtfColor kBlue{0, 0, 255};

}  // namespace

TEST(RtfReader, ReadsFormattingTablesAndParagraphsOfADocument) {
  const TRtfDocument document = ReadRtf(
      "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
      "{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\froman\\fcharset0 Times New Roman{\\*\\falt Times};}"
      "{\\f2\\fnil\\fcharset2 Symbol;}}\n"
      "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}\n"
      "{\\*\\generator Writer 1.0;}{\\info{\\title Secret}}{\\stylesheet{\\s0 Normal;}}{\\header head\\par}\n"
      "\\pard\\qc\\li720\\ri360\\fi-360\\f0\\fs28 Plain {\\b bold} {\\i italic} {\\ul under\\ulnone line} "
      "{\\strike gone}\\par\n"
      "\\pard\\qr {\\f1\\fs20\\cf1 red}\\tab{\\highlight2 marked}\\line next\\par\n"
      "\\pard\\qj caf\\'e9 \\u8364?\\~\\-x\\_y \\\\\\{\\} {\\v secret}\\par\n"
      "{\\pntext\\f2\\'b7\\tab}\\pard\\li360 item\\par\n"
      "\\pard\\trowd\\cellx1000\\cellx2000 \\intbl A\\cell B\\cell\\row\n"
      "\\pard {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}{\\pict\\wmetafile8 0102}"
      "{\\object{\\*\\objdata 01}}\\par\n"
      "}");
  ASSERT_EQ(document.paragraphs.size(), 6u);

  const TRtfParagraph& first = document.paragraphs[0];
  EXPECT_EQ(first.alignment, TRtfAlignment::Center);
  EXPECT_EQ(first.leftIndentTwips, 720);
  EXPECT_EQ(first.rightIndentTwips, 360);
  EXPECT_EQ(first.firstLineIndentTwips, -360);
  EXPECT_EQ(RunTexts(first),
            (std::vector<std::string>{"Plain ", "bold", " ", "italic", " ", "under", "line ", "gone"}));
  const TRtfCharFormat& plain = first.runs[0].format;
  EXPECT_EQ(plain.fontName, "Arial");
  EXPECT_EQ(plain.fontSizeHalfPoints, 28);
  EXPECT_FALSE(plain.bold || plain.italic || plain.underline || plain.strike || plain.hidden);
  EXPECT_FALSE(plain.color.has_value());
  EXPECT_FALSE(plain.highlight.has_value());
  EXPECT_TRUE(first.runs[1].format.bold);
  EXPECT_TRUE(first.runs[3].format.italic);
  EXPECT_TRUE(first.runs[5].format.underline);
  EXPECT_EQ(first.runs[6].format, plain);
  EXPECT_TRUE(first.runs[7].format.strike);

  const TRtfParagraph& second = document.paragraphs[1];
  EXPECT_EQ(second.alignment, TRtfAlignment::Right);
  EXPECT_EQ(second.leftIndentTwips, 0);
  EXPECT_EQ(RunTexts(second), (std::vector<std::string>{"red", "\t", "marked", "\nnext"}));
  EXPECT_EQ(second.runs[0].format.fontName, "Times New Roman");
  EXPECT_EQ(second.runs[0].format.fontSizeHalfPoints, 20);
  EXPECT_EQ(second.runs[0].format.color, kRed);
  EXPECT_EQ(second.runs[1].format, plain);
  EXPECT_EQ(second.runs[2].format.highlight, kBlue);
  EXPECT_FALSE(second.runs[2].format.color.has_value());

  const TRtfParagraph& third = document.paragraphs[2];
  EXPECT_EQ(third.alignment, TRtfAlignment::Justify);
  EXPECT_EQ(RunTexts(third), (std::vector<std::string>{"caf\u00E9 \u20AC\u00A0x\u2011y \\{} ", "secret"}));
  EXPECT_FALSE(third.runs[0].format.hidden);
  EXPECT_TRUE(third.runs[1].format.hidden);

  // A list item's bullet text shows in its own font; the indent is the item's.
  const TRtfParagraph& item = document.paragraphs[3];
  EXPECT_EQ(item.leftIndentTwips, 360);
  EXPECT_EQ(RunTexts(item), (std::vector<std::string>{"\u00B7\t", "item"}));
  EXPECT_EQ(item.runs[0].format.fontName, "Symbol");

  EXPECT_EQ(TextOf({.paragraphs = {document.paragraphs[4]}}), "A\tB\t");
  EXPECT_EQ(document.paragraphs[4].leftIndentTwips, 0);
  EXPECT_EQ(TextOf({.paragraphs = {document.paragraphs[5]}}), "link");
}

TEST(RtfReader, ReadsTextOfSmallCases) {
  std::string deep = "{\\rtf1 a";
  std::string nested = "{\\rtf1 a";
  for (int i = 0; i < 300; ++i) deep += '{';
  for (int i = 0; i < 150; ++i) nested += '{';
  deep += "deep";
  nested += "deep";
  for (int i = 0; i < 300; ++i) deep += '}';
  for (int i = 0; i < 150; ++i) nested += '}';
  deep += "b}";
  nested += "b}";

  struct Case {
    const char* name;
    std::string rtf;
    std::string text;
  };
  const std::vector<Case> cases = {
      {"unicode with one fallback", "{\\rtf1 a\\u233?b}", "a\u00E9b"},
      {"unicode without fallback", "{\\rtf1\\uc0\\u233?}", "\u00E9?"},
      {"byte as fallback", "{\\rtf1\\uc1\\u1046\\'c6x}", "\u0416x"},
      {"two bytes as fallback", "{\\rtf1\\uc2\\u12354\\'82\\'a0!}", "\u3042!"},
      {"fallback count per group", "{\\rtf1{\\uc2 \\u233 ab}\\u233 ab}", "\u00E9\u00E9b"},
      {"fallback stops at a group", "{\\rtf1\\uc3\\u233{a}b}", "\u00E9ab"},
      {"negative unicode", "{\\rtf1\\u-4064?}", "\uF020"},
      {"surrogate pair", "{\\rtf1\\u-10179?\\u-8704?}", "\U0001F600"},
      {"lone high surrogate", "{\\rtf1\\u-10179?x}", "\uFFFDx"},
      {"bytes by the font's charset or the document's code page",
       "{\\rtf1\\ansi\\ansicpg1251{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset128 MS Mincho;}}\\f0\\'c6{\\f1\\'82\\'a0}}",
       "\u0416\u3042"},
      {"default charset follows the document",
       "{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset1 Arial;}}\\'c6}", "\u0416"},
      {"lead byte meets its trail in the next escape",
       "{\\rtf1{\\fonttbl{\\f1\\fcharset134 SimSun;}}\\f1\\'c4\\'e3\\'ba\\'c3}", "\u4F60\u597D"},
      {"lead byte cut off by a group", "{\\rtf1{\\fonttbl{\\f1\\fcharset128 Gothic;}}{\\f1\\'82}\\'a0}", "\uFFFD\u00A0"},
      {"font name in its charset", "{\\rtf1{\\fonttbl{\\f0\\fcharset204 \\'c6;}}x}", "x"},
      {"binary data skipped", "{\\rtf1 a\\bin3 {}\\b}", "ab"},
      {"binary size beyond the end", "{\\rtf1 a\\bin999 xyz}", "a"},
      {"negative binary size", "{\\rtf1 a\\bin-5 b}", "ab"},
      {"destinations skipped", "{\\rtf1{\\*\\unknown x}{\\pict y}{\\stylesheet z}{\\footnote n}a}", "a"},
      {"field result kept", "{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"u\"}{\\fldrslt go}}}", "go"},
      {"character words", "{\\rtf1\\ldblquote a\\rdblquote\\emdash\\bullet}", "\u201Ca\u201D\u2014\u2022"},
      {"paragraphs", "{\\rtf1 a\\par b\\par}", "a|b"},
      {"empty paragraph", "{\\rtf1 a\\par\\par b}", "a||b"},
      {"source line ends are not text", "{\\rtf1 a\r\nb}", "ab"},
      {"escaped line end ends a paragraph", "{\\rtf1 a\\\nb}", "a|b"},
      {"missing closing braces", "{\\rtf1 a{\\b b", "ab"},
      {"text after the document", "{\\rtf1 a}}b}", "a"},
      {"closing braces first", "}}{\\rtf1 a}", "a"},
      {"broken byte escape", "{\\rtf1 a\\'g1\\'", "ag1"},
      {"backslash at the end", "{\\rtf1 a\\", "a"},
      {"not RTF", "plain text", "plain text"},
      {"empty", "", ""},
      {"groups deeper than the limit left out", deep, "ab"},
      {"groups within the limit", nested, "adeepb"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TextOf(ReadRtf(c.rtf)), c.text);
  }
}

TEST(RtfReader, FontTablesWithoutEntryGroupsAndColourTableIndexes) {
  const TRtfDocument document = ReadRtf(
      "{\\rtf1{\\fonttbl\\f0\\fswiss Arial;\\f1\\froman Times;}{\\colortbl\\red1\\green2\\blue3;;}"
      "\\f1\\cf0 a\\f7\\cf1\\b b\\b0\\cf9\\fs-4 c\\fs99999\\highlight1 d\\plain e}");
  ASSERT_EQ(document.paragraphs.size(), 1u);
  const std::vector<TRtfRun>& runs = document.paragraphs[0].runs;
  ASSERT_EQ(runs.size(), 5u);
  EXPECT_EQ(runs[0].format.fontName, "Times");
  EXPECT_EQ(runs[0].format.color, (TRtfColor{1, 2, 3}));
  EXPECT_EQ(runs[1].format.fontName, "Arial");  // an unknown font number is the default font
  EXPECT_FALSE(runs[1].format.color.has_value());  // an empty entry is the automatic colour
  EXPECT_FALSE(runs[2].format.color.has_value());  // beyond the table
  EXPECT_EQ(runs[2].format.fontSizeHalfPoints, 24);
  EXPECT_EQ(runs[3].format.fontSizeHalfPoints, 3276);
  EXPECT_FALSE(runs[3].format.highlight.has_value());
  EXPECT_EQ(runs[4].format.fontName, "Arial");
  EXPECT_EQ(runs[4].format.fontSizeHalfPoints, 24);
}

TEST(RtfReader, RecognisesRtfBySignature) {
  EXPECT_TRUE(IsRtf("{\\rtf1\\ansi x}"));
  EXPECT_TRUE(IsRtf(" \r\n{\\rtf"));
  EXPECT_FALSE(IsRtf("plain {\\rtf1}"));
  EXPECT_FALSE(IsRtf("{\\rt"));
  EXPECT_FALSE(IsRtf(""));
}
