#pragma once
// How a decoded picture's transparency shows when it is drawn: pictures with transparency of
// their own draw with it; the others are drawn opaque, or leaving out a key colour picked from
// their top-left pixel.

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "graphics/picture_decoder.h"
#include "model/ident_tables.h"

// Whether a stored picture carries transparency of its own: a GIF with a transparent colour, a
// PNG with any transparency, or an icon.
bool HasOwnTransparency(const TDecodedPicture& picture);
// The picture as an opaque bitmap, as the platform converts pictures: bitmaps, JPEGs and PNGs
// keep their colours (a PNG loses its alpha), anything else is drawn onto black.
TBitmap32 OpaqueCopy(const TDecodedPicture& picture);
// The key colour picked from a picture: the top-left pixel of its opaque copy (black when empty).
TColor TopLeftColor(const TDecodedPicture& picture);
// Draws picture with its top-left corner at `at`: with its own transparency when it has one,
// else its opaque copy leaving out keyColor.
void DrawIconPicture(const TBitmapView& target, TPoint at, const TDecodedPicture& picture, TColor keyColor);
