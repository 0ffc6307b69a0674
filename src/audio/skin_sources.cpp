#include "audio/skin_sources.h"

#include <algorithm>
#include <filesystem>
#include <set>

#include "actions/folder_entry.h"
#include "actions/launch.h"
#include "actions/regular_file.h"
#include "audio/builtin_skin.h"

namespace {

constexpr uint64_t kMaxSkinBitmapBytes = uint64_t{8} << 20;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

// The part of a stored name after its last separator.
std::string_view FileNamePart(std::string_view name) {
  const size_t separator = name.find_last_of("/\\");
  return separator == std::string_view::npos ? name : name.substr(separator + 1);
}

}  // namespace

std::optional<std::vector<uint8_t>> TBuiltinSkinSource::BitmapFile(std::string_view name) {
  const std::span<const uint8_t> file = BuiltinSkinFile(name);
  if (file.empty()) return std::nullopt;
  return std::vector<uint8_t>(file.begin(), file.end());
}

TFolderSkinSource::TFolderSkinSource(const std::string& folder) : m_folder(ToLinuxPath(folder)) {}

std::optional<std::vector<uint8_t>> TFolderSkinSource::BitmapFile(std::string_view name) {
  const std::string file = std::string(name) + ".bmp";
  const std::optional<std::filesystem::path> found = EntryNameIgnoringCase(m_folder, file);
  if (!found) return std::nullopt;
  return ReadRegularFile((std::filesystem::path(m_folder) / *found).string(), kMaxSkinBitmapBytes);
}

TZipSkinSource::TZipSkinSource(const std::string& path, TMiniZip::TReport report)
    : m_zip(TMiniZip::Open(path, OnceEach(std::move(report)))) {}

TZipSkinSource::TZipSkinSource(std::vector<uint8_t> bytes, TMiniZip::TReport report)
    : m_zip(TMiniZip::FromBytes(std::move(bytes), OnceEach(std::move(report)))) {}

// Each message is heard once for the skin, however many bitmaps carry it.
TMiniZip::TReport TZipSkinSource::OnceEach(TMiniZip::TReport report) {
  if (!report) return {};
  return [report = std::move(report), heard = std::make_shared<std::set<std::string>>()](const std::string& text) {
    if (heard->insert(text).second) report(text);
  };
}

std::optional<std::vector<uint8_t>> TZipSkinSource::BitmapFile(std::string_view name) {
  if (!m_zip) return std::nullopt;
  const std::string wanted = std::string(name) + ".bmp";
  for (const TZipEntry& entry : m_zip->Entries())
    if (SameIgnoringCase(FileNamePart(entry.name), wanted)) return m_zip->Extract(entry);
  return std::nullopt;
}
