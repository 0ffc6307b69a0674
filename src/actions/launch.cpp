#include "actions/launch.h"

#include "actions/macros.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QString>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<std::string> SplitParameters(std::string_view parameters) {
  std::vector<std::string> arguments;
  size_t i = 0;
  const size_t n = parameters.size();
  auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
  while (true) {
    while (i < n && isBlank(parameters[i])) ++i;
    if (i >= n) break;
    std::string argument;
    bool quoted = false;
    while (i < n && (quoted || !isBlank(parameters[i]))) {
      const char c = parameters[i];
      if (c == '\\') {
        size_t backslashes = 0;
        while (i < n && parameters[i] == '\\') ++backslashes, ++i;
        if (i < n && parameters[i] == '"') {
          argument.append(backslashes / 2, '\\');
          if (backslashes % 2 == 1) {
            argument += '"';
            ++i;
          }
        } else {
          argument.append(backslashes, '\\');
        }
      } else if (c == '"') {
        if (quoted && i + 1 < n && parameters[i + 1] == '"') {
          argument += '"';
          i += 2;
        } else {
          quoted = !quoted;
          ++i;
        }
      } else {
        argument += c;
        ++i;
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

namespace {

// The entry of folder whose name equals name ignoring letter case (the first one listed).
std::optional<fs::path> EntryIgnoringCase(const fs::path& folder, const std::string& name) {
  const QString wanted = QString::fromStdString(name).toCaseFolded();
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (QString::fromStdString(it->path().filename().string()).toCaseFolded() == wanted) return it->path().filename();
  return std::nullopt;
}

// The folders of PATH in order; an empty entry is the current folder.
std::vector<std::string> PathFolders() {
  const char* path = std::getenv("PATH");
  std::string_view folders = path ? path : "/usr/local/bin:/usr/bin:/bin";
  std::vector<std::string> result;
  while (true) {
    const size_t colon = folders.find(':');
    std::string folder(folders.substr(0, colon));
    result.push_back(folder.empty() ? std::string(".") : std::move(folder));
    if (colon == std::string_view::npos) break;
    folders.remove_prefix(colon + 1);
  }
  return result;
}

bool IsReadableFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), R_OK) == 0;
}

}  // namespace

TProgramLookup SystemProgramLookup() {
  TProgramLookup lookup;
  lookup.isExecutable = [](const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(path.c_str(), X_OK) == 0;
  };
  lookup.findOnPath = [isExecutable = lookup.isExecutable](const std::string& name) -> std::optional<std::string> {
    if (!IsBareName(name)) return std::nullopt;
    const bool windowsProgram = IsWindowsProgramExtension(UpperExtension(name));
    auto runnable = [&](const std::string& path) { return windowsProgram ? IsReadableFile(path) : isExecutable(path); };
    const std::vector<std::string> folders = PathFolders();
    for (const std::string& folder : folders)
      if (runnable(folder + "/" + name)) return folder + "/" + name;
    for (const std::string& folder : folders)
      if (std::optional<fs::path> entry = EntryIgnoringCase(folder, name); entry && runnable(folder + "/" + entry->string()))
        return folder + "/" + entry->string();
    return std::nullopt;
  };
  return lookup;
}

std::string ToLinuxPath(std::string_view storedPath) {
  std::string path(storedPath);
  std::replace(path.begin(), path.end(), '\\', '/');
  std::error_code ec;
  if (path.empty() || fs::exists(path, ec)) return path;
  fs::path found = path.front() == '/' ? fs::path("/") : fs::path();
  const fs::path written(path);
  for (auto part = written.begin(); part != written.end(); ++part) {
    if (part->empty() || *part == "/") continue;
    const fs::path folder = found.empty() ? fs::path(".") : found;
    if (fs::exists(found / *part, ec)) {
      found /= *part;
      continue;
    }
    const std::optional<fs::path> match = EntryIgnoringCase(folder, part->string());
    if (!match) return path;
    found /= *match;
  }
  return found.string();
}

std::string UpperExtension(const std::string& file) {
  std::string extension = fs::path(file).extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return extension;
}

bool IsWindowsProgramExtension(const std::string& upperExtension) {
  return upperExtension == ".EXE" || upperExtension == ".COM" || upperExtension == ".BAT" || upperExtension == ".MSI";
}

bool IsBareName(std::string_view file) {
  return !file.empty() && file != "." && file != ".." && file.find_first_of("/\\:") == std::string_view::npos;
}

std::string WindowsProgramPath(const std::string& file, const TProgramLookup& lookup) {
  std::error_code ec;
  if (!IsBareName(file) || fs::exists(file, ec)) return file;
  return lookup.findOnPath(file).value_or(file);
}

std::optional<std::vector<std::string>> CommandThrough(const TProgramLookup& lookup, const std::string& helper,
                                                       std::vector<std::string> rest) {
  std::optional<std::string> program = lookup.findOnPath(helper);
  if (!program) return std::nullopt;
  rest.insert(rest.begin(), *program);
  return rest;
}

bool HasUrlScheme(std::string_view file) {
  const size_t colon = file.find(':');
  if (colon == std::string_view::npos || colon < 2 || !std::isalpha(static_cast<unsigned char>(file[0]))) return false;
  return std::all_of(file.begin(), file.begin() + static_cast<ptrdiff_t>(colon), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
  });
}

std::optional<std::vector<std::string>> LaunchCommand(const std::string& file, const std::string& parameters,
                                                      const TProgramLookup& lookup) {
  if (file.empty()) return std::nullopt;
  if (HasUrlScheme(file)) return CommandThrough(lookup, "xdg-open", {file});
  std::vector<std::string> arguments = SplitParameters(parameters);
  const std::string extension = UpperExtension(file);
  if (IsWindowsProgramExtension(extension)) {
    const std::string program = WindowsProgramPath(file, lookup);
    if (extension == ".EXE" || extension == ".COM")
      arguments.insert(arguments.begin(), program);
    else
      arguments.insert(arguments.begin(), {"start", "/wait", "/unix", program});
    return CommandThrough(lookup, "wine", std::move(arguments));
  }
  std::optional<std::string> program;
  if (file.find('/') != std::string::npos ? lookup.isExecutable(file) : lookup.isExecutable("./" + file))
    program = file.find('/') != std::string::npos ? file : "./" + file;
  else if (file.find('/') == std::string::npos)
    program = lookup.findOnPath(file);
  if (program) {
    arguments.insert(arguments.begin(), *program);
    return arguments;
  }
  return CommandThrough(lookup, "xdg-open", {file});
}

bool RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait,
                const TProgramLookup& lookup) {
  (void)maximised;
  if (file.empty()) return false;
  const std::string expanded = ExpandMacros(file);
  const std::string path = HasUrlScheme(expanded) ? expanded : ToLinuxPath(expanded);
  std::optional<std::vector<std::string>> command = LaunchCommand(path, ExpandMacros(parameters), lookup);
  if (!command) return false;
  // Everything the child needs is prepared before fork: after it, only exec and _exit.
  std::vector<char*> argv;
  for (std::string& argument : *command) argv.push_back(argument.data());
  argv.push_back(nullptr);

  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    if (!wait) {
      // Detach: the grandchild runs the program and is adopted by init when this child ends.
      const pid_t grandchild = fork();
      if (grandchild != 0) _exit(grandchild < 0 ? 127 : 0);
    }
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // Without wait the status is the detaching child's: 0 once the grandchild was forked.
  return wait || (WIFEXITED(status) && WEXITSTATUS(status) == 0);
}
