#include "startup/autorun_folder.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <system_error>
#include <variant>
#include <vector>

#include "actions/folder_entry.h"
#include "actions/launch.h"
#include "startup/autorun_inf.h"
#include "startup/document_loader.h"
#include "startup/file_reader.h"
#include "startup/startup_decisions.h"

namespace fs = std::filesystem;

namespace {

// Whether the canonical path is root or lies beneath it.
bool Within(const fs::path& root, const fs::path& path) {
  const fs::path relative = path.lexically_relative(root);
  return !relative.empty() && *relative.begin() != "..";
}

// The entry of folder called name: as written when it exists, else in another letter case.
std::optional<fs::path> EntryNamed(const fs::path& folder, const std::string& name) {
  std::error_code ec;
  if (fs::exists(fs::symlink_status(folder / name, ec))) return fs::path(name);
  return EntryNameIgnoringCase(folder, name);
}

// Where path leads with its symbolic links followed, when that lies within root; else why not,
// as the end of a sentence about it.
std::variant<fs::path, std::string> Follow(const fs::path& root, const fs::path& path) {
  std::error_code ec;
  fs::path canonical = fs::canonical(path, ec);
  if (ec == std::errc::too_many_symbolic_link_levels) return std::string("is a loop of symbolic links");
  if (ec == std::errc::no_such_file_or_directory) return std::string("does not exist");
  if (ec) return "cannot be opened: " + ec.message();
  if (!Within(root, canonical)) return std::string("lies outside the folder");
  return canonical;
}

bool HasDriveLetter(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

// The names of a stored path between its "\" and "/" separators, empty names and "." left out.
std::vector<std::string> PathNames(const std::string& path) {
  std::vector<std::string> names;
  size_t start = 0;
  while (start <= path.size()) {
    const size_t end = std::min(path.find_first_of("\\/", start), path.size());
    const std::string name = path.substr(start, end - start);
    if (!name.empty() && name != ".") names.push_back(name);
    start = end + 1;
  }
  return names;
}

// Why the file at canonical path here, reached as relative, is no menu; nothing when it is one.
std::optional<std::string> NoMenuAt(const fs::path& here, const fs::path& relative, const fs::path& inf) {
  std::error_code ec;
  const fs::file_type type = fs::status(here, ec).type();
  if (relative.empty() || type == fs::file_type::directory) return "is a folder";
  if (here == inf) return "is autorun.inf itself";
  // A FIFO or device is never opened: the type is looked at first, and the open does not block.
  if (type != fs::file_type::regular) return "is not a regular file";
  const std::optional<TFileReader> file = TFileReader::Open(here.string());
  if (!file) return "cannot be opened: " + std::make_error_code(static_cast<std::errc>(errno)).message();
  if (!CarriesMenuDocument(*file)) return "holds no menu document";
  return std::nullopt;
}

// The ".kiv" file beside a Windows program that carries no menu, relative to folder: the player
// started from the medium reads that file then.
std::optional<fs::path> SiblingMenu(const fs::path& folder, const fs::path& root, const fs::path& inf,
                                    const fs::path& program) {
  if (UpperExtension(program.string()) != ".EXE") return std::nullopt;
  const std::variant<fs::path, std::string> programFolder = Follow(root, folder / program.parent_path());
  if (!std::holds_alternative<fs::path>(programFolder)) return std::nullopt;
  const std::optional<fs::path> entry =
      EntryNamed(std::get<fs::path>(programFolder), SiblingDocumentPath(program.filename().string()));
  if (!entry) return std::nullopt;
  const fs::path relative = program.parent_path() / *entry;
  const std::variant<fs::path, std::string> sibling = Follow(root, folder / relative);
  if (!std::holds_alternative<fs::path>(sibling) || NoMenuAt(std::get<fs::path>(sibling), relative, inf))
    return std::nullopt;
  return relative;
}

// The program's menu relative to folder, names as found; else why there is none.
std::variant<fs::path, std::string> MenuFile(const fs::path& folder, const fs::path& root, const fs::path& inf,
                                             const std::string& program) {
  if (program.starts_with('\\') || program.starts_with('/') || HasDriveLetter(program))
    return std::string("lies outside the folder");
  fs::path relative;
  fs::path here = root;  // canonical; only folders within root are listed
  for (const std::string& name : PathNames(program)) {
    if (name == "..") {
      if (relative.empty()) return std::string("lies outside the folder");
      relative = relative.parent_path();
    } else {
      const std::optional<fs::path> entry = EntryNamed(here, name);
      if (!entry) return std::string("does not exist");
      relative /= *entry;
    }
    std::variant<fs::path, std::string> next = Follow(root, folder / relative);
    if (std::string* failure = std::get_if<std::string>(&next)) return *failure;
    here = std::get<fs::path>(next);
  }
  const std::optional<std::string> failure = NoMenuAt(here, relative, inf);
  if (!failure) return relative;
  if (std::optional<fs::path> sibling = SiblingMenu(folder, root, inf, relative)) return *sibling;
  return *failure;
}

TAutorunMenu Failure(std::string error) { return {std::nullopt, std::move(error)}; }

}  // namespace

TAutorunMenu FindAutorunMenu(const std::string& folder) {
  std::error_code ec;
  const fs::path root = fs::canonical(folder, ec);
  if (ec) return Failure(folder + " cannot be opened: " + ec.message());
  const std::optional<fs::path> infName = EntryNamed(root, "autorun.inf");
  if (!infName) return Failure(folder + " has no autorun.inf");
  const std::string infShown = (fs::path(folder) / *infName).string();

  std::variant<fs::path, std::string> inf = Follow(root, root / *infName);
  if (const std::string* failure = std::get_if<std::string>(&inf)) return Failure(infShown + " " + *failure);
  const fs::path& infPath = std::get<fs::path>(inf);
  if (fs::status(infPath, ec).type() != fs::file_type::regular) return Failure(infShown + " is not a regular file");
  const std::optional<TFileReader> file = TFileReader::Open(infPath.string());
  if (!file) return Failure(CannotOpenMessage(infShown, errno));
  // A large file is refused by its size, before any of it is read; no more than that size is read.
  if (file->SizeBytes() > kMaxAutorunInfBytes)
    return Failure(infShown + " is larger than " + std::to_string(kMaxAutorunInfBytes / 1024) + " KiB");
  const std::optional<TByteBlock> bytes = file->ReadFrom(0);
  if (!bytes) return Failure(CannotOpenMessage(infShown, errno));

  const TAutorunInf parsed = ParseAutorunInf(*bytes);
  if (parsed.status == TAutorunInfStatus::Binary) return Failure(infShown + " is no text file (it holds NUL bytes)");
  if (!parsed.hasAutoRunSection) return Failure(infShown + " has no [AutoRun] section");
  if (parsed.programs.empty()) return Failure(infShown + " names no program (no Open= or ShellExecute= in [AutoRun])");

  std::string firstFailure;
  for (const std::string& program : parsed.programs) {
    std::variant<fs::path, std::string> menu = MenuFile(folder, root, infPath, program);
    if (const fs::path* relative = std::get_if<fs::path>(&menu)) return {(fs::path(folder) / *relative).string(), {}};
    if (firstFailure.empty()) firstFailure = infShown + " names \"" + program + "\", which " + std::get<std::string>(menu);
  }
  return Failure(firstFailure);
}
