#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/mini_html_source.h"
#include "text/mini_html_tags.h"

TEST(MiniHtmlTags, LookUpFollowsTheTableAndTheAllowedCategories) {
  struct Case {
    const char* name;
    uint8_t categories;
    int expected;
  };
  const Case cases[] = {
      {"B", kDefaultHtmlCategories, htB},          {"/b", kDefaultHtmlCategories, -htB},
      {"/TD", kDefaultHtmlCategories, -htTd},      {"indent", kDefaultHtmlCategories, htIndent},
      {"html", kDefaultHtmlCategories, 0},         {"title", kDefaultHtmlCategories, 0},
      {"script", kDefaultHtmlCategories, 0},       {"html", 0xFF, htHtml},
      {"/title", 0xFF, -htTitle},                  {"p", kDefaultHtmlCategories & ~0x02, 0},
      {"table", kDefaultHtmlCategories & ~0x10, 0}, {"span", 0xFF, 0},
      {"", 0xFF, 0},                               {"br/", kDefaultHtmlCategories, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LookUpHtmlTag(c.name, c.categories), c.expected);
  }
  // The second "html" entry can never be found by its name.
  EXPECT_EQ(HtmlTagCategory(htHtmlRepeated), 6);
}

TEST(MiniHtmlSource, AttributesAreLowerCasedExceptHrefAndBareWordsAreFlags) {
  struct Case {
    const char* text;
    THtmlAttributes expected;
  };
  const Case cases[] = {
      {"HREF=\"Http://Example.COM/A B\"", {{"href", "Http://Example.COM/A B"}}},
      {"COLOR=Red size=+2", {{"color", "red"}, {"size", "+2"}}},
      {"type=checkbox checked", {{"type", "checkbox"}, {"checked", ""}}},
      {"noshade size=3", {{"noshade", ""}, {"size", "3"}}},
      {"  value=\"Two Words\"  align=center ", {{"value", "two words"}, {"align", "center"}}},
      {"alt=x\"y\" src=\"a.gif", {{"alt", "y"}, {"src", "a.gif"}}},
      {"", {}},
      {"=", {{"", ""}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseHtmlAttributes(c.text), c.expected);
  }
}

TEST(MiniHtmlSource, TextBecomesWordsAndSpaces) {
  const auto words = [](std::string_view text) {
    std::vector<std::string> out;
    for (const THtmlWord& w : SplitHtmlText(text)) out.push_back(w.text);
    return out;
  };
  using Words = std::vector<std::string>;
  struct Case {
    const char* text;
    Words expected;
  };
  const Case cases[] = {
      {"a  b", {"a", " ", " ", "b"}},
      {"a&NBSP;b", {"a", " ", "b"}},
      {"&amp;lt;", {"&lt;"}},
      {"&LT;x&gt;&Quot;", {"<x>\""}},
      {"&copy;&reg;&COPY;", {"\xC2\xA9\xC2\xAE&COPY;"}},
      {"\r\n\r\na\r\n\r\nb\r\n", {"a", " ", "b"}},
      {"\xE4\xB8\xAD\xE6\x96\x87", {"\xE4\xB8\xAD", "\xE6\x96\x87"}},
      {"\xE4\xB8\xAD\r\nx", {"\xE4\xB8\xAD", "x"}},
      {"a\xFF", {"a\xEF\xBF\xBD"}},
      {"", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(words(c.text), c.expected);
  }
}

TEST(MiniHtmlSource, ColoursKnowHexIdentifiersAndNumbersOnly) {
  struct Case {
    const char* text;
    TColor expected;
  };
  const Case cases[] = {{"", clBlack},       {"<x", clBlack},   {"#ff0000", clRed},  {"#0000FF", clBlue},
                        {"red", clWhite},    {"#fff", clWhite}, {"clred", clRed},    {"clBtnFace", clBtnFace},
                        {"255", 255},        {"$ff00", 0xFF00}, {"99999999999999", clWhite}, {"-", clWhite}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseHtmlColor(c.text), c.expected);
  }
}

TEST(MiniHtmlSource, LengthsArePercentOrPixelsLessTen) {
  struct Case {
    const char* text;
    int32_t reference, fallback, expected;
  };
  const Case cases[] = {{"50%", 400, 0, 190},  {"%", 400, 0, 390},       {"300", 400, 0, 290},
                        {"0", 400, 77, 67},    {"", 400, 77, 67},        {"abc", 400, 0, 1},       {"5", 400, 0, 5},
                        {" 20 ", 400, 0, 10},  {"999999999", 400, 0, kMaxHtmlLength - 10},
                        {"-50", 400, 0, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseHtmlLength(c.text, c.reference, c.fallback), c.expected);
  }
}

TEST(MiniHtmlSource, ReaderSplitsTextAndTagsAndCutsCellsOnce) {
  THtmlSourceReader reader("a<b>c<td>x<table><td>in</td></table>y</TD>z<unclosed");
  std::string text, tag;
  bool hasTag = false;
  ASSERT_TRUE(reader.Next(text, tag, hasTag));
  EXPECT_EQ(text, "a");
  EXPECT_EQ(tag, "b");
  ASSERT_TRUE(reader.Next(text, tag, hasTag));
  EXPECT_EQ(tag, "td");
  EXPECT_EQ(reader.CutCell(), "x<table><td>in</td></table>y");
  ASSERT_TRUE(reader.Next(text, tag, hasTag));
  EXPECT_EQ(text, "z<unclosed");
  EXPECT_FALSE(hasTag);
  EXPECT_FALSE(reader.Next(text, tag, hasTag));
}
