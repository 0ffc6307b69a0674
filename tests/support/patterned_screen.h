#pragma once
// A screen to show windows over that copy or blend what lies behind them: diagonal stripes of
// light and mid colours, so that a shadow ANDed into them or a translucent picture over them
// shows, as it would not over black.

#include <cstdint>

#include "graphics/bitmap32.h"

inline TBitmap32 PatternedScreen(int32_t width, int32_t height) {
  static constexpr TPixel32 kStripes[] = {MakePixel(250, 240, 200), MakePixel(120, 200, 250), MakePixel(255, 255, 255),
                                          MakePixel(90, 170, 90), MakePixel(240, 150, 60)};
  TBitmap32 screen(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) screen.At(x, y) = kStripes[((x + 2 * y) / 7) % 5];
  return screen;
}
