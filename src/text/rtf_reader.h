#pragma once
// The RTF reader of the rich edit: RTF source in, the paragraphs and runs of its text out
// (rtf_document.h). It reads the character formatting (font, size, bold, italic, underline,
// strike-through, colours, hidden text) and the paragraph formatting (alignment, indents) the
// rich edit shows, the font and colour tables, the document's and the fonts' code pages, Unicode
// characters with their fallbacks, and lists' bullet and number texts. Pictures, objects,
// style sheets, headers, footers, field instructions and every other destination are left out;
// a field's result text is kept. Table cells end with a tab and table rows end a paragraph.
//
// Any input gives a document: text that is not RTF, broken escapes, unbalanced braces and
// oversized counts are read as far as they make sense. Groups deeper than kMaxRtfGroupDepth are
// left out. Reading takes time linear in the input's length.

#include <cstddef>
#include <string_view>

#include "text/rtf_document.h"

inline constexpr size_t kMaxRtfGroupDepth = 200;

// True when text begins, after white space, with the RTF signature "{\rtf".
bool IsRtf(std::string_view text);

TRtfDocument ReadRtf(std::string_view rtf);
