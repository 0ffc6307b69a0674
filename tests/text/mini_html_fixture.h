#pragma once
// Helpers of the HTML renderer's tests: a renderer loaded with some HTML at a width, and the
// items it made.

#include <string>
#include <vector>

#include "support/gui_application.h"
#include "text/mini_html.h"

// The renderer after LoadHtml of html (one line) at layoutWidth.
inline std::unique_ptr<TQzMiniHtml2> LoadedHtml(const std::string& html, int32_t layoutWidth = 400) {
  EnsureGuiApplication();
  auto renderer = std::make_unique<TQzMiniHtml2>();
  renderer->SetLayoutWidth(layoutWidth);
  renderer->SetVisibleHeight(300);
  renderer->LoadHtml(std::vector<std::string>{html});
  return renderer;
}

// The words of a renderer as text, spaces as " ", in document order.
inline std::vector<std::string> WordTexts(const TQzMiniHtml2& renderer) {
  std::vector<std::string> words;
  for (const TMiniHtmlItem& item : renderer.Items())
    if (item.kind != THtmlItemKind::hkTag) words.push_back(item.text);
  return words;
}

// The first word item with the given text.
inline const TMiniHtmlItem* FindWord(const TQzMiniHtml2& renderer, const std::string& text) {
  for (const TMiniHtmlItem& item : renderer.Items())
    if (item.kind == THtmlItemKind::hkWord && item.text == text) return &item;
  return nullptr;
}

// The first item that is the start tag tag.
inline const TMiniHtmlItem* FindTag(const TQzMiniHtml2& renderer, int tag) {
  for (const TMiniHtmlItem& item : renderer.Items())
    if (item.IsStartTag(tag)) return &item;
  return nullptr;
}
