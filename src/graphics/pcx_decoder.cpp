// PCX files: 8 bits per pixel in one plane with the 256-colour palette at the end of the file,
// and 8 bits per pixel in three planes (24-bit colour); run-length encoded or plain. Other
// layouts (1, 2 and 4 bits, 16-colour palettes) are not read.

#include <algorithm>

#include "graphics/picture_formats.h"

namespace {

constexpr size_t kHeaderSize = 128;
constexpr size_t kPaletteSize = 769;  // 0x0C, then 256 RGB triples

}  // namespace

bool IsPcxFile(std::span<const uint8_t> file) {
  return file.size() > kHeaderSize && file[0] == 0x0A && file[1] <= 5 && file[2] <= 1 &&
         (file[3] == 1 || file[3] == 2 || file[3] == 4 || file[3] == 8);
}

TBitmap32 DecodePcx(std::span<const uint8_t> file) {
  if (!IsPcxFile(file)) throw TDecodeError("not a PCX file", 0);
  TByteReader r(file, 2);
  bool rle = r.U8() == 1;
  uint8_t bitsPerPixel = r.U8();
  int32_t xMin = r.U16(), yMin = r.U16(), xMax = r.U16(), yMax = r.U16();
  r.Seek(65);
  uint8_t planes = r.U8();
  size_t bytesPerLine = r.U16();
  int32_t width = xMax - xMin + 1, height = yMax - yMin + 1;
  if (width <= 0 || height <= 0) r.Fail("empty PCX picture");
  CheckPictureSize(width, height, 4);
  if (bitsPerPixel != 8 || (planes != 1 && planes != 3)) r.Fail("PCX layout not read");
  if (bytesPerLine < static_cast<size_t>(width)) r.Fail("PCX line shorter than the picture");

  size_t dataEnd = file.size();
  TPixel32 palette[256];
  if (planes == 1) {
    // The palette closes the file; without it the indices read as grey levels.
    bool hasPalette = file.size() >= kHeaderSize + kPaletteSize && file[file.size() - kPaletteSize] == 0x0C;
    for (int i = 0; i < 256; ++i) {
      if (hasPalette) {
        const uint8_t* c = file.data() + file.size() - kPaletteSize + 1 + 3 * i;
        palette[i] = MakePixel(c[0], c[1], c[2]);
      } else {
        palette[i] = MakePixel(static_cast<uint8_t>(i), static_cast<uint8_t>(i), static_cast<uint8_t>(i));
      }
    }
    if (hasPalette) dataEnd -= kPaletteSize;
  }

  // Runs may cross line ends, so the data is one stream of bytes; missing data leaves black.
  TBitmap32 image(width, height);
  std::vector<uint8_t> line(bytesPerLine * planes);
  size_t p = kHeaderSize;
  uint8_t runValue = 0;
  size_t runLeft = 0;
  auto next = [&]() -> int {
    if (runLeft > 0) return --runLeft, runValue;
    if (p >= dataEnd) return -1;
    uint8_t b = file[p++];
    if (!rle || (b & 0xC0) != 0xC0) return b;
    if (p >= dataEnd) return -1;
    runValue = file[p++];
    runLeft = (b & 0x3F);
    if (runLeft == 0) return -2;  // an empty run gives no byte
    return --runLeft, runValue;
  };
  for (int32_t y = 0; y < height; ++y) {
    std::fill(line.begin(), line.end(), 0);
    for (size_t i = 0; i < line.size();) {
      int b = next();
      if (b == -1) break;
      if (b >= 0) line[i++] = static_cast<uint8_t>(b);
    }
    TPixel32* row = image.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      size_t i = static_cast<size_t>(x);
      row[x] = planes == 1 ? palette[line[i]]
                           : MakePixel(line[i], line[bytesPerLine + i], line[2 * bytesPerLine + i]);
    }
  }
  return image;
}
