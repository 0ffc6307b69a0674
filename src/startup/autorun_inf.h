#pragma once
// Reading the bytes of an autorun.inf file: the text a Windows medium carries to say which
// program starts when it is inserted. Only what finds a menu is read: the [AutoRun] section's
// Open= and ShellExecute= keys. A pure function of the bytes, so it can be fuzzed.

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

struct TAutorunInf {
  TAutorunInfStatus status = TAutorunInfStatus::Read;
  bool hasAutoRunSection = false;
  // The programs the section names, as written (Windows separators), without quotes and
  // arguments: Open's first, then ShellExecute's. Open comes first because it is the key every
  // version of Windows runs and the one menu builders write; ShellExecute is the later addition
  // that some media carry instead or beside it. A key without a program is left out.
  std::vector<std::string> programs;
};

// Reads an autorun.inf. The text is UTF-8 after a UTF-8 byte-order mark, UTF-16LE after a
// UTF-16LE one, else UTF-8 when it is valid UTF-8 and Windows-1252 (ANSI) when not; the result
// is UTF-8. Lines end with LF or CR LF; blanks around section names, keys and values are
// trimmed; a line whose first non-blank is ";" is a comment; lines without "=" are skipped.
// Section and key names match ignoring letter case. Only the first [AutoRun] section counts, and
// in it the first Open= and the first ShellExecute=, as Windows' profile reader takes the first.
TAutorunInf ParseAutorunInf(std::span<const uint8_t> bytes);

// The program of a command as Open= and ShellExecute= hold it: a quoted name up to its closing
// quote ("My Menu.exe" -x gives My Menu.exe; an unclosed quote runs to the end), else the text
// up to the first blank or tab (setup.exe /auto gives setup.exe). Empty for an empty command.
std::string AutorunProgram(std::string_view command);
