#include "startup/startup_decisions.h"

#include <QString>
#include <algorithm>
#include <array>
#include <span>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "actions/folder_entry.h"
#include "startup/document_loader.h"
#include "startup/file_reader.h"

namespace fs = std::filesystem;

TDocumentLocation LocateDocument(const std::string& commandLineDocument, const std::string& executablePath,
                                 std::optional<TTrailer> executableTrailer) {
  if (!commandLineDocument.empty()) return {commandLineDocument, std::nullopt, false};
  if (executableTrailer) return {executablePath, executableTrailer->containerOffset, true};
  return {SiblingDocumentPath(executablePath), std::nullopt, false};
}

std::string SiblingDocumentPath(const std::string& executablePath) {
  return fs::path(executablePath).replace_extension(".kiv").string();
}

std::optional<TTrailer> ExecutableTrailer(const std::string& path) {
  const std::optional<TFileReader> file = TFileReader::Open(path);
  return file ? FileTrailer(*file) : std::nullopt;
}

bool IsEmbeddedFontName(std::string_view fileName) {
  if (fileName.size() < 5) return false;
  const size_t dot = fileName.rfind('.');
  if (dot == std::string_view::npos) return false;
  std::string extension(fileName.substr(dot));
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  static constexpr std::array<std::string_view, 9> kExtensions = {".fon", ".fnt", ".ttf", ".ttc", ".fot",
                                                                  ".otf", ".mmm", ".pfb", ".pfm"};
  return std::find(kExtensions.begin(), kExtensions.end(), extension) != kExtensions.end();
}

namespace {

// The entry of folder named name ignoring letter case (the exact name first).
std::optional<fs::path> FindIgnoringCase(const fs::path& folder, std::string_view name) {
  std::error_code ec;
  if (fs::exists(folder / name, ec)) return folder / name;
  const std::optional<fs::path> entry = EntryNameIgnoringCase(folder, name);
  return entry ? std::optional<fs::path>(folder / *entry) : std::nullopt;
}

}  // namespace

std::vector<std::string> EmbeddedFontFiles(const std::string& documentFolder) {
  std::vector<std::string> fonts;
  const std::optional<fs::path> folder = FindIgnoringCase(documentFolder, "FontData");
  if (!folder) return fonts;
  std::error_code ec;
  for (fs::directory_iterator it(*folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_directory(typeError)) continue;
    if (IsEmbeddedFontName(it->path().filename().string())) fonts.push_back(it->path().string());
  }
  std::sort(fonts.begin(), fonts.end());
  return fonts;
}

int32_t ChooseStartPage(const std::vector<std::string>& pageCaptions, const std::string& startPageName,
                        int32_t startupPage) {
  if (startPageName.empty()) return startupPage;
  const QString wanted = QString::fromStdString(startPageName).toUpper();
  for (size_t i = 0; i < pageCaptions.size(); ++i)
    if (QString::fromStdString(pageCaptions[i]).toUpper() == wanted) return static_cast<int32_t>(i);
  return startupPage;
}

TPoint CentredPosition(TSize screen, TSize window) {
  return {(screen.width - window.width) / 2, (screen.height - window.height) / 2};
}
