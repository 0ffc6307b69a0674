#pragma once
// Writing component stream values: the primitives shared by the component writer (through the
// class tables) and the text-form compiler (no tables).

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/value_io.h"

class TStreamOutput : public TValueWriter {
 public:
  explicit TStreamOutput(std::vector<uint8_t>& out) : m_out(out) {}

  void WriteSignature();
  // Prefix of a component record: nothing when flags is 0; the child position when given.
  void WritePrefix(uint8_t flags, std::optional<int64_t> childPosition);
  // A length byte and the bytes; throws std::length_error above 255 bytes.
  void WriteShortString(std::string_view bytes);
  void WriteValueType(TValueType type) { m_out.push_back(static_cast<uint8_t>(type)); }
  void WriteEnd() { m_out.push_back(0); }
  void WriteIdent(std::string_view name);  // code 7, or 8 / 9 / 13 / 0 for False, True, nil, Null
  void WriteSet(const std::vector<std::string>& names);
  void WriteExtended(double value);
  void WriteSingle(float value);
  void WriteCurrency(int64_t scaledBy10000);
  void WriteDate(double days);
  void WriteNil() { WriteValueType(TValueType::vaNil); }
  void WriteWideString(std::string_view utf8);  // code 18
  void WriteUtf8String(std::string_view utf8);  // code 20
  // Windows-1252 text as code 6 (up to 255 bytes) or 12; utf8 must fit Windows-1252.
  void WriteByteString(std::string_view utf8);

  void WriteInteger(int64_t value) override;  // smallest of codes 2, 3, 4, 19
  void WriteBoolean(bool value) override;
  // ASCII text as code 6 or 12, anything else as code 20.
  void WriteString(const std::string& utf8) override;
  void WriteBinary(std::span<const uint8_t> bytes) override;
  void WriteListBegin() override { WriteValueType(TValueType::vaList); }
  void WriteListEnd() override { WriteEnd(); }

 private:
  void WriteUint32(uint32_t value);
  void WriteUint64(uint64_t value);

  std::vector<uint8_t>& m_out;
};
