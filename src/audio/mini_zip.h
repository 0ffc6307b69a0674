#pragma once
// TMiniZip: the small zip reader that zipped player skins (".wsz") are read with. It reads the
// archive's central directory and extracts entries, stored or deflated, into memory. It only
// reads: a user's skin is never opened for writing.
//
// Every header is checked against the archive's size before it is read, no count from the
// archive sizes an allocation, and an entry that declares more than kMaxEntryBytes, or whose
// deflated data inflates to more than it declares, is refused (a zip bomb stops at its declared
// size, not at the end of its output).

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TZipEntry {
  std::string name;  // as stored, "/" or "\" separated
  uint16_t method = 0;
  uint16_t time = 0, date = 0;  // DOS time and date
  uint32_t crc32 = 0;
  uint32_t compressedSize = 0;
  uint32_t uncompressedSize = 0;
  uint32_t localHeaderOffset = 0;
};

class TMiniZip {
 public:
  static constexpr uint32_t kMaxEntryBytes = 16u << 20;
  static constexpr uint64_t kMaxArchiveBytes = uint64_t{64} << 20;
  // Hears the reader's messages: "Wrong CRC, so file could be wrong" (the data are still used)
  // and "Error at ExtractToStream" (inflating stopped making progress).
  using TReport = std::function<void(const std::string&)>;

  // The archive in the regular file path (opened read-only, without waiting, at most
  // kMaxArchiveBytes), or in bytes; nothing when it cannot be read or its central directory
  // cannot be listed completely.
  static std::optional<TMiniZip> Open(const std::string& path, TReport report);
  static std::optional<TMiniZip> FromBytes(std::vector<uint8_t> bytes, TReport report);

  // The entries in directory order.
  const std::vector<TZipEntry>& Entries() const { return m_entries; }
  // The first entry, in directory order, named name ignoring ASCII letter case; null when none.
  const TZipEntry* Find(std::string_view name) const;
  // The entry's data; nothing when its headers are damaged, its method is not stored or
  // deflate, it declares more than kMaxEntryBytes or its data do not give exactly the size it
  // declares. A CRC-32 that differs from a non-zero stored one is reported, and the data used.
  std::optional<std::vector<uint8_t>> Extract(const TZipEntry& entry) const;

 private:
  TMiniZip(std::vector<uint8_t> bytes, TReport report) : m_bytes(std::move(bytes)), m_report(std::move(report)) {}
  bool List();
  void Report(const std::string& text) const {
    if (m_report) m_report(text);
  }

  std::vector<uint8_t> m_bytes;
  TReport m_report;
  std::vector<TZipEntry> m_entries;
};
