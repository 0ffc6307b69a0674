#pragma once
// The only place a bitmap meets Qt: a QImage over the bitmap's own pixels (no copy), so that
// QPainter can draw text and antialiased paths into it.

#include <QImage>

#include "graphics/bitmap32.h"

// The image shares view's pixels; it must not outlive them. Format_ARGB32 matches TPixel32.
QImage WrapAsQImage(const TBitmapView& view);
// A copy of image as a bitmap (any format converted).
TBitmap32 BitmapFromQImage(const QImage& image);
