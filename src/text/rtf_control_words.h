#pragma once
// The RTF control words the reader acts on, looked up by name, and the control words that stand
// for one character.

#include <cstdint>
#include <optional>
#include <string_view>

enum class TRtfWord : uint8_t {
  SkippedDestination,  // pictures, objects, style sheets, headers, field instructions, ...
  FontTable,
  ColorTable,
  Font,
  FontCharset,
  FontSize,
  Bold,
  Italic,
  Underline,  // every underline style
  UnderlineNone,
  Strike,
  TextColor,
  Highlight,
  Hidden,
  PlainFormat,
  ParagraphDefaults,
  ParagraphEnd,
  LineBreak,
  Tab,
  AlignLeft,
  AlignRight,
  AlignCenter,
  AlignJustify,
  LeftIndent,
  RightIndent,
  FirstLineIndent,
  Red,
  Green,
  Blue,
  AnsiCharset,
  MacCharset,
  PcCharset,
  PcaCharset,
  AnsiCodePage,
  DefaultFont,
  UnicodeFallbackCount,
  Unicode,
};

std::optional<TRtfWord> FindRtfWord(std::string_view name);

// The UTF-8 text of a control word that stands for one character ("emdash", "bullet", ...), or
// an empty view.
std::string_view RtfCharacterWord(std::string_view name);
