#include "graphics/text_escape.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace std::string_literals;

struct TUnescapeCase {
  const char* name;
  std::string input;
  std::string expected;
};

TEST(UnescapeText, DecodesTheEscapesAndKeepsTheRest) {
  const TUnescapeCase cases[] = {
      {"plain", "Hello", "Hello"},
      {"new line between words", "Hello\\nWorld", "Hello\nWorld"},
      {"two backslashes", "a\\\\b", "a\\b"},
      {"unknown letter kept", "a\\qb", "a\\qb"},
      {"trailing backslash", "end\\", "end\\"},
      {"lone backslash", "\\", "\\"},
      {"quotes and question mark", "\\\"\\'\\?", "\"'?"},
      {"control letters", "\\a\\b\\f\\n\\r\\t\\v", "\a\b\f\n\r\t\v"},
      {"hex", "\\x41", "A"},
      {"hex one digit", "\\x4g", "\x04g"},
      {"hex stops after two digits", "\\x414", "A4"},
      {"hex upper and lower case", "\\x4a\\x4A", "JJ"},
      {"hex without digit", "\\xZ", "\\xZ"},
      {"hex at the end", "ab\\x", "ab\\x"},
      {"hex without digit then escape", "\\x\\n", "\\x\n"},
      {"octal three digits", "\\101", "A"},
      {"octal stops after three digits", "\\1011", "A1"},
      {"octal one digit", "\\7x", "\ax"},
      {"octal stops at 8", "\\18", "\x01" "8"},
      {"octal zero", "a\\0b", "a\0b"s},
      {"octal 377 is the last byte", "\\377", "\u00FF"},
      {"codes are Windows-1252 characters", "\\x80\\xE9", "\u20AC\u00E9"},
      {"UTF-8 after a backslash is kept", "\\\u00E9", "\\\u00E9"},
      {"escape results are not rescanned", "\\\\n", "\\n"},
  };
  for (const TUnescapeCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(UnescapeText(c.input), c.expected);
  }
}

TEST(UnescapeText, OctalOf256OrMoreFails) {
  for (const char* input : {"\\400", "x\\777y", "\\4000"}) {
    SCOPED_TRACE(input);
    try {
      UnescapeText(input);
      ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
      EXPECT_STREQ(e.what(), "Numeric constant too large.");
    }
  }
  // Two octal digits never reach 256.
  EXPECT_EQ(UnescapeText("\\40"), " ");
}

TEST(UnescapeText, LeavingOutErrorsKeepsTheRestOfTheText) {
  struct TCase {
    const char* input;
    const char* expected;
    bool failed;
  };
  const TCase cases[] = {{"x\\777y", "xy", true},
                         {"\\400\\n\\4000", "\n0", true},
                         {"\\101\\x42", "AB", false},
                         {"", "", false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.input);
    const TUnescapedText decoded = UnescapeTextLeavingOutErrors(c.input);
    EXPECT_EQ(decoded.text, c.expected);
    EXPECT_EQ(decoded.failed, c.failed);
  }
}

TEST(EscapeText, EscapesControlsQuotesAndBackslashes) {
  EXPECT_EQ(EscapeText("a\a\b\t\n\v\f\rb"), "a\\a\\b\\t\\n\\v\\f\\rb");
  EXPECT_EQ(EscapeText("say \"hi\" \\ 'ok'?"), "say \\\"hi\\\" \\\\ 'ok'?");
  EXPECT_EQ(EscapeText("\x01\x1F"s + '\0'), "\\x01\\x1F\\x00");
  EXPECT_EQ(EscapeText("caf\u00E9 x41"), "caf\u00E9 x41");
}

TEST(EscapeText, UnescapeGivesTheTextBack) {
  std::string all;
  for (int c = 0; c < 128; ++c) all += static_cast<char>(c);
  all += "\u00E9\u20AC";
  // A hexadecimal escape followed by a hexadecimal digit must not swallow it.
  const std::string texts[] = {all, "\x01" "A", "\x1F" "f0", "\\x41", "\\101", "C:\\dir\\new"};
  for (const std::string& text : texts) EXPECT_EQ(UnescapeText(EscapeText(text)), text);
}

}  // namespace
