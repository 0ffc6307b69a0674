// Text boxes in pictures of the window: the editor's text (crisp, one font cell per line, two
// pixels from the sides) over each kind of background and border.

#include <gtest/gtest.h>

#include "component_support.h"
#include "support/golden_image.h"

TEST(TextBoxRender, TextOverEveryBackgroundAndBorder) {
  TMenuDisc disc("text_boxes");
  const TBitmap32 image = disc.Render(R"(object frmDesign: TfrmDesign
  ClientWidth = 440
  ClientHeight = 290
  BackGround = afsGradient
  GradBeginColor = clNavy
  GradEndColor = clTeal
  GradStyle = agsLinearV
  object Plain: TKIVTextBox
    Left = 10
    Top = 10
    Width = 200
    Height = 80
    Lines.Strings = ('A plain text box with a sunken border, whose long first line wraps at the edge.' 'Second line')
  end
  object Flat: TKIVTextBox
    Left = 230
    Top = 10
    Width = 200
    Height = 80
    Alignment = taCenter
    ExBorderStyle = atbFlat
    BorderColor = clRed
    Color = clYellow
    Font.Name = 'Tahoma'
    Font.Size = 10
    Font.Color = clMaroon
    Lines.Strings = ('Centred' 'in Tahoma 10 on yellow')
  end
  object See: TKIVTextBox
    Left = 10
    Top = 100
    Width = 200
    Height = 80
    Transparent = True
    ExBorderStyle = atbNone
    Font.Color = clWhite
    Font.Style = [fsBold]
    Lines.Strings = ('Transparent: the page shows through.')
  end
  object Faded: TKIVTextBox
    Left = 230
    Top = 100
    Width = 200
    Height = 80
    FillStyle = afsGradient
    GradStyle = agsLinearH
    Opacity = 50
    ScrollBars = ssVertical
    Lines.Strings = ('A gradient at half opacity' 'with a vertical scroll bar' 'three' 'four' 'five' 'six')
  end
  object Single: TKIVTextBox
    Left = 10
    Top = 190
    Width = 420
    Height = 24
    Lines.Strings = ('Only this first line stays' 'not this one')
    SingleLine = True
  end
  object Right: TKIVTextBox
    Left = 10
    Top = 220
    Width = 420
    Height = 60
    Alignment = taRightJustify
    WordWrap = False
    Font.Name = 'Times New Roman'
    Font.Size = 12
    Lines.Strings = ('Right aligned, Times New Roman 12' 'no wrapping of this rather long line that runs on and on past the edge')
  end
end
)");
  ASSERT_FALSE(image.Empty());
  EXPECT_TRUE(MatchesGoldenImage(image, std::filesystem::path(TELVO_COMPONENT_GOLDEN_DIR) / "text_boxes", disc.Folder()));
}
