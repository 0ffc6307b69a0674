#pragma once
// telvo --render-splash MS OUT.png: an author's preview of the start-up splash. The document is
// loaded with the player's own start-up (fonts, fallback window) and its splash drawn, as it
// looks MS milliseconds after it opened, on an off-screen screen of 1920 x 1080 that is black;
// nothing is shown, nothing launched, no lock taken.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "startup/command_line.h"
#include "startup/menu_session.h"

// The off-screen screen of 1920 x 1080, black, with line's splash as it shows elapsedMs after it
// opened: a fading splash as of its last 100 ms tick (0 to 99 ms show only the screen), a plain
// one with its picture (an animation's frame of that moment) at any moment within its delay;
// from the end of its delay on, only the screen. An empty bitmap when the document has no splash
// (ShowSplash off, no delay, or a picture that does not decode). Needs a QGuiApplication.
TBitmap32 RenderSplash(const TCommandLine& line, TStartupSystem system, int64_t elapsedMs);

// Renders line.renderSplash into its PNG file. Creates the QGuiApplication itself (on Qt's
// offscreen platform unless QT_QPA_PLATFORM says otherwise). Returns the process's exit code:
// 0, or 1 when the document has no splash or the image cannot be written (the reason on stderr).
int RunRenderSplashCommand(const TCommandLine& line);
