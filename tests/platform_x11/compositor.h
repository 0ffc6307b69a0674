#pragma once
// A compositing manager (xcompmgr) on the test's X server for as long as the object lives, for
// the tests of the translucent window paths.

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

class TCompositor {
 public:
  TCompositor() {
    char name[] = "xcompmgr";
    char* argv[] = {name, nullptr};
    if (posix_spawnp(&m_pid, "xcompmgr", nullptr, nullptr, argv, environ) != 0) m_pid = -1;
  }
  ~TCompositor() {
    if (m_pid <= 0) return;
    kill(m_pid, SIGTERM);
    waitpid(m_pid, nullptr, 0);
  }
  TCompositor(const TCompositor&) = delete;
  TCompositor& operator=(const TCompositor&) = delete;
  bool Started() const { return m_pid > 0; }

 private:
  pid_t m_pid = -1;
};
