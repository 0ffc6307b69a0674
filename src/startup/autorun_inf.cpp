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
    std::string program = command ? AutorunProgram(*command) : std::string();
    if (!program.empty()) inf.programs.push_back(std::move(program));
  }
  return inf;
}

std::string AutorunProgram(std::string_view command) {
  command = Trimmed(command);
  if (command.starts_with('"')) {
    command.remove_prefix(1);
    return std::string(command.substr(0, command.find('"')));
  }
  return std::string(command.substr(0, command.find_first_of(" \t")));
}
