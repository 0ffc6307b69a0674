#include "document/stream_output.h"

#include <bit>
#include <stdexcept>

#include "model/names.h"
#include "model/text_encoding.h"
#include "document/stream_input.h"

void TStreamOutput::WriteSignature() {
  for (char c : std::string_view("TPF0")) m_out.push_back(static_cast<uint8_t>(c));
}

void TStreamOutput::WritePrefix(uint8_t flags, std::optional<int64_t> childPosition) {
  if (childPosition) flags |= 0x02;
  if (flags == 0) return;
  m_out.push_back(static_cast<uint8_t>(0xF0 | flags));
  if (childPosition) WriteInteger(*childPosition);
}

void TStreamOutput::WriteShortString(std::string_view bytes) {
  if (bytes.size() > 255) throw std::length_error("name longer than 255 bytes: " + std::string(bytes.substr(0, 40)));
  m_out.push_back(static_cast<uint8_t>(bytes.size()));
  m_out.insert(m_out.end(), bytes.begin(), bytes.end());
}

void TStreamOutput::WriteIdent(std::string_view name) {
  if (SameText(name, "False")) return WriteValueType(TValueType::vaFalse);
  if (SameText(name, "True")) return WriteValueType(TValueType::vaTrue);
  if (SameText(name, "nil")) return WriteValueType(TValueType::vaNil);
  if (SameText(name, "Null")) return WriteValueType(TValueType::vaNull);
  WriteValueType(TValueType::vaIdent);
  WriteShortString(name);
}

void TStreamOutput::WriteSet(const std::vector<std::string>& names) {
  WriteValueType(TValueType::vaSet);
  for (const std::string& name : names) WriteShortString(name);
  WriteEnd();
}

void TStreamOutput::WriteExtended(double value) {
  WriteValueType(TValueType::vaExtended);
  uint8_t bytes[10];
  DoubleToExtended(value, bytes);
  m_out.insert(m_out.end(), bytes, bytes + 10);
}

void TStreamOutput::WriteSingle(float value) {
  WriteValueType(TValueType::vaSingle);
  WriteUint32(std::bit_cast<uint32_t>(value));
}

void TStreamOutput::WriteCurrency(int64_t scaledBy10000) {
  WriteValueType(TValueType::vaCurrency);
  WriteUint64(static_cast<uint64_t>(scaledBy10000));
}

void TStreamOutput::WriteDate(double days) {
  WriteValueType(TValueType::vaDate);
  WriteUint64(std::bit_cast<uint64_t>(days));
}

void TStreamOutput::WriteWideString(std::string_view utf8) {
  std::u16string units = Utf8ToUtf16(utf8);
  WriteValueType(TValueType::vaWString);
  WriteUint32(static_cast<uint32_t>(units.size()));
  for (char16_t u : units) {
    m_out.push_back(static_cast<uint8_t>(u));
    m_out.push_back(static_cast<uint8_t>(u >> 8));
  }
}

void TStreamOutput::WriteUtf8String(std::string_view utf8) {
  WriteValueType(TValueType::vaUTF8String);
  WriteUint32(static_cast<uint32_t>(utf8.size()));
  m_out.insert(m_out.end(), utf8.begin(), utf8.end());
}

void TStreamOutput::WriteByteString(std::string_view utf8) {
  std::string bytes = Utf8ToCp1252(utf8);
  if (bytes.size() <= 255) {
    WriteValueType(TValueType::vaString);
    WriteShortString(bytes);
  } else {
    WriteValueType(TValueType::vaLString);
    WriteUint32(static_cast<uint32_t>(bytes.size()));
    m_out.insert(m_out.end(), bytes.begin(), bytes.end());
  }
}

void TStreamOutput::WriteInteger(int64_t value) {
  if (value >= INT8_MIN && value <= INT8_MAX) {
    WriteValueType(TValueType::vaInt8);
    m_out.push_back(static_cast<uint8_t>(value));
  } else if (value >= INT16_MIN && value <= INT16_MAX) {
    WriteValueType(TValueType::vaInt16);
    m_out.push_back(static_cast<uint8_t>(value));
    m_out.push_back(static_cast<uint8_t>(value >> 8));
  } else if (value >= INT32_MIN && value <= INT32_MAX) {
    WriteValueType(TValueType::vaInt32);
    WriteUint32(static_cast<uint32_t>(value));
  } else {
    WriteValueType(TValueType::vaInt64);
    WriteUint64(static_cast<uint64_t>(value));
  }
}

void TStreamOutput::WriteBoolean(bool value) { WriteValueType(value ? TValueType::vaTrue : TValueType::vaFalse); }

void TStreamOutput::WriteString(const std::string& utf8) {
  bool ascii = true;
  for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii)
    WriteByteString(utf8);
  else
    WriteUtf8String(utf8);
}

void TStreamOutput::WriteBinary(std::span<const uint8_t> bytes) {
  WriteValueType(TValueType::vaBinary);
  WriteUint32(static_cast<uint32_t>(bytes.size()));
  m_out.insert(m_out.end(), bytes.begin(), bytes.end());
}

void TStreamOutput::WriteUint32(uint32_t value) {
  for (int i = 0; i < 4; ++i) m_out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void TStreamOutput::WriteUint64(uint64_t value) {
  for (int i = 0; i < 8; ++i) m_out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
