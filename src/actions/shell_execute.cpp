#include "actions/shell_execute.h"

#include "actions/child_process.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
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

// Reads the reports of an intermediate child that has ended: an exec failure comes before the
// exit it causes.
int ResultOfReports(int descriptor) {
  int result = kShellSuccess;
  TReport received{};
  bool execFailed = false;
  while (true) {
    const ssize_t n = read(descriptor, &received, sizeof received);
    if (n < 0 && errno == EINTR) continue;
    if (n != static_cast<ssize_t>(sizeof received)) break;
    if (received.kind == TReportKind::ExecFailed) {
      result = ResultOfExecError(received.value);
      execFailed = true;
    } else if (!execFailed && received.value != 0) {
      result = received.value == kFileNotFound ? kFileNotFound : kNoAssociation;
    }
  }
  return result;
}

// Starts command detached in directory (empty: the current one). The intermediate child waits
// up to waitMs for the program's exit (0: not at all), reports and ends; the program is then
// adopted by init. Without waitMs the answer is read at once (the program's exec is all there is
// to wait for); else it is still to come.
TShellAnswer StartReporting(std::vector<std::string> command, const std::string& directory, int waitMs) {
  const TExecArguments arguments(std::move(command));
  int report[2];
  if (pipe2(report, O_CLOEXEC) < 0) return TShellAnswer(kOutOfMemory);

  const auto program = [&] {
    if (!directory.empty() && chdir(directory.c_str()) < 0) {
      // A folder that cannot be entered leaves the program in the player's folder.
    }
    execv(arguments.Argv()[0], arguments.Argv());
    const TReport failed{TReportKind::ExecFailed, errno};
    (void)!write(report[1], &failed, sizeof failed);
  };
  const auto watchProgram = [&](pid_t started) {
    if (started < 0) return 1;
    for (int waited = 0; waited <= waitMs; waited += 10) {
      int status = 0;
      if (waitpid(started, &status, WNOHANG) == started) {
        const TReport exited{TReportKind::Exited, WIFEXITED(status) ? WEXITSTATUS(status) : 128};
        (void)!write(report[1], &exited, sizeof exited);
        break;
      }
      if (waitMs == 0) break;
      SleepMs(10);
    }
    return 0;
  };
  const pid_t intermediate = StartDetached(program, watchProgram);
  close(report[1]);
  if (intermediate < 0) {
    close(report[0]);
    return TShellAnswer(kOutOfMemory);
  }
  TShellAnswer answer(report[0], intermediate);
  if (waitMs == 0) answer = TShellAnswer(answer.Result());
  return answer;
}

bool IsWindowsExecutable(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  char magic[2] = {};
  return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

TShellAnswer OpenWithXdg(const std::string& target, const TProgramLookup& lookup) {
  std::optional<std::vector<std::string>> command = CommandThrough(lookup, "xdg-open", {target});
  return command ? StartReporting(std::move(*command), {}, kXdgOpenWaitMs) : TShellAnswer(kNoAssociation);
}

// The request's directory as a Linux path; empty: the player's current folder.
std::string DirectoryOf(const TShellRequest& request) {
  return request.directory.empty() ? std::string() : ToLinuxPath(request.directory);
}

// Starts the Windows program (a path, or a bare name wine looks for) through wine: .exe and .com
// directly, .bat and .msi through wine's start; 31 without wine.
TShellAnswer StartThroughWine(const std::string& program, const TShellRequest& request, const TProgramLookup& lookup) {
  std::vector<std::string> arguments = SplitParameters(request.parameters);
  const std::string extension = UpperExtension(program);
  if (extension == ".EXE" || extension == ".COM")
    arguments.insert(arguments.begin(), program);
  else
    arguments.insert(arguments.begin(), {"start", "/unix", program});
  std::optional<std::vector<std::string>> command = CommandThrough(lookup, "wine", std::move(arguments));
  return command ? StartReporting(std::move(*command), DirectoryOf(request), 0) : TShellAnswer(kNoAssociation);
}

}  // namespace

TShellAnswer::TShellAnswer(TShellAnswer&& other) noexcept
    : m_result(other.m_result), m_descriptor(other.m_descriptor), m_intermediate(other.m_intermediate) {
  other.m_descriptor = -1;
}

TShellAnswer& TShellAnswer::operator=(TShellAnswer&& other) noexcept {
  if (this != &other) {
    GiveUp();
    m_result = other.m_result;
    m_descriptor = other.m_descriptor;
    m_intermediate = other.m_intermediate;
    other.m_descriptor = -1;
  }
  return *this;
}

TShellAnswer::~TShellAnswer() { GiveUp(); }

void TShellAnswer::GiveUp() {
  if (Ready()) return;
  close(m_descriptor);
  m_descriptor = -1;
  waitpid(m_intermediate, nullptr, WNOHANG);
}

int TShellAnswer::Result() {
  if (Ready()) return m_result;
  // An intermediate that failed could not fork the program.
  m_result = ExitedCleanly(WaitForExit(m_intermediate)) ? ResultOfReports(m_descriptor) : kOutOfMemory;
  close(m_descriptor);
  m_descriptor = -1;
  return m_result;
}

int ShellExecuteOnLinux(const TShellRequest& request, const TProgramLookup& lookup) {
  return StartShellExecute(request, lookup).Result();
}

TShellAnswer StartShellExecute(const TShellRequest& request, const TProgramLookup& lookup) {
  if (request.file.empty()) return TShellAnswer(kFileNotFound);
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
  if (!fs::exists(status)) return TShellAnswer(kFileNotFound);
  if (access(path.c_str(), R_OK) != 0) return TShellAnswer(kAccessDenied);
  if (fs::is_directory(status)) return OpenWithXdg(path, lookup);

  if (IsWindowsProgramExtension(extension)) {
    if (extension == ".EXE" && !IsWindowsExecutable(path)) return TShellAnswer(kInvalidExecutable);
    return StartThroughWine(path, request, lookup);
  }
  if (lookup.isExecutable(path)) {
    std::vector<std::string> arguments = SplitParameters(request.parameters);
    arguments.insert(arguments.begin(), path);
    return StartReporting(std::move(arguments), DirectoryOf(request), 0);
  }
  return OpenWithXdg(path, lookup);
}
