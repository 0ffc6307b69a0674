#pragma once
// The text of an RTF document as the rich edit shows it: paragraphs of runs of equally formatted
// text. A tab is "\t" in a run's text and a line break inside a paragraph is "\n".

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class TRtfAlignment : uint8_t { Left, Right, Center, Justify };

struct TRtfColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  bool operator==(const TRtfColor&) const = default;
};

struct TRtfCharFormat {
  std::string fontName;             // family name from the font table; empty when it names none
  int32_t fontSizeHalfPoints = 24;
  bool bold = false;
  bool italic = false;
  bool underline = false;           // any underline style
  bool strike = false;
  bool hidden = false;              // hidden text: kept here, not shown
  std::optional<TRtfColor> color;     // none: the automatic (window text) colour
  std::optional<TRtfColor> highlight; // none: no background behind the text
  bool operator==(const TRtfCharFormat&) const = default;
};

struct TRtfRun {
  std::string text;  // UTF-8
  TRtfCharFormat format;
};

struct TRtfParagraph {
  TRtfAlignment alignment = TRtfAlignment::Left;
  int32_t leftIndentTwips = 0;
  int32_t rightIndentTwips = 0;
  int32_t firstLineIndentTwips = 0;  // relative to the left indent; negative hangs
  std::vector<TRtfRun> runs;         // neighbouring runs differ in format
};

struct TRtfDocument {
  std::vector<TRtfParagraph> paragraphs;
};
