// Pictures replaced while the menu runs, through the pictures themselves: each owner applies its
// change rule at once (refit and cut of a shaped window, auto-size, skin frames and size, key
// colour, repaint), with no further call.

#include <gtest/gtest.h>

#include "controls/cool_button.h"
#include "controls/image.h"
#include "controls/shape.h"
#include "controls/test_pictures.h"
#include "graphics/picture_decoder.h"
#include "window_test_support.h"

namespace {

struct TRunningMenu {
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  ClientWidth = 200
  ClientHeight = 150
  WindowStyle = awsShaped
  DesignMode = True
  object Tiled: TKIVShape
    FillStyle = afsGlyph
  end
  object Plain: TKIVShape
  end
  object Picture: TKIVImage
  end
  object Skinned: TKIVCoolButton
  end
end
)"};
  TRecordingHost host;

  TRunningMenu() {
    menu->SetHost(&host);
    menu->SetDesignMode(false);
  }
  template <class T>
  T& Get(std::string_view name) {
    return static_cast<T&>(menu.Control(name));
  }
};

TEST(PictureChanges, TheWindowRefitsAndCutsItsShape) {
  TRunningMenu running;
  EXPECT_FALSE(running.host.shape.has_value());
  const std::vector<uint8_t> png = ReadTestFile("png/pngsuite/transparency/tbrn2c08.png");
  running.menu->Picture()->SetGraphic(TPictureFormat::Png, png);
  const std::optional<TDecodedPicture> decoded = DecodePicture(TPictureFormat::Png, png);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(running.host.clientSize, (TSize{decoded->bitmap.Width(), decoded->bitmap.Height()}));
  EXPECT_TRUE(running.host.shape.has_value());
}

TEST(PictureChanges, ShapesRepaintOnlyWhereThePictureIsTheFill) {
  TRunningMenu running;
  TPicture tile;
  SetBitmap(tile, 2, 2, std::vector<TColor>(4, clRed));
  running.host.invalidations = 0;
  running.Get<TKIVShape>("Plain").Glyph()->Assign(&tile);
  EXPECT_EQ(running.host.invalidations, 0);
  running.Get<TKIVShape>("Tiled").Glyph()->Assign(&tile);
  EXPECT_GT(running.host.invalidations, 0);
}

TEST(PictureChanges, ImagesAndCoolButtonsFollowTheirPictures) {
  TRunningMenu running;
  std::vector<TColor> pixels(30 * 45, clYellow);
  pixels[0] = clFuchsia;
  TPicture picture;
  SetBitmap(picture, 30, 45, pixels);

  TKIVImage& image = running.Get<TKIVImage>("Picture");
  image.Pic()->Assign(&picture);
  EXPECT_EQ(image.Width(), 30) << "auto-sized at once";
  EXPECT_EQ(image.Height(), 45);

  TKIVCoolButton& button = running.Get<TKIVCoolButton>("Skinned");
  button.SetGlyphNumber(2);
  button.SetTransparentColor(clLime);
  button.Picture()->Assign(&picture);
  EXPECT_EQ(button.GlyphNumber(), 3);
  EXPECT_EQ(button.Width(), 30);
  EXPECT_EQ(button.Height(), 15);
  EXPECT_EQ(button.TransparentColor(), clFuchsia);
  button.SetTransparentColor(clLime);
  EXPECT_EQ(button.TransparentColor(), clLime) << "a colour set after the skin stays";

  // An icon with transparency of its own keeps the key colour an earlier icon gave.
  button.SetImgIcon(picture);
  TPicture ownAlpha;
  ownAlpha.SetGraphic(TPictureFormat::Png, ReadTestFile("png/pngsuite/transparency/tbrn2c08.png"));
  button.SetImgIcon(ownAlpha);
  EXPECT_EQ(button.ImageTransColor(), clFuchsia);
}

}  // namespace
