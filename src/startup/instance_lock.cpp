#include "startup/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

std::string InstanceLockName(const std::tm& localTime, int32_t random) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d%02d%02d%02d", localTime.tm_year + 1900, localTime.tm_mon + 1,
                localTime.tm_mday, localTime.tm_hour, localTime.tm_min, localTime.tm_sec);
  return std::string(stamp) + std::to_string(random);
}

std::string LockFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  struct stat info {};
  if (runtime && *runtime && stat(runtime, &info) == 0 && S_ISDIR(info.st_mode)) return runtime;
  return "/tmp";
}

std::string LockFilePath(const std::string& folder, const std::string& name) { return folder + "/" + name + ".lock"; }

std::optional<TInstanceLock> TInstanceLock::Create(const std::string& folder, std::function<int32_t()> random) {
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    std::string name = InstanceLockName(local, random());
    std::string path = LockFilePath(folder, name);
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) continue;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
      close(fd);
      unlink(path.c_str());
      continue;
    }
    return TInstanceLock(std::move(name), std::move(path), fd);
  }
  return std::nullopt;
}

TInstanceLock::TInstanceLock(TInstanceLock&& other) noexcept
    : m_name(std::move(other.m_name)), m_path(std::move(other.m_path)), m_fd(other.m_fd) {
  other.m_fd = -1;
}

TInstanceLock& TInstanceLock::operator=(TInstanceLock&& other) noexcept {
  if (this != &other) {
    Release();
    m_name = std::move(other.m_name);
    m_path = std::move(other.m_path);
    m_fd = other.m_fd;
    other.m_fd = -1;
  }
  return *this;
}

TInstanceLock::~TInstanceLock() { Release(); }

void TInstanceLock::Release() {
  if (m_fd < 0) return;
  // The file goes first, so a waiter that sees the lock released finds no stale file either.
  unlink(m_path.c_str());
  flock(m_fd, LOCK_UN);
  close(m_fd);
  m_fd = -1;
}
