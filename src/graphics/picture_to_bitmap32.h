#pragma once
// The conversions of stored PNG and GIF pictures to 32-bit bitmaps with alpha.

#include "graphics/bitmap32.h"
#include "model/picture.h"

// Replaces bitmap with the picture when it is a PNG, pixels in ARGB following the format's
// transparency (per-pixel alpha, palette alpha, a key colour, or opaque). False, with bitmap
// untouched, for an empty picture, another format or one that does not decode.
bool PngToBitmap32(const TPicture& picture, TBitmap32& bitmap);

// Replaces bitmap with the first frame of a GIF picture as it shows: pixels of the transparent
// index get alpha 0, all others are opaque (all of them when the frame has no transparent
// index). False, with bitmap untouched, for an empty picture, another format or one that does
// not decode.
bool GifToBitmap32(const TPicture& picture, TBitmap32& bitmap);
