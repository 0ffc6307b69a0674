#pragma once
// The push-button face of the application's widget style.

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"

enum class TThemedButtonState : uint8_t { Normal, Hot, Pressed, Disabled };

// Whether a widget style is active: the player runs as a widget application. Off-screen renders
// (a GUI application without widgets) have none.
bool VisualStylesActive();
// Draws the style's push button over rect; does nothing without an active style.
void DrawThemedPushButton(const TBitmapView& target, const TRect& rect, TThemedButtonState state);
