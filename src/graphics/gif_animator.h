#pragma once
// The frames of an animated GIF as they show one after another: each composed frame is the
// previous one with the previous frame disposed of and the new frame drawn over it, so stepping
// forward costs one frame; any other frame is composed afresh from the last frame that covers
// the whole logical screen.

#include <cstdint>
#include <optional>

#include "graphics/bitmap32.h"
#include "graphics/picture_decoder.h"

// How long frame index of gif shows, in milliseconds: its delay clamped to 50-10000; 0 when
// the index is outside the frames or the GIF has fewer than two frames.
int32_t GifFrameDelayMs(const TDecodedPicture& gif, int32_t index);

class TGifAnimator {
 public:
  // Forgets the composed frame.
  void Reset();
  // The composed frame n (clamped to the last frame) of gif, a bitmap of its logical screen
  // size; an empty bitmap when the GIF has no frames or no screen.
  const TBitmap32& Compose(const TDecodedPicture& gif, int32_t n);
  // The colour that stands for transparency in the composed frame, when the GIF has one.
  std::optional<TColor> KeyColor() const { return m_keyColor; }
  int32_t ComposedIndex() const { return m_index; }

 private:
  TBitmap32 m_frame;
  int32_t m_index = -1;
  std::optional<TColor> m_keyColor;
  TPixel32 m_background = 0;
};
