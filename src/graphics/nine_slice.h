#pragma once
// The nine-slice cut that draws a rectangle of a picture to any size: fixed corners, edges
// stretched along their length and a stretched centre.

#include <cstdint>
#include <vector>

#include "graphics/geometry.h"

struct TNineSlicePiece {
  TRect source;
  TRect target;
};

// The pieces that draw frame (a rectangle of the picture) over a width x height target, in
// drawing order: nine pieces (corners, edges, centre) when margin is above 0 and twice the margin
// is less than the target's and the frame's width and height; otherwise the whole frame
// stretched over the target.
std::vector<TNineSlicePiece> NineSlicePieces(const TRect& frame, int32_t width, int32_t height, int32_t margin);
