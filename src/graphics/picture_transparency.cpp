#include "graphics/picture_transparency.h"

#include <algorithm>

#include "graphics/colors.h"
#include "graphics/raster.h"

bool HasOwnTransparency(const TDecodedPicture& picture) {
  switch (picture.format) {
    case TPictureFormat::Icon: return true;
    case TPictureFormat::Png: return picture.pngTransparency != TPngTransparency::None;
    case TPictureFormat::Gif: return picture.transparentColor.has_value();
    default: return false;
  }
}

TBitmap32 OpaqueCopy(const TDecodedPicture& picture) {
  const TBitmap32& source = picture.bitmap;
  const bool keepsColours = picture.format == TPictureFormat::Bitmap || picture.format == TPictureFormat::Jpeg ||
                            picture.format == TPictureFormat::Png;
  TBitmap32 copy(source.Width(), source.Height(), MakePixel(0, 0, 0));
  if (keepsColours) {
    std::transform(source.Pixels().begin(), source.Pixels().end(), copy.Pixels().begin(),
                   [](TPixel32 p) { return p | 0xFF000000u; });
  } else {
    AlphaBlend(copy.View(), {0, 0}, source.View());
  }
  return copy;
}

TColor TopLeftColor(const TDecodedPicture& picture) {
  if (picture.bitmap.Empty()) return clBlack;
  return PixelToColor(OpaqueCopy(picture).At(0, 0));
}

void DrawIconPicture(const TBitmapView& target, TPoint at, const TDecodedPicture& picture, TColor keyColor) {
  if (HasOwnTransparency(picture)) {
    AlphaBlend(target, at, picture.bitmap.View());
    return;
  }
  const TBitmap32 opaque = OpaqueCopy(picture);
  DrawTransparentBitmap(target, opaque.View(), at, keyColor);
}
