#include "actions/macros.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

std::string ReplaceIgnoringCase(std::string_view text, std::string_view macro, std::string_view value) {
  std::string result;
  size_t i = 0;
  while (i < text.size()) {
    if (text.size() - i >= macro.size() && EqualsIgnoringCase(text.substr(i, macro.size()), macro)) {
      result += value;
      i += macro.size();
    } else {
      result += text[i++];
    }
  }
  return result;
}

std::string Trimmed(std::string_view text) {
  size_t begin = 0, end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  return std::string(text.substr(begin, end - begin));
}

std::string ExpandEnvironment(std::string text, const TEnvironmentReader& environment) {
  constexpr std::string_view kPair = "%%";
  constexpr std::string_view kPrefix = "ENV-";
  size_t p = text.find(kPair);
  while (p != std::string::npos) {
    if (!EqualsIgnoringCase(std::string_view(text).substr(p + 2, kPrefix.size()), kPrefix)) {
      p = text.find(kPair, p + 1);
      continue;
    }
    const size_t nameStart = p + kPair.size() + kPrefix.size();
    const size_t close = text.find(kPair, nameStart);
    if (close == std::string::npos) break;
    const std::string name = Trimmed(std::string_view(text).substr(nameStart, close - nameStart));
    if (name.empty()) {
      p = close;  // the closing pair may open the next macro
      continue;
    }
    const std::string value = environment ? environment(name).value_or("") : std::string();
    text.replace(p, close + kPair.size() - p, value);
    p = text.find(kPair, p + value.size());
  }
  return text;
}

std::string WithoutTrailingSeparator(std::string path) {
  if (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

std::string HomeFolder() {
  const char* home = std::getenv("HOME");
  return home ? home : "";
}

// XDG_DESKTOP_DIR="$HOME/Desktop" in the user-dirs file, else ~/Desktop.
std::string DesktopFolder() {
  const std::string home = HomeFolder();
  const char* configHome = std::getenv("XDG_CONFIG_HOME");
  const std::string config = configHome && *configHome ? configHome : home + "/.config";
  std::ifstream in(config + "/user-dirs.dirs");
  std::string line;
  constexpr std::string_view kKey = "XDG_DESKTOP_DIR=";
  while (std::getline(in, line)) {
    if (line.rfind(kKey, 0) != 0) continue;
    std::string value = line.substr(kKey.size());
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
    constexpr std::string_view kHome = "$HOME";
    if (value.rfind(kHome, 0) == 0) value = home + value.substr(kHome.size());
    if (!value.empty() && value.front() == '/') return value;
  }
  return home.empty() ? std::string() : home + "/Desktop";
}

}  // namespace

std::optional<std::string> ReadEnvironment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  if (!value) return std::nullopt;
  return std::string(value);
}

std::string ExpandMacros(std::string_view text, const TMacroValues& values, const TEnvironmentReader& environment) {
  std::string result = ReplaceIgnoringCase(text, "%CDROM%", values.cdrom);
  result = ReplaceIgnoringCase(result, "%WinDir%", values.winDir);
  result = ReplaceIgnoringCase(result, "%SysDir%", values.sysDir);
  result = ReplaceIgnoringCase(result, "%Desktop%", values.desktop);
  return ExpandEnvironment(std::move(result), environment);
}

std::string ExpandMacros(std::string_view text, const TMacroValues& values) {
  return ExpandMacros(text, values, ReadEnvironment);
}

TMacroValues SystemMacroValues(const std::string& documentFolder) {
  TMacroValues values;
  values.cdrom = WithoutTrailingSeparator(documentFolder);
  const char* prefix = std::getenv("WINEPREFIX");
  const std::string winePrefix = prefix && *prefix ? prefix : HomeFolder() + "/.wine";
  std::error_code ec;
  const std::string windows = winePrefix + "/drive_c/windows";
  if (!HomeFolder().empty() || (prefix && *prefix)) {
    if (fs::is_directory(windows, ec)) values.winDir = windows;
    if (fs::is_directory(windows + "/system32", ec)) values.sysDir = windows + "/system32";
  }
  values.desktop = WithoutTrailingSeparator(DesktopFolder());
  return values;
}
