#pragma once
// Drawing a skin frame to a control of any size: the nine-slice cut (fixed corners, stretched
// edges and centre) and the two ways a piece is stretched, leaving out a key colour or blending
// by the skin's alpha.

#include <cstdint>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/ident_tables.h"

struct TSkinPiece {
  TRect source;
  TRect target;
};

// The pieces that draw frame (a rectangle of the skin) over a width x height control, in drawing
// order: nine pieces (corners, edges, centre) when margin is above 0 and twice the margin is less
// than the control's and the frame's width and height; otherwise the whole frame stretched over
// the control.
std::vector<TSkinPiece> SkinPieces(const TRect& frame, int32_t width, int32_t height, int32_t margin);

// Stretches sourceRect of source onto targetRect of target with smoothing, leaving out the
// pixels of key: a mask of the key pixels and the source with those pixels cleared are both
// stretched smoothly, then combined with the target as (target AND mask) OR image, so edges
// of the keyed area blend as the platform's halftone stretch blends them.
void KeyedStretchBlt(const TBitmapView& target, const TRect& targetRect, const TBitmapView& source,
                     const TRect& sourceRect, TColor key);

// Stretches sourceRect of source onto targetRect of target bilinearly and draws it over the
// target by the source's alpha.
void AlphaStretchBlend(const TBitmapView& target, const TRect& targetRect, const TBitmapView& source,
                       const TRect& sourceRect);
