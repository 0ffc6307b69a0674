#include "actions/launch.h"

#include "actions/child_process.h"
#include "actions/default_application.h"
#include "actions/folder_entry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
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
      if (std::optional<fs::path> entry = EntryNameIgnoringCase(folder, name); entry && runnable(folder + "/" + entry->string()))
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
    const std::optional<fs::path> match = EntryNameIgnoringCase(folder, part->string());
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

namespace {

// The program file names: the file itself when it is executable (a bare name: in the current
// folder), else the program a bare name stands for on PATH.
std::optional<std::string> ExecutableOf(const std::string& file, const TProgramLookup& lookup) {
  const bool bare = file.find('/') == std::string::npos;
  const std::string inPlace = bare ? "./" + file : file;
  if (lookup.isExecutable(inPlace)) return inPlace;
  return bare ? lookup.findOnPath(file) : std::nullopt;
}

// Runs command detached, so it leaves nothing to reap; whether its process was forked.
bool StartDetachedChild(std::vector<std::string> command) {
  const TExecArguments arguments(std::move(command));
  const pid_t intermediate = StartDetached([&arguments] { ExecOrExit(arguments); });
  return intermediate > 0 && ExitedCleanly(WaitForExit(intermediate));
}

// The stored file (macros expanded): an address as it is, else its Linux path.
std::string TargetOf(const std::string& file) { return HasUrlScheme(file) ? file : ToLinuxPath(file); }

}  // namespace

bool OpensThroughDesktop(const std::string& file, const TProgramLookup& lookup) {
  return HasUrlScheme(file) || (!IsWindowsProgramExtension(UpperExtension(file)) && !ExecutableOf(file, lookup));
}

std::optional<std::vector<std::string>> LaunchCommand(const std::string& file, const std::string& parameters,
                                                      const TProgramLookup& lookup) {
  if (file.empty()) return std::nullopt;
  if (OpensThroughDesktop(file, lookup)) return CommandThrough(lookup, "xdg-open", {file});
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
  arguments.insert(arguments.begin(), *ExecutableOf(file, lookup));
  return arguments;
}

std::optional<pid_t> StartToWaitFor(const std::string& file, const std::string& parameters,
                                    const TProgramLookup& lookup) {
  if (file.empty()) return std::nullopt;
  const std::string target = TargetOf(file);
  if (OpensThroughDesktop(target, lookup)) {
    using K = TDefaultApplicationStart::TOutcome;
    const TDefaultApplicationStart started = StartDefaultApplication(target);
    if (started.outcome == K::Started) return started.process;
    if (started.outcome != K::NoDefault) return std::nullopt;
  }
  std::optional<std::vector<std::string>> command = LaunchCommand(target, parameters, lookup);
  if (!command) return std::nullopt;
  const pid_t child = StartChild(TExecArguments(std::move(*command)));
  return child < 0 ? std::nullopt : std::optional<pid_t>(child);
}

bool RunAndWait(const std::string& file, const std::string& parameters, bool maximised, bool wait,
                const TProgramLookup& lookup) {
  (void)maximised;
  if (wait) {
    const std::optional<pid_t> process = StartToWaitFor(file, parameters, lookup);
    if (process) WaitForExit(*process);
    return process.has_value();
  }
  if (file.empty()) return false;
  std::optional<std::vector<std::string>> command = LaunchCommand(TargetOf(file), parameters, lookup);
  return command && StartDetachedChild(std::move(*command));
}
