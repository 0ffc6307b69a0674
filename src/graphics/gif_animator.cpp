#include "graphics/gif_animator.h"

#include <algorithm>

#include "graphics/colors.h"
#include "graphics/raster.h"

namespace {

constexpr uint8_t kDisposeNone = 1, kDisposeBackground = 2, kDisposePrevious = 3;

bool CoversScreen(const TGifFrame& frame, const TDecodedPicture& gif) {
  return frame.area.left <= 0 && frame.area.top <= 0 && frame.area.right >= gif.screenWidth &&
         frame.area.bottom >= gif.screenHeight;
}

void DrawFrame(TBitmap32& target, const TGifFrame& frame) {
  // Transparent pixels of a frame have alpha 0 and leave what lies below.
  AlphaBlend(target.View(), {frame.area.left, frame.area.top}, frame.image.View());
}

}  // namespace

int32_t GifFrameDelayMs(const TDecodedPicture& gif, int32_t index) {
  if (gif.frames.size() < 2 || index < 0 || static_cast<size_t>(index) >= gif.frames.size()) return 0;
  return std::clamp(gif.frames[static_cast<size_t>(index)].delayMs, 50, 10000);
}

void TGifAnimator::Reset() {
  m_frame = TBitmap32();
  m_index = -1;
  m_keyColor.reset();
}

const TBitmap32& TGifAnimator::Compose(const TDecodedPicture& gif, int32_t n) {
  const auto count = static_cast<int32_t>(gif.frames.size());
  if (count == 0 || gif.screenWidth < 1 || gif.screenHeight < 1) {
    Reset();
    return m_frame;
  }
  n = std::clamp(n, 0, count - 1);
  if (n == m_index) return m_frame;
  const auto frame = [&](int32_t i) -> const TGifFrame& { return gif.frames[static_cast<size_t>(i)]; };
  if (m_index >= 0 && m_index == n - 1 && frame(n - 1).disposal != kDisposePrevious) {
    if (frame(n - 1).disposal == kDisposeBackground) FillRect(m_frame.View(), frame(n - 1).area, m_background);
    DrawFrame(m_frame, frame(n));
    m_index = n;
    return m_frame;
  }
  // A fresh composition on the background: the transparent colour when the GIF has one (it then
  // marks the transparent parts), else the window colour.
  m_keyColor = gif.transparentColor;
  m_background = ColorToPixel(m_keyColor ? *m_keyColor : clWindow);
  m_frame = TBitmap32(gif.screenWidth, gif.screenHeight, m_background);
  int32_t start = 0;
  for (int32_t k = n; k >= 1; --k) {
    const TGifFrame& candidate = frame(k);
    const bool opaque = candidate.transparentIndex < 0;
    if (CoversScreen(candidate, gif) && (opaque || (candidate.disposal == kDisposeBackground && k < n))) {
      start = k;
      break;
    }
  }
  for (int32_t k = start; k < n; ++k) {
    const uint8_t disposal = frame(k).disposal;
    if (disposal == 0 || disposal == kDisposeNone)
      DrawFrame(m_frame, frame(k));
    else if (disposal == kDisposeBackground && k > start)
      FillRect(m_frame.View(), frame(k).area, m_background);
  }
  DrawFrame(m_frame, frame(n));
  m_index = n;
  return m_frame;
}
