#pragma once
// Building one frame of a transition, as the engine does for each step of the progress: the
// display starts as the old picture; at progress 100 it becomes the new picture, at 0 it stays
// the old one, and in between the style's frame procedure draws on it.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "model/seeded_random.h"

enum class TFrameBuildResult : uint8_t {
  fbDrawn,
  fbNoSuchStyle,  // the style is outside 1 to 150 or has no procedure (the custom style 0)
  fbSizesDiffer,  // the old and new pictures are not of one size
};

// Fills display with the frame of style at progress (clamped to 0 to 100) with the given step
// (clamped to 1 to 100), from oldPicture to newPicture, which must be of one size; display is
// resized to it. The random styles draw from random. On a failure display is left empty.
TFrameBuildResult BuildTransitionFrame(TBitmap32& display, int32_t style, int32_t progress, int32_t step,
                                       const TBitmap32& oldPicture, const TBitmap32& newPicture,
                                       TSeededRandom& random);
