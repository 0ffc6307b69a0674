#include "audio/play_list_reader.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <optional>
#include <string_view>

#include "actions/launch.h"
#include "model/text_encoding.h"

namespace {

std::string DecodeText(std::span<const uint8_t> bytes) {
  constexpr uint8_t kBom[] = {0xEF, 0xBB, 0xBF};
  if (bytes.size() >= 3 && std::equal(kBom, kBom + 3, bytes.begin())) bytes = bytes.subspan(3);
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (SanitizeUtf8(bytes) == raw) return std::string(raw);
  return Cp1252ToUtf8(bytes);
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
  }
  return lines;
}

std::string Absolute(std::string_view entry, const std::string& folder) {
  const bool absolute = entry.front() == '/' || (entry.size() >= 2 && entry[1] == ':');
  if (HasUrlScheme(entry) && !absolute) return std::string(entry);
  if (absolute) return ToLinuxPath(entry);
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  return ToLinuxPath(prefix + std::string(entry));
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// The leading decimal number of text (after spaces), as the profile's integer reading takes it;
// nothing when there is none or it does not fit.
std::optional<uint32_t> LeadingNumber(std::string_view text) {
  text = Trimmed(text);
  uint32_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end == text.data()) return std::nullopt;
  return value;
}

}  // namespace

std::vector<std::string> ReadM3uEntries(std::span<const uint8_t> bytes, const std::string& folder) {
  const std::string text = DecodeText(bytes);
  std::vector<std::string> entries;
  for (const std::string_view line : SplitLines(text))
    if (!line.empty() && line.front() != '#') entries.push_back(Absolute(line, folder));
  return entries;
}

std::vector<std::string> ReadPlsEntries(std::span<const uint8_t> bytes, const std::string& folder) {
  const std::string text = DecodeText(bytes);
  bool inPlaylist = false;
  std::optional<uint32_t> count;
  std::map<uint32_t, std::string_view> files;  // by number, the first of repeated keys
  for (const std::string_view line : SplitLines(text)) {
    const std::string_view trimmed = Trimmed(line);
    if (trimmed.starts_with('[')) {
      const size_t close = trimmed.find(']');
      inPlaylist = close != std::string_view::npos && SameIgnoringCase(Trimmed(trimmed.substr(1, close - 1)), "playlist");
      continue;
    }
    const size_t equals = trimmed.find('=');
    if (!inPlaylist || equals == std::string_view::npos) continue;
    const std::string_view key = Trimmed(trimmed.substr(0, equals));
    const std::string_view value = Trimmed(trimmed.substr(equals + 1));
    if (SameIgnoringCase(key, "NumberOfEntries")) {
      if (!count) count = LeadingNumber(value).value_or(0);
    } else if (key.size() > 4 && SameIgnoringCase(key.substr(0, 4), "File")) {
      const std::string_view digits = key.substr(4);
      uint32_t number = 0;
      const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
      if (error == std::errc() && end == digits.data() + digits.size() && digits.front() != '0')
        files.try_emplace(number, value);
    }
  }
  std::vector<std::string> entries;
  for (const auto& [number, value] : files)
    if (number >= 1 && number <= count.value_or(0) && !value.empty()) entries.push_back(Absolute(value, folder));
  return entries;
}
