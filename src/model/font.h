#pragma once
// A text font as stored: character set, colour, height, face name, style and the rest. Heights
// are kept as stored (negative: character height in pixels); sizes convert at 96 dots per inch.

#include <cstdint>
#include <functional>
#include <string>

#include "model/persistent.h"

TELVO_ENUM(TFontPitch, fpDefault, fpVariable, fpFixed)
TELVO_ENUM(TFontQuality, fqDefault, fqDraft, fqProof, fqNonAntialiased, fqAntialiased, fqClearType, fqClearTypeNatural)
enum TFontStyle : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
extern const TEnumType kFontStyleType;

class TFont : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Copies another font; a null source resets it to the default font.
  void Assign(const TPersistent* source) override;

  uint8_t Charset() const { return m_charset; }
  void SetCharset(uint8_t v) { Change(m_charset, v); }
  TColor Color() const { return m_color; }
  void SetColor(TColor v) { Change(m_color, v); }
  int32_t Height() const { return m_height; }
  void SetHeight(int32_t v) { Change(m_height, v); }
  const std::string& Name() const { return m_name; }
  void SetName(std::string v) { Change(m_name, std::move(v)); }
  int32_t Orientation() const { return m_orientation; }
  void SetOrientation(int32_t v) { Change(m_orientation, v); }
  TFontPitch Pitch() const { return m_pitch; }
  void SetPitch(TFontPitch v) { Change(m_pitch, v); }
  TFontQuality Quality() const { return m_quality; }
  void SetQuality(TFontQuality v) { Change(m_quality, v); }
  // Size in points: -Height * 72 / 96, rounded; setting it stores the matching negative height.
  int32_t Size() const;
  void SetSize(int32_t points);
  uint32_t Style() const { return m_style; }
  void SetStyle(uint32_t v) { Change(m_style, v & 0xF); }

  // Called after every change (the owning control uses it to stop taking its parent's font).
  void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

 private:
  template <class T>
  void Change(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    if (m_onChange) m_onChange();
  }

  uint8_t m_charset = DEFAULT_CHARSET;
  TColor m_color = clWindowText;
  int32_t m_height = -11;
  std::string m_name = "MS Sans Serif";
  int32_t m_orientation = 0;
  TFontPitch m_pitch = TFontPitch::fpDefault;
  TFontQuality m_quality = TFontQuality::fqDefault;
  uint32_t m_style = 0;
  std::function<void()> m_onChange;
};

