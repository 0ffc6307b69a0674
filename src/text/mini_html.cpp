#include "text/mini_html.h"

#include <algorithm>
#include <cctype>

namespace {

// A dynamic tag's replacement is read in its place; replacements may hold dynamic tags again,
// so a load reads at most this many.
constexpr int kMaxDynamicReplacements = 256;

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  return joined;
}

// The image folder goes in front of a name without a drive; the path uses "\" throughout.
std::string ImagePath(const std::string& folder, std::string_view source) {
  std::string path = source.find(':') == std::string_view::npos ? folder + std::string(source) : std::string(source);
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

bool IsIconPath(const std::string& path) {
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return extension == ".ICO";
}

}  // namespace

TQzMiniHtml2::TQzMiniHtml2() = default;
TQzMiniHtml2::~TQzMiniHtml2() = default;

void TQzMiniHtml2::SetColors(TColor link, TColor highlightBackground, TColor highlightText) {
  m_linkColor = link;
  m_highlightBackground = highlightBackground;
  m_highlightText = highlightText;
  for (TMiniHtmlItem& item : m_items)
    if (item.cell) item.cell->SetColors(link, highlightBackground, highlightText);
}

void TQzMiniHtml2::LoadHtml(const std::vector<std::string>& lines) {
  m_lines = lines;
  LoadHtml(false);
}

void TQzMiniHtml2::LoadHtml(bool layoutOnly) {
  if (!layoutOnly) Parse();
  LayOut();
}

void TQzMiniHtml2::Parse() {
  m_items.clear();
  m_state.Clear();
  THtmlSourceReader reader(JoinLines(m_lines));
  int dynamicBudget = kMaxDynamicReplacements;
  std::string text, tag;
  bool hasTag = false;
  while (reader.Next(text, tag, hasTag)) {
    for (THtmlWord& word : SplitHtmlText(text)) {
      TMiniHtmlItem& item = m_items.emplace_back();
      item.kind = word.space ? THtmlItemKind::hkSpace : THtmlItemKind::hkWord;
      item.text = std::move(word.text);
    }
    if (hasTag) AddTag(tag, reader, dynamicBudget);
  }
  // The end tag of every table start, found once so that laying out never searches.
  m_tableEnds.assign(m_items.size(), m_items.size());
  std::vector<size_t> open;
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (m_items[i].IsStartTag(htTable)) open.push_back(i);
    if (m_items[i].IsStartTag(-htTable) && !open.empty()) {
      m_tableEnds[open.back()] = i;
      open.pop_back();
    }
  }
}

void TQzMiniHtml2::AddTag(const std::string& tagText, THtmlSourceReader& reader, int& dynamicBudget) {
  const size_t space = tagText.find(' ');
  const int tag = LookUpHtmlTag(std::string_view(tagText).substr(0, space), m_allowedCategories);
  if (tag == 0) return;
  THtmlAttributes attributes =
      ParseHtmlAttributes(space == std::string::npos ? std::string_view{} : std::string_view(tagText).substr(space + 1));
  if (tag == htDynamic) {
    if (dynamicBudget-- <= 0) return;
    const std::string id(HtmlAttribute(attributes, "id"));
    std::string replacement = "<font name=\"MS Sans Serif\" size=\"8\" color=\"#000000\">&lt;" + id + "&gt;</font>";
    if (OnDynamicUpdate) OnDynamicUpdate(*this, id, replacement);
    reader.Insert(replacement);
    return;
  }
  TMiniHtmlItem& item = m_items.emplace_back();
  item.tag = tag;
  item.text = tagText;
  item.attributes = std::move(attributes);
  if (item.IsCell()) item.cellHtml = reader.CutCell();
  if (tag == htImg && m_imageLoader) {
    const std::string path = ImagePath(m_imageFolder, HtmlAttribute(item.attributes, "src"));
    item.picture = m_imageLoader(path);
    item.keepsOwnSize = IsIconPath(path);
  }
}

std::unique_ptr<TQzMiniHtml2> TQzMiniHtml2::MakeCellRenderer() const {
  auto cell = std::make_unique<TQzMiniHtml2>();
  cell->m_depth = m_depth + 1;
  cell->m_imageFolder = m_imageFolder;
  cell->m_imageLoader = m_imageLoader;
  cell->m_allowedCategories = m_allowedCategories;
  cell->m_linkColor = m_linkColor;
  cell->m_highlightBackground = m_highlightBackground;
  cell->m_highlightText = m_highlightText;
  cell->OnDynamicUpdate = OnDynamicUpdate;
  cell->OnUserDefinedUpdate = OnUserDefinedUpdate;
  cell->OnUserDefinedDraw = OnUserDefinedDraw;
  return cell;
}

std::string TQzMiniHtml2::LinkAt(int32_t x, int32_t y) const {
  for (const TMiniHtmlItem& item : m_items) {
    if (!item.Shows() || !item.Bounds().Contains({x, y})) continue;
    // A cell's content is drawn 5 pixels in from the cell's corner (as every document starts
    // at (5, 5)) and lowered to the middle of its row.
    if (item.cell) return item.cell->LinkAt(x + 5 - item.left, y + 5 - item.top - item.cellContentOffset);
    return item.link;
  }
  return {};
}
