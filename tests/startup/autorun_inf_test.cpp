// Reading autorun.inf bytes: the [AutoRun] section's commands in any letter case, with comments,
// quotes and arguments, in the encodings Windows media use, and the files that are refused; the
// arguments split as a Windows program splits its command line and read by the player's rule.

#include "startup/autorun_inf.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TAutorunInf Parse(std::string_view text) {
  return ParseAutorunInf({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

// The UTF-16LE bytes of text (a byte-order mark only where text has one).
std::string Utf16Le(std::u16string_view text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

TEST(AutorunInf, ReadsTheCommandsOfTheAutoRunSection) {
  struct TCase {
    const char* name;
    std::string text;
    std::vector<TAutorunCommand> commands;
    bool hasSection = true;
  };
  const TCase cases[] = {
      {"plain", "[AutoRun]\nOpen=menu.exe\n", {{"menu.exe", {}}}},
      {"any letter case and blanks", "  [ autorun ]  \n  OPEN  =  Menu.EXE  \n", {{"Menu.EXE", {}}}},
      {"CRLF and a UTF-8 mark", "\xEF\xBB\xBF[AutoRun]\r\nopen=menu.kiv\r\nicon=menu.ico\r\n", {{"menu.kiv", {}}}},
      {"Open before ShellExecute whatever their order", "[AutoRun]\nShellExecute=b.kiv\nOpen=a.exe\n",
       {{"a.exe", {}}, {"b.kiv", {}}}},
      {"ShellExecute alone", "[autorun]\nshellexecute=\"Start Here.kiv\"\n", {{"Start Here.kiv", {}}}},
      {"arguments kept", "[AutoRun]\nOpen=setup.exe /auto\nShellExecute=\"My Menu.exe\"-x \"a b\"\n",
       {{"setup.exe", {"/auto"}}, {"My Menu.exe", {"-x", "a b"}}}},
      {"a folder path kept as written", "[AutoRun]\nOpen=menu\\start.exe\t/q\n", {{"menu\\start.exe", {"/q"}}}},
      {"an unclosed quote runs to the end", "[AutoRun]\nOpen=\"My Menu.exe -p 2\n", {{"My Menu.exe -p 2", {}}}},
      {"comments and other sections skipped",
       "; Open=comment.exe\n[Other]\nOpen=other.exe\n[AutoRun]\n  ;Open=no.exe\nlabel=Disc\nOpen=yes.exe\n[Tail]\n"
       "ShellExecute=tail.exe\n",
       {{"yes.exe", {}}}},
      {"only the first section and the first key count",
       "[AutoRun]\nOpen=first.exe\nOpen=second.exe\n[AutoRun]\nShellExecute=late.exe\n", {{"first.exe", {}}}},
      {"a key without a value names nothing", "[AutoRun]\nOpen=\nShellExecute=  \"\"  \nOpen=late.exe\n", {}},
      {"a line without = skipped", "[AutoRun]\nmenu.exe\nOpen\n", {}},
      {"no last line end", "[AutoRun]\nOpen=menu.exe", {{"menu.exe", {}}}},
      {"ANSI bytes become UTF-8", "[AutoRun]\nOpen=Men\xFC.exe\n", {{"Men\xC3\xBC.exe", {}}}},
      {"UTF-8 kept", "[AutoRun]\nOpen=Men\xC3\xBC.exe\n", {{"Men\xC3\xBC.exe", {}}}},
      {"UTF-16LE with its mark", Utf16Le(u"\uFEFF[AutoRun]\r\nOpen=m\u00E9nu.kiv"), {{"m\xC3\xA9nu.kiv", {}}}},
      {"no AutoRun section", "[Other]\nOpen=menu.exe\n", {}, false},
      {"a section name without its bracket", "[AutoRun\nOpen=menu.exe\n", {}, false},
      {"empty", "", {}, false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TAutorunInf inf = Parse(c.text);
    EXPECT_EQ(inf.status, TAutorunInfStatus::Read);
    EXPECT_EQ(inf.hasAutoRunSection, c.hasSection);
    EXPECT_EQ(inf.commands, c.commands);
  }
}

TEST(AutorunInf, RefusesBinaryAndHugeFiles) {
  struct TCase {
    const char* name;
    std::string text;
    TAutorunInfStatus status;
  };
  const std::string section = "[AutoRun]\nOpen=menu.exe\n";
  const TCase cases[] = {
      {"a NUL byte", section + std::string(1, '\0'), TAutorunInfStatus::Binary},
      {"a NUL byte after a UTF-8 mark", "\xEF\xBB\xBF" + section + std::string(1, '\0'), TAutorunInfStatus::Binary},
      {"a NUL character in UTF-16", Utf16Le(std::u16string(u"\uFEFF[AutoRun]\n") + u'\0'), TAutorunInfStatus::Binary},
      {"UTF-16 without its mark", Utf16Le(u"[AutoRun]\nOpen=menu.exe\n"), TAutorunInfStatus::Binary},
      {"one byte too many", section + std::string(kMaxAutorunInfBytes - section.size() + 1, ' '),
       TAutorunInfStatus::TooLarge},
      {"just small enough", section + std::string(kMaxAutorunInfBytes - section.size(), ' '),
       TAutorunInfStatus::Read},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    const TAutorunInf inf = Parse(c.text);
    EXPECT_EQ(inf.status, c.status);
    if (c.status != TAutorunInfStatus::Read) {
      EXPECT_TRUE(inf.commands.empty());
    }
  }
}

// The C runtime's rule, as a program started with these words after its name sees them.
TEST(AutorunInf, SplitsArgumentsAsAWindowsProgramDoes) {
  struct TCase {
    std::string text;
    std::vector<std::string> words;
  };
  const TCase cases[] = {
      {"", {}},
      {" \t ", {}},
      {" a\tb  c ", {"a", "b", "c"}},
      {R"(-p "Page 2")", {"-p", "Page 2"}},
      {R"(a"b c"d e)", {"ab cd", "e"}},        // quotes group in the middle of a word
      {R"("" x "")", {"", "x", ""}},           // an empty quoted word is a word
      {R"("a ""b"" c")", {R"(a "b" c)"}},      // "" inside quotes is one quote
      {R"("unclosed a b)", {"unclosed a b"}},  // an open quote runs to the end
      {R"(a\b\\c\)", {R"(a\b\\c\)"}},         // backslashes without a quote stand
      {R"(a\"b)", {R"(a"b)"}},                 // 2n+1 backslashes: n and a literal quote
      {R"(a\\\"b)", {R"(a\"b)"}},
      {R"(a\\"b c" d)", {R"(a\b c)", "d"}},    // 2n backslashes: n and the quote groups
      {R"("C:\Menu\\" next)", {R"(C:\Menu\)", "next"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(SplitCommandArguments(c.text), c.words);
  }
}

TEST(AutorunInf, ReadsArgumentsByThePlayersRule) {
  struct TCase {
    std::vector<std::string> arguments;
    TPlayerArguments read;
  };
  const TCase cases[] = {
      {{}, {}},
      {{"-p", "Two"}, {"", "Two"}},
      {{"other.kiv", "-p", "Main", "last.kiv"}, {"last.kiv", "Main"}},  // the last document wins
      {{"-p", "-p"}, {"", "-p"}},                                      // "-p" takes the next word
      {{"menu.kiv", "-p"}, {"menu.kiv", ""}},                          // a last "-p" is ignored
      {{"-P", "x", "-", "--dump", "/auto"}, {"/auto", ""}},            // other options ignored
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const TPlayerArguments read = ReadPlayerArguments(c.arguments);
    EXPECT_EQ(read.document, c.read.document);
    EXPECT_EQ(read.startPage, c.read.startPage);
  }
}

}  // namespace
