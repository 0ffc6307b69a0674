#pragma once
// Turning stored colours into pixels. System colours (0xFF0000nn) resolve through one fixed
// table of the default colours of current Windows versions, not the desktop theme, so menus
// look as designed and renders are the same on every machine.

#include "graphics/bitmap32.h"
#include "model/ident_tables.h"

// The RGB value of colour with system colours resolved (0x00BBGGRR); clNone and clDefault
// resolve to black.
TColor ResolveColor(TColor color);
// The opaque pixel of colour, system colours resolved.
TPixel32 ColorToPixel(TColor color);
// The 0x00BBGGRR colour of a pixel (alpha dropped).
TColor PixelToColor(TPixel32 pixel);
