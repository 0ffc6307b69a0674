#include "document/container.h"

#include <zlib.h>

#include <cstring>
#include <stdexcept>

#include "model/control.h"
#include "model/read_error.h"
#include "document/byte_source.h"

namespace {

uint32_t Uint32At(std::span<const uint8_t> data, size_t pos) {
  return data[pos] | (data[pos + 1] << 8) | (data[pos + 2] << 16) | (static_cast<uint32_t>(data[pos + 3]) << 24);
}

void AppendUint32(std::vector<uint8_t>& out, uint32_t value) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// The document's stored form replaces whatever built the root before it.
void ClearCaption(TComponent& root) {
  if (auto* control = As<TControl>(&root)) control->SetCaption({});
  root.ForgetStoredPaths();
}

}  // namespace

TContainerResult ReadDocumentContainer(std::span<const uint8_t> data, TComponent& root,
                                       const TClassRegistry& registry, const TReadOptions& options,
                                       TClientSize& clientSize) {
  if (data.size() < kContainerMagic.size() ||
      std::memcmp(data.data(), kContainerMagic.data(), kContainerMagic.size()) != 0)
    return TContainerResult::NoDocument;
  size_t pos = kContainerMagic.size();
  auto need = [&](size_t count) {
    if (data.size() - pos < count) throw EReadError(kStreamReadError, pos);
  };

  need(2);
  if ((data[pos] | (data[pos + 1] << 8)) == kBlockMarker) {
    pos += 2;
    need(16);
    pos += 16;  // the builder's opaque block
  }

  need(4);
  if (Uint32At(data, pos) == kCompressionMarker) {
    pos += 4;
    need(4);
    uint32_t compressedBytes = Uint32At(data, pos);
    pos += 4;
    need(compressedBytes);
    ClearCaption(root);
    TInflateSource source(data.subspan(pos, compressedBytes));
    TStreamInput input(source);
    ReadRootComponent(input, root, registry, options);
    source.Finish();
    pos += compressedBytes;
  } else {
    ClearCaption(root);
    TMemorySource source(data.subspan(pos));
    TStreamInput input(source);
    ReadRootComponent(input, root, registry, options);
    pos += input.Position();
  }

  if (pos < data.size()) {
    need(4);
    uint32_t word = Uint32At(data, pos);
    clientSize.width = static_cast<uint16_t>(word & 0xFFFF);
    clientSize.height = static_cast<uint16_t>(word >> 16);
  }
  return TContainerResult::Loaded;
}

std::optional<TTrailer> ReadTrailer(std::span<const uint8_t, kTrailerBytes> trailer, uint64_t fileSizeBytes) {
  const std::string_view tag(reinterpret_cast<const char*>(trailer.data() + 4), 10);
  const uint64_t locator = Uint32At(trailer, 0);
  if (tag == kTagNewSaFlag) {
    if (locator > fileSizeBytes) return TTrailer{};
    return TTrailer{fileSizeBytes - locator};
  }
  if (tag == kTagStandalone) {
    if (locator >= fileSizeBytes) return TTrailer{};
    return TTrailer{locator};
  }
  return std::nullopt;
}

std::optional<uint64_t> FindAppendedContainer(std::span<const uint8_t> file) {
  if (file.size() < kTrailerBytes) return std::nullopt;
  const std::optional<TTrailer> trailer = ReadTrailer(file.last<kTrailerBytes>(), file.size());
  return trailer ? trailer->containerOffset : std::nullopt;
}

std::vector<uint8_t> WriteDocumentContainer(std::span<const uint8_t> stream, const TContainerOptions& options) {
  std::vector<uint8_t> out(kContainerMagic.begin(), kContainerMagic.end());
  if (options.blockMarker) {
    // The marker, then the builder's 16-byte block, here zeros.
    out.resize(out.size() + 2 + 16);
    out[kContainerMagic.size()] = static_cast<uint8_t>(kBlockMarker & 0xFF);
    out[kContainerMagic.size() + 1] = static_cast<uint8_t>(kBlockMarker >> 8);
  }
  if (options.compress) {
    uLongf bound = compressBound(static_cast<uLong>(stream.size()));
    std::vector<uint8_t> compressed(bound);
    if (compress2(compressed.data(), &bound, stream.data(), static_cast<uLong>(stream.size()), Z_DEFAULT_COMPRESSION) !=
        Z_OK)
      throw std::runtime_error("compression failed");
    compressed.resize(bound);
    AppendUint32(out, kCompressionMarker);
    AppendUint32(out, static_cast<uint32_t>(compressed.size()));
    out.insert(out.end(), compressed.begin(), compressed.end());
  } else {
    out.insert(out.end(), stream.begin(), stream.end());
  }
  if (options.clientSize) AppendUint32(out, options.clientSize->width | (options.clientSize->height << 16));
  return out;
}

std::vector<uint8_t> AppendContainer(std::span<const uint8_t> executable, std::span<const uint8_t> container,
                                     std::string_view tag) {
  if (tag != kTagNewSaFlag && tag != kTagStandalone) throw std::invalid_argument("unknown trailer tag");
  std::vector<uint8_t> out(executable.begin(), executable.end());
  const uint64_t start = out.size();
  out.insert(out.end(), container.begin(), container.end());
  uint64_t locator = tag == kTagNewSaFlag ? container.size() + 14 : start;
  AppendUint32(out, static_cast<uint32_t>(locator));
  out.insert(out.end(), tag.begin(), tag.end());
  return out;
}

namespace {

// Walks one component record without interpreting it.
void SkipComponentRecord(TStreamInput& input, int depth) {
  int64_t position = 0;
  input.ReadPrefix(position);
  input.ReadShortString();
  input.ReadShortString();
  while (!input.EndOfList()) {
    input.ReadShortString();
    input.SkipValue();
  }
  input.ReadByte();
  if (depth >= TStreamInput::kMaxComponentDepth) input.Fail(kInvalidStreamFormat);
  while (!input.EndOfList()) SkipComponentRecord(input, depth + 1);
  input.ReadByte();
}

}  // namespace

std::optional<TStoredStream> ExtractComponentStream(std::span<const uint8_t> data) {
  if (data.size() < kContainerMagic.size() ||
      std::memcmp(data.data(), kContainerMagic.data(), kContainerMagic.size()) != 0)
    return std::nullopt;
  TStoredStream stored;
  size_t pos = kContainerMagic.size();
  auto need = [&](size_t count) {
    if (data.size() - pos < count) throw EReadError(kStreamReadError, pos);
  };

  need(2);
  if ((data[pos] | (data[pos + 1] << 8)) == kBlockMarker) {
    stored.framing.blockMarker = true;
    pos += 2;
    need(16);
    pos += 16;
  }

  need(4);
  stored.framing.compress = Uint32At(data, pos) == kCompressionMarker;
  if (stored.framing.compress) {
    pos += 4;
    need(4);
    uint32_t compressedBytes = Uint32At(data, pos);
    pos += 4;
    need(compressedBytes);
    TInflateSource source(data.subspan(pos, compressedBytes));
    uint8_t piece[4096];
    while (size_t got = source.ReadSome(piece, sizeof piece)) stored.stream.insert(stored.stream.end(), piece, piece + got);
    source.Finish();
    pos += compressedBytes;
  } else {
    TMemorySource source(data.subspan(pos));
    TStreamInput input(source);
    input.ReadSignature();
    SkipComponentRecord(input, 0);
    stored.stream.assign(data.begin() + pos, data.begin() + pos + input.Position());
    pos += input.Position();
  }

  if (pos < data.size()) {
    need(4);
    uint32_t word = Uint32At(data, pos);
    stored.framing.clientSize = TClientSize{static_cast<uint16_t>(word & 0xFFFF), static_cast<uint16_t>(word >> 16)};
  }
  return stored;
}
