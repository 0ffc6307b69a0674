#pragma once
// TCurrentState: the formatting in force while the HTML renderer lays out, and the stack of
// open start tags it comes from. The state is always what applying every open tag from the
// bottom of the stack up to the defaults gives; each level keeps the state up to it, so pushing
// and popping the top cost one tag, and popping a tag deeper down reapplies only those above it.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "graphics/font_resolver.h"
#include "text/mini_html_items.h"

struct TFormattingState {
  TCanvasFont font{"Tahoma", -11, 0, DEFAULT_CHARSET, clBlack};
  bool visible = true;
  TColor background = clNone;
  int32_t leftIndent = 0;
  std::string link;
  std::string align;
  std::string listType;
  TColor listColor = clBlack;
  bool highlight = false;
  TSubSup subSup = TSubSup::ssNone;
};

// The character height of a font size in points, as stored fonts convert sizes.
int32_t HtmlFontHeight(int32_t points);

class TCurrentState {
 public:
  // More open tags than this are not pushed (their end tags then find nothing to pop), so that
  // closing a tag deep down reapplies a bounded number of tags.
  static constexpr size_t kMaxDepth = 256;

  const TFormattingState& State() const { return m_levels.empty() ? m_defaults : m_levels.back().state; }
  // Opens a start tag (the item must outlive the stack's use of it).
  void Push(const TMiniHtmlItem& tag);
  // Closes the topmost open tag of the same kind as the end tag; nothing when none is open.
  void Pop(int endTag);
  void Clear() {
    m_levels.clear();
    m_openOfKind.fill(0);
  }

 private:
  struct TLevel {
    const TMiniHtmlItem* tag;
    TFormattingState state;
  };
  TFormattingState m_defaults;
  std::vector<TLevel> m_levels;
  // How many tags of each kind are open, so an end tag with none open costs nothing.
  std::array<uint16_t, kHtmlTagCount + 1> m_openOfKind{};
};
