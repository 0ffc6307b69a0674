#include "actions/eject.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "actions/child_process.h"
#include "actions/launch.h"

namespace fs = std::filesystem;

namespace {

constexpr int kLockTries = 20;
constexpr long kLockRetryMs = 500;
constexpr long kAfterLockMs = 200;

// Mount table fields write blanks, tabs, newlines and backslashes as three octal digits.
std::string DecodeMountField(std::string_view field) {
  std::string decoded;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && field.size() - i > 3 && field[i + 1] >= '0' && field[i + 1] <= '3') {
      decoded += static_cast<char>((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      decoded += field[i];
    }
  }
  return decoded;
}

bool Contains(const std::string& mountPoint, const std::string& folder) {
  if (mountPoint == "/") return true;
  return folder == mountPoint || (folder.size() > mountPoint.size() && folder.compare(0, mountPoint.size(), mountPoint) == 0 &&
                                  folder[mountPoint.size()] == '/');
}

}  // namespace

std::optional<std::string> OpticalDriveOf(const std::string& folder, std::string_view mounts) {
  std::string bestDevice, bestType, bestPoint;
  std::istringstream lines{std::string(mounts)};
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string device, point, type;
    if (!(fields >> device >> point >> type)) continue;
    point = DecodeMountField(point);
    if (!Contains(point, folder) || point.size() < bestPoint.size()) continue;
    bestDevice = DecodeMountField(device), bestType = type, bestPoint = point;
  }
  if (bestPoint.empty()) return std::nullopt;
  const bool optical = bestDevice.rfind("/dev/sr", 0) == 0 || bestDevice.rfind("/dev/cdrom", 0) == 0 ||
                       bestType == "iso9660" || bestType == "udf";
  if (!optical) return std::nullopt;
  return bestDevice;
}

bool StartEjectHelper(const std::string& device, const std::string& lockPath) {
  const std::optional<std::string> eject = SystemProgramLookup().findOnPath("eject");
  if (!eject) return false;
  const TExecArguments command({*eject, device});
  // The helper is detached so the player never waits for it; it waits for the lock itself.
  const pid_t intermediate = StartDetached([&command, &lockPath] {
    setsid();
    bool free = lockPath.empty();
    for (int attempt = 0; !free && attempt <= kLockTries; ++attempt) {
      if (attempt > 0) SleepMs(kLockRetryMs);
      const int fd = open(lockPath.c_str(), O_RDONLY | O_CLOEXEC);
      if (fd < 0) {
        free = errno == ENOENT;  // the player removed its lock file
        continue;
      }
      free = flock(fd, LOCK_EX | LOCK_NB) == 0;
      close(fd);
    }
    if (!free) _exit(1);
    SleepMs(kAfterLockMs);
    ExecOrExit(command);
  });
  return intermediate > 0 && ExitedCleanly(WaitForExit(intermediate));
}

void EjectMediumOf(const std::string& folder, const std::string& lockPath) {
  std::ifstream in("/proc/self/mounts");
  std::stringstream mounts;
  mounts << in.rdbuf();
  std::error_code ec;
  const std::string canonical = fs::weakly_canonical(folder.empty() ? "/" : folder, ec).string();
  if (const std::optional<std::string> device = OpticalDriveOf(canonical, mounts.str()))
    StartEjectHelper(*device, lockPath);
}
