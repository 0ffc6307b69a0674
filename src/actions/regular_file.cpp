#include "actions/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::vector<uint8_t>> ReadRegularFile(const std::string& path, uint64_t maxBytes) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  std::optional<std::vector<uint8_t>> bytes;
  struct stat status {};
  if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && static_cast<uint64_t>(status.st_size) <= maxBytes) {
    std::vector<uint8_t> read(static_cast<size_t>(status.st_size));
    size_t done = 0;
    while (done < read.size()) {
      const ssize_t got = ::read(fd, read.data() + done, read.size() - done);
      if (got <= 0) break;
      done += static_cast<size_t>(got);
    }
    if (done == read.size()) bytes = std::move(read);
  }
  close(fd);
  return bytes;
}

bool IsReadableRegularFile(const std::string& path) {
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return false;
  struct stat status {};
  const bool regular = fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  close(fd);
  return regular;
}
