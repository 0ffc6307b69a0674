#pragma once
// The scroll text's geometry and movement: where the text area lies beside the picture, where
// the picture goes, where the text block starts in each direction and how one timer tick moves
// it. Positions are those of the block's top-left corner relative to the text area's. Pure
// functions of the control's settings, so the window, the timer and the tests agree.

#include <cstdint>

#include "graphics/geometry.h"
#include "model/control.h"
#include "model/menu_enums.h"

// The control's settings the geometry depends on. picture is (0, 0) when no picture is present.
struct TScrollTextFrame {
  TSize control;
  int32_t frameWidth = 0;  // 2 x BevelWidth + BorderWidth
  TSize picture;
  TKIVGlyphLayout glyphLayout = TKIVGlyphLayout::aglGlyphLeft;
};

// The text area: the client rectangle inside the frame and a two-pixel margin, less the
// picture's side (the picture's width or height plus 6 pixels) when a picture is present.
TRect ScrollTextArea(const TScrollTextFrame& frame);

// The top-left corner of the picture: four pixels inside the frame on its side, centred across.
TPoint ScrollPictureOrigin(const TScrollTextFrame& frame);

// Where the block starts: when the text stands still (active false) at the top of the area;
// otherwise just outside the area on the side it comes in from. Across the movement the block
// is placed by alignment (left, right or centred in the area).
TPoint ScrollRestartPosition(TKIVScrollTextDirection direction, bool active, TAlignment alignment, TSize area,
                             TSize text);

// One tick: one pixel in the direction, or back to the restart position (of an active text) once
// the block has passed wholly out of the area.
TPoint ScrollStep(TPoint position, TKIVScrollTextDirection direction, TAlignment alignment, TSize area, TSize text);
