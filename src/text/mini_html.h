#pragma once
// TQzMiniHtml2: a small HTML renderer. It turns lines of a subset of HTML into a flat list of
// items (tags and words), lays the words out in lines of a given width, and draws them onto a
// canvas. It supports fonts, colours, bold/italic/underline/strike, sub- and superscript, links,
// highlighted text, paragraphs with alignment and background, indentation, bullet and numbered
// lists, rules, images, simple tables whose cells are rendered by nested renderers, buttons and
// check boxes, and two hooks for host-defined content. It neither scrolls nor handles input nor
// reads files: pictures come from the host's loader, and the host asks which link lies under a
// point.
//
// Use: set the layout width (and the visible height), call LoadHtml, then DrawTo as often as
// needed; after a change of width call LoadHtml(true) to lay out again. Any text is accepted:
// what cannot be read is shown as text, defaulted or dropped. All of it runs on the
// user-interface thread (fonts and text measuring need the application).

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/canvas.h"
#include "text/mini_html_items.h"
#include "text/mini_html_state.h"

class TQzMiniHtml2 {
 public:
  // The host's picture loader: the path as the document gives it (image folder in front of a
  // relative name, "\" as separator); nothing when there is no readable picture.
  using TImageLoader = std::function<std::optional<TBitmap32>(const std::string& path)>;
  // A dynamic tag's text: offered "<font ...>&lt;id&gt;</font>"; what the handler leaves is
  // read in place of the tag.
  using TDynamicUpdate = std::function<void(TQzMiniHtml2& sender, const std::string& id, std::string& text)>;
  // The size of a user item (0 x 0 without a handler).
  using TUserDefinedUpdate =
      std::function<void(TQzMiniHtml2& sender, const TMiniHtmlItem& item, const std::string& id, const std::string& var3,
                         const std::string& var2, const std::string& var1, int32_t& height, int32_t& width,
                         const std::string& type)>;
  // Draws a user item into its rectangle.
  using TUserDefinedDraw =
      std::function<void(TQzMiniHtml2& sender, const TMiniHtmlItem& item, const std::string& id, const std::string& var3,
                         const std::string& var2, const std::string& var1, const TRect& rect, TCanvas& canvas,
                         const std::string& type)>;

  // Tables nest at most this deep; the cells of deeper tables stay empty.
  static constexpr int kMaxTableDepth = 8;
  // A table uses at most this many rows and columns; further cells are not shown.
  static constexpr int kMaxTableRows = 99;
  static constexpr int kMaxTableColumns = 99;
  // Layout positions stop growing here, so no sum can overflow.
  static constexpr int32_t kMaxLayoutExtent = 1 << 24;

  // A layout position or size held within +-kMaxLayoutExtent.
  static int32_t Saturate(int64_t value) {
    return static_cast<int32_t>(value < -kMaxLayoutExtent ? -kMaxLayoutExtent : value > kMaxLayoutExtent ? kMaxLayoutExtent : value);
  }

  TQzMiniHtml2();
  ~TQzMiniHtml2();
  TQzMiniHtml2(const TQzMiniHtml2&) = delete;
  TQzMiniHtml2& operator=(const TQzMiniHtml2&) = delete;

  // Settings, kept across loads.
  void SetLayoutWidth(int32_t width) { m_layoutWidth = width; }
  int32_t LayoutWidth() const { return m_layoutWidth; }
  void SetVisibleHeight(int32_t height) { m_visibleHeight = height; }
  void SetImageFolder(std::string folder) { m_imageFolder = std::move(folder); }
  void SetImageLoader(TImageLoader loader) { m_imageLoader = std::move(loader); }
  // Bit n allows tag category n (kDefaultHtmlCategories allows 0..6).
  void SetAllowedCategories(uint8_t categories) { m_allowedCategories = categories; }
  // Link colour, highlight background and highlight text, here and in every cell's renderer.
  void SetColors(TColor link, TColor highlightBackground, TColor highlightText);

  TDynamicUpdate OnDynamicUpdate;
  TUserDefinedUpdate OnUserDefinedUpdate;
  TUserDefinedDraw OnUserDefinedDraw;

  // Stores the lines, reads them and lays them out at the layout width.
  void LoadHtml(const std::vector<std::string>& lines);
  // Reads the stored lines again and lays them out; with layoutOnly the items already read are
  // only laid out again (after a change of width).
  void LoadHtml(bool layoutOnly = false);

  // Draws every item where the layout put it.
  void DrawTo(TCanvas& canvas);

  // Whether the first item shown at (x, y) carries a link, and its target (empty when none).
  bool IsLinkAt(int32_t x, int32_t y) const { return !LinkAt(x, y).empty(); }
  std::string LinkAt(int32_t x, int32_t y) const;

  // After a layout: the bottom of the lowest item and the largest x a line reached.
  int32_t ContentHeight() const { return m_contentHeight; }
  int32_t WidestLine() const { return m_widestLine; }
  const std::vector<TMiniHtmlItem>& Items() const { return m_items; }

 private:
  // Reading (mini_html.cpp).
  void Parse();
  void AddTag(const std::string& tagText, THtmlSourceReader& reader, int& dynamicBudget);
  std::unique_ptr<TQzMiniHtml2> MakeCellRenderer() const;

  // Layout (mini_html_layout.cpp, mini_html_table.cpp).
  struct TLineCursor;
  void LayOut();
  void PlaceItem(size_t index, TLineCursor& cursor);
  void EndLine(TLineCursor& cursor, int causeTag);
  void FinishLine(TLineCursor& cursor);
  void AlignLine(const std::vector<size_t>& line);
  void Measure(TMiniHtmlItem& item);
  void MeasureVisible(TMiniHtmlItem& item);
  void MeasureRule(TMiniHtmlItem& item) const;
  TTextSize MeasuredSize(const TMiniHtmlItem& item);
  void CopyState(TMiniHtmlItem& item) const;
  TTextSize TextExtent(const TCanvasFont& font, const std::string& text);
  // Lays out the table whose start tag is at tableIndex with its top at top: places its cells
  // and returns its height.
  int32_t LayOutTable(size_t tableIndex, int32_t top);
  // The item indices of a table's cells, row by row, within the row and column limits.
  std::vector<std::vector<size_t>> TableRows(size_t tableIndex) const;
  // Records in each p and div start the extent of the items up to its end tag.
  void MarkBlocks();
  // Moves sub- and superscript words within their height and gives them their smaller font.
  void ShrinkSubSup();

  // Drawing (mini_html_draw.cpp).
  void DrawItem(TCanvas& canvas, TMiniHtmlItem& item);
  void DrawWord(TCanvas& canvas, const TMiniHtmlItem& item) const;
  void DrawBullet(TCanvas& canvas, const TMiniHtmlItem& item) const;
  void DrawRule(TCanvas& canvas, const TMiniHtmlItem& item) const;
  void DrawCell(TCanvas& canvas, TMiniHtmlItem& item);
  void DrawFormElement(TCanvas& canvas, const TMiniHtmlItem& item) const;

  std::vector<std::string> m_lines;
  std::vector<TMiniHtmlItem> m_items;
  std::vector<size_t> m_tableEnds;  // per item: the index of a table start's end tag
  int m_depth = 0;                  // 0 for a document, n for a cell of a table n deep

  int32_t m_layoutWidth = 0;
  int32_t m_visibleHeight = 0;
  int32_t m_contentHeight = 0;
  int32_t m_widestLine = 0;
  std::string m_imageFolder;
  TImageLoader m_imageLoader;
  uint8_t m_allowedCategories = kDefaultHtmlCategories;
  TColor m_linkColor = clBlue;
  TColor m_highlightBackground = clBlue;
  TColor m_highlightText = clWhite;

  TCurrentState m_state;
  // The canvas words are measured on: one pixel, as only its font is used.
  TBitmap32 m_measuringBitmap{1, 1};
  TCanvas m_measuringCanvas{m_measuringBitmap.View()};
};
