// Device-independent bitmaps: .bmp files and the bitmaps inside icons and cursors. Reads 1, 4, 8,
// 16, 24 and 32 bits per pixel, RLE4 and RLE8, bit fields, bottom-up and top-down rows, and the
// OS/2 core, Windows 3 and version 2 to 5 headers.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#include "graphics/picture_formats.h"

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiRle8 = 1;
constexpr uint32_t kBiRle4 = 2;
constexpr uint32_t kBiBitfields = 3;
constexpr uint32_t kBiAlphaBitfields = 6;

struct TDibInfo {
  int32_t width = 0;
  int32_t height = 0;
  bool topDown = false;
  uint16_t bitCount = 0;
  uint32_t compression = kBiRgb;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  std::vector<TPixel32> palette;
  size_t endOffset = 0;  // where the header, masks and colour table end
};

// Reads the header, masks and colour table of a DIB starting at r's position. The colour table
// ends at tableLimit at the latest (where a file's bits start).
TDibInfo ReadDibInfo(TByteReader& r, size_t tableLimit = SIZE_MAX) {
  TDibInfo info;
  size_t start = r.Position();
  uint32_t headerSize = r.U32();
  bool core = headerSize == 12;
  uint32_t colorsUsed = 0;
  if (core) {
    info.width = r.U16();
    info.height = r.U16();
    r.Skip(2);  // planes
    info.bitCount = r.U16();
  } else {
    if (headerSize < 16 || headerSize > 4096) r.Fail("unknown bitmap header");
    info.width = r.I32();
    int32_t height = r.I32();
    r.Skip(2);
    info.bitCount = r.U16();
    if (headerSize >= 20) info.compression = r.U32();
    if (headerSize >= 36) {
      r.Skip(12);  // image size, resolution
      colorsUsed = r.U32();
    }
    // OS/2 version 2 headers use 3 and 4 for Huffman and RLE24, which nothing here reads.
    if (headerSize == 64 && (info.compression == 3 || info.compression == 4)) r.Fail("OS/2 compression");
    if (height == INT32_MIN) r.Fail("bad height");
    info.topDown = height < 0;
    info.height = height < 0 ? -height : height;
    if (headerSize >= 52) {
      r.Seek(start + 40);
      for (int i = 0; i < (headerSize >= 56 ? 4 : 3); ++i) info.masks[i] = r.U32();
    }
  }
  r.Seek(start + headerSize);
  if (headerSize == 40 && (info.compression == kBiBitfields || info.compression == kBiAlphaBitfields)) {
    for (int i = 0; i < (info.compression == kBiAlphaBitfields ? 4 : 3); ++i) info.masks[i] = r.U32();
  }
  if (info.width <= 0 || info.height <= 0) r.Fail("empty bitmap");
  CheckPictureSize(info.width, info.height, start);

  switch (info.bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: r.Fail("unsupported bit count");
  }
  switch (info.compression) {
    case kBiRgb: break;
    case kBiRle8: if (info.bitCount != 8) r.Fail("RLE8 needs 8 bits"); break;
    case kBiRle4: if (info.bitCount != 4) r.Fail("RLE4 needs 4 bits"); break;
    case kBiBitfields:
    case kBiAlphaBitfields:
      if (info.bitCount != 16 && info.bitCount != 32) r.Fail("bit fields need 16 or 32 bits");
      break;
    default: r.Fail("unsupported compression");
  }

  size_t tableSize = colorsUsed;
  if (info.bitCount <= 8) {
    size_t full = size_t{1} << info.bitCount;
    if (tableSize == 0 || tableSize > full) tableSize = full;
  } else {
    tableSize = std::min<size_t>(tableSize, 256);  // an optional optimisation palette: skipped
  }
  size_t entrySize = core ? 3 : 4;
  // Writers that leave out unused entries are common; the bits offset tells where the table ends.
  if (tableLimit != SIZE_MAX && tableLimit >= r.Position())
    tableSize = std::min(tableSize, (tableLimit - r.Position()) / entrySize);
  for (size_t i = 0; i < tableSize; ++i) {
    auto e = r.Bytes(entrySize);
    if (info.bitCount <= 8) info.palette.push_back(MakePixel(e[2], e[1], e[0]));
  }
  info.endOffset = r.Position();
  return info;
}

TPixel32 PaletteColor(const TDibInfo& info, uint32_t index) {
  // Indices beyond the colour table show black.
  return index < info.palette.size() ? info.palette[index] : MakePixel(0, 0, 0);
}

// A colour channel of a bit-field pixel, scaled to 0-255.
struct TChannel {
  uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit TChannel(uint32_t m) : mask(m) {
    if (m == 0) return;
    shift = std::countr_zero(m);
    bits = std::popcount(m >> shift);
  }
  uint8_t Extract(uint32_t pixel) const {
    if (bits == 0) return 0;
    uint32_t v = (pixel & mask) >> shift;
    if (bits >= 8) return static_cast<uint8_t>(v >> (bits - 8));
    uint32_t max = (1u << bits) - 1;
    return static_cast<uint8_t>((std::min(v, max) * 255 + max / 2) / max);
  }
};

size_t RowStride(const TDibInfo& info) {
  return ((static_cast<size_t>(info.width) * info.bitCount + 31) / 32) * 4;
}

// The last row may lack its padding; anything shorter is a damaged file. Checked before the
// bitmap is allocated, so a header claiming a huge picture over a few bytes costs nothing.
void CheckUncompressedSize(const TDibInfo& info, std::span<const uint8_t> bits) {
  size_t lastRow = (static_cast<size_t>(info.width) * info.bitCount + 7) / 8;
  if (bits.size() < RowStride(info) * static_cast<size_t>(info.height - 1) + lastRow)
    throw TDecodeError("bitmap bits are truncated", bits.size());
}

void DecodeUncompressed(const TDibInfo& info, std::span<const uint8_t> bits, bool withAlpha, TBitmap32& out) {
  size_t stride = RowStride(info);
  uint32_t masks[4] = {info.masks[0], info.masks[1], info.masks[2], info.masks[3]};
  bool fields = info.compression == kBiBitfields || info.compression == kBiAlphaBitfields;
  if (!fields && info.bitCount == 16) {
    masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F, masks[3] = 0;
  } else if (!fields && info.bitCount == 32) {
    masks[0] = 0x00FF0000, masks[1] = 0x0000FF00, masks[2] = 0x000000FF, masks[3] = 0xFF000000;
  }
  const TChannel red(masks[0]), green(masks[1]), blue(masks[2]), alpha(withAlpha ? masks[3] : 0);

  for (int32_t y = 0; y < info.height; ++y) {
    const uint8_t* src = bits.data() + stride * static_cast<size_t>(y);
    TPixel32* dst = out.Row(info.topDown ? y : info.height - 1 - y);
    for (int32_t x = 0; x < info.width; ++x) {
      switch (info.bitCount) {
        case 1: dst[x] = PaletteColor(info, (src[x >> 3] >> (7 - (x & 7))) & 1); break;
        case 4: dst[x] = PaletteColor(info, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15); break;
        case 8: dst[x] = PaletteColor(info, src[x]); break;
        case 24: dst[x] = MakePixel(src[3 * x + 2], src[3 * x + 1], src[3 * x]); break;
        case 16:
        case 32: {
          uint32_t p = info.bitCount == 16 ? uint32_t{src[2 * x]} | (uint32_t{src[2 * x + 1]} << 8)
                                           : uint32_t{src[4 * x]} | (uint32_t{src[4 * x + 1]} << 8) |
                                                 (uint32_t{src[4 * x + 2]} << 16) | (uint32_t{src[4 * x + 3]} << 24);
          // With alpha asked for, a bitmap without an alpha field reads as alpha 0, so an icon
          // falls back to its AND mask.
          uint8_t a = withAlpha ? alpha.Extract(p) : 255;
          dst[x] = MakePixel(red.Extract(p), green.Extract(p), blue.Extract(p), a);
          break;
        }
      }
    }
  }
}

// RLE4 and RLE8. Pixels the runs skip keep the colour of index 0; a run past the end of the data
// ends the bitmap there, as a truncated file shows what it has.
void DecodeRle(const TDibInfo& info, std::span<const uint8_t> bits, TBitmap32& out) {
  out.Fill(PaletteColor(info, 0));
  bool four = info.compression == kBiRle4;
  int64_t x = 0, y = 0;
  auto put = [&](uint32_t index) {
    if (x < info.width && y < info.height)
      out.At(static_cast<int32_t>(x), static_cast<int32_t>(info.topDown ? y : info.height - 1 - y)) =
          PaletteColor(info, index);
    ++x;
  };
  size_t p = 0;
  while (p + 1 < bits.size() && y < info.height) {
    uint8_t count = bits[p], value = bits[p + 1];
    p += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
    } else if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (p + 1 >= bits.size()) break;
      x += bits[p], y += bits[p + 1];
      p += 2;
    } else {
      size_t bytes = four ? (value + 1) / 2 : value;
      if (p + bytes > bits.size()) break;
      for (int i = 0; i < value; ++i) put(four ? ((i & 1) ? bits[p + i / 2] & 15 : bits[p + i / 2] >> 4) : bits[p + i]);
      p += (bytes + 1) & ~size_t{1};  // absolute runs are padded to a 16-bit boundary
    }
  }
}

TBitmap32 DecodeDibBits(const TDibInfo& info, std::span<const uint8_t> bits, bool withAlpha) {
  bool rle = info.compression == kBiRle4 || info.compression == kBiRle8;
  if (!rle) CheckUncompressedSize(info, bits);
  TBitmap32 out(info.width, info.height);
  if (rle)
    DecodeRle(info, bits, out);
  else
    DecodeUncompressed(info, bits, withAlpha, out);
  return out;
}

}  // namespace

TBitmap32 DecodeBmpFile(std::span<const uint8_t> file) {
  TByteReader r(file);
  if (!StartsWith(file, "BM")) r.Fail("not a bitmap file");
  r.Skip(10);
  uint32_t bitsOffset = r.U32();
  TDibInfo info = ReadDibInfo(r, bitsOffset < file.size() ? bitsOffset : SIZE_MAX);
  // A bits offset that points into the headers or past the end is ignored: the bits then follow
  // the colour table, where a packed bitmap has them.
  size_t start = (bitsOffset >= info.endOffset && bitsOffset < file.size()) ? bitsOffset : info.endOffset;
  return DecodeDibBits(info, file.subspan(start), false);
}

TIconImage DecodeIconDib(std::span<const uint8_t> dib) {
  TByteReader r(dib);
  TDibInfo info = ReadDibInfo(r);
  // The header counts the colour bits and the AND mask together.
  int32_t height = info.height / 2;
  if (height <= 0) r.Fail("icon bitmap too small");
  if (info.compression != kBiRgb && info.compression != kBiBitfields) r.Fail("compressed icon bitmap");
  info.height = height;
  info.topDown = false;
  std::span<const uint8_t> bits = dib.subspan(info.endOffset);
  TIconImage result{DecodeDibBits(info, bits, info.bitCount == 32), info.bitCount};
  TBitmap32& image = result.image;

  bool hasAlpha = false;
  if (info.bitCount == 32) {
    for (TPixel32 p : image.Pixels()) hasAlpha |= PixelA(p) != 0;
  }
  if (hasAlpha) return result;

  size_t maskOffset = RowStride(info) * static_cast<size_t>(height);
  size_t maskStride = ((static_cast<size_t>(info.width) + 31) / 32) * 4;
  for (int32_t y = 0; y < height; ++y) {
    size_t rowStart = maskOffset + maskStride * static_cast<size_t>(height - 1 - y);
    TPixel32* row = image.Row(y);
    for (int32_t x = 0; x < info.width; ++x) {
      size_t byte = rowStart + static_cast<size_t>(x >> 3);
      // A missing mask leaves the pixel opaque.
      bool masked = byte < bits.size() && ((bits[byte] >> (7 - (x & 7))) & 1);
      TPixel32 color = row[x] | 0xFF000000u;
      if (!masked)
        row[x] = color;
      else if ((color & 0x00FFFFFFu) == 0)
        row[x] = 0;  // transparent
      else
        row[x] = MakePixel(0, 0, 0);  // the platform inverts the screen here; shown as black
    }
  }
  return result;
}
