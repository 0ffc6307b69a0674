#include "actions/child_process.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>

namespace {
constexpr int kExecFailedStatus = 127;
}  // namespace

TExecArguments::TExecArguments(std::vector<std::string> command) : m_strings(std::move(command)) {
  for (std::string& argument : m_strings) m_pointers.push_back(argument.data());
  m_pointers.push_back(nullptr);
}

void SleepMs(long ms) {
  timespec pause{ms / 1000, (ms % 1000) * 1000000};
  while (nanosleep(&pause, &pause) < 0 && errno == EINTR) {
  }
}

int WaitForExit(pid_t child) {
  int status = 0;
  while (waitpid(child, &status, 0) < 0) {
    if (errno != EINTR) return 0;
  }
  return status;
}

bool ExitedCleanly(int status) { return WIFEXITED(status) && WEXITSTATUS(status) == 0; }

void ExecOrExit(const TExecArguments& command) {
  execv(command.Argv()[0], command.Argv());
  _exit(kExecFailedStatus);
}

pid_t StartChild(const TExecArguments& command) {
  const pid_t child = fork();
  if (child == 0) ExecOrExit(command);
  return child;
}

pid_t StartDetached(const std::function<void()>& program, const std::function<int(pid_t)>& intermediate) {
  const pid_t child = fork();
  if (child != 0) return child;
  const pid_t grandchild = fork();
  if (grandchild == 0) {
    program();
    _exit(kExecFailedStatus);
  }
  _exit(intermediate(grandchild));
}

pid_t StartDetached(const std::function<void()>& program) {
  return StartDetached(program, [](pid_t grandchild) { return grandchild < 0 ? kExecFailedStatus : 0; });
}
