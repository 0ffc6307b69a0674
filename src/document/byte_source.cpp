#include "document/byte_source.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "model/read_error.h"

size_t TMemorySource::ReadSome(uint8_t* dst, size_t size) {
  size_t count = std::min(size, m_data.size() - m_pos);
  if (count) std::memcpy(dst, m_data.data() + m_pos, count);
  m_pos += count;
  return count;
}

struct TInflateSource::TState {
  z_stream zs{};
  std::span<const uint8_t> input;
  size_t inputPos = 0;
  bool ended = false;
};

namespace {

[[noreturn]] void InflateError(const z_stream& zs, int code) {
  std::string detail = zs.msg ? zs.msg : (code == Z_BUF_ERROR ? "unexpected end of data" : "inflate error");
  throw EReadError("Invalid compressed data (" + detail + ")");
}

}  // namespace

TInflateSource::TInflateSource(std::span<const uint8_t> compressed) : m_state(std::make_unique<TState>()) {
  m_state->input = compressed;
  if (inflateInit(&m_state->zs) != Z_OK) throw EReadError("Invalid compressed data (zlib initialisation failed)");
}

TInflateSource::~TInflateSource() { inflateEnd(&m_state->zs); }

size_t TInflateSource::ReadSome(uint8_t* dst, size_t size) {
  TState& s = *m_state;
  z_stream& zs = s.zs;
  size_t produced = 0;
  while (produced < size && !s.ended) {
    // zlib counts in 32-bit units; feed and drain in pieces that fit.
    constexpr size_t kPiece = std::numeric_limits<uInt>::max() / 2;
    size_t inLeft = s.input.size() - s.inputPos;
    zs.next_in = const_cast<Bytef*>(s.input.data() + s.inputPos);
    zs.avail_in = static_cast<uInt>(std::min(inLeft, kPiece));
    zs.next_out = dst + produced;
    zs.avail_out = static_cast<uInt>(std::min(size - produced, kPiece));
    uInt inBefore = zs.avail_in;
    uInt outBefore = zs.avail_out;
    int code = inflate(&zs, Z_NO_FLUSH);
    s.inputPos += inBefore - zs.avail_in;
    produced += outBefore - zs.avail_out;
    if (code == Z_STREAM_END) {
      s.ended = true;
    } else if (code != Z_OK) {
      // Z_BUF_ERROR means no progress was possible: the input ended inside the stream.
      InflateError(zs, code);
    } else if (inBefore == zs.avail_in && outBefore == zs.avail_out) {
      InflateError(zs, Z_BUF_ERROR);
    }
  }
  return produced;
}

uint64_t TInflateSource::MaxRemaining() const {
  if (m_state->ended) return 0;
  constexpr uint64_t kMaxExpansion = 1032;
  constexpr uint64_t kPendingMatchBytes = 258;
  return (m_state->input.size() - m_state->inputPos) * kMaxExpansion + kPendingMatchBytes;
}

void TInflateSource::Finish() {
  uint8_t scratch[4096];
  while (ReadSome(scratch, sizeof scratch) > 0) {
  }
}
