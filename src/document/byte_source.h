#pragma once
// Sources of component stream bytes: a memory block, or a zlib stream inflated from memory on
// demand. Readers pull through them, so nothing is inflated ahead of need and no allocation is
// sized from a count the input has not backed.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

class TByteSource {
 public:
  virtual ~TByteSource() = default;
  // Reads up to size bytes into dst and returns the count; 0 only at the end of the source.
  // Throws EReadError when the source's own data is corrupt.
  virtual size_t ReadSome(uint8_t* dst, size_t size) = 0;
  // Bytes left when the source knows it exactly.
  virtual std::optional<uint64_t> Remaining() const = 0;
  // The most bytes the source can still give, never less than it will: a count claiming more
  // can fail at once, before anything is allocated for it.
  virtual uint64_t MaxRemaining() const = 0;
  // Reads the rest of the source and checks its integrity (a zlib stream's checksum).
  virtual void Finish() {}
};

class TMemorySource : public TByteSource {
 public:
  explicit TMemorySource(std::span<const uint8_t> data) : m_data(data) {}
  size_t ReadSome(uint8_t* dst, size_t size) override;
  std::optional<uint64_t> Remaining() const override { return m_data.size() - m_pos; }
  uint64_t MaxRemaining() const override { return m_data.size() - m_pos; }
  size_t Position() const { return m_pos; }

 private:
  std::span<const uint8_t> m_data;
  size_t m_pos = 0;
};

// Inflates an RFC 1950 stream (2-byte header, deflate data, Adler-32) held in memory. Bad
// headers, bad data, bad checksums and a stream that ends early raise EReadError.
class TInflateSource : public TByteSource {
 public:
  explicit TInflateSource(std::span<const uint8_t> compressed);
  ~TInflateSource() override;
  size_t ReadSome(uint8_t* dst, size_t size) override;
  std::optional<uint64_t> Remaining() const override { return std::nullopt; }
  // Deflate expands its input at most 1032-fold; a match cut off by the last read may still
  // give up to 258 bytes.
  uint64_t MaxRemaining() const override;
  void Finish() override;

 private:
  struct TState;
  std::unique_ptr<TState> m_state;
};
