#include "model/font.h"

#include <cmath>

const TEnumType kFontStyleType{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};

const TClassInfo& TFont::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TFont>("TFont", &TPersistent::StaticClass())
          .Integer("Charset", Accessors(&TFont::Charset, &TFont::SetCharset), DEFAULT_CHARSET,
                   TIdentTable::FontCharset)
          .Color("Color", Accessors(&TFont::Color, &TFont::SetColor))
          .Integer("Height", Accessors(&TFont::Height, &TFont::SetHeight))
          .String("Name", Accessors(&TFont::Name, &TFont::SetName))
          .Integer("Orientation", Accessors(&TFont::Orientation, &TFont::SetOrientation), 0)
          .Enum("Pitch", Accessors(&TFont::Pitch, &TFont::SetPitch), TFontPitch::fpDefault)
          .Enum("Quality", Accessors(&TFont::Quality, &TFont::SetQuality), TFontQuality::fqDefault)
          .Integer("Size", Accessors(&TFont::Size, &TFont::SetSize))
          .Set("Style", Accessors(&TFont::Style, &TFont::SetStyle), kFontStyleType)
          .Build();
  return *info;
}

void TFont::Assign(const TPersistent* source) {
  const TFont defaults;
  const TFont* from = source ? As<TFont>(source) : &defaults;
  if (!from) AssignError(source);
  m_charset = from->m_charset;
  m_color = from->m_color;
  m_height = from->m_height;
  m_name = from->m_name;
  m_orientation = from->m_orientation;
  m_pitch = from->m_pitch;
  m_quality = from->m_quality;
  m_style = from->m_style;
  if (m_onChange) m_onChange();
}

int32_t TFont::Size() const {
  // Rounded like the platform's MulDiv: halves away from zero.
  return static_cast<int32_t>(-std::lround(m_height * 72.0 / 96.0));
}

void TFont::SetSize(int32_t points) { SetHeight(static_cast<int32_t>(-std::lround(points * 96.0 / 72.0))); }
