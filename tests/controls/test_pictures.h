#pragma once
// Pictures for the control tests: small bitmaps made in place and files of the test data.

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/colors.h"
#include "model/picture.h"
#include "support/test_data.h"

// Makes picture a stored bitmap (24-bit BMP file) of the given pixels, row by row from the top.
inline void SetBitmap(TPicture& picture, int32_t width, int32_t height, const std::vector<TColor>& colours) {
  const int32_t row = (width * 3 + 3) & ~3;
  std::vector<uint8_t> file(54 + static_cast<size_t>(row) * height);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  file[0] = 'B', file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  file[26] = 1, file[28] = 24;
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) {
      const TColor c = colours[static_cast<size_t>((height - 1 - y) * width + x)];
      const size_t at = 54 + static_cast<size_t>(y) * row + static_cast<size_t>(x) * 3;
      file[at] = static_cast<uint8_t>(c >> 16), file[at + 1] = static_cast<uint8_t>(c >> 8), file[at + 2] = static_cast<uint8_t>(c);
    }
  picture.SetGraphic(TPictureFormat::Bitmap, file);
}


// Makes picture the format holding the test data file at relative.
inline void SetTestDataPicture(TPicture& picture, TPictureFormat format, const std::string& relative) {
  picture.SetGraphic(format, ReadTestFile(relative));
}
