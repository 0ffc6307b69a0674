#include "startup/autorun_inf.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "model/text_encoding.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";

bool StartsWith(std::span<const uint8_t> bytes, std::string_view mark) {
  return bytes.size() >= mark.size() && std::equal(mark.begin(), mark.end(), bytes.begin(),
                                                   [](char m, uint8_t b) { return static_cast<uint8_t>(m) == b; });
}

// The text of the file as UTF-8 (see ParseAutorunInf for the encodings).
std::string DecodeText(std::span<const uint8_t> bytes) {
  if (StartsWith(bytes, kUtf16LeMark)) return Utf16LeToUtf8(bytes.subspan(kUtf16LeMark.size()));
  if (StartsWith(bytes, kUtf8Mark)) return SanitizeUtf8(bytes.subspan(kUtf8Mark.size()));
  std::string utf8 = SanitizeUtf8(bytes);
  const bool valid = std::equal(utf8.begin(), utf8.end(), bytes.begin(), bytes.end(),
                                [](char c, uint8_t b) { return static_cast<uint8_t>(c) == b; });
  return valid ? utf8 : Cp1252ToUtf8(bytes);
}

std::string_view Trimmed(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

}  // namespace

TAutorunInf ParseAutorunInf(std::span<const uint8_t> bytes) {
  TAutorunInf inf;
  if (bytes.size() > kMaxAutorunInfBytes) {
    inf.status = TAutorunInfStatus::TooLarge;
    return inf;
  }
  // Decoding keeps NUL characters, and UTF-16's own zero bytes are no NUL characters.
  const std::string text = DecodeText(bytes);
  if (text.find('\0') != std::string::npos) {
    inf.status = TAutorunInfStatus::Binary;
    return inf;
  }

  enum class TSection { Before, AutoRun, After } section = TSection::Before;
  std::optional<std::string> open;
  std::optional<std::string> shellExecute;
  std::string_view rest = text;
  while (!rest.empty() && section != TSection::After) {
    const size_t end = rest.find('\n');
    std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = Trimmed(line);
    if (line.starts_with(';')) continue;
    if (line.starts_with('[')) {
      const size_t close = line.find(']');
      const bool autoRun = close != std::string_view::npos && EqualsIgnoringCase(Trimmed(line.substr(1, close - 1)), "AutoRun");
      if (section == TSection::AutoRun)
        section = TSection::After;
      else if (autoRun)
        section = TSection::AutoRun;
      continue;
    }
    const size_t equals = line.find('=');
    if (section != TSection::AutoRun || equals == std::string_view::npos) continue;
    const std::string_view key = Trimmed(line.substr(0, equals));
    const std::string value(Trimmed(line.substr(equals + 1)));
    if (EqualsIgnoringCase(key, "Open") && !open)
      open = value;
    else if (EqualsIgnoringCase(key, "ShellExecute") && !shellExecute)
      shellExecute = value;
  }
  inf.hasAutoRunSection = section != TSection::Before;
  for (const std::optional<std::string>& command : {open, shellExecute}) {
    TAutorunCommand split = command ? SplitAutorunCommand(*command) : TAutorunCommand();
    if (!split.program.empty()) inf.commands.push_back(std::move(split));
  }
  return inf;
}

TAutorunCommand SplitAutorunCommand(std::string_view command) {
  command = Trimmed(command);
  if (command.starts_with('"')) {
    const size_t close = command.find('"', 1);
    if (close == std::string_view::npos) return {std::string(command.substr(1)), {}};
    return {std::string(command.substr(1, close - 1)), SplitCommandArguments(command.substr(close + 1))};
  }
  const size_t end = std::min(command.find_first_of(" \t"), command.size());
  return {std::string(command.substr(0, end)), SplitCommandArguments(command.substr(end))};
}

std::vector<std::string> SplitCommandArguments(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::vector<std::string> words;
  size_t i = 0;
  for (;;) {
    while (i < text.size() && blank(text[i])) ++i;
    if (i == text.size()) return words;
    std::string word;
    bool quoted = false;
    while (i < text.size() && (quoted || !blank(text[i]))) {
      size_t backslashes = 0;
      while (i < text.size() && text[i] == '\\') {
        ++backslashes;
        ++i;
      }
      if (i < text.size() && text[i] == '"') {
        word.append(backslashes / 2, '\\');
        if (backslashes % 2 == 1) {
          word += '"';
        } else if (quoted && i + 1 < text.size() && text[i + 1] == '"') {
          word += '"';  // "" inside quotes: one quote, still quoted
          ++i;
        } else {
          quoted = !quoted;
        }
        ++i;
      } else if (backslashes > 0) {
        word.append(backslashes, '\\');  // the character after them is the loop's next
      } else {
        word += text[i++];
      }
    }
    words.push_back(std::move(word));
  }
}

TPlayerArguments ReadPlayerArguments(const std::vector<std::string>& arguments) {
  TPlayerArguments read;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] == "-p") {
      if (i + 1 < arguments.size()) read.startPage = arguments[++i];
    } else if (!arguments[i].starts_with('-')) {
      read.document = arguments[i];
    }
  }
  return read;
}
