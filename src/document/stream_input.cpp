#include "document/stream_input.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "model/read_error.h"
#include "model/text_encoding.h"

void TStreamInput::Fail(const std::string& message) const { throw EReadError(message, m_consumed); }

bool TStreamInput::Fill() {
  m_bufPos = 0;
  m_bufLen = m_source.ReadSome(m_buffer.data(), m_buffer.size());
  return m_bufLen > 0;
}

uint8_t TStreamInput::ReadByte() {
  if (m_bufPos == m_bufLen && !Fill()) Fail(kStreamReadError);
  ++m_consumed;
  return m_buffer[m_bufPos++];
}

uint8_t TStreamInput::PeekByte() {
  if (m_bufPos == m_bufLen && !Fill()) Fail(kStreamReadError);
  return m_buffer[m_bufPos];
}

void TStreamInput::ReadExact(uint8_t* dst, size_t count) {
  size_t fromBuffer = std::min(count, m_bufLen - m_bufPos);
  if (fromBuffer) std::memcpy(dst, m_buffer.data() + m_bufPos, fromBuffer);
  m_bufPos += fromBuffer;
  m_consumed += fromBuffer;
  size_t done = fromBuffer;
  // Large reads bypass the buffer.
  while (done < count) {
    size_t got = m_source.ReadSome(dst + done, count - done);
    if (got == 0) Fail(kStreamReadError);
    done += got;
    m_consumed += got;
  }
}

TByteBlock TStreamInput::ReadBlock(uint64_t count) {
  const uint64_t buffered = m_bufLen - m_bufPos;
  if (count > m_source.MaxRemaining() + buffered) Fail(kStreamReadError);
  TByteBlock block;
  uint64_t size = m_source.Remaining() ? count : std::min(count, kFirstPieceBytes);
  for (;;) {
    const size_t start = block.size();
    block.resize(static_cast<size_t>(size));
    ReadExact(block.data() + start, block.size() - start);
    if (size == count) return block;
    size = std::min(count, size * 2);
  }
}

void TStreamInput::SkipBytes(uint64_t count) {
  uint8_t scratch[4096];
  while (count > 0) {
    const size_t take = static_cast<size_t>(std::min<uint64_t>(count, sizeof scratch));
    ReadExact(scratch, take);
    count -= take;
  }
}

uint32_t TStreamInput::ReadUint32() {
  uint8_t b[4];
  ReadExact(b, 4);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

void TStreamInput::ReadSignature() {
  uint8_t signature[4];
  size_t got = 0;
  try {
    ReadExact(signature, 4);
    got = 4;
  } catch (const EReadError&) {
  }
  if (got != 4 || std::memcmp(signature, "TPF0", 4) != 0) Fail(kInvalidStreamFormat);
}

std::string TStreamInput::ReadShortString() {
  uint8_t length = ReadByte();
  std::string text(length, '\0');
  ReadExact(reinterpret_cast<uint8_t*>(text.data()), length);
  return text;
}

TValueType TStreamInput::ReadValueType() {
  uint8_t code = ReadByte();
  if (code > kMaxValueType) Fail(kInvalidPropertyValue);
  return static_cast<TValueType>(code);
}

uint8_t TStreamInput::ReadPrefix(int64_t& childPosition) {
  childPosition = -1;
  uint8_t first = PeekByte();
  if ((first & 0xF0) != 0xF0) return 0;
  ReadByte();
  uint8_t flags = first & 0x0F;
  if (flags & 0x02) {
    TValueType type = ReadValueType();
    if (type != TValueType::vaInt8 && type != TValueType::vaInt16 && type != TValueType::vaInt32)
      Fail(kInvalidPropertyValue);
    childPosition = ReadIntegerPayload(type);
  }
  return flags;
}

int64_t TStreamInput::ReadIntegerPayload(TValueType type) {
  switch (type) {
    case TValueType::vaInt8: return static_cast<int8_t>(ReadByte());
    case TValueType::vaInt16: {
      uint8_t b[2];
      ReadExact(b, 2);
      return static_cast<int16_t>(b[0] | (b[1] << 8));
    }
    case TValueType::vaInt32: {
      uint8_t b[4];
      ReadExact(b, 4);
      return static_cast<int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24));
    }
    case TValueType::vaInt64: return ReadInt64Payload();
    default: Fail(kInvalidPropertyValue);
  }
}

int64_t TStreamInput::ReadInt64Payload() {
  uint8_t b[8];
  ReadExact(b, 8);
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | b[i];
  return static_cast<int64_t>(v);
}

double TStreamInput::ReadExtendedPayload() {
  uint8_t b[10];
  ReadExact(b, 10);
  return ExtendedToDouble(b);
}

float TStreamInput::ReadSinglePayload() {
  uint8_t b[4];
  ReadExact(b, 4);
  return std::bit_cast<float>(static_cast<uint32_t>(b[0] | (b[1] << 8) | (b[2] << 16) |
                                                    (static_cast<uint32_t>(b[3]) << 24)));
}

double TStreamInput::ReadDoublePayload() { return std::bit_cast<double>(ReadInt64Payload()); }

std::string TStreamInput::ReadStringPayload(TValueType type) {
  switch (type) {
    case TValueType::vaString: {
      std::string raw = ReadShortString();
      return Cp1252ToUtf8({reinterpret_cast<const uint8_t*>(raw.data()), raw.size()});
    }
    case TValueType::vaLString: return Cp1252ToUtf8(ReadBlock(ReadUint32()));
    case TValueType::vaWString: return Utf16LeToUtf8(ReadBlock(uint64_t{ReadUint32()} * 2));
    case TValueType::vaUTF8String: return SanitizeUtf8(ReadBlock(ReadUint32()));
    default: Fail(kInvalidPropertyValue);
  }
}

std::string TStreamInput::ReadIdentPayload(TValueType type) {
  switch (type) {
    case TValueType::vaIdent: {
      std::string raw = ReadShortString();
      return Cp1252ToUtf8({reinterpret_cast<const uint8_t*>(raw.data()), raw.size()});
    }
    case TValueType::vaFalse: return "False";
    case TValueType::vaTrue: return "True";
    case TValueType::vaNil: return "nil";
    case TValueType::vaNull: return "Null";
    default: Fail(kInvalidPropertyValue);
  }
}

std::vector<std::string> TStreamInput::ReadSetPayload() {
  std::vector<std::string> names;
  for (;;) {
    std::string name = ReadShortString();
    if (name.empty()) return names;
    names.push_back(std::move(name));
  }
}

TValueType TStreamInput::NextValue() {
  uint8_t code = PeekByte();
  if (code > kMaxValueType) Fail(kInvalidPropertyValue);
  return static_cast<TValueType>(code);
}

int64_t TStreamInput::ReadInteger() { return ReadIntegerPayload(ReadValueType()); }

bool TStreamInput::ReadBoolean() {
  TValueType type = ReadValueType();
  if (type != TValueType::vaFalse && type != TValueType::vaTrue) Fail(kInvalidPropertyValue);
  return type == TValueType::vaTrue;
}

std::string TStreamInput::ReadString() { return ReadStringPayload(ReadValueType()); }

uint64_t TStreamInput::ReadBinaryLength() {
  if (ReadValueType() != TValueType::vaBinary) Fail(kInvalidPropertyValue);
  return ReadUint32();
}

void TStreamInput::ReadListBegin() {
  if (ReadValueType() != TValueType::vaList) Fail(kInvalidPropertyValue);
}

bool TStreamInput::EndOfList() { return PeekByte() == 0; }

void TStreamInput::ReadListEnd() {
  if (ReadByte() != 0) Fail(kInvalidPropertyValue);
}

void TStreamInput::SkipValue() { SkipValue(0); }

void TStreamInput::SkipValue(int depth) {
  if (depth > kMaxValueDepth) Fail(kInvalidStreamFormat);
  TValueType type = ReadValueType();
  switch (type) {
    case TValueType::vaNull:
    case TValueType::vaFalse:
    case TValueType::vaTrue:
    case TValueType::vaNil: return;
    case TValueType::vaList:
      while (!EndOfList()) SkipValue(depth + 1);
      ReadListEnd();
      return;
    case TValueType::vaInt8: return SkipBytes(1);
    case TValueType::vaInt16: return SkipBytes(2);
    case TValueType::vaInt32:
    case TValueType::vaSingle: return SkipBytes(4);
    case TValueType::vaExtended: return SkipBytes(10);
    case TValueType::vaCurrency:
    case TValueType::vaDate:
    case TValueType::vaInt64: return SkipBytes(8);
    case TValueType::vaString:
    case TValueType::vaIdent: return SkipBytes(ReadByte());
    case TValueType::vaBinary:
    case TValueType::vaLString:
    case TValueType::vaUTF8String: return SkipBytes(ReadUint32());
    case TValueType::vaWString: return SkipBytes(uint64_t{ReadUint32()} * 2);
    case TValueType::vaSet: ReadSetPayload(); return;
    case TValueType::vaCollection:
      while (!EndOfList()) {
        TValueType next = NextValue();
        if (next == TValueType::vaInt8 || next == TValueType::vaInt16 || next == TValueType::vaInt32) SkipValue(depth + 1);
        ReadListBegin();
        while (!EndOfList()) {
          ReadShortString();
          SkipValue(depth + 1);
        }
        ReadListEnd();
      }
      ReadListEnd();
      return;
  }
}

double ExtendedToDouble(const uint8_t bytes[10]) {
  uint64_t mantissa = 0;
  for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | bytes[i];
  int exponent = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
  bool negative = (bytes[9] & 0x80) != 0;
  double value;
  if (exponent == 0x7FFF) {
    value = (mantissa << 1) == 0 ? INFINITY : NAN;
  } else if (mantissa == 0) {
    value = 0.0;
  } else {
    // value = mantissa * 2^(exponent - 16383 - 63); the conversion of the mantissa rounds to
    // nearest only when it has more than 53 significant bits.
    int shift = exponent == 0 ? 1 - 16383 - 63 : exponent - 16383 - 63;
    value = std::ldexp(static_cast<double>(mantissa), shift);
  }
  return negative ? -value : value;
}

void DoubleToExtended(double value, uint8_t bytes[10]) {
  uint64_t mantissa = 0;
  int exponent = 0;
  bool negative = std::signbit(value);
  if (std::isnan(value)) {
    exponent = 0x7FFF;
    mantissa = 0xC000000000000000ull;
  } else if (std::isinf(value)) {
    exponent = 0x7FFF;
    mantissa = 0x8000000000000000ull;
  } else if (value != 0.0) {
    int e = 0;
    double fraction = std::frexp(std::fabs(value), &e);  // fraction in [0.5, 1)
    mantissa = static_cast<uint64_t>(std::ldexp(fraction, 64));
    exponent = e - 1 + 16383;
  }
  for (int i = 0; i < 8; ++i) bytes[i] = static_cast<uint8_t>(mantissa >> (8 * i));
  bytes[8] = static_cast<uint8_t>(exponent);
  bytes[9] = static_cast<uint8_t>((exponent >> 8) | (negative ? 0x80 : 0));
}
