#include "actions/slide_show_folder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr int kMaxDepth = 64;

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void Scan(const fs::path& folder, bool recursive, int depth, std::vector<std::string>& pictures) {
  std::error_code error;
  fs::directory_iterator entries(folder, error);
  if (error) return;
  for (const fs::directory_entry& entry : entries) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.front() == '.') continue;
    // The entry's own type: a link to a folder is not a folder here, a link to a file is a file.
    const fs::file_status own = entry.symlink_status(error);
    if (error) continue;
    if (fs::is_directory(own)) {
      if (recursive && depth < kMaxDepth) Scan(entry.path(), recursive, depth + 1, pictures);
    } else if (!fs::is_directory(entry.status(error)) && !error && IsSlideShowPicture(name)) {
      pictures.push_back(entry.path().string());
    }
  }
}

// Case-insensitive order of the full names; names equal but for case keep a fixed order by
// their bytes, so the list is the same on every run.
bool NameBefore(const std::string& a, const std::string& b) {
  const auto lower = [](char x, char y) { return LowerAscii(x) < LowerAscii(y); };
  if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower)) return true;
  if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lower)) return false;
  return a < b;
}

}  // namespace

bool IsSlideShowPicture(std::string_view name) {
  const size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string extension(name.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(), UpperAscii);
  static constexpr std::array<std::string_view, 6> kExtensions{".BMP", ".JPG", ".PNG", ".GIF", ".JPEG", ".PCX"};
  return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

std::vector<std::string> ScanSlideShowFolder(const std::string& folder, bool recursive) {
  std::vector<std::string> pictures;
  Scan(fs::path(folder), recursive, 0, pictures);
  std::sort(pictures.begin(), pictures.end(), NameBefore);
  return pictures;
}
