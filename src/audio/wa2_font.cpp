#include "audio/wa2_font.h"

#include <array>
#include <utility>

#include "graphics/raster.h"
#include "model/text_encoding.h"

namespace {

constexpr int32_t kCellsPerRow = 31;
constexpr int32_t kCellWidth = 5;
constexpr int32_t kCellHeight = 6;
constexpr char32_t kEllipsis = 1;
constexpr int32_t kUnknownCell = 65;

constexpr std::array<std::pair<char32_t, int32_t>, 36> kPunctuation = {{
    {U'"', 26}, {U'@', 27}, {U' ', 30}, {kEllipsis, 41}, {U'.', 42}, {U':', 43}, {U'(', 44}, {U'<', 44},
    {U')', 45}, {U'>', 45}, {U'-', 46}, {U'~', 46}, {U'\'', 47}, {U'`', 47}, {U'!', 48}, {U'|', 48},
    {U'_', 49}, {U'+', 50}, {U'\\', 51}, {U'/', 52}, {U'[', 53}, {U'{', 53}, {U']', 54}, {U'}', 54},
    {U'^', 55}, {U'&', 56}, {U'%', 57}, {U',', 58}, {U';', 58}, {U'=', 59}, {U'$', 60}, {U'#', 61},
    {U'?', 65}, {U'*', 66},
}};

}  // namespace

std::u32string WA2FontText(std::string_view text8) {
  const std::string utf8 = SanitizeUtf8({reinterpret_cast<const uint8_t*>(text8.data()), text8.size()});
  std::u32string text;
  for (size_t pos = 0; pos < utf8.size();) {
    if (std::string_view(utf8).substr(pos, 3) == "...") {
      text += kEllipsis;
      pos += 3;
    } else {
      text += NextCodePoint(utf8, pos);
    }
  }
  return text;
}

int32_t WA2GlyphCell(char32_t c) {
  if (c >= U'A' && c <= U'Z') return static_cast<int32_t>(c - U'A');
  if (c >= U'a' && c <= U'z') return static_cast<int32_t>(c - U'a');
  if (c >= U'0' && c <= U'9') return 31 + static_cast<int32_t>(c - U'0');
  for (const auto& [character, cell] : kPunctuation)
    if (character == c) return cell;
  return kUnknownCell;
}

int32_t WA2Advance(char32_t c) {
  if (c == U'@') return 7;
  if (c == kEllipsis || c == U'/' || c == U'\\') return 6;
  return kCellWidth;
}

int32_t WA2TextWidth(std::u32string_view text) {
  int32_t width = 0;
  for (const char32_t c : text) width += WA2Advance(c);
  return width;
}

void DrawWA2Text(const TBitmapView& target, const TRect& rect, const TBitmap32& font, std::u32string_view text) {
  int32_t pen = rect.left;
  for (const char32_t c : text) {
    const int32_t cell = WA2GlyphCell(c);
    const bool wide = c == U'@';
    const int32_t width = wide ? 7 : kCellWidth;
    if (pen + width > rect.right) break;
    const TRect source = TRect::FromSize(kCellWidth * (cell % kCellsPerRow) + (wide ? 1 : 0),
                                         kCellHeight * (cell / kCellsPerRow), width, kCellHeight);
    CopyRect(target, {pen, rect.top}, font.View().SubView(source));
    pen += WA2Advance(c);
  }
}
