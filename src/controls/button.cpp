#include "controls/button.h"

#include <algorithm>
#include <vector>

const TClassInfo& TKIVButton::StaticClass() {
  using C = TKIVButton;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVButton", &TKIVActionControl::StaticClass())
          .Publish("Color")
          .Color("BorderColor", Field(&C::m_borderColor))
          .Color("OverColor", Field(&C::m_overColor))
          .Color("DownColor", Field(&C::m_downColor))
          .Color("OverFontColor", Field(&C::m_overFontColor))
          .Color("DownFontColor", Field(&C::m_downFontColor))
          .Object("ImgIcon", [](C& c) -> TPersistent* { return &c.m_imgIcon; })
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Enum("Layout", Field(&C::m_layout))
          .Enum("Style", Field(&C::m_style))
          .Color("TransparentColor", Field(&C::m_transparentColor))
          .Color("ShadowColor", Field(&C::m_shadowColor))
          .Enum("TextStyle", Field(&C::m_textStyle))
          .Bool("XPThemesSupport", Field(&C::m_xpThemesSupport))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVButton::TKIVButton() {
  m_width = 121;
  m_height = 33;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(9);
  m_font.SetStyle(fsBold);
  m_font.SetColor(clBlack);
}

void TKIVButton::Loaded() {
  TKIVActionControl::Loaded();
  // ImgIcon comes before Glyph in the stream, so its stored value is final here.
  if (m_glyph.Empty()) return;
  if (m_imgIcon.Empty()) {
    auto bytes = m_glyph.FileBytes();
    m_imgIcon.SetGraphic("TBitmap", std::vector<uint8_t>(bytes.begin(), bytes.end()));
  }
  m_glyph.Assign(nullptr);
}

void TKIVButton::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }
