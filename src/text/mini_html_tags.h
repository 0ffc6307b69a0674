#pragma once
// The tags the HTML renderer knows: a table of 33 names, each with a category, looked up by name.
// A tag's number is its 1-based position in the table; a start tag is +number, an end tag
// -number, and 0 means the tag is dropped.

#include <cstdint>
#include <string_view>

// Tag numbers (positions in the table). Entry 23 repeats "html" and is never found by name.
enum THtmlTag : int16_t {
  htHtml = 1, htHead, htScript, htBody, htFont, htBlockquote, htIndent, htP, htDiv, htBr, htU, htB, htS, htI,
  htA, htUl, htOl, htLi, htTitle, htImg, htHr, htDynamic, htHtmlRepeated, htInput, htUser, htSelection, htHi,
  htSub, htSup, htTable, htTr, htTd, htTh
};
inline constexpr int kHtmlTagCount = 33;

// The categories 0..7 that may be allowed; the default allows 0..6, which drops html, head,
// script and title (the text between them still shows as ordinary text).
inline constexpr uint8_t kDefaultHtmlCategories = 0x7F;

// The signed number of a tag as written between "<" and ">" up to its first space: lower-cased,
// a leading "/" marks an end tag. The first entry with that name decides; 0 when there is none
// or its category is not in allowedCategories (bit n allows category n).
int LookUpHtmlTag(std::string_view name, uint8_t allowedCategories);

// The category of a tag number 1..33.
int HtmlTagCategory(int tag);

// Where a tag ends the line while laying out: before it is placed, after it, or not at all.
enum class TLineBreak : uint8_t { lbNone, lbBefore, lbAfter };
TLineBreak HtmlTagLineBreak(int signedTag);

// Whether a start tag becomes a visible item (it has a size and is drawn): li, img, hr, td, th,
// input, user.
bool IsVisibleHtmlTag(int signedTag);

// Whether a start tag changes the formatting state while it is open (it is pushed on the state
// stack, and its end tag pops it).
bool IsStateHtmlTag(int tag);

// The tag whose start a given tag's end pops: p and div share one kind, as do blockquote and
// indent; every other tag is its own kind.
int HtmlTagKind(int tag);
