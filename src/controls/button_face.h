#pragma once
// The caption and icon of the push buttons: one layout (the icon beside, above or below the
// caption with a 6-pixel gap, the group centred) and the drawing of the caption's layers.

#include <cstdint>
#include <string>

#include "graphics/canvas.h"
#include "graphics/text_render.h"
#include "model/menu_enums.h"

inline constexpr int32_t kIconGap = 6;

struct TCaptionLayout {
  TTextSize text;  // measured caption
  TPoint caption;  // top-left corner of the caption's box
  TPoint icon;     // top-left corner of the icon
};

// W x H is the button; iconWidth x iconHeight the icon picture (hasIcon false: no icon).
// captionEmpty tells whether the stored caption (before escape decoding) is empty.
TCaptionLayout LayOutCaption(int32_t width, int32_t height, TTextSize text, bool hasIcon, int32_t iconWidth,
                             int32_t iconHeight, TKIVGlyphLayout layout, bool captionEmpty);

// Draws one caption layer: text in colour at `at`, in the layout's box, centred, unclipped, on a
// clear brush.
void DrawCaptionLayer(TCanvas& canvas, const std::string& text, TPoint at, TTextSize size, TColor colour,
                      bool antialias);
