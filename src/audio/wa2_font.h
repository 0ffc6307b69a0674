#pragma once
// The skin's bitmap font: a grid of 31 cells per row, each 5 x 6 pixels, cell n at
// (5 x (n mod 31), 6 x (n div 31)). Text is measured and drawn by character (a UTF-8 sequence is
// one character); "..." becomes the one ellipsis glyph.

#include <cstdint>
#include <string>
#include <string_view>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"

// The characters of utf8 as the font shows them: every "..." replaced by the character 1.
std::u32string WA2FontText(std::string_view utf8);

// The cell of c: letters 0-25 (either case), digits 31-40, the ellipsis 41, space 30, the
// punctuation of the font, and the cell of "?" (65) for every other character.
int32_t WA2GlyphCell(char32_t c);

// How far the pen moves after c: 7 for "@", 6 for the ellipsis, "/" and "\", 5 for the rest.
int32_t WA2Advance(char32_t c);

// The width of text: the sum of its advances.
int32_t WA2TextWidth(std::u32string_view text);

// Draws text with font from rect's left edge at its top, each glyph copied opaquely at its cell
// size (5 x 6; "@" 7 x 6 from one pixel right of its cell), stopping at the first glyph that
// would end beyond rect's right edge. Parts of a cell outside font are not drawn.
void DrawWA2Text(const TBitmapView& target, const TRect& rect, const TBitmap32& font, std::u32string_view text);
