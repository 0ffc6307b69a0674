#pragma once
// One-pixel frames drawn on a rectangle's edge: the platform's 3-D frames (two-colour, raised,
// sunken), the classic push button's face with its two-pixel edge, and the design-mode dotted
// frame. rect is in the target's coordinates; pixels outside the target are left out.

#include "graphics/bitmap32.h"
#include "graphics/canvas.h"
#include "graphics/geometry.h"
#include "model/ident_tables.h"

// One-pixel frame on rect: topLeft on the top row and the left column, bottomRight on the right
// column and the bottom row (both corners it meets included), as the platform's 3-D frames.
void DrawFrame3D(const TBitmapView& target, const TRect& rect, TColor topLeft, TColor bottomRight);
// Raised: button highlight above and left, button shadow below and right; sunken the reverse.
void DrawRaisedFrame(const TBitmapView& target, const TRect& rect);
void DrawSunkenFrame(const TBitmapView& target, const TRect& rect);

// The classic push-button frame control: button face with a two-pixel raised edge, or a sunken
// one when pushed.
void DrawClassicPushButton(const TBitmapView& target, const TRect& rect, bool pushed);

// The design-mode frame: a black dotted one-pixel rectangle, every other pixel set.
void DrawDottedFrame(const TBitmapView& target, const TRect& rect);
// The same on a canvas, rect in its logical coordinates, inside its clip.
void DrawDottedFrame(TCanvas& canvas, const TRect& rect);
