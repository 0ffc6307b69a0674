#pragma once
// The instance lock: a file held with flock from just before the menu shows until shutdown, so
// a helper started by the player (the disc eject) can wait until the player has ended. Its name
// is the local date and time "yyyymmddhhnnss" followed by a random 32-bit number in signed
// decimal; the file is that name with ".lock" in the runtime folder.

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <string>

// "yyyymmddhhnnss" of time followed by random in signed decimal.
std::string InstanceLockName(const std::tm& localTime, int32_t random);

// $XDG_RUNTIME_DIR when it is set to an existing folder, else /tmp.
std::string LockFolder();
// The lock file of a lock name.
std::string LockFilePath(const std::string& folder, const std::string& name);

class TInstanceLock {
 public:
  // Creates a new lock file in folder and holds it. The name is drawn again while the file
  // exists or cannot be created and locked, at most kAttempts times; nothing when every
  // attempt fails (the menu then runs without a lock).
  static std::optional<TInstanceLock> Create(const std::string& folder, std::function<int32_t()> random);
  static constexpr int kAttempts = 100;

  TInstanceLock(TInstanceLock&& other) noexcept;
  TInstanceLock& operator=(TInstanceLock&& other) noexcept;
  TInstanceLock(const TInstanceLock&) = delete;
  TInstanceLock& operator=(const TInstanceLock&) = delete;
  // Releases the lock and removes its file.
  ~TInstanceLock();

  const std::string& Name() const { return m_name; }
  const std::string& Path() const { return m_path; }

 private:
  TInstanceLock(std::string name, std::string path, int fd) : m_name(std::move(name)), m_path(std::move(path)), m_fd(fd) {}
  void Release();

  std::string m_name;
  std::string m_path;
  int m_fd = -1;
};
