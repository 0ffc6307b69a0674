#pragma once
// Reading the HTML renderer's source: splitting it into text and tags, the attributes of a tag,
// the text between tags as words and spaces, and the colour and length values of attributes.
// Everything here takes any bytes: malformed markup is read as text or dropped, never rejected.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/ident_tables.h"

using THtmlAttributes = std::vector<std::pair<std::string, std::string>>;

// The value of attribute name, or empty; has tells whether it is present at all.
std::string_view HtmlAttribute(const THtmlAttributes& attributes, std::string_view name);
bool HasHtmlAttribute(const THtmlAttributes& attributes, std::string_view name);

// Attributes of a tag (the text after the tag name): name=value, name="value" or a bare name (a
// flag with an empty value). Names and values are lower-cased, except the value of "href".
THtmlAttributes ParseHtmlAttributes(std::string_view text);

// The caption of a submit or button input: its value with the first letter upper-cased.
std::string FormButtonCaption(const THtmlAttributes& attributes);

// One word or one space of the text between tags.
struct THtmlWord {
  std::string text;  // UTF-8; " " for a space
  bool space = false;
  friend bool operator==(const THtmlWord&, const THtmlWord&) = default;
};

// The text between two tags as words: the entities &nbsp; &lt; &gt; &amp; &quot; (any letter
// case) and &copy; &reg; (as written) are replaced, one pass each in that order; line breaks
// (CR LF) at the start and the end go, a run of them counts as one, and one becomes a space
// unless it touches a CJK character; each space is an item of its own and each CJK character a
// word of its own. Bytes that are not UTF-8 read as U+FFFD.
std::vector<THtmlWord> SplitHtmlText(std::string_view text);

// Whether a character is one the lines may break before and after without a space.
bool IsCjkCharacter(char32_t c);

// An attribute's colour: empty or containing "<" is black, "#rrggbb" that colour, a colour
// identifier (clRed, any case) or a number its value, anything else white.
TColor ParseHtmlColor(std::string_view value);

// An attribute's length against a reference width: "n%" is reference * n / 100 ("%" alone is
// 100 %), a number is itself (1 when unreadable), 0 or nothing gives fallback, and a result
// above 10 is reduced by 10. Results are kept within 0..kMaxHtmlLength.
inline constexpr int32_t kMaxHtmlLength = 16384;
int32_t ParseHtmlLength(std::string_view value, int32_t reference, int32_t fallback);

// A whole number at the start of text after blanks, with an optional sign, saturated to
// +-kMaxHtmlLength; nothing when no digit follows.
bool ReadHtmlInteger(std::string_view text, int32_t& value);

// Walks the source once from start to end: the text up to the next complete tag, then the tag.
// A "<" without a ">" after it is text. The source can be changed only ahead of the position
// (a dynamic tag's replacement, a table cell cut out), so reading stays linear in its length.
class THtmlSourceReader {
 public:
  explicit THtmlSourceReader(std::string source) : m_source(std::move(source)) {}

  // The text before the next tag and the tag's inner text (between "<" and ">"); hasTag is false
  // when the rest of the source was text. Returns false when nothing is left.
  bool Next(std::string& text, std::string& tag, bool& hasTag);
  // Puts text in front of what is still to read.
  void Insert(std::string_view text);
  // Cuts out what is still to read up to the end tag ("</td>" or "</th>") that closes the cell
  // just read, skipping inner tables with their cells, and continues after that end tag. Without
  // one, the rest of the source is the cell.
  std::string CutCell();

 private:
  std::string m_source;
  size_t m_pos = 0;
};
