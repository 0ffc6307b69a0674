#include "text/rtf_control_words.h"

#include <array>
#include <unordered_map>
#include <utility>

namespace {

using enum TRtfWord;

// Table cells become tabs and table rows, sections and pages end a paragraph: the rich edit
// shows a table's text, not its grid.
const std::unordered_map<std::string_view, TRtfWord>& WordTable() {
  static const std::unordered_map<std::string_view, TRtfWord> table = [] {
    std::unordered_map<std::string_view, TRtfWord> words = {
        {"fonttbl", FontTable}, {"colortbl", ColorTable},
        {"f", Font}, {"fcharset", FontCharset}, {"fs", FontSize},
        {"b", Bold}, {"i", Italic}, {"ulnone", UnderlineNone},
        {"strike", Strike}, {"striked", Strike},
        {"cf", TextColor}, {"highlight", Highlight}, {"cb", Highlight},
        {"v", Hidden}, {"plain", PlainFormat}, {"pard", ParagraphDefaults},
        {"par", ParagraphEnd}, {"row", ParagraphEnd}, {"nestrow", ParagraphEnd},
        {"sect", ParagraphEnd}, {"page", ParagraphEnd},
        {"line", LineBreak}, {"tab", Tab}, {"cell", Tab}, {"nestcell", Tab},
        {"ql", AlignLeft}, {"qr", AlignRight}, {"qc", AlignCenter}, {"qj", AlignJustify},
        {"li", LeftIndent}, {"ri", RightIndent}, {"fi", FirstLineIndent},
        {"red", Red}, {"green", Green}, {"blue", Blue},
        {"ansi", AnsiCharset}, {"mac", MacCharset}, {"pc", PcCharset}, {"pca", PcaCharset},
        {"ansicpg", AnsiCodePage}, {"deff", DefaultFont},
        {"uc", UnicodeFallbackCount}, {"u", Unicode},
    };
    for (std::string_view underline :
         {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave", "ulldash", "ulth", "ulthd",
          "ulthdash", "ulthdashd", "ulthdashdd", "ulthldash", "ululdbwave", "ulw", "ulwave"})
      words.emplace(underline, Underline);
    for (std::string_view skipped :
         {"pict", "object", "info", "stylesheet", "header", "headerl", "headerr", "headerf", "footer",
          "footerl", "footerr", "footerf", "fldinst", "footnote", "annotation", "atnid", "atnauthor",
          "atndate", "atnref", "xe", "tc", "txe", "rxe", "bkmkstart", "bkmkend", "nonshppict",
          "shppict", "shpinst", "do", "themedata", "colorschememapping", "latentstyles", "datastore",
          "listtable", "listoverridetable", "revtbl", "rsidtbl", "filetbl", "pgdsctbl", "generator",
          "author", "operator", "title", "subject", "keywords", "comment", "doccomm", "template",
          "userprops", "objdata", "objclass", "result", "pn", "pntxta", "pntxtb", "ftnsep",
          "ftnsepc", "ftncn", "aftnsep", "aftnsepc", "aftncn", "fchars", "lchars", "xmlnstbl",
          "mmathPr", "private"})
      words.emplace(skipped, SkippedDestination);
    return words;
  }();
  return table;
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kCharacterWords = {{
    {"emdash", "\u2014"},
    {"endash", "\u2013"},
    {"lquote", "\u2018"},
    {"rquote", "\u2019"},
    {"ldblquote", "\u201C"},
    {"rdblquote", "\u201D"},
    {"bullet", "\u2022"},
    {"enspace", "\u2002"},
    {"emspace", "\u2003"},
    {"qmspace", "\u2005"},
    {"zwj", "\u200D"},
    {"zwnj", "\u200C"},
    {"ltrmark", "\u200E"},
    {"rtlmark", "\u200F"},
}};

}  // namespace

std::optional<TRtfWord> FindRtfWord(std::string_view name) {
  const auto& table = WordTable();
  const auto found = table.find(name);
  if (found == table.end()) return std::nullopt;
  return found->second;
}

std::string_view RtfCharacterWord(std::string_view name) {
  for (const auto& [word, text] : kCharacterWords)
    if (word == name) return text;
  return {};
}
