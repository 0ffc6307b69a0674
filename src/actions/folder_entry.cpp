#include "actions/folder_entry.h"

#include <QString>
#include <system_error>

namespace fs = std::filesystem;

std::optional<fs::path> EntryNameIgnoringCase(const fs::path& folder, std::string_view name) {
  const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).toCaseFolded();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (QString::fromStdString(it->path().filename().string()).toCaseFolded() == wanted) return it->path().filename();
  return std::nullopt;
}
