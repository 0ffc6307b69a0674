#include "player_process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

pid_t StartPlayer(const TPlayerLaunch& launch) {
  const fs::path runtime = launch.folder / "runtime";
  fs::create_directories(runtime);
  fs::permissions(runtime, fs::perms::owner_all);
  const std::string output = (launch.folder / "output.txt").string();
  std::vector<std::string> argv = {launch.program};
  argv.insert(argv.end(), launch.arguments.begin(), launch.arguments.end());
  std::vector<char*> pointers;
  for (std::string& a : argv) pointers.push_back(a.data());
  pointers.push_back(nullptr);
  const pid_t pid = fork();
  if (pid == 0) {
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 1);
    dup2(fd, 2);
    for (int number : launch.ignoredSignals) signal(number, SIG_IGN);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    for (const auto& [name, value] : launch.environment) setenv(name.c_str(), value.c_str(), 1);
    execv(pointers[0], pointers.data());
    _exit(127);
  }
  return pid;
}

namespace {

int ExitCode(int status) { return WIFEXITED(status) ? WEXITSTATUS(status) : -1; }

}  // namespace

int WaitForPlayer(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return ExitCode(status);
}

std::optional<int> WaitForPlayerFor(pid_t pid, int timeoutMs) {
  int status = 0;
  for (int waited = 0;; waited += 50) {
    if (waitpid(pid, &status, WNOHANG) == pid) return ExitCode(status);
    if (waited >= timeoutMs) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

std::string PlayerOutput(const fs::path& folder) {
  std::ifstream in(folder / "output.txt");
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Eventually(const std::function<bool()>& holds) {
  for (int i = 0; i < 600; ++i) {
    if (holds()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return holds();
}
