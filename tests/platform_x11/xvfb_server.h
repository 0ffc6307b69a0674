#pragma once
// A private X server (Xvfb) for tests: started on a free display number, stopped by the
// destructor.

#include <sys/types.h>

#include <memory>
#include <string>

class TXvfbServer {
 public:
  // Starts "Xvfb -displayfd FD -screen 0 1024x768x24 -nolisten tcp" on a display number the
  // server finds free, and waits until it takes connections and its socket is there. Null when
  // Xvfb is not installed or did not come up; why goes to *reason.
  static std::unique_ptr<TXvfbServer> Start(std::string* reason);
  ~TXvfbServer();
  TXvfbServer(const TXvfbServer&) = delete;
  TXvfbServer& operator=(const TXvfbServer&) = delete;

  // ":N"
  const std::string& Display() const { return m_display; }

 private:
  TXvfbServer(pid_t pid, std::string display) : m_pid(pid), m_display(std::move(display)) {}
  pid_t m_pid;
  std::string m_display;
};
