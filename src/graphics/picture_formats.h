#pragma once
// Internal to the picture decoders: a bounds-checked byte reader, the one error type the format
// readers throw, and the decoder of each format. The public entry (picture_decoder.h) catches
// TDecodeError and turns it into "no picture".

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/picture_decoder.h"

class TDecodeError : public std::runtime_error {
 public:
  TDecodeError(const std::string& message, size_t offsetBytes)
      : std::runtime_error(message + " at byte " + std::to_string(offsetBytes)), m_offset(offsetBytes) {}
  size_t OffsetBytes() const { return m_offset; }

 private:
  size_t m_offset;
};

// Little-endian reads that throw TDecodeError instead of running past the end.
class TByteReader {
 public:
  explicit TByteReader(std::span<const uint8_t> bytes, size_t position = 0) : m_bytes(bytes), m_pos(position) {}

  size_t Position() const { return m_pos; }
  size_t Size() const { return m_bytes.size(); }
  size_t Remaining() const { return m_pos <= m_bytes.size() ? m_bytes.size() - m_pos : 0; }
  void Seek(size_t position) {
    if (position > m_bytes.size()) Fail("seek beyond the end");
    m_pos = position;
  }
  void Skip(size_t count) { Take(count); }
  uint8_t U8() { return m_bytes[Take(1)]; }
  uint16_t U16() {
    size_t p = Take(2);
    return static_cast<uint16_t>(m_bytes[p] | (m_bytes[p + 1] << 8));
  }
  int16_t I16() { return static_cast<int16_t>(U16()); }
  uint32_t U32() {
    size_t p = Take(4);
    return static_cast<uint32_t>(m_bytes[p]) | (static_cast<uint32_t>(m_bytes[p + 1]) << 8) |
           (static_cast<uint32_t>(m_bytes[p + 2]) << 16) | (static_cast<uint32_t>(m_bytes[p + 3]) << 24);
  }
  int32_t I32() { return static_cast<int32_t>(U32()); }
  std::span<const uint8_t> Bytes(size_t count) { return m_bytes.subspan(Take(count), count); }
  [[noreturn]] void Fail(const char* message) const { throw TDecodeError(message, m_pos); }

 private:
  // Moves past count bytes and returns where they start; throws when they are missing.
  size_t Take(size_t count) {
    if (count > Remaining()) Fail("unexpected end of data");
    size_t p = m_pos;
    m_pos += count;
    return p;
  }

  std::span<const uint8_t> m_bytes;
  size_t m_pos;
};

// Throws unless width x height is a picture this program is willing to allocate.
void CheckPictureSize(int64_t width, int64_t height, size_t offsetBytes = 0);
bool StartsWith(std::span<const uint8_t> bytes, std::string_view prefix);
// Rounds a * b / c to the nearest integer (halves away from zero), as the platform's MulDiv;
// 0 when c is 0.
int64_t MulDiv(int64_t a, int64_t b, int64_t c);

// BMP: a whole .bmp file (file header first).
TBitmap32 DecodeBmpFile(std::span<const uint8_t> file);

// A device-independent bitmap without file header, as icons and cursors embed it: the header
// says twice the height, the colour bits are followed by a 1-bit AND mask.
struct TIconImage {
  TBitmap32 image;
  int32_t bitCount = 0;
};
TIconImage DecodeIconDib(std::span<const uint8_t> dib);

// JPEG: decodes what it can of a truncated or damaged file; throws when nothing could be read.
TBitmap32 DecodeJpeg(std::span<const uint8_t> file);

struct TPngImage {
  TBitmap32 image;
  TPngTransparency transparency = TPngTransparency::None;
  std::optional<TColor> keyColor;
};
TPngImage DecodePng(std::span<const uint8_t> file);

struct TGifImage {
  int32_t screenWidth = 0;
  int32_t screenHeight = 0;
  std::vector<TGifFrame> frames;
  std::optional<TColor> transparentColor;  // of the first frame
  std::optional<TPixel32> backgroundPixel;  // global background colour, when there is one
};
TGifImage DecodeGif(std::span<const uint8_t> file);
// The first frame composed on the logical screen: transparent (alpha 0, transparent colour)
// where frame 0 is transparent or does not reach, when frame 0 has a transparent index; else
// the background colour (opaque) there.
TBitmap32 ComposeFirstGifFrame(const TGifImage& gif);

// ICO / CUR directory: every image that decodes, with its directory's hot spot.
struct TIconEntry {
  TBitmap32 image;
  int32_t bitCount = 0;
  TPoint hotSpot;
};
struct TIconFile {
  uint16_t type = 0;  // 1 icon, 2 cursor
  std::vector<TIconEntry> entries;
};
TIconFile DecodeIconFile(std::span<const uint8_t> file);
// The index of the entry nearest 32 x 32 (more colours first among equals); entries not empty.
size_t NearestIconEntry(const std::vector<TIconEntry>& entries);
bool IsIconFile(std::span<const uint8_t> file, uint16_t type);

// ANI: frames in display order.
std::vector<TCursorFrame> DecodeAni(std::span<const uint8_t> file);
bool IsAniFile(std::span<const uint8_t> file);

// PCX: 8-bit with a 256-colour palette and 24-bit (three planes), RLE.
TBitmap32 DecodePcx(std::span<const uint8_t> file);
bool IsPcxFile(std::span<const uint8_t> file);

// Metafiles: a placeable WMF or an EMF played onto a transparent bitmap of the size the header
// gives (reduced to the picture limits). Throws when the header cannot be read or names no size.
TBitmap32 DecodeMetafile(std::span<const uint8_t> file);
bool IsMetafile(std::span<const uint8_t> file);
