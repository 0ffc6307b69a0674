#include "model/value_io.h"

#include "model/read_error.h"

void TBinaryValue::Take(uint64_t count) {
  if (count > m_leftBytes) throw EReadError(kStreamReadError);
  m_leftBytes -= count;
}

uint8_t TBinaryValue::ReadByte() {
  Take(1);
  uint8_t b = 0;
  m_reader.ReadExact(&b, 1);
  return b;
}

uint32_t TBinaryValue::ReadUint32() {
  Take(4);
  uint8_t b[4];
  m_reader.ReadExact(b, 4);
  return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

TByteBlock TBinaryValue::ReadBytes(uint64_t count) {
  Take(count);
  return m_reader.ReadBlock(count);
}

void TBinaryValue::SkipRest() {
  const uint64_t rest = m_leftBytes;
  m_leftBytes = 0;
  m_reader.SkipBytes(rest);
}
