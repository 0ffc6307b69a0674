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

// Why the entry at canonical path here, reached as relative, is no file a command can name;
// nothing when it is one.
std::optional<std::string> NoFileAt(const fs::path& here, const fs::path& relative, const fs::path& inf) {
  std::error_code ec;
  const fs::file_type type = fs::status(here, ec).type();
  if (relative.empty() || type == fs::file_type::directory) return "is a folder";
  if (here == inf) return "is autorun.inf itself";
  // A FIFO or device is never opened: the type is looked at first, and the open does not block.
  if (type != fs::file_type::regular) return "is not a regular file";
  return std::nullopt;
}

// Why the file at canonical path here, reached as relative, is no menu; nothing when it is one.
std::optional<std::string> NoMenuAt(const fs::path& here, const fs::path& relative, const fs::path& inf) {
  if (std::optional<std::string> failure = NoFileAt(here, relative, inf)) return failure;
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

// An entry a stored path leads to within folder.
struct TEntry {
  fs::path relative;   // to folder, names as found
  fs::path canonical;  // within root
};

// Where a stored path (relative to folder, "\" or "/" between names) leads; else why not.
std::variant<TEntry, std::string> Resolve(const fs::path& folder, const fs::path& root, const std::string& stored) {
  if (stored.starts_with('\\') || stored.starts_with('/') || HasDriveLetter(stored))
    return std::string("lies outside the folder");
  TEntry entry{{}, root};  // only folders within root are listed
  for (const std::string& name : PathNames(stored)) {
    if (name == "..") {
      if (entry.relative.empty()) return std::string("lies outside the folder");
      entry.relative = entry.relative.parent_path();
    } else {
      const std::optional<fs::path> found = EntryNamed(entry.canonical, name);
      if (!found) return std::string("does not exist");
      entry.relative /= *found;
    }
    std::variant<fs::path, std::string> next = Follow(root, folder / entry.relative);
    if (std::string* failure = std::get_if<std::string>(&next)) return *failure;
    entry.canonical = std::get<fs::path>(next);
  }
  return entry;
}

// The menu a stored path names relative to folder, names as found; else why there is none.
std::variant<fs::path, std::string> MenuFile(const fs::path& folder, const fs::path& root, const fs::path& inf,
                                             const std::string& stored) {
  std::variant<TEntry, std::string> resolved = Resolve(folder, root, stored);
  if (std::string* failure = std::get_if<std::string>(&resolved)) return *failure;
  const TEntry& entry = std::get<TEntry>(resolved);
  const std::optional<std::string> failure = NoMenuAt(entry.canonical, entry.relative, inf);
  if (!failure) return entry.relative;
  if (std::optional<fs::path> sibling = SiblingMenu(folder, root, inf, entry.relative)) return *sibling;
  return *failure;
}

// Why a command's program cannot start within folder; nothing when it can. Whether it carries a
// menu does not matter here: this is for a command whose arguments name the menu.
std::optional<std::string> NoProgram(const fs::path& folder, const fs::path& root, const fs::path& inf,
                                     const std::string& program) {
  std::variant<TEntry, std::string> resolved = Resolve(folder, root, program);
  if (std::string* failure = std::get_if<std::string>(&resolved)) return *failure;
  const TEntry& entry = std::get<TEntry>(resolved);
  return NoFileAt(entry.canonical, entry.relative, inf);
}

// A name a command gives that is refused, and why (the end of a sentence about it).
struct TRefusal {
  std::string name;
  std::string reason;
};

// The menu a command plays, relative to folder: the document its arguments name, else its
// program's own. Windows starts the program with the medium's root as its working folder, so a
// document argument is found within folder as the program is.
std::variant<fs::path, TRefusal> CommandMenu(const fs::path& folder, const fs::path& root, const fs::path& inf,
                                             const TAutorunCommand& command, const std::string& document) {
  if (!document.empty()) {
    if (std::optional<std::string> failure = NoProgram(folder, root, inf, command.program))
      return TRefusal{command.program, *failure};
  }
  const std::string& named = document.empty() ? command.program : document;
  std::variant<fs::path, std::string> menu = MenuFile(folder, root, inf, named);
  if (std::string* failure = std::get_if<std::string>(&menu)) return TRefusal{named, *failure};
  return std::get<fs::path>(menu);
}

TAutorunMenu Failure(std::string error) { return {std::nullopt, std::move(error), {}}; }

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
  if (parsed.commands.empty()) return Failure(infShown + " names no program (no Open= or ShellExecute= in [AutoRun])");

  std::string firstFailure;
  for (const TAutorunCommand& command : parsed.commands) {
    const TPlayerArguments arguments = ReadPlayerArguments(command.arguments);
    std::variant<fs::path, TRefusal> menu = CommandMenu(folder, root, infPath, command, arguments.document);
    if (const fs::path* relative = std::get_if<fs::path>(&menu))
      return {(fs::path(folder) / *relative).string(), {}, arguments.startPage};
    const TRefusal& refusal = std::get<TRefusal>(menu);
    if (firstFailure.empty()) firstFailure = infShown + " names \"" + refusal.name + "\", which " + refusal.reason;
  }
  return Failure(firstFailure);
}
