#pragma once
// The push-button faces the platform draws: the themed button of the application's widget style
// and the classic raised button frame.

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"

enum class TThemedButtonState : uint8_t { Normal, Hot, Pressed, Disabled };

// Whether a widget style is active: the player runs as a widget application. Off-screen renders
// (a GUI application without widgets) have none.
bool VisualStylesActive();
// Draws the style's push button over rect; does nothing without an active style.
void DrawThemedPushButton(const TBitmapView& target, const TRect& rect, TThemedButtonState state);

// The classic push-button frame control: button face with a two-pixel raised edge, or a sunken
// one when pushed.
void DrawClassicPushButton(const TBitmapView& target, const TRect& rect, bool pushed);
