#pragma once
// The text form of a component stream ("object Name: TClass ... end"), for test fixtures, demo
// menus, diffs and dumps. Both directions work on value codes alone: no class or property table
// is consulted, so streams of any classes print and any well-formed text compiles.
//
// Grammar. Keywords, True/False/nil/Null and the number suffixes ignore letter case (Inf and NaN
// do not); "//" starts a comment that runs to the end of the line; blanks and line breaks only
// separate tokens.
//
//   document   = object
//   object     = ("object" | "inherited" | "inline") [name ":"] class ["[" index "]"]
//                { property } { object } "end"
//                "inherited" is prefix flag 1, "inline" flag 4, "[n]" the child position
//   property   = path "=" value           a name followed by "=" is always a property
//   value      = int | float | string { "+" string } | ident | set | list | binary | collection
//   int        = ["+" | "-"] digits        smallest of codes 2, 3, 4, 19
//              | "$" hexdigits             up to 16 digits, two's complement
//   float      = ["+" | "-"] digits ["." digits] [("e" | "E") ["+" | "-"] digits] [suffix]
//              | ("+" | "-") ("Inf" | "NaN") [suffix]
//                with "." or an exponent and no suffix: extended (5); suffix "s": single (15),
//                "c": currency (16; at most 4 decimals, no exponent), "d": date (17)
//   string     = piece { piece }           pieces written without blanks between them
//   piece      = "'" chars "'"             "''" is a quote; tab and UTF-8 allowed, no other
//                                           control character and no line break
//              | "#" digits | "#$" hexdigits    the character of that code point
//                pure ASCII text is code 6 or 12, anything else code 20
//   ident      = name { "." name }         True, False, nil, Null: codes 9, 8, 13, 0; else 7
//   set        = "[" [name { "," name }] "]"
//   list       = "(" { value } ")"         Null is refused in a list (code 0 would end it)
//   binary     = "{" { hexdigit } "}"      an even count; blanks and line breaks allowed
//   collection = "<" { "item" ["[" index "]"] { property } "end" } ">"
//   index      = ["+" | "-"] digits        within 32 bits, as the reader takes it
//   name       = (letter | "_") { letter | digit | "_" }   ASCII, at most 255 characters;
//                a path is a dotted name; class and component names have no dots
//
// The printer writes exactly this grammar: two spaces per level, a value's lines one level
// deeper than the line it starts on, list items and binary lines (32 bytes each) on their own
// lines, strings continued with " +" after 64 characters, floats as the shortest text that reads
// back as the same value, and only printable ASCII (#n for everything else).

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A syntax error in the text form, at a 1-based line and column (in bytes).
class ETextFormError : public std::runtime_error {
 public:
  ETextFormError(int line, int column, const std::string& message);
  int Line() const { return m_line; }
  int Column() const { return m_column; }

 private:
  int m_line;
  int m_column;
};

// Prints the component stream that starts with the signature "TPF0". Bytes behind the root
// record are ignored, as the stream reader ignores them. Throws EReadError for a malformed or
// truncated stream, for nesting deeper than the reader accepts, and for a class name, component
// name, property path, identifier or set element that is not a valid name (the text form cannot
// hold it). Extended values are printed as the nearest double; all other values exactly.
std::string ObjectBinaryToText(std::span<const uint8_t> stream);

// Compiles the text form into a component stream. Throws ETextFormError with the line and column
// of the first error; never returns a partial stream.
std::vector<uint8_t> ObjectTextToBinary(std::string_view text);
