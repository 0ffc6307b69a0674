#pragma once
// Buffered reading of component stream values from a byte source: the primitives shared by the
// component reader (which sets properties through the class tables) and the text-form printer
// (which needs no tables). Every failure is an EReadError with the format's message and the
// offset within the stream.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/value_io.h"
#include "document/byte_source.h"

class TStreamInput : public TValueReader {
 public:
  explicit TStreamInput(TByteSource& source) : m_source(source) {}

  // Bytes consumed so far (the offset of the next unread byte).
  uint64_t Position() const { return m_consumed; }
  [[noreturn]] void Fail(const std::string& message) const;

  uint8_t ReadByte();
  uint8_t PeekByte();
  void ReadExact(uint8_t* dst, size_t count) override;
  // Reads count bytes into a block, without clearing it first. A count beyond what the source
  // can still give fails before any allocation. From a source that cannot say exactly (an
  // inflating one) the block grows with the data that really arrives, from at most
  // kFirstPieceBytes.
  TByteBlock ReadBlock(uint64_t count) override;
  void SkipBytes(uint64_t count) override;
  void ReadSignature();  // "TPF0", else "Invalid stream format"
  // A length byte and that many bytes, as they are (names, identifiers, set elements).
  std::string ReadShortString();
  TValueType ReadValueType();  // fails with "Invalid property value" on an unknown code
  // Reads the prefix of a component record; returns its flags (0 when absent) and the
  // child position when the flags carry one.
  uint8_t ReadPrefix(int64_t& childPosition);

  // Raw payloads of the value codes; each assumes the code byte was read.
  int64_t ReadIntegerPayload(TValueType type);  // codes 2, 3, 4, 19
  double ReadExtendedPayload();
  float ReadSinglePayload();
  int64_t ReadInt64Payload();
  double ReadDoublePayload();
  std::string ReadStringPayload(TValueType type);  // codes 6, 12, 18, 20 decoded to UTF-8
  std::string ReadIdentPayload(TValueType type);    // codes 7, 8, 9, 13, 0 as identifier text
  std::vector<std::string> ReadSetPayload();

  TValueType NextValue() override;
  int64_t ReadInteger() override;
  bool ReadBoolean() override;
  std::string ReadString() override;
  uint64_t ReadBinaryLength() override;
  void ReadListBegin() override;
  bool EndOfList() override;
  void ReadListEnd() override;
  void SkipValue() override;

  // Limits on nesting depth, so hostile input cannot exhaust the stack.
  static constexpr int kMaxValueDepth = 256;
  static constexpr int kMaxComponentDepth = 128;
  static constexpr uint64_t kFirstPieceBytes = 1 << 20;

 private:
  bool Fill();
  uint32_t ReadUint32();  // little-endian
  void SkipValue(int depth);

  TByteSource& m_source;
  std::array<uint8_t, 4096> m_buffer{};
  size_t m_bufPos = 0;
  size_t m_bufLen = 0;
  uint64_t m_consumed = 0;
};

// Converts an 80-bit extended value (10 bytes, little-endian) to the nearest double; exact when
// a double can hold the value.
double ExtendedToDouble(const uint8_t bytes[10]);
// Converts a double to its exact 80-bit extended form.
void DoubleToExtended(double value, uint8_t bytes[10]);
