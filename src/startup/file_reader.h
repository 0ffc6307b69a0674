#pragma once
// A regular file read by position: a document appended to a large executable is read without
// reading the executable, and a trailer without reading the file.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "model/byte_block.h"

class TFileReader {
 public:
  // Opens path for reading; nothing, with errno set, when it cannot be opened or is no regular
  // file (a folder gives EISDIR).
  static std::optional<TFileReader> Open(const std::string& path);
  TFileReader(TFileReader&& other) noexcept;
  TFileReader& operator=(TFileReader&&) = delete;
  TFileReader(const TFileReader&) = delete;
  ~TFileReader();

  // The size when the file was opened.
  uint64_t SizeBytes() const { return m_sizeBytes; }
  // Reads exactly count bytes at offsetBytes; false (errno set) when the file ends before them
  // or a read fails.
  bool ReadAt(uint64_t offsetBytes, uint8_t* dst, size_t count) const;
  // The bytes from offsetBytes to the size the file had when opened; nothing (errno set) when a
  // read fails or the file has shrunk. The block is never larger than the file.
  std::optional<TByteBlock> ReadFrom(uint64_t offsetBytes) const;

 private:
  TFileReader(int fd, uint64_t sizeBytes) : m_fd(fd), m_sizeBytes(sizeBytes) {}

  int m_fd;
  uint64_t m_sizeBytes;
};
