#pragma once
// Value type codes of the component stream and the two small interfaces through which the
// model's own stored forms (string lists, binary payloads, design positions) read and write
// values without knowing the stream's byte layout.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

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
  virtual std::vector<uint8_t> ReadBinary() = 0;  // code 10
  virtual void ReadListBegin() = 0;    // code 1
  virtual bool EndOfList() = 0;        // true when the next byte is the end-of-list code
  virtual void ReadListEnd() = 0;
  virtual void SkipValue() = 0;
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
