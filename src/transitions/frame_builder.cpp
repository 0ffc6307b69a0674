#include "transitions/frame_builder.h"

#include <algorithm>

#include "graphics/raster.h"
#include "transitions/transition_styles.h"

TFrameBuildResult BuildTransitionFrame(TBitmap32& display, int32_t style, int32_t progress, int32_t step,
                                       const TBitmap32& oldPicture, const TBitmap32& newPicture,
                                       TSeededRandom& random) {
  display = TBitmap32();
  if (style < 1 || style > kTransitionStyleCount || TransitionStyles()[static_cast<size_t>(style)].draw == nullptr)
    return TFrameBuildResult::fbNoSuchStyle;
  if (oldPicture.Width() != newPicture.Width() || oldPicture.Height() != newPicture.Height())
    return TFrameBuildResult::fbSizesDiffer;
  progress = std::clamp(progress, 0, 100);
  step = std::clamp(step, 1, 100);
  display = oldPicture;
  if (display.Empty() || progress == 0) return TFrameBuildResult::fbDrawn;
  if (progress == 100) {
    display = newPicture;
    return TFrameBuildResult::fbDrawn;
  }
  const TFrame frame(display.View(), newPicture.View(), progress, step, random);
  TransitionStyles()[static_cast<size_t>(style)].draw(frame);
  return TFrameBuildResult::fbDrawn;
}
