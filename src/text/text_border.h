#pragma once
// The borders of the text controls (the text box and the rich edit), drawn by the window around
// their editor widgets: none, the platform's sunken client edge, or the flat border, whose outer
// ring is BorderColor and whose ring inside it is the control's Color.

#include <cstdint>

#include "graphics/canvas.h"
#include "graphics/geometry.h"
#include "model/menu_enums.h"

// The client area of a control width x height inside its border, which reaches 2 pixels in
// (none for atbNone).
TRect TextClientArea(TKIVTextBoxBorderStyle style, int32_t width, int32_t height);

// Draws the border of a control width x height at the canvas's logical (0, 0).
void PaintTextBorder(TCanvas& canvas, TKIVTextBoxBorderStyle style, int32_t width, int32_t height, TColor borderColor,
                     TColor color);
