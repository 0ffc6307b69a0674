#include "graphics/picture_decoder.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "graphics/colors.h"
#include "graphics/picture_formats.h"

void CheckPictureSize(int64_t width, int64_t height, size_t offsetBytes) {
  if (width <= 0 || height <= 0) throw TDecodeError("empty picture", offsetBytes);
  if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels)
    throw TDecodeError("picture too large", offsetBytes);
}

bool StartsWith(std::span<const uint8_t> bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() && std::memcmp(bytes.data(), prefix.data(), prefix.size()) == 0;
}

int64_t MulDiv(int64_t a, int64_t b, int64_t c) {
  if (c == 0) return 0;
  int64_t product = a * b;
  bool negative = (product < 0) != (c < 0);
  int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
  return negative ? -magnitude : magnitude;
}

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1a\n";

TDecodedPicture FromBitmap(TPictureFormat format, TBitmap32 bitmap) {
  TDecodedPicture picture;
  picture.format = format;
  picture.bitmap = std::move(bitmap);
  return picture;
}

TDecodedPicture FromPng(std::span<const uint8_t> file) {
  TPngImage png = DecodePng(file);
  TDecodedPicture picture = FromBitmap(TPictureFormat::Png, std::move(png.image));
  picture.pngTransparency = png.transparency;
  if (png.transparency == TPngTransparency::KeyColor) picture.transparentColor = png.keyColor;
  return picture;
}

TDecodedPicture FromGif(std::span<const uint8_t> file) {
  TGifImage gif = DecodeGif(file);
  TDecodedPicture picture = FromBitmap(TPictureFormat::Gif, ComposeFirstGifFrame(gif));
  picture.transparentColor = gif.transparentColor;
  picture.screenWidth = gif.screenWidth;
  picture.screenHeight = gif.screenHeight;
  picture.frames = std::move(gif.frames);
  return picture;
}

TDecodedPicture FromIcon(std::span<const uint8_t> file) {
  if (!IsIconFile(file, 1)) throw TDecodeError("not an icon file", 0);
  TIconFile icon = DecodeIconFile(file);
  return FromBitmap(TPictureFormat::Icon, std::move(icon.entries[NearestIconEntry(icon.entries)].image));
}

TDecodedPicture FromAni(std::span<const uint8_t> file) {
  std::vector<TCursorFrame> frames = DecodeAni(file);
  return FromBitmap(TPictureFormat::Ani, std::move(frames.front().image));
}

// Runs a decoder and turns every failure into "no picture". This is the one place where the
// decoders' errors are swallowed: a picture that cannot be read is simply not shown. Running
// out of memory on a picture within the size limits counts as such a failure too.
template <typename Decode>
auto Guarded(Decode decode) -> std::optional<decltype(decode())> {
  try {
    return decode();
  } catch (const TDecodeError&) {
    return std::nullopt;
  } catch (const std::bad_alloc&) {
    return std::nullopt;
  }
}

}  // namespace

std::optional<TDecodedPicture> DecodePicture(TPictureFormat format, std::span<const uint8_t> file) {
  return Guarded([&]() -> TDecodedPicture {
    switch (format) {
      // A stored PCX picture holds a bitmap file.
      case TPictureFormat::Bitmap:
      case TPictureFormat::Pcx: return FromBitmap(format, DecodeBmpFile(file));
      case TPictureFormat::Jpeg: return FromBitmap(format, DecodeJpeg(file));
      case TPictureFormat::Png: return FromPng(file);
      case TPictureFormat::Gif: return FromGif(file);
      case TPictureFormat::Icon: return FromIcon(file);
      case TPictureFormat::Metafile: return FromBitmap(format, DecodeMetafile(file));
      case TPictureFormat::Ani: return FromAni(file);
      case TPictureFormat::OleGraphic: break;
    }
    throw TDecodeError("picture format not drawn", 0);
  });
}

std::optional<TDecodedPicture> DecodePictureFile(std::span<const uint8_t> file) {
  return Guarded([&]() -> TDecodedPicture {
    if (StartsWith(file, "BM")) return FromBitmap(TPictureFormat::Bitmap, DecodeBmpFile(file));
    if (file.size() >= 2 && file[0] == 0xFF && file[1] == 0xD8)
      return FromBitmap(TPictureFormat::Jpeg, DecodeJpeg(file));
    if (StartsWith(file, kPngSignature)) return FromPng(file);
    if (StartsWith(file, "GIF8")) return FromGif(file);
    if (IsAniFile(file)) return FromAni(file);
    if (IsMetafile(file)) return FromBitmap(TPictureFormat::Metafile, DecodeMetafile(file));
    if (IsIconFile(file, 1)) return FromIcon(file);
    if (IsPcxFile(file)) return FromBitmap(TPictureFormat::Pcx, DecodePcx(file));
    throw TDecodeError("unknown picture file", 0);
  });
}

std::optional<std::vector<TCursorFrame>> DecodeCursor(std::span<const uint8_t> file) {
  return Guarded([&]() -> std::vector<TCursorFrame> {
    if (IsAniFile(file)) return DecodeAni(file);
    TIconFile icon = DecodeIconFile(file);
    TIconEntry& entry = icon.entries[NearestIconEntry(icon.entries)];
    return {TCursorFrame{std::move(entry.image), entry.hotSpot, 0}};
  });
}

std::optional<std::vector<TBitmap32>> DecodeIcon(std::span<const uint8_t> file) {
  return Guarded([&]() -> std::vector<TBitmap32> {
    if (!IsIconFile(file, 1)) throw TDecodeError("not an icon file", 0);
    TIconFile icon = DecodeIconFile(file);
    std::stable_sort(icon.entries.begin(), icon.entries.end(), [](const TIconEntry& a, const TIconEntry& b) {
      int64_t areaA = int64_t{a.image.Width()} * a.image.Height(), areaB = int64_t{b.image.Width()} * b.image.Height();
      return areaA != areaB ? areaA > areaB : a.bitCount > b.bitCount;
    });
    std::vector<TBitmap32> images;
    for (TIconEntry& entry : icon.entries) images.push_back(std::move(entry.image));
    return images;
  });
}

namespace {

// The pixel drawn over opaque black.
TPixel32 OverBlack(TPixel32 pixel) {
  const uint32_t alpha = PixelA(pixel);
  auto weigh = [alpha](uint8_t channel) { return static_cast<uint8_t>((channel * alpha + 127) / 255); };
  return MakePixel(weigh(PixelR(pixel)), weigh(PixelG(pixel)), weigh(PixelB(pixel)));
}

}  // namespace

TBitmap32 ShapeBitmap(const TDecodedPicture& picture) {
  TBitmap32 copy = picture.bitmap;
  for (TPixel32& pixel : copy.Pixels()) pixel = picture.transparentColor ? pixel | 0xFF000000u : OverBlack(pixel);
  return copy;
}

TColor ShapeColor(const TDecodedPicture& picture) {
  if (picture.transparentColor) return *picture.transparentColor;
  if (picture.bitmap.Empty()) return clBlack;
  return PixelToColor(OverBlack(picture.bitmap.At(0, 0)));
}
