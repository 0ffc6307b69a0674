#include "graphics/picture_to_bitmap32.h"

#include "graphics/picture_decoder.h"

bool PngToBitmap32(const TPicture& picture, TBitmap32& bitmap) {
  if (picture.Format() != TPictureFormat::Png) return false;
  std::optional<TDecodedPicture> decoded = DecodePicture(TPictureFormat::Png, picture.FileBytes());
  if (!decoded) return false;
  bitmap = std::move(decoded->bitmap);
  return true;
}

bool GifToBitmap32(const TPicture& picture, TBitmap32& bitmap) {
  if (picture.Format() != TPictureFormat::Gif) return false;
  std::optional<TDecodedPicture> decoded = DecodePicture(TPictureFormat::Gif, picture.FileBytes());
  if (!decoded) return false;
  const bool transparent = !decoded->frames.empty() && decoded->frames.front().transparentIndex >= 0;
  if (!transparent)
    for (TPixel32& pixel : decoded->bitmap.Pixels()) pixel |= 0xFF000000u;
  bitmap = std::move(decoded->bitmap);
  return true;
}
