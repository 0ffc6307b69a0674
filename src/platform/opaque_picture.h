#pragma once
// Showing a bitmap on a window: on one that has no alpha of its own, or on a translucent one. On
// a window Qt scales by N, each pixel of the bitmap becomes an N x N block of the same colour,
// never smoothed.

#include <QPainter>
#include <QRect>

#include "graphics/bitmap32.h"

// Draws the part of picture inside part (picture coordinates, clipped to the picture) at the
// same place on painter's device, every pixel opaque: its colour as it is, its alpha ignored.
// A window's backing store may keep an alpha channel, or take a non-opaque pixel as a colour
// weighted by its alpha; either way a transparent pixel would show as black or as whatever the
// store held before, so the alpha never reaches it.
void DrawOpaque(QPainter& painter, const TBitmapView& picture, const QRect& part);

// Draws the part of picture inside part as a window shows it: opaque (DrawOpaque), or on a
// translucent window with its alpha as it is, for the compositor to blend over the screen.
void DrawWindowPicture(QPainter& painter, const TBitmapView& picture, const QRect& part, bool translucent);
