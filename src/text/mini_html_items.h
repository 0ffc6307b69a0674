#pragma once
// The items of a parsed HTML document: tags and words in document order. One item type serves
// every kind; a kind uses the fields its comment names.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "graphics/bitmap32.h"
#include "graphics/font_resolver.h"
#include "graphics/geometry.h"
#include "graphics/text_render.h"
#include "text/mini_html_source.h"
#include "text/mini_html_tags.h"

class TQzMiniHtml2;

enum class THtmlItemKind : uint8_t { hkTag, hkWord, hkSpace };

// Sub- and superscript modes.
enum class TSubSup : uint8_t { ssNone, ssSub, ssSup };

struct TMiniHtmlItem {
  THtmlItemKind kind = THtmlItemKind::hkTag;
  int tag = 0;               // hkTag: +number for a start tag, -number for an end tag
  std::string text;          // hkWord, hkSpace: the word (UTF-8); hkTag: the tag as read
  THtmlAttributes attributes;

  // Placed by the layout (visible items).
  int32_t left = 0, top = 0, width = 0, height = 0;
  int32_t line = 0, lineHeight = 0;
  // Set while laying out: a space dropped at the start of a line, a space hidden at its end,
  // a cell beyond the table's limits.
  bool dropped = false;
  bool hidden = false;

  // Copied from the formatting state when measured.
  TCanvasFont font{"Tahoma", -11, 0, DEFAULT_CHARSET, clBlack};
  std::string link;
  std::string align;
  TColor background = clNone;
  bool highlight = false;
  bool visible = true;
  TSubSup subSup = TSubSup::ssNone;
  // Measured once per parse: the size of a word, space, picture, widget or user item.
  std::optional<TTextSize> measured;

  // li: the list's kind ("number", "disc", "square" or none) and colour, and the item's number.
  std::string listType;
  TColor listColor = clBlack;
  int32_t number = 0;
  // img: the loaded picture (none when it could not be loaded) and whether it keeps its size.
  std::optional<TBitmap32> picture;
  bool keepsOwnSize = false;
  // p, div: the extent of the visible items up to the matching end tag (for bgcolor).
  int32_t blockTop = 0, blockBottom = 0;
  // td, th: the cell's own HTML, its renderer (made while laying out) and where its content
  // starts below the cell's top (it is centred in the row).
  std::string cellHtml;
  std::unique_ptr<TQzMiniHtml2> cell;
  int32_t cellContentOffset = 0;
  // table, td, th: the border colour of the table's cells.
  TColor borderColor = clBlack;
  // hr: the thickness and the width of the rule.
  int32_t ruleSize = 0, ruleWidth = 0;

  bool IsStartTag(int number) const { return kind == THtmlItemKind::hkTag && tag == number; }
  bool IsVisibleKind() const { return kind != THtmlItemKind::hkTag || IsVisibleHtmlTag(tag); }
  bool IsCell() const { return IsStartTag(htTd) || IsStartTag(htTh); }
  // Whether the item takes part in drawing and hit testing after the layout.
  bool Shows() const { return IsVisibleKind() && visible && !dropped && !hidden; }
  TRect Bounds() const { return TRect::FromSize(left, top, width, height); }
};
