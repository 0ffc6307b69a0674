#include "startup/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

std::optional<TFileReader> TFileReader::Open(const std::string& path) {
  // Non-blocking, so that a named pipe given as the document does not wait for a writer.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return std::nullopt;
  struct stat info {};
  int error = 0;
  if (fstat(fd, &info) != 0)
    error = errno;
  else if (S_ISDIR(info.st_mode))
    error = EISDIR;
  else if (!S_ISREG(info.st_mode))
    error = EINVAL;
  if (error) {
    close(fd);
    errno = error;
    return std::nullopt;
  }
  return TFileReader(fd, static_cast<uint64_t>(info.st_size));
}

TFileReader::TFileReader(TFileReader&& other) noexcept : m_fd(other.m_fd), m_sizeBytes(other.m_sizeBytes) {
  other.m_fd = -1;
}

TFileReader::~TFileReader() {
  if (m_fd >= 0) close(m_fd);
}

bool TFileReader::ReadAt(uint64_t offsetBytes, uint8_t* dst, size_t count) const {
  size_t done = 0;
  while (done < count) {
    const ssize_t got = pread(m_fd, dst + done, count - done, static_cast<off_t>(offsetBytes + done));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      if (got == 0) errno = EIO;  // the file ended early: it shrank since it was opened
      return false;
    }
    done += static_cast<size_t>(got);
  }
  return true;
}

std::optional<TByteBlock> TFileReader::ReadFrom(uint64_t offsetBytes) const {
  if (offsetBytes > m_sizeBytes) {
    errno = EINVAL;
    return std::nullopt;
  }
  TByteBlock bytes(static_cast<size_t>(m_sizeBytes - offsetBytes));
  if (!ReadAt(offsetBytes, bytes.data(), bytes.size())) return std::nullopt;
  return bytes;
}
