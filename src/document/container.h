#pragma once
// The document container that frames a component stream: magic, optional 16-byte block,
// optional zlib compression, optional client-size word; and the 14-byte trailer by which an
// executable carries a container at its end.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "model/class_registry.h"
#include "model/component.h"
#include "document/component_reader.h"

inline constexpr std::string_view kContainerMagic = "KIVDataFile";
inline constexpr uint16_t kBlockMarker = 0x07BC;
inline constexpr uint32_t kCompressionMarker = 0x54568085;
inline constexpr std::string_view kTagNewSaFlag = "NEW-SAFLAG";   // locator: bytes from container to end
inline constexpr std::string_view kTagStandalone = "STANDALONE";  // locator: absolute offset

// The stored client size; 0 in a half means that half is not set.
struct TClientSize {
  uint16_t width = 0;
  uint16_t height = 0;
};

enum class TContainerResult { NoDocument, Loaded };

// Reads the container that starts at data[0] into root. A wrong magic is no document (root is
// untouched). Otherwise the root's caption is cleared and the stream read into it; any short
// read, inflate or checksum error, or stream error throws EReadError. clientSize receives the
// client-size word when one follows the stream.
TContainerResult ReadDocumentContainer(std::span<const uint8_t> data, TComponent& root,
                                       const TClassRegistry& registry, const TReadOptions& options,
                                       TClientSize& clientSize);

inline constexpr size_t kTrailerBytes = 14;  // the locator, then the tag

// What an executable's trailer says: the file carries a container, which starts at
// containerOffset; a locator that points outside the file leaves containerOffset empty, and the
// file then carries no container that can be read.
struct TTrailer {
  std::optional<uint64_t> containerOffset;
  friend bool operator==(const TTrailer&, const TTrailer&) = default;
};

// Reads the last kTrailerBytes bytes of a file of fileSizeBytes bytes; nothing when its last 10
// bytes are neither tag (matched exactly, in upper case).
std::optional<TTrailer> ReadTrailer(std::span<const uint8_t, kTrailerBytes> trailer, uint64_t fileSizeBytes);

// Offset of the container the trailer of a whole file points at; nothing when the file has no
// trailer or its locator points outside the file.
std::optional<uint64_t> FindAppendedContainer(std::span<const uint8_t> file);

struct TContainerOptions {
  bool compress = true;
  bool blockMarker = false;     // write the marker and 16 zero bytes
  std::optional<TClientSize> clientSize;
};

// Frames a component stream as a container.
std::vector<uint8_t> WriteDocumentContainer(std::span<const uint8_t> stream, const TContainerOptions& options);
// Appends container to executable with the trailer of the given tag.
std::vector<uint8_t> AppendContainer(std::span<const uint8_t> executable, std::span<const uint8_t> container,
                                     std::string_view tag);

// A container's component stream as stored, for tools that convert or inspect a document without
// building any objects.
struct TStoredStream {
  std::vector<uint8_t> stream;  // exactly the component stream, from its signature to its last byte
  TContainerOptions framing;    // how the container framed it (compression, block, client-size word)
};

// Reads the container that starts at data[0] as ReadDocumentContainer does, but returns the
// component stream (inflated when compressed) instead of reading it into a model. A wrong magic
// is nothing. A short read, an inflate or checksum error, or an uncompressed stream whose
// records do not parse (they are walked to find where it ends) throws EReadError.
std::optional<TStoredStream> ExtractComponentStream(std::span<const uint8_t> data);
