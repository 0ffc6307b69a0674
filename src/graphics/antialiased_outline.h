#pragma once
// Antialiased outlines one pixel wide: lines and elliptical arcs whose colour is shared between
// the two pixels nearest their exact course. Coordinates are pixels: the point (x, y) is pixel
// (x, y) itself, so a course through whole coordinates covers whole pixels. Both routines clip to
// the view and blend every pixel they touch with what it holds (CoverPixel), so drawing the same
// outline twice darkens its soft pixels again: compose a picture once, from a fresh copy.
// Lines and boxes with a coordinate farther than kMaxStretchExtent from 0 draw nothing.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"

// Covers the pixel (x, y) of view, when it lies inside, with colour to the fraction part / whole
// (0 < part <= whole): on an opaque pixel each channel becomes round(old * (whole - part) / whole)
// + round(colour * part / whole), each term rounded to the nearest integer (a half to the even
// neighbour) and the sum kept within 255; a pixel that is not opaque gets colour with alpha
// round(255 * part / whole) drawn over it (AlphaOverPixel). colour's own alpha is ignored.
void CoverPixel(const TBitmapView& view, int32_t x, int32_t y, TPixel32 colour, uint32_t part, uint32_t whole);

// A line from `from` to `to`: both end pixels are set to colour (opaque); the pixels between
// are visited along the longer axis (x when both are equal), one step per pixel; where the exact
// position on the other axis has integer part n and fraction f, pixel n is covered to 1 - f and
// pixel n + 1 to f.
void DrawAntialiasedLine(const TBitmapView& view, TPoint from, TPoint to, TPixel32 colour);

// The part of the ellipse inscribed in box between two angles in degrees (0 <= startDegrees <=
// endDegrees <= 360), measured from the positive x axis toward positive y (clockwise on the
// screen). The ellipse passes through the middles of the box's sides: its centre is the box's
// centre and its radii half the box's width and height, box.right and box.bottom being the
// extreme pixels themselves. Each pixel is covered once, by the most the arc gives it: along x
// where the curve is flatter than 45 degrees, pixel column by column as a line is, along y
// elsewhere. A box without width or height draws nothing.
void DrawAntialiasedArc(const TBitmapView& view, const TRect& box, int32_t startDegrees, int32_t endDegrees,
                        TPixel32 colour);
