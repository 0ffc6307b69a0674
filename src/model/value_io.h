#pragma once
// Value type codes of the component stream and the two small interfaces through which the
// model's own stored forms (string lists, binary payloads, design positions) read and write
// values without knowing the stream's byte layout.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/byte_block.h"

enum class TValueType : uint8_t {
  vaNull = 0,
  vaList = 1,
  vaInt8 = 2,
  vaInt16 = 3,
  vaInt32 = 4,
  vaExtended = 5,
  vaString = 6,
  vaIdent = 7,
  vaFalse = 8,
  vaTrue = 9,
  vaBinary = 10,
  vaSet = 11,
  vaLString = 12,
  vaNil = 13,
  vaCollection = 14,
  vaSingle = 15,
  vaCurrency = 16,
  vaDate = 17,
  vaWString = 18,
  vaInt64 = 19,
  vaUTF8String = 20,
};
inline constexpr uint8_t kMaxValueType = 20;

// Reads values from a component stream. Every method throws EReadError: "Invalid property value"
// when the next value has the wrong type, "Stream read error" when the input ends.
class TValueReader {
 public:
  virtual ~TValueReader() = default;
  virtual TValueType NextValue() = 0;  // peeks at the next type code
  virtual int64_t ReadInteger() = 0;   // codes 2, 3, 4 and 19
  virtual bool ReadBoolean() = 0;      // codes 8 and 9
  virtual std::string ReadString() = 0;  // codes 6, 12, 18, 20, as UTF-8
  // Reads the code (10) and the 4-byte length of a binary value. Exactly that many bytes
  // follow; take them with ReadExact, ReadBlock and SkipBytes (TBinaryValue does the counting).
  virtual uint64_t ReadBinaryLength() = 0;
  virtual void ReadExact(uint8_t* dst, size_t count) = 0;
  // The next count bytes as stored. A count beyond what the input can still hold fails
  // without allocating it.
  virtual TByteBlock ReadBlock(uint64_t count) = 0;
  virtual void SkipBytes(uint64_t count) = 0;
  virtual void ReadListBegin() = 0;    // code 1
  virtual bool EndOfList() = 0;        // true when the next byte is the end-of-list code
  virtual void ReadListEnd() = 0;
  virtual void SkipValue() = 0;
};

// One binary value, read in parts so each part goes straight to where it is kept. Reading past
// its length throws EReadError("Stream read error"). The owner must call SkipRest (or read to
// the end) before the reader moves on to the next value.
class TBinaryValue {
 public:
  explicit TBinaryValue(TValueReader& reader) : m_reader(reader), m_leftBytes(reader.ReadBinaryLength()) {}
  TBinaryValue(const TBinaryValue&) = delete;
  TBinaryValue& operator=(const TBinaryValue&) = delete;

  uint64_t LeftBytes() const { return m_leftBytes; }
  uint8_t ReadByte();
  uint32_t ReadUint32();  // little-endian
  TByteBlock ReadBytes(uint64_t count);
  TByteBlock ReadRest() { return ReadBytes(m_leftBytes); }
  void SkipRest();

 private:
  void Take(uint64_t count);  // counts count bytes off, failing when fewer are left

  TValueReader& m_reader;
  uint64_t m_leftBytes;
};

// Writes values in the smallest form that holds them.
class TValueWriter {
 public:
  virtual ~TValueWriter() = default;
  virtual void WriteInteger(int64_t value) = 0;
  virtual void WriteBoolean(bool value) = 0;
  virtual void WriteString(const std::string& utf8) = 0;
  virtual void WriteBinary(std::span<const uint8_t> bytes) = 0;
  virtual void WriteListBegin() = 0;
  virtual void WriteListEnd() = 0;
};
