#pragma once
// Painting the menu window's client area: the same pixels serve the screen, off-screen renders
// and the golden-image tests.

#include "graphics/bitmap32.h"
#include "model/ident_tables.h"
#include "window/menu_form.h"

// Paints the client area of form into target, whose pixel (0, 0) is the client area's top-left
// corner: the window colour, then the gradient (BackGround afsGradient) or the tiled picture
// (afsGlyph) unless the window is shaped, or the shape picture of a shaped window (not a JPEG),
// then the design grid (design mode with ShowGrid), then every visible windowless control placed
// directly on the window, in child order, and above them every visible windowed one the window
// paints (TControl::PaintedByWindow: the skinned music player), each through TControl::Paint
// on a canvas whose origin is the control's top-left corner and whose clip is the control's
// bounds. Pictures are drawn
// as they show: their transparent parts leave what lies beneath. Only the part of the client
// area inside target is painted.
void PaintMenuWindow(TKIVForm& form, const TBitmapView& target);

// The design grid's dot on a background colour: the inverse colour (each channel 255 - c)
// when |127 - R| * |127 - G| * |127 - B| > 4095, so the dots stand out; black on middling
// colours where the inverse would be close to the background.
TPixel32 GridDotPixel(TColor background);
