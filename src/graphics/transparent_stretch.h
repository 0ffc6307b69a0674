#pragma once
// Stretching a rectangle of a picture smoothly over a target while its transparent parts leave
// the target as it was: leaving out a key colour, or blending by the picture's alpha.

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/ident_tables.h"

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
