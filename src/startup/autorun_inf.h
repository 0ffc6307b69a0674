#pragma once
// Reading the bytes of an autorun.inf file: the text a Windows medium carries to say which
// program starts when it is inserted, and with which arguments. Only what finds a menu is read:
// the [AutoRun] section's Open= and ShellExecute= keys. Pure functions of the bytes, so they can
// be fuzzed.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The largest autorun.inf read; a real one holds a few lines.
inline constexpr size_t kMaxAutorunInfBytes = 64 * 1024;

enum class TAutorunInfStatus {
  Read,
  TooLarge,  // more than kMaxAutorunInfBytes
  Binary,    // NUL bytes in the text: no text file
};

// One command of the section, split as Windows splits it when it starts the program.
struct TAutorunCommand {
  // As written (Windows separators), without quotes; never empty.
  std::string program;
  // The words after the program (SplitCommandArguments).
  std::vector<std::string> arguments;

  bool operator==(const TAutorunCommand&) const = default;
};

struct TAutorunInf {
  TAutorunInfStatus status = TAutorunInfStatus::Read;
  bool hasAutoRunSection = false;
  // The commands the section holds: Open's first, then ShellExecute's. Open comes first because
  // it is the key every version of Windows runs and the one menu builders write; ShellExecute is
  // the later addition that some media carry instead or beside it. A key without a program is
  // left out.
  std::vector<TAutorunCommand> commands;
};

// Reads an autorun.inf. The text is UTF-8 after a UTF-8 byte-order mark, UTF-16LE after a
// UTF-16LE one, else UTF-8 when it is valid UTF-8 and Windows-1252 (ANSI) when not; the result
// is UTF-8. Lines end with LF or CR LF; blanks around section names, keys and values are
// trimmed; a line whose first non-blank is ";" is a comment; lines without "=" are skipped.
// Section and key names match ignoring letter case. Only the first [AutoRun] section counts, and
// in it the first Open= and the first ShellExecute=, as Windows' profile reader takes the first.
TAutorunInf ParseAutorunInf(std::span<const uint8_t> bytes);

// A command as Open= and ShellExecute= hold it. The program is a quoted name up to its closing
// quote ("My Menu.exe" -x gives My Menu.exe; an unclosed quote runs to the end), else the text
// up to the first blank or tab (setup.exe /auto gives setup.exe); it is empty for an empty
// command. The arguments are the text after it.
TAutorunCommand SplitAutorunCommand(std::string_view command);

// The words of a command line after its program, split as a Windows program's C runtime splits
// them: blanks and tabs separate words; double quotes group blanks into a word and are removed
// ("" is an empty word; "" inside quotes is one quote); backslashes are kept as they stand
// except before a quote, where 2n of them give n and the quote groups, and 2n+1 give n and a
// literal quote.
std::vector<std::string> SplitCommandArguments(std::string_view text);

// What a command's arguments ask of the player on the medium, read by the player's own rule:
// "-p" takes the next word as the start page (a "-p" that is the last word is ignored); every
// other word that begins with "-" is ignored; any other word is a document, the last one
// winning.
struct TPlayerArguments {
  std::string document;   // as written; empty when none
  std::string startPage;  // empty when none
};
TPlayerArguments ReadPlayerArguments(const std::vector<std::string>& arguments);
