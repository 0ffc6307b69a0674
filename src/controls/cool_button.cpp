#include "controls/cool_button.h"

#include <algorithm>
#include <vector>

namespace {

// Copies a legacy bitmap into target when target is empty, then empties the bitmap.
void AdoptLegacyBitmap(TBitmap& legacy, TPicture& target) {
  if (legacy.Empty()) return;
  if (target.Empty()) {
    auto bytes = legacy.FileBytes();
    target.SetGraphic("TBitmap", std::vector<uint8_t>(bytes.begin(), bytes.end()));
  }
  legacy.Assign(nullptr);
}

}  // namespace

const TClassInfo& TKIVCoolButton::StaticClass() {
  using C = TKIVCoolButton;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVCoolButton", &TKIVActionControl::StaticClass())
          .Enum("Alignment", Field(&C::m_alignment))
          .Color("DownFontColor", Field(&C::m_downFontColor))
          .Object("Picture", [](C& c) -> TPersistent* { return &c.m_picture; })
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Integer("GlyphNumber", Accessors(&C::GlyphNumber, &C::SetGlyphNumber))
          .Object("ImgIcon", [](C& c) -> TPersistent* { return &c.m_imgIcon; })
          .Object("Image", [](C& c) -> TPersistent* { return &c.m_image; })
          .Enum("Layout", Field(&C::m_layout))
          .Integer("Margin", Accessors(&C::Margin, &C::SetMargin))
          .Color("OverFontColor", Field(&C::m_overFontColor))
          .Color("ShadowColor", Field(&C::m_shadowColor))
          .Enum("TextStyle", Field(&C::m_textStyle))
          .Color("TransparentColor", Field(&C::m_transparentColor))
          .Color("ImageTransColor", Field(&C::m_imageTransColor))
          .Integer("StretchMargin", Accessors(&C::StretchMargin, &C::SetStretchMargin))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVCoolButton::TKIVCoolButton() {
  m_width = 121;
  m_height = 33;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(9);
  m_font.SetStyle(fsBold);
  m_font.SetColor(clBlack);
}

void TKIVCoolButton::Loaded() {
  TKIVActionControl::Loaded();
  // Picture and ImgIcon come before Glyph and Image in the stream, so their stored values are
  // final here; GlyphNumber and the key colours stored after them keep their stored values.
  AdoptLegacyBitmap(m_glyph, m_picture);
  AdoptLegacyBitmap(m_image, m_imgIcon);
}

void TKIVCoolButton::SetGlyphNumber(int32_t count) { m_glyphNumber = std::clamp(count, 1, 3); }

void TKIVCoolButton::SetMargin(int32_t margin) { m_margin = std::max(margin, 0); }

void TKIVCoolButton::SetStretchMargin(int32_t margin) { m_stretchMargin = std::max(margin, 0); }

void TKIVCoolButton::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }
