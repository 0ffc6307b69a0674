#include "xvfb_server.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <vector>

extern char** environ;

namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

std::string FindXvfb() {
  const char* path = std::getenv("PATH");
  std::istringstream folders(path ? path : "/usr/bin:/bin");
  for (std::string folder; std::getline(folders, folder, ':');) {
    const std::string candidate = folder + "/Xvfb";
    if (!folder.empty() && access(candidate.c_str(), X_OK) == 0) return candidate;
  }
  return {};
}

// Starts Xvfb, which picks a free display number itself and writes it to a pipe once it accepts
// connections (-displayfd): several test processes starting servers at once cannot take the
// same number. The pid, or -1.
pid_t Spawn(const std::string& xvfb, int displayFd, int readEnd) {
  std::vector<std::string> words = {xvfb, "-displayfd", std::to_string(displayFd), "-screen", "0",
                                    "1024x768x24", "-nolisten", "tcp"};
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclose(&actions, readEnd);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, xvfb.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return error == 0 ? pid : -1;
}

// The display number the server writes, or -1 when it ends or says nothing within 10 s.
int ReadDisplayNumber(int readEnd) {
  std::string text;
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (text.find('\n') == std::string::npos) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return -1;
    pollfd wait{readEnd, POLLIN, 0};
    if (poll(&wait, 1, static_cast<int>(left.count())) <= 0) return -1;
    char buffer[32];
    const ssize_t got = read(readEnd, buffer, sizeof buffer);
    if (got <= 0) return -1;
    text.append(buffer, static_cast<size_t>(got));
  }
  const int number = std::atoi(text.c_str());
  return number >= 0 && text[0] >= '0' && text[0] <= '9' ? number : -1;
}

}  // namespace

std::unique_ptr<TXvfbServer> TXvfbServer::Start(std::string* reason) {
  const std::string xvfb = FindXvfb();
  if (xvfb.empty()) {
    *reason = "Xvfb is not installed";
    return nullptr;
  }
  int ends[2];
  if (pipe(ends) != 0) {
    *reason = "no pipe for Xvfb";
    return nullptr;
  }
  const pid_t pid = Spawn(xvfb, ends[1], ends[0]);
  close(ends[1]);
  const int number = pid < 0 ? -1 : ReadDisplayNumber(ends[0]);
  close(ends[0]);
  if (number < 0 || !Exists("/tmp/.X11-unix/X" + std::to_string(number))) {
    if (pid >= 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    *reason = "Xvfb did not come up";
    return nullptr;
  }
  std::string display = ":";
  display += std::to_string(number);
  return std::unique_ptr<TXvfbServer>(new TXvfbServer(pid, display));
}

TXvfbServer::~TXvfbServer() {
  kill(m_pid, SIGTERM);
  waitpid(m_pid, nullptr, 0);
}
