#include "actions/password.h"

#include <algorithm>
#include <vector>

std::string ScramblePassword(std::string_view text) {
  std::vector<uint8_t> bytes;
  bytes.reserve(text.size());
  uint16_t state = kPasswordKey;
  for (const char c : text) {
    const auto out = static_cast<uint8_t>(static_cast<uint8_t>(c) ^ (state >> 8));
    bytes.push_back(out);
    state = static_cast<uint16_t>((state + out) * kPasswordMultiplier + kPasswordIncrement);
  }
  std::string encoded;
  for (size_t group = 0; group < bytes.size(); group += 5) {
    const size_t count = std::min<size_t>(5, bytes.size() - group);
    uint64_t bits = 0;
    for (size_t i = 0; i < 5; ++i) bits = (bits << 8) | (i < count ? bytes[group + i] : 0);
    // 5 data bytes fill 8 symbols; n bytes fill ceil(8n / 5) of them.
    const size_t symbols = (count * 8 + 4) / 5;
    for (size_t s = 0; s < 8; ++s)
      encoded += s < symbols ? kPasswordAlphabet[(bits >> (35 - 5 * s)) & 31] : kPasswordFiller;
  }
  return encoded;
}
