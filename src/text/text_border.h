#pragma once
// The borders of the text controls (the text box and the rich edit), drawn by the window around
// their editor widgets: none, the platform's sunken client edge, or the flat border, whose outer
// ring is BorderColor and whose ring inside it is the control's Color.

#include <cstdint>

#include "graphics/canvas.h"
#include "model/menu_enums.h"

// How far the border reaches in: 0 for atbNone, else 2.
int32_t TextBorderWidth(TKIVTextBoxBorderStyle style);

// Draws the border of a control width x height at the canvas's logical (0, 0).
void PaintTextBorder(TCanvas& canvas, TKIVTextBoxBorderStyle style, int32_t width, int32_t height, TColor borderColor,
                     TColor color);
