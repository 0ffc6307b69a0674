#pragma once
// Backslash escapes in texts shown to the user: UnescapeText decodes what authors type into
// captions and messages ("\n", "\t", "\\", "\x41", "\101", ...), EscapeText produces a text that
// UnescapeText turns back into the original.
//
// Codes given by number (octal or hexadecimal, 0 to 255) stand for the Windows-1252 character
// of that byte, as the documents' 8-bit texts do; the result is UTF-8.

#include <stdexcept>
#include <string>
#include <string_view>

// Thrown by UnescapeText for an octal escape of 256 or more.
class ETextEscapeError : public std::runtime_error {
 public:
  ETextEscapeError() : std::runtime_error("Numeric constant too large.") {}
};

// Decodes, left to right: \" \' \? \\ and \a \b \f \n \r \t \v; \ooo (one to three octal digits);
// \xhh (one or two hexadecimal digits). A backslash before anything else, a trailing backslash,
// and "\x" not followed by a hexadecimal digit are kept as written.
std::string UnescapeText(std::string_view text);

// UnescapeText for text that is drawn again and again (captions): an octal escape of 256 or
// more is left out instead of failing, and failed tells that one was.
struct TUnescapedText {
  std::string text;
  bool failed = false;
};
TUnescapedText UnescapeTextLeavingOutErrors(std::string_view text);

// Replaces the codes 7 to 13 by \a \b \t \n \v \f \r, the double quote by \", the backslash by
// \\, and every other code below 32 by \x and two upper-case hexadecimal digits; everything
// else is copied unchanged.
std::string EscapeText(std::string_view text);
