#include "text/rtf_reader.h"

#include <algorithm>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "model/text_encoding.h"
#include "text/code_page.h"
#include "text/rtf_control_words.h"
#include "text/rtf_lexer.h"

namespace {

constexpr int32_t kDefaultFontSizeHalfPoints = 24;
constexpr int32_t kMaxFontSizeHalfPoints = 3276;
constexpr int32_t kMaxIndentTwips = 31680;  // 22 inches, the widest page a writer offers
constexpr size_t kMaxFontNameBytes = 255;
constexpr uint8_t kCharsetDefault = 1;
constexpr char32_t kReplacement = 0xFFFD;

enum class TDestination : uint8_t { Text, FontTable, ColorTable, Skipped };

// Everything a group saves and restores.
struct TGroupState {
  TDestination destination = TDestination::Text;
  int32_t fontNumber = 0;
  int32_t fontSizeHalfPoints = kDefaultFontSizeHalfPoints;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool hidden = false;
  int32_t colorIndex = 0;
  int32_t highlightIndex = 0;
  int32_t unicodeFallbackCount = 1;
  TRtfAlignment alignment = TRtfAlignment::Left;
  int32_t leftIndentTwips = 0;
  int32_t rightIndentTwips = 0;
  int32_t firstLineIndentTwips = 0;

  void ResetCharacterFormat(int32_t defaultFont) {
    fontNumber = defaultFont;
    fontSizeHalfPoints = kDefaultFontSizeHalfPoints;
    bold = italic = underline = strike = hidden = false;
    colorIndex = highlightIndex = 0;
  }
  void ResetParagraphFormat() {
    alignment = TRtfAlignment::Left;
    leftIndentTwips = rightIndentTwips = firstLineIndentTwips = 0;
  }
};

struct TFont {
  std::string name;
  std::optional<uint8_t> charset;
};

// A font table entry while its name is read; the name's bytes are decoded once it ends.
struct TFontEntry {
  int32_t number = 0;
  std::optional<uint8_t> charset;
  std::vector<uint8_t> nameBytes;
  bool open = false;
};

// A colour table entry while it is read; an entry without any component is the automatic colour.
struct TColorEntry {
  TRtfColor color;
  bool given = false;
};

bool Toggle(const TRtfToken& token) { return !token.hasParameter || token.parameter != 0; }

uint8_t ClampToByte(int32_t value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

int32_t Indent(int32_t twips) { return std::clamp(twips, -kMaxIndentTwips, kMaxIndentTwips); }

class TRtfReader {
 public:
  explicit TRtfReader(std::string_view source) : m_lexer(source) {}

  TRtfDocument Read() {
    for (TRtfToken token = m_lexer.Next(); token.kind != TRtfTokenKind::End && !m_finished;
         token = m_lexer.Next())
      OnToken(token);
    FlushText();
    ReplaceLoneHighSurrogate();
    if (!m_paragraph.runs.empty()) EndParagraph();
    return std::move(m_document);
  }

 private:
  TGroupState& State() { return m_groups.back(); }

  void OnToken(const TRtfToken& token) {
    if (m_ignoredGroups > 0) {
      if (token.kind == TRtfTokenKind::GroupStart) ++m_ignoredGroups;
      if (token.kind == TRtfTokenKind::GroupEnd) --m_ignoredGroups;
      return;
    }
    switch (token.kind) {
      case TRtfTokenKind::GroupStart: return OnGroupStart();
      case TRtfTokenKind::GroupEnd: return OnGroupEnd();
      case TRtfTokenKind::Text: return OnText(token.word);
      case TRtfTokenKind::HexByte: return OnByte(token.byte);
      case TRtfTokenKind::ControlSymbol: return OnControlSymbol(token.symbol);
      case TRtfTokenKind::ControlWord: return OnControlWord(token);
      case TRtfTokenKind::End: return;
    }
  }

  void OnGroupStart() {
    FlushText();
    m_fallbackToSkip = 0;
    if (m_groups.size() > kMaxRtfGroupDepth) {
      m_ignoredGroups = 1;
      return;
    }
    m_groups.push_back(State());
  }

  void OnGroupEnd() {
    FlushText();
    m_fallbackToSkip = 0;
    if (m_groups.size() == 1) return;  // a closing brace without its opening one
    if (State().destination == TDestination::FontTable) CloseFontEntry();
    m_groups.pop_back();
    // The document ends with its outermost group; whatever follows is not part of it.
    if (m_groups.size() == 1) m_finished = true;
  }

  void OnText(std::string_view text) {
    for (char c : text) {
      if (c == '\r' || c == '\n') continue;  // line ends in RTF source are not text
      const auto byte = static_cast<uint8_t>(c);
      if (byte < 0x20 && c != '\t') continue;
      OnByte(byte);
    }
  }

  // One character of text, literal or escaped, still in the code page of the current font.
  void OnByte(uint8_t byte) {
    if (SkipsFallback()) return;
    switch (State().destination) {
      case TDestination::Text: m_pendingBytes.push_back(byte); return;
      case TDestination::FontTable:
        if (byte == ';') CloseFontEntry();
        else if (m_fontEntry.open && m_fontEntry.nameBytes.size() < kMaxFontNameBytes) m_fontEntry.nameBytes.push_back(byte);
        return;
      case TDestination::ColorTable:
        if (byte == ';') CloseColorEntry();
        return;
      case TDestination::Skipped: return;
    }
  }

  void OnControlSymbol(char symbol) {
    if (symbol == '\\' || symbol == '{' || symbol == '}') return OnByte(static_cast<uint8_t>(symbol));
    FlushText();
    if (SkipsFallback()) return;
    switch (symbol) {
      case '~': return AppendText("\u00A0");
      case '_': return AppendText("\u2011");
      case '*': State().destination = TDestination::Skipped; return;
      case '\r':
      case '\n': return EndParagraphOfText();
      default: return;  // "\-" optional hyphen and symbols without text
    }
  }

  void OnControlWord(const TRtfToken& token) {
    FlushText();
    if (SkipsFallback()) return;
    if (const std::string_view character = RtfCharacterWord(token.word); !character.empty())
      return AppendText(character);
    const std::optional<TRtfWord> word = FindRtfWord(token.word);
    if (word) ApplyWord(*word, token);
  }

  void ApplyWord(TRtfWord word, const TRtfToken& token) {
    TGroupState& state = State();
    const int32_t value = token.parameter;
    switch (word) {
      case TRtfWord::SkippedDestination: state.destination = TDestination::Skipped; return;
      case TRtfWord::FontTable: state.destination = TDestination::FontTable; return;
      case TRtfWord::ColorTable: state.destination = TDestination::ColorTable; return;
      case TRtfWord::Font:
        if (state.destination == TDestination::FontTable) return OpenFontEntry(value);
        state.fontNumber = value;
        return;
      case TRtfWord::FontCharset:
        if (state.destination == TDestination::FontTable) m_fontEntry.charset = ClampToByte(value);
        return;
      case TRtfWord::FontSize:
        state.fontSizeHalfPoints = value > 0 ? std::min(value, kMaxFontSizeHalfPoints) : kDefaultFontSizeHalfPoints;
        return;
      case TRtfWord::Bold: state.bold = Toggle(token); return;
      case TRtfWord::Italic: state.italic = Toggle(token); return;
      case TRtfWord::Underline: state.underline = Toggle(token); return;
      case TRtfWord::UnderlineNone: state.underline = false; return;
      case TRtfWord::Strike: state.strike = Toggle(token); return;
      case TRtfWord::TextColor: state.colorIndex = value; return;
      case TRtfWord::Highlight: state.highlightIndex = value; return;
      case TRtfWord::Hidden: state.hidden = Toggle(token); return;
      case TRtfWord::PlainFormat: state.ResetCharacterFormat(m_defaultFont); return;
      case TRtfWord::ParagraphDefaults: state.ResetParagraphFormat(); return;
      case TRtfWord::ParagraphEnd: return EndParagraphOfText();
      case TRtfWord::LineBreak: return AppendText("\n");
      case TRtfWord::Tab: return AppendText("\t");
      case TRtfWord::AlignLeft: state.alignment = TRtfAlignment::Left; return;
      case TRtfWord::AlignRight: state.alignment = TRtfAlignment::Right; return;
      case TRtfWord::AlignCenter: state.alignment = TRtfAlignment::Center; return;
      case TRtfWord::AlignJustify: state.alignment = TRtfAlignment::Justify; return;
      case TRtfWord::LeftIndent: state.leftIndentTwips = Indent(value); return;
      case TRtfWord::RightIndent: state.rightIndentTwips = Indent(value); return;
      case TRtfWord::FirstLineIndent: state.firstLineIndentTwips = Indent(value); return;
      case TRtfWord::Red: return SetColorComponent(&TRtfColor::red, value);
      case TRtfWord::Green: return SetColorComponent(&TRtfColor::green, value);
      case TRtfWord::Blue: return SetColorComponent(&TRtfColor::blue, value);
      case TRtfWord::AnsiCharset: m_documentCodePage = kCodePageAnsi; return;
      case TRtfWord::MacCharset: m_documentCodePage = kCodePageMac; return;
      case TRtfWord::PcCharset: m_documentCodePage = 437; return;
      case TRtfWord::PcaCharset: m_documentCodePage = 850; return;
      case TRtfWord::AnsiCodePage:
        if (value > 0) m_documentCodePage = static_cast<uint32_t>(value);
        return;
      case TRtfWord::DefaultFont:
        m_defaultFont = value;
        state.fontNumber = value;
        return;
      case TRtfWord::UnicodeFallbackCount: state.unicodeFallbackCount = std::max(value, 0); return;
      case TRtfWord::Unicode: return OnUnicode(token);
    }
  }

  // "\uN": a UTF-16 unit, negative values counting from 65536, then the fallback characters
  // for readers without Unicode, which are skipped.
  void OnUnicode(const TRtfToken& token) {
    if (!token.hasParameter) return;
    const int32_t unit = token.parameter < 0 ? token.parameter + 65536 : token.parameter;
    m_fallbackToSkip = State().unicodeFallbackCount;
    if (unit < 0 || unit > 0xFFFF) return AppendCodePoint(kReplacement);
    if (unit >= 0xD800 && unit <= 0xDBFF) {
      ReplaceLoneHighSurrogate();
      m_highSurrogate = static_cast<char16_t>(unit);
      return;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF && m_highSurrogate) {
      const char32_t high = std::exchange(m_highSurrogate, 0);
      return AppendCodePoint(0x10000 + ((high - 0xD800) << 10) + (static_cast<char32_t>(unit) - 0xDC00));
    }
    if (unit != 0) AppendCodePoint(static_cast<char32_t>(unit));
  }

  // A high surrogate followed by anything but its low surrogate stands for nothing valid.
  void ReplaceLoneHighSurrogate() {
    if (m_highSurrogate == 0) return;
    m_highSurrogate = 0;
    AppendCodePoint(kReplacement);
  }

  bool SkipsFallback() {
    if (m_fallbackToSkip == 0) return false;
    --m_fallbackToSkip;
    return true;
  }

  void AppendCodePoint(char32_t codePoint) {
    std::string utf8;
    AppendUtf8(utf8, codePoint);
    AppendText(utf8);
  }

  // Appends UTF-8 text to the paragraph in the current format; only text in the document's
  // body is shown.
  void AppendText(std::string_view utf8) {
    ReplaceLoneHighSurrogate();
    if (State().destination != TDestination::Text || utf8.empty()) return;
    TRtfCharFormat format = CurrentFormat();
    if (m_paragraph.runs.empty() || !(m_paragraph.runs.back().format == format))
      m_paragraph.runs.push_back({.text = {}, .format = std::move(format)});
    m_paragraph.runs.back().text += utf8;
  }

  // Decodes the bytes of text gathered since the last control, all in the same code page; a lead
  // byte of a double-byte code page thereby meets its trail byte in the next "\'hh".
  void FlushText() {
    if (m_pendingBytes.empty()) return;
    const uint32_t codePage = TextCodePage(State().fontNumber);
    if (!m_decoder || m_decoder->CodePage() != codePage) m_decoder = std::make_unique<TCodePageDecoder>(codePage);
    std::string utf8;
    m_decoder->AppendDecoded(m_pendingBytes, utf8);
    m_pendingBytes.clear();
    AppendText(utf8);
  }

  // The code page of a font's character set; the document's code page when the font gives none
  // or the system default.
  uint32_t TextCodePage(int32_t fontNumber) const {
    const TFont* font = FindFont(fontNumber);
    if (!font || !font->charset || *font->charset == kCharsetDefault) return m_documentCodePage;
    return CodePageOfCharset(*font->charset);
  }

  const TFont* FindFont(int32_t fontNumber) const {
    auto found = m_fonts.find(fontNumber);
    if (found == m_fonts.end()) found = m_fonts.find(m_defaultFont);
    return found == m_fonts.end() ? nullptr : &found->second;
  }

  std::optional<TRtfColor> TableColor(int32_t index) const {
    if (index < 0 || static_cast<size_t>(index) >= m_colors.size()) return std::nullopt;
    return m_colors[static_cast<size_t>(index)];
  }

  TRtfCharFormat CurrentFormat() const {
    const TGroupState& state = m_groups.back();
    const TFont* font = FindFont(state.fontNumber);
    return {.fontName = font ? font->name : std::string(),
            .fontSizeHalfPoints = state.fontSizeHalfPoints,
            .bold = state.bold,
            .italic = state.italic,
            .underline = state.underline,
            .strike = state.strike,
            .hidden = state.hidden,
            .color = TableColor(state.colorIndex),
            // Highlight 0 is no highlight, whatever the table's first colour is.
            .highlight = state.highlightIndex == 0 ? std::nullopt : TableColor(state.highlightIndex)};
  }

  void EndParagraphOfText() {
    if (State().destination == TDestination::Text) EndParagraph();
  }

  // A paragraph takes the paragraph format in effect at its end.
  void EndParagraph() {
    const TGroupState& state = State();
    m_paragraph.alignment = state.alignment;
    m_paragraph.leftIndentTwips = state.leftIndentTwips;
    m_paragraph.rightIndentTwips = state.rightIndentTwips;
    m_paragraph.firstLineIndentTwips = state.firstLineIndentTwips;
    m_document.paragraphs.push_back(std::move(m_paragraph));
    m_paragraph = {};
  }

  void OpenFontEntry(int32_t number) {
    CloseFontEntry();
    m_fontEntry = {.number = number, .charset = std::nullopt, .nameBytes = {}, .open = true};
  }

  // A font entry ends with ";" or with its group; the first entry of a number counts.
  void CloseFontEntry() {
    if (!m_fontEntry.open) return;
    m_fontEntry.open = false;
    uint32_t codePage = m_documentCodePage;
    if (m_fontEntry.charset && *m_fontEntry.charset != kCharsetDefault) codePage = CodePageOfCharset(*m_fontEntry.charset);
    std::string name = DecodeCodePage(m_fontEntry.nameBytes, codePage);
    const size_t first = name.find_first_not_of(" \t");
    const size_t last = name.find_last_not_of(" \t");
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    m_fonts.try_emplace(m_fontEntry.number, TFont{.name = std::move(name), .charset = m_fontEntry.charset});
  }

  void SetColorComponent(uint8_t TRtfColor::*component, int32_t value) {
    m_colorEntry.color.*component = ClampToByte(value);
    m_colorEntry.given = true;
  }

  void CloseColorEntry() {
    m_colors.push_back(m_colorEntry.given ? std::optional<TRtfColor>(m_colorEntry.color) : std::nullopt);
    m_colorEntry = {};
  }

  TRtfLexer m_lexer;
  std::vector<TGroupState> m_groups = {TGroupState{}};
  size_t m_ignoredGroups = 0;  // open groups beyond the depth limit, whose content is left out
  bool m_finished = false;
  int32_t m_fallbackToSkip = 0;
  char16_t m_highSurrogate = 0;
  uint32_t m_documentCodePage = kCodePageAnsi;
  int32_t m_defaultFont = 0;
  std::map<int32_t, TFont> m_fonts;
  TFontEntry m_fontEntry;
  std::vector<std::optional<TRtfColor>> m_colors;
  TColorEntry m_colorEntry;
  std::vector<uint8_t> m_pendingBytes;
  std::unique_ptr<TCodePageDecoder> m_decoder;
  TRtfParagraph m_paragraph;
  TRtfDocument m_document;
};

}  // namespace

bool IsRtf(std::string_view text) {
  const size_t start = text.find_first_not_of(" \t\r\n");
  return start != std::string_view::npos && text.substr(start).starts_with("{\\rtf");
}

TRtfDocument ReadRtf(std::string_view rtf) { return TRtfReader(rtf).Read(); }
