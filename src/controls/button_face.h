#pragma once
// What the push buttons share: the size and font they start with, and their caption and icon:
// one layout (the icon beside, above or below the caption with a 6-pixel gap, the group
// centred) and their drawing in a pointer state.

#include <cstdint>
#include <string>

#include "controls/button_icon.h"
#include "graphics/canvas.h"
#include "graphics/text_render.h"
#include "model/font.h"
#include "model/ident_tables.h"
#include "model/menu_enums.h"

inline constexpr int32_t kIconGap = 6;

// The size a new push button starts with.
inline constexpr int32_t kPushButtonWidth = 121;
inline constexpr int32_t kPushButtonHeight = 33;
// Gives a new push button its font, Arial 9 bold black. Setting the font clears ParentFont, as
// any change of a control's own font does.
void SetPushButtonFont(TFont& font);

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

// How a push button's caption and icon look in one pointer state.
struct TCaptionLook {
  TColor colour;      // of the caption
  int32_t shift = 0;  // the caption and the icon move this far right and down (a pressed look)
  // Lowered or raised: a shadow layer under the caption, shadowDistance pixels down and right
  // (lowered) or up and left (raised).
  TKIVCoolButtonTextStyle textStyle = TKIVCoolButtonTextStyle::abtNormal;
  TColor shadowColour = clWhite;
  int32_t shadowDistance = 1;
};

// Lays out and draws a button's caption and icon on surface, its whole face, whose font is the
// button's. text is the decoded caption; captionEmpty tells whether the stored caption is empty.
void DrawCaptionAndIcon(TCanvas& surface, const std::string& text, bool captionEmpty, const TButtonIcon& icon,
                        TKIVGlyphLayout layout, bool antialias, const TCaptionLook& look);
