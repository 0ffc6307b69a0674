#include "actions/shell_execute.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

constexpr int kFileNotFound = 2;
constexpr int kAccessDenied = 5;
constexpr int kOutOfMemory = 8;
constexpr int kInvalidExecutable = 11;
constexpr int kNoAssociation = 31;

// What the started process told through the report pipe.
enum class TReportKind : char { ExecFailed = 'E', Exited = 'X' };
struct TReport {
  TReportKind kind;
  int value;  // errno of the failed exec, or the exit status
};

int ResultOfExecError(int error) {
  switch (error) {
    case ENOENT: case ENOTDIR: return kFileNotFound;
    case ENOEXEC: return kInvalidExecutable;
    case ENOMEM: case E2BIG: case EAGAIN: return kOutOfMemory;
    default: return kAccessDenied;
  }
}

void SleepMs(long ms) {
  timespec pause{ms / 1000, (ms % 1000) * 1000000};
  while (nanosleep(&pause, &pause) < 0 && errno == EINTR) {
  }
}

// Starts argv detached in directory (empty: the current one). The intermediate child starts
// the program, waits up to waitMs for its exit (0: not at all) and ends; the program is then
// adopted by init. Only async-signal-safe calls run after fork.
int StartDetached(std::vector<std::string> argvStrings, const std::string& directory, int waitMs) {
  std::vector<char*> argv;
  for (std::string& argument : argvStrings) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int report[2];
  if (pipe2(report, O_CLOEXEC) < 0) return kOutOfMemory;

  const pid_t intermediate = fork();
  if (intermediate < 0) {
    close(report[0]);
    close(report[1]);
    return kOutOfMemory;
  }
  if (intermediate == 0) {
    close(report[0]);
    const pid_t program = fork();
    if (program == 0) {
      if (!directory.empty() && chdir(directory.c_str()) < 0) {
        // A folder that cannot be entered leaves the program in the player's folder.
      }
      execv(argv[0], argv.data());
      const TReport failed{TReportKind::ExecFailed, errno};
      (void)!write(report[1], &failed, sizeof failed);
      _exit(127);
    }
    if (program > 0) {
      for (int waited = 0; waited <= waitMs; waited += 10) {
        int status = 0;
        if (waitpid(program, &status, WNOHANG) == program) {
          const TReport exited{TReportKind::Exited, WIFEXITED(status) ? WEXITSTATUS(status) : 128};
          (void)!write(report[1], &exited, sizeof exited);
          break;
        }
        if (waitMs == 0) break;
        SleepMs(10);
      }
    }
    _exit(program < 0 ? 1 : 0);
  }

  close(report[1]);
  int status = 0;
  while (waitpid(intermediate, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    close(report[0]);
    return kOutOfMemory;  // the program could not be forked
  }
  // Reads every report: an exec failure comes before the exit it causes.
  int result = kShellSuccess;
  TReport received{};
  bool execFailed = false;
  while (true) {
    const ssize_t n = read(report[0], &received, sizeof received);
    if (n < 0 && errno == EINTR) continue;
    if (n != static_cast<ssize_t>(sizeof received)) break;
    if (received.kind == TReportKind::ExecFailed) {
      result = ResultOfExecError(received.value);
      execFailed = true;
    } else if (!execFailed && received.value != 0) {
      result = received.value == kFileNotFound ? kFileNotFound : kNoAssociation;
    }
  }
  close(report[0]);
  return result;
}

bool IsWindowsExecutable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

int OpenWithXdg(const std::string& target, const TProgramLookup& lookup) {
  std::optional<std::vector<std::string>> command = CommandThrough(lookup, "xdg-open", {target});
  return command ? StartDetached(std::move(*command), {}, kXdgOpenWaitMs) : kNoAssociation;
}

// The request's directory as a Linux path; empty: the player's current folder.
std::string DirectoryOf(const TShellRequest& request) {
  return request.directory.empty() ? std::string() : ToLinuxPath(request.directory);
}

// Starts the Windows program (a path, or a bare name wine looks for) through wine: .exe and .com
// directly, .bat and .msi through wine's start; 31 without wine.
int StartThroughWine(const std::string& program, const TShellRequest& request, const TProgramLookup& lookup) {
  std::vector<std::string> arguments = SplitParameters(request.parameters);
  const std::string extension = UpperExtension(program);
  if (extension == ".EXE" || extension == ".COM")
    arguments.insert(arguments.begin(), program);
  else
    arguments.insert(arguments.begin(), {"start", "/unix", program});
  std::optional<std::vector<std::string>> command = CommandThrough(lookup, "wine", std::move(arguments));
  return command ? StartDetached(std::move(*command), DirectoryOf(request), 0) : kNoAssociation;
}

}  // namespace

int ShellExecuteOnLinux(const TShellRequest& request, const TProgramLookup& lookup) {
  if (request.file.empty()) return kFileNotFound;
  if (HasUrlScheme(request.file)) return OpenWithXdg(request.file, lookup);

  std::error_code ec;
  // Absolute, so the program is still found after moving into its directory.
  std::string path = fs::absolute(ToLinuxPath(request.file), ec).string();
  const std::string extension = UpperExtension(path);
  const bool windowsProgram = extension == ".EXE" || extension == ".COM";
  if (IsBareName(request.file) && !fs::exists(path, ec)) {
    // A program named without a folder is searched for along PATH, as the Windows shell searches
    // its path; a Windows program found nowhere is left to wine, which searches the Windows path.
    if (std::optional<std::string> found = lookup.findOnPath(request.file))
      path = *found;
    else if (windowsProgram)
      return StartThroughWine(request.file, request, lookup);
  }
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) return kFileNotFound;
  if (access(path.c_str(), R_OK) != 0) return kAccessDenied;
  if (fs::is_directory(status)) return OpenWithXdg(path, lookup);

  if (IsWindowsProgramExtension(extension)) {
    if (extension == ".EXE" && !IsWindowsExecutable(path)) return kInvalidExecutable;
    return StartThroughWine(path, request, lookup);
  }
  if (lookup.isExecutable(path)) {
    std::vector<std::string> arguments = SplitParameters(request.parameters);
    arguments.insert(arguments.begin(), path);
    return StartDetached(std::move(arguments), DirectoryOf(request), 0);
  }
  return OpenWithXdg(path, lookup);
}
