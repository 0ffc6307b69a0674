#pragma once
// The text routines controls draw with, in two modes: system text (crisp, laid out like the
// platform's DrawText) and antialiased text (smooth, laid out like the platform's antialiasing
// library). Each routine takes the canvas whose font, font colour, brush, clip and origin it
// uses, the text in UTF-8 (escapes already decoded), an antialias flag and DrawText flags.
// Antialiased text is used only when the flag is set and AntialiasAvailable() (canvas.h);
// otherwise the system path runs, so the switch off gives exactly the system pixels.
//
// System mode follows DrawText: lines break at CR, LF and CR LF unless DT_SINGLELINE; with
// DT_WORDBREAK lines also break between words that would pass the rectangle's right edge (a
// longer word stays whole); DT_EXPANDTABS expands tabs to every 8 average character widths
// (otherwise tabs take no room); an ampersand underlines the next character and is not drawn,
// "&&" draws one ampersand, and DT_NOPREFIX turns this off; DT_CENTER, DT_RIGHT place each
// line; DT_VCENTER and DT_BOTTOM place a DT_SINGLELINE text; DT_NOCLIP lets it pass the
// rectangle. A solid brush fills each line's box behind the text, a clear brush leaves it.
//
// Antialiased mode honours DT_CENTER, DT_RIGHT, DT_WORDBREAK, DT_NOCLIP and DT_NOPREFIX only;
// text always starts at the top of its rectangle, and no background is drawn. A layout width or
// height of 0 means no limit. Line breaks and ampersands work as in system mode.
//
// All of it needs a QGuiApplication (fonts) and runs on the user-interface thread.

#include <cstdint>
#include <string_view>

#include "graphics/canvas.h"
#include "graphics/geometry.h"

constexpr uint32_t DT_CENTER = 0x1;
constexpr uint32_t DT_RIGHT = 0x2;
constexpr uint32_t DT_VCENTER = 0x4;
constexpr uint32_t DT_BOTTOM = 0x8;
constexpr uint32_t DT_WORDBREAK = 0x10;
constexpr uint32_t DT_SINGLELINE = 0x20;
constexpr uint32_t DT_EXPANDTABS = 0x40;
constexpr uint32_t DT_NOCLIP = 0x100;
constexpr uint32_t DT_CALCRECT = 0x400;
constexpr uint32_t DT_NOPREFIX = 0x800;

struct TTextSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const TTextSize&, const TTextSize&) = default;
};

// The size of text. System: DrawText with DT_CALCRECT on the rectangle (0, 0, 0, 0), so with
// DT_WORDBREAK every word is a line of its own. Antialiased: the bounding box of the text laid
// out without a limit, width and height rounded to the nearest integer (a half to even).
TTextSize MeasureText(const TCanvas& canvas, std::string_view text, bool antialias, uint32_t flags);
int32_t MeasureTextWidth(const TCanvas& canvas, std::string_view text, bool antialias, uint32_t flags);
int32_t MeasureTextHeight(const TCanvas& canvas, std::string_view text, bool antialias, uint32_t flags);

// Draws text with its layout origin at (x, y). System: DrawText on (x, y, x + 100, y + 100)
// with DT_SINGLELINE and DT_NOCLIP added (alignment flags act within that box). Antialiased:
// unclipped, left-aligned, from (x, y) without a width limit.
void TextOutAt(TCanvas& canvas, std::string_view text, int32_t x, int32_t y, bool antialias, uint32_t flags);

// Draws text inside rect. System: DrawText with the flags unchanged (DT_CALCRECT draws nothing).
// Antialiased: laid out in (left, top, width + 0.5, height + 0.5), centred with DT_CENTER,
// else right-aligned with DT_RIGHT, clipped to that box unless DT_NOCLIP.
void DrawTextRect(TCanvas& canvas, std::string_view text, const TRect& rect, bool antialias, uint32_t flags);

// DrawTextRect on (x, y, x + width, y + height).
void DrawTextBox(TCanvas& canvas, std::string_view text, int32_t x, int32_t y, int32_t width, int32_t height,
                 bool antialias, uint32_t flags);

// The system path itself, the platform's DrawText: draws text in rect, or with DT_CALCRECT
// draws nothing and sets rect's right and bottom to the extent of the text. Returns the height
// of the text. An empty text has no extent (one line's height with DT_SINGLELINE).
int32_t DrawTextPlain(TCanvas& canvas, std::string_view text, TRect& rect, uint32_t flags);
// DrawTextPlain with DT_CALCRECT on a canvas that is only read.
TRect CalcTextRectPlain(const TCanvas& canvas, std::string_view text, const TRect& rect, uint32_t flags);
