#pragma once
// The two pictures the transition tests run between: an old blue checkerboard and a new picture
// of colour gradients in stripes, so that a stretched, moved or mirrored part of either shows.

#include <cstdint>

#include "graphics/bitmap32.h"

inline TBitmap32 OldTestPicture(int32_t width, int32_t height) {
  TBitmap32 picture(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      picture.At(x, y) = (x / 5 + y / 5) % 2 ? MakePixel(40, 40, 160) : MakePixel(80, 80, 220);
  return picture;
}

inline TBitmap32 NewTestPicture(int32_t width, int32_t height) {
  TBitmap32 picture(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x)
      picture.At(x, y) = (x / 8) % 2 ? MakePixel(static_cast<uint8_t>(255 * x / width),
                                                 static_cast<uint8_t>(255 * y / height), 60)
                                     : MakePixel(230, 200, static_cast<uint8_t>(40 + 150 * y / height));
  return picture;
}
