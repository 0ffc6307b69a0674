#pragma once
// The speech balloon of the custom hint window: a rounded rectangle with a triangular pointer on
// its top or bottom edge, near its left or right end, as a set of pixels and as an antialiased
// outline. Coordinates are pixels, as antialiased_outline.h takes them.
//
// A placement (TKIVPosition) says where the balloon lies from the point it points at:
// apsLeftTop to the left and above, so its pointer leaves the bottom edge near the right end;
// apsLeftBottom to the left and below (pointer on top, right); apsRightTop (pointer below,
// left); apsRightBottom (pointer on top, left).

#include <array>
#include <cstdint>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "graphics/region.h"
#include "model/menu_enums.h"

struct TBalloonShape {
  TKIVPosition placement;
  TRect body;          // the rounded rectangle (right and bottom exclusive)
  int32_t cornerSize;  // width and height of each corner's ellipse
  // P1 and P2 on the body's edge (P1 the nearer the left), P3 the tip.
  std::array<TPoint, 3> pointer;
};

// Whether the balloon of placement has its pointer at the right end and on its bottom edge.
bool PointerAtRight(TKIVPosition placement);
bool PointerBelow(TKIVPosition placement);

// The balloon filling rect with a pointer 12 pixels deep whose tip is rect's corner: the body is
// rect less 12 rows on the pointer's side; P1 and P2 lie 18 and 10 pixels in from the right end
// (10 and 18 from the left end), on the body's last row (pointer below) or first row (on top).
// Corners of 10.
TBalloonShape HintBalloonBody(const TRect& rect, TKIVPosition placement);

// The shape of the balloon's shadow in rect: the body less depth rows on the pointer's side,
// corners of 8, P1 and P2 as for the body, and the tip straight across from P2 (pointer at the
// right) or P1 (at the left) on rect's edge, so the shadow's pointer has one vertical side.
TBalloonShape HintBalloonShadow(const TRect& rect, TKIVPosition placement, int32_t depth);

// The pixels of shape: the body's pixels whose centre lies inside its rounded rectangle (corner
// ellipses of cornerSize through the middle of the edge pixels, so the outline's arcs run along
// its border) united with those inside or on the triangle P1 P2 P3. One rectangle per run of a row.
TRegion BalloonRegion(const TBalloonShape& shape);

// The outline of a balloon body in colour: its four edges one pixel inside the body's right and
// bottom, broken between P1 and P2 for the pointer, quarter arcs of radius cornerSize / 2 at the
// corners, and the pointer's sides P1-P3 and P2-P3, all antialiased (antialiased_outline.h) and
// blended with what view holds.
void DrawBalloonOutline(const TBitmapView& view, const TBalloonShape& shape, TPixel32 colour);
