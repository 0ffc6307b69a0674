#pragma once
// Where the transition control puts its picture and how it fills its background.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/enum_type.h"

TELVO_ENUM(TBackgroundMode, bmNone, bmTiled, bmStretched, bmCentered)

struct TPicShowLayout {
  bool center = false;
  bool stretch = false;
  bool stretchFine = false;
};

// The picture's rectangle in a client area: at the origin, or centred (halves rounded toward
// zero) with layout.center.
TRect PictureRect(const TPicShowLayout& layout, int32_t pictureWidth, int32_t pictureHeight, int32_t clientWidth,
                  int32_t clientHeight);

// Where the picture is drawn on screen: the picture rectangle without stretch, the whole client
// area with stretch alone, and with stretchFine the proportional fit centred in the client area.
TRect TargetRect(const TPicShowLayout& layout, const TRect& pictureRect, int32_t clientWidth, int32_t clientHeight);

// Fills rect of dst with color, then draws background over it as mode says: tiled from rect's
// top-left corner, stretched over rect, once at rect's centre, or not at all.
void PaintPicShowBackground(const TBitmapView& dst, const TRect& rect, TPixel32 color, const TBitmap32& background,
                            TBackgroundMode mode);
