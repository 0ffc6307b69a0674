#pragma once
// Decoding of stored pictures, icons and cursors into 32-bit bitmaps. Every function treats its
// input as hostile: a file that cannot be decoded gives std::nullopt, never a crash, and no
// picture larger than kMaxBitmapSide / kMaxBitmapPixels is ever allocated.
//
// Transparency as decoded (alpha 0 = transparent, 255 = opaque):
// - bitmaps (1 to 32 bits per pixel) and JPEGs are opaque; the fourth byte of a 32-bit bitmap is
//   not alpha, because the platform's bitmap drawing ignores it and stored documents rely on that;
// - PNG: per-pixel alpha of grey-alpha and RGBA images, per-index alpha of palette images, key
//   colour of grey and RGB images (see TPngTransparency);
// - GIF: alpha 0 for the transparent index of a frame (its colour kept in the pixel);
// - icons and cursors: alpha of 32-bit images that carry one, else the AND mask; pixels the
//   platform would invert (mask 1, colour not black) are drawn opaque black;
// - metafiles: what the records do not paint is transparent.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/graphic_registry.h"
#include "model/ident_tables.h"

// How a PNG is transparent: not at all, by one key colour (grey and RGB images with a tRNS key,
// and palette images whose tRNS entries are all 0 or 255 with at least one 0), or per pixel
// (alpha channel, or palette entries with partial alpha).
enum class TPngTransparency : uint8_t { None, KeyColor, Alpha };

// One GIF frame as stored: image holds the frame's own pixels (area size); area is its place on
// the logical screen (it may reach outside it); delayMs is the graphic control delay (0 when
// absent); disposal the disposal method (0-7 as stored); transparentIndex -1 when none. Pixels
// of the transparent index have alpha 0 and the transparent colour.
struct TGifFrame {
  TBitmap32 image;
  TRect area;
  int32_t delayMs;
  uint8_t disposal;
  int32_t transparentIndex;
};

struct TDecodedPicture {
  TPictureFormat format = TPictureFormat::Bitmap;  // the format it came from
  // The picture as drawn (a GIF's first composed frame, an animated cursor's first frame, an
  // icon's image nearest 32 x 32), alpha per the format's transparency.
  TBitmap32 bitmap;
  TPngTransparency pngTransparency = TPngTransparency::None;
  std::optional<TColor> transparentColor;     // PNG key colour or GIF transparent colour (0x00BBGGRR)
  int32_t screenWidth = 0, screenHeight = 0;  // GIF logical screen
  std::vector<TGifFrame> frames;              // every GIF frame (empty for other formats)
};

// Decodes a stored picture: format and file bytes as TPicture keeps them. Content that is not of
// the format, empty metafiles and the OLE format (never drawn) give std::nullopt.
std::optional<TDecodedPicture> DecodePicture(TPictureFormat format, std::span<const uint8_t> file);
// Decodes a picture file recognised by its content (BMP, JPEG, PNG, GIF, ICO, PCX, ANI, WMF/EMF),
// for pictures loaded from files. format is the one that would store it; a PCX file is decoded
// into a bitmap of the PCX format.
std::optional<TDecodedPicture> DecodePictureFile(std::span<const uint8_t> file);

struct TCursorFrame {
  TBitmap32 image;
  TPoint hotSpot;
  int32_t delayMs;  // how long this step shows (0 for a static cursor)
};
// A static (.cur) or animated (.ani) cursor: its frames in display order (one for .cur). A
// cursor file with several images gives the one nearest 32 x 32. An .ico file is accepted too,
// with its hot spot in the centre.
std::optional<std::vector<TCursorFrame>> DecodeCursor(std::span<const uint8_t> file);
// The images of an .ico file, largest first (for window icons and message-box icons); among
// images of one size the one with more colours comes first. Images that fail to decode are
// left out; no image at all gives std::nullopt.
std::optional<std::vector<TBitmap32>> DecodeIcon(std::span<const uint8_t> file);

// The picture copied into a 32-bit bitmap for cutting a window to its shape. A GIF and a PNG with
// a key colour are copied with their transparency switched off: every pixel shows the colour it
// holds, the transparent ones their key colour. Every other picture is drawn over black: each
// colour channel becomes channel * alpha / 255 (rounded to the nearest), so all fully
// transparent pixels are black whatever colour they hide. The copy is opaque.
TBitmap32 ShapeBitmap(const TDecodedPicture& picture);
// The shape colour of a picture: the GIF transparent colour or the PNG key colour, else the pixel
// at (0, 0) of ShapeBitmap (black for an empty bitmap).
TColor ShapeColor(const TDecodedPicture& picture);
