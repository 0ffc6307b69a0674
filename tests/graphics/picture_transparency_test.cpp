// How each picture format's transparency shows when it is drawn: its own, or none with the
// picture made opaque.

#include "graphics/picture_transparency.h"

#include <gtest/gtest.h>

#include "graphics/colors.h"

namespace {

// A 1 x 1 picture of the format whose only pixel is fully transparent orange.
TDecodedPicture TransparentPixel(TPictureFormat format) {
  TDecodedPicture picture;
  picture.format = format;
  picture.bitmap = TBitmap32(1, 1, MakePixel(200, 100, 50, 0));
  return picture;
}

// Bitmaps, JPEGs and PNGs keep their colours when made opaque, the other formats are drawn onto
// black; icons, PNGs with any transparency and GIFs with a transparent colour keep their own.
TEST(PictureTransparency, EachFormatShowsItsOwnTransparencyOrIsMadeOpaque) {
  const TPixel32 kept = MakePixel(200, 100, 50), black = MakePixel(0, 0, 0);
  struct TCase {
    TPictureFormat format;
    bool ownTransparency;
    TPixel32 opaque;
  };
  using enum TPictureFormat;
  const TCase cases[] = {
      {Bitmap, false, kept}, {Jpeg, false, kept},     {Png, false, kept},  {Gif, false, black},
      {Icon, true, black},   {Metafile, false, black}, {Ani, false, black}, {Pcx, false, black},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(StoredClassName(c.format));
    const TDecodedPicture picture = TransparentPixel(c.format);
    EXPECT_EQ(HasOwnTransparency(picture), c.ownTransparency);
    EXPECT_EQ(OpaqueCopy(picture).At(0, 0), c.opaque);
    EXPECT_EQ(TopLeftColor(picture), PixelToColor(c.opaque));
  }
  TDecodedPicture png = TransparentPixel(Png);
  png.pngTransparency = TPngTransparency::KeyColor;
  EXPECT_TRUE(HasOwnTransparency(png));
  TDecodedPicture gif = TransparentPixel(Gif);
  gif.transparentColor = TColor{0x3264C8};
  EXPECT_TRUE(HasOwnTransparency(gif));
}

}  // namespace
