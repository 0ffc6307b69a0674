#include "audio/mini_zip.h"

#include <zlib.h>

#include <algorithm>

#include "actions/regular_file.h"

namespace {

constexpr uint32_t kEndSignature = 0x06054B50;
constexpr uint32_t kCentralSignature = 0x02014B50;
constexpr uint32_t kLocalSignature = 0x04034B50;
constexpr size_t kEndRecordBytes = 22;
constexpr size_t kCentralHeaderBytes = 46;
constexpr size_t kLocalHeaderBytes = 30;
// The end record is looked for 5 to 444 bytes before the end of the archive, nearest first.
constexpr size_t kEndSearchFrom = 5;
constexpr size_t kEndSearchTo = 444;
constexpr size_t kInputChunk = 8192;
constexpr size_t kOutputBlock = 64 * 1024;
constexpr int kMaxIdleInflates = 100;

uint16_t U16(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes[at] | bytes[at + 1] << 8);
}
uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint32_t>(bytes[at]) | static_cast<uint32_t>(bytes[at + 1]) << 8 |
         static_cast<uint32_t>(bytes[at + 2]) << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}
// Whether count bytes from at lie inside size, without overflow.
bool Fits(size_t size, uint64_t at, uint64_t count) { return at <= size && count <= size - at; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Raw deflate data inflated to exactly declared bytes; nothing when it gives more or fewer, is
// damaged, or stops making progress.
std::optional<std::vector<uint8_t>> Inflate(const uint8_t* data, size_t size, uint32_t declared,
                                            const std::function<void()>& stalled) {
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return std::nullopt;
  // One byte more than declared, so output beyond the declared size shows without being kept.
  std::vector<uint8_t> out(size_t{declared} + 1);
  size_t read = 0, produced = 0;
  int idle = 0;
  int result = Z_OK;
  while (result != Z_STREAM_END && produced <= declared) {
    if (stream.avail_in == 0 && read < size) {
      const size_t chunk = std::min(kInputChunk, size - read);
      stream.next_in = const_cast<uint8_t*>(data + read);
      stream.avail_in = static_cast<uInt>(chunk);
      read += chunk;
      idle = 0;
    }
    const size_t room = std::min(kOutputBlock, out.size() - produced);
    stream.next_out = out.data() + produced;
    stream.avail_out = static_cast<uInt>(room);
    result = inflate(&stream, Z_NO_FLUSH);
    const size_t made = room - stream.avail_out;
    produced += made;
    if (result != Z_OK && result != Z_STREAM_END && result != Z_BUF_ERROR) break;
    if (made == 0 && ++idle > kMaxIdleInflates) {
      stalled();
      break;
    }
  }
  inflateEnd(&stream);
  if (produced != declared) return std::nullopt;
  out.resize(declared);
  return out;
}

}  // namespace

std::optional<TMiniZip> TMiniZip::Open(const std::string& path, TReport report) {
  std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(path, kMaxArchiveBytes);
  if (!bytes) return std::nullopt;
  return FromBytes(std::move(*bytes), std::move(report));
}

std::optional<TMiniZip> TMiniZip::FromBytes(std::vector<uint8_t> bytes, TReport report) {
  TMiniZip zip(std::move(bytes), std::move(report));
  if (!zip.List()) return std::nullopt;
  return zip;
}

bool TMiniZip::List() {
  const size_t size = m_bytes.size();
  std::optional<size_t> end;
  for (size_t back = kEndSearchFrom; back <= kEndSearchTo && back <= size && !end; ++back) {
    const size_t at = size - back;
    if (Fits(size, at, kEndRecordBytes) && U32(m_bytes, at) == kEndSignature) end = at;
  }
  if (!end) return false;
  const uint16_t count = U16(m_bytes, *end + 8);
  size_t at = U32(m_bytes, *end + 16);
  for (uint16_t i = 0; i < count; ++i) {
    if (!Fits(size, at, kCentralHeaderBytes) || U32(m_bytes, at) != kCentralSignature) return false;
    const uint16_t nameLength = U16(m_bytes, at + 28);
    const uint64_t headerLength =
        uint64_t{kCentralHeaderBytes} + nameLength + U16(m_bytes, at + 30) + U16(m_bytes, at + 32);
    if (!Fits(size, at, headerLength)) return false;
    TZipEntry entry;
    entry.name.assign(reinterpret_cast<const char*>(m_bytes.data() + at + kCentralHeaderBytes), nameLength);
    entry.method = U16(m_bytes, at + 10);
    entry.time = U16(m_bytes, at + 12);
    entry.date = U16(m_bytes, at + 14);
    entry.crc32 = U32(m_bytes, at + 16);
    entry.compressedSize = U32(m_bytes, at + 20);
    entry.uncompressedSize = U32(m_bytes, at + 24);
    entry.localHeaderOffset = U32(m_bytes, at + 42);
    m_entries.push_back(std::move(entry));
    at += static_cast<size_t>(headerLength);
  }
  return true;
}

const TZipEntry* TMiniZip::Find(std::string_view name) const {
  for (const TZipEntry& entry : m_entries)
    if (std::equal(entry.name.begin(), entry.name.end(), name.begin(), name.end(),
                   [](char a, char b) { return LowerAscii(a) == LowerAscii(b); }))
      return &entry;
  return nullptr;
}

std::optional<std::vector<uint8_t>> TMiniZip::Extract(const TZipEntry& central) const {
  const size_t size = m_bytes.size();
  const size_t at = central.localHeaderOffset;
  if (!Fits(size, at, kLocalHeaderBytes) || U32(m_bytes, at) != kLocalSignature) return std::nullopt;
  // A field the local header leaves zero is taken from the central directory.
  const auto either = [](uint32_t local, uint32_t fromCentral) { return local != 0 ? local : fromCentral; };
  const auto method = static_cast<uint16_t>(either(U16(m_bytes, at + 8), central.method));
  const uint32_t crc = either(U32(m_bytes, at + 14), central.crc32);
  const uint32_t compressed = either(U32(m_bytes, at + 18), central.compressedSize);
  const uint32_t declared = either(U32(m_bytes, at + 22), central.uncompressedSize);
  if (declared == 0) return std::vector<uint8_t>();
  if (declared > kMaxEntryBytes) return std::nullopt;
  const uint64_t dataAt = uint64_t{at} + kLocalHeaderBytes + U16(m_bytes, at + 26) + U16(m_bytes, at + 28);
  if (!Fits(size, dataAt, compressed)) return std::nullopt;
  const uint8_t* data = m_bytes.data() + dataAt;

  std::optional<std::vector<uint8_t>> out;
  if (method == 0) {
    if (compressed == declared) out.emplace(data, data + compressed);
  } else {
    out = Inflate(data, compressed, declared, [this] { Report("Error at ExtractToStream"); });
  }
  if (!out) return std::nullopt;
  const auto computed = static_cast<uint32_t>(crc32(0, out->data(), static_cast<uInt>(out->size())));
  if (crc != 0 && crc != computed) Report("Wrong CRC, so file could be wrong");
  return out;
}
