#include "startup/document_loader.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <variant>

#include "model/read_error.h"
#include "document/container.h"
#include "startup/file_reader.h"

namespace {

bool StartsWithMagic(const TFileReader& file) {
  uint8_t magic[kContainerMagic.size()];
  return file.ReadAt(0, magic, sizeof magic) && std::memcmp(magic, kContainerMagic.data(), sizeof magic) == 0;
}

}  // namespace

std::string CannotOpenMessage(const std::string& path, int error) {
  std::string reason = std::strerror(error);
  if (!reason.empty()) reason[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(reason[0])));
  return "cannot open \"" + path + "\": " + reason;
}

std::optional<TTrailer> FileTrailer(const TFileReader& file) {
  uint8_t trailer[kTrailerBytes];
  if (file.SizeBytes() < kTrailerBytes || !file.ReadAt(file.SizeBytes() - kTrailerBytes, trailer, kTrailerBytes))
    return std::nullopt;
  return ReadTrailer(std::span<const uint8_t, kTrailerBytes>(trailer), file.SizeBytes());
}

bool CarriesMenuDocument(const TFileReader& file) {
  if (StartsWithMagic(file)) return true;
  const std::optional<TTrailer> trailer = FileTrailer(file);
  return trailer && trailer->containerOffset;
}

namespace {

// The container's bytes in the file at path (see LoadMenuDocument), or why there are none.
std::variant<TByteBlock, TLoadResult> ReadContainerBytes(const std::string& path,
                                                         std::optional<uint64_t> containerOffset) {
  const std::optional<TFileReader> file = TFileReader::Open(path);
  if (!file) return TLoadResult{TLoadStatus::FileMissing, CannotOpenMessage(path, errno)};
  if (!containerOffset) {
    if (StartsWithMagic(*file)) {
      containerOffset = 0;
    } else if (const std::optional<TTrailer> trailer = FileTrailer(*file)) {
      if (!trailer->containerOffset)
        return TLoadResult{TLoadStatus::NoDocument, path + ": its trailer points outside the file"};
      containerOffset = trailer->containerOffset;
    }
  }
  if (!containerOffset || *containerOffset > file->SizeBytes())
    return TLoadResult{TLoadStatus::NoDocument, path + " holds no menu document"};

  // Only the container's bytes are read: an appended one lies behind the whole executable.
  std::optional<TByteBlock> bytes = file->ReadFrom(*containerOffset);
  if (!bytes) return TLoadResult{TLoadStatus::FileMissing, CannotOpenMessage(path, errno)};
  return std::move(*bytes);
}

}  // namespace

bool DocumentMentions(const std::string& path, std::optional<uint64_t> containerOffset, std::string_view text) {
  std::variant<TByteBlock, TLoadResult> bytes = ReadContainerBytes(path, containerOffset);
  if (!std::holds_alternative<TByteBlock>(bytes)) return false;
  try {
    const std::optional<TStoredStream> stored = ExtractComponentStream(std::get<TByteBlock>(bytes));
    return stored && std::search(stored->stream.begin(), stored->stream.end(), text.begin(), text.end()) !=
                         stored->stream.end();
  } catch (const EReadError&) {
    return false;
  }
}

TLoadResult LoadMenuDocument(const std::string& path, std::optional<uint64_t> containerOffset, TfrmMain& window,
                             const TClassRegistry& registry, const TReadOptions& options) {
  std::variant<TByteBlock, TLoadResult> read = ReadContainerBytes(path, containerOffset);
  if (const TLoadResult* failed = std::get_if<TLoadResult>(&read)) return *failed;
  const TByteBlock& bytes = std::get<TByteBlock>(read);
  TClientSize clientSize;
  try {
    if (ReadDocumentContainer(bytes, window, registry, options, clientSize) == TContainerResult::NoDocument)
      return {TLoadStatus::NoDocument, path + " holds no menu document"};
  } catch (const EReadError& e) {
    return {TLoadStatus::Failed, e.what()};
  }
  // The container's client size is applied after the whole tree, so it wins over the stream's.
  if (clientSize.width) window.SetClientWidth(clientSize.width);
  if (clientSize.height) window.SetClientHeight(clientSize.height);
  return {TLoadStatus::Loaded, {}};
}
