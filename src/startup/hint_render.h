#pragma once
// The custom hint balloon of a document drawn off-screen: the document is loaded with the
// player's own start-up (fonts, fallback window), switched into run mode with its hint settings
// applied as the player applies them before it shows; nothing is shown, launched or held.

#include <string_view>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "startup/command_line.h"
#include "startup/menu_session.h"

struct THintRender {
  TBitmap32 picture;  // the window's picture as it shows where no compositor runs
  TRect window;       // where the window lies on the screen
};

// The balloon line's document shows for text with the pointer at pointer on screen (a picture
// of the whole screen, whose size the balloon is laid out for, its top-left corner at (0, 0)):
// the window copies the screen's pixels where it lies (black beyond the screen) and the balloon
// is blended over them. Needs a QGuiApplication.
THintRender RenderHint(const TCommandLine& line, TStartupSystem system, std::string_view text, TPoint pointer,
                       const TBitmapView& screen);
