#pragma once
// telvo --render: the start page as the player would show it, painted off-screen. The document
// is found and loaded with the player's own start-up (fonts, fallback window), switched into
// run mode on a screen of 1920 x 1080 and turned to the requested page; nothing is shown,
// nothing launched, no lock taken.

#include <functional>
#include <optional>
#include <string>

#include "graphics/bitmap32.h"
#include "startup/command_line.h"
#include "startup/menu_session.h"

// The client area of the menu as painted. Pixels outside a shaped window's region are
// transparent (alpha 0, colour black); all others are opaque. An empty bitmap when the client
// area is empty or larger than a bitmap may be (kMaxBitmapSide, kMaxBitmapPixels), as a damaged
// document may ask. beforePaint, when given, runs on the started window just before it is
// painted (tests send pointer events through it). Needs a QGuiApplication.
TBitmap32 RenderMenu(const TCommandLine& line, TStartupSystem system,
                     const std::function<void(TfrmMain&)>& beforePaint = {});

// The frame of the render commands: creates the QGuiApplication (on Qt's offscreen platform unless
// QT_QPA_PLATFORM says otherwise) and the player's start-up system (which, with --verbose, says
// why the built-in window is rendered and which stored properties were skipped), renders with it
// and writes the picture into the PNG file path, each pixel an N x N block with --scale N. Qt's
// own scaling stays off, so neither the screen nor the environment changes the picture. Returns
// the process's exit code: 0, or 1 with "telvo: " + nothingToRender on stderr when render gives
// an empty picture, or when the scaled picture is too large or the file cannot be written.
int RunOffscreenRender(const TCommandLine& line, const std::string& path, const std::string& nothingToRender,
                       const std::function<TBitmap32(TStartupSystem)>& render);

// Renders line's document into the PNG file line.renderPath. Creates the QGuiApplication
// itself (on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise). Returns the
// process's exit code: 0, or 1 when there is nothing to render or the image cannot be written
// (the reason on stderr).
int RunRenderCommand(const TCommandLine& line);
