#include "startup/document_loader.h"

#include <cerrno>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <vector>

#include "model/read_error.h"
#include "startup/container.h"

namespace {

// Reads a regular file whole; nothing (with errno set) when it cannot be opened or read.
std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) {
    errno = EISDIR;
    return std::nullopt;
  }
  std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
  if (!file) return std::nullopt;
  std::vector<uint8_t> bytes;
  uint8_t chunk[65536];
  while (size_t got = std::fread(chunk, 1, sizeof chunk, file.get())) bytes.insert(bytes.end(), chunk, chunk + got);
  if (std::ferror(file.get())) return std::nullopt;
  return bytes;
}

bool StartsWithMagic(std::span<const uint8_t> bytes) {
  return bytes.size() >= kContainerMagic.size() &&
         std::memcmp(bytes.data(), kContainerMagic.data(), kContainerMagic.size()) == 0;
}

}  // namespace

TLoadResult LoadMenuDocument(const std::string& path, std::optional<uint64_t> containerOffset, TfrmMain& window,
                             const TClassRegistry& registry, const TReadOptions& options) {
  std::optional<std::vector<uint8_t>> file = ReadWholeFile(path);
  if (!file) return {TLoadStatus::FileMissing, path + ": " + std::strerror(errno)};
  std::span<const uint8_t> bytes(*file);
  if (!containerOffset) containerOffset = StartsWithMagic(bytes) ? std::optional<uint64_t>(0) : FindAppendedContainer(bytes);
  if (!containerOffset || *containerOffset > bytes.size())
    return {TLoadStatus::NoDocument, path + " holds no menu document"};

  TClientSize clientSize;
  try {
    if (ReadDocumentContainer(bytes.subspan(*containerOffset), window, registry, options, clientSize) ==
        TContainerResult::NoDocument)
      return {TLoadStatus::NoDocument, path + " holds no menu document"};
  } catch (const EReadError& e) {
    return {TLoadStatus::Failed, e.what()};
  }
  // The container's client size is applied after the whole tree, so it wins over the stream's.
  if (clientSize.width) window.SetClientWidth(clientSize.width);
  if (clientSize.height) window.SetClientHeight(clientSize.height);
  return {TLoadStatus::Loaded, {}};
}
