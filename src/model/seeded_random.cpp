#include "model/seeded_random.h"

#include <cassert>

int32_t TSeededRandom::Below(int32_t range) {
  assert(range >= 1);
  m_state = m_state * 134775813u + 1u;
  // The high bits of the state scaled to the range: no modulo bias towards the low numbers.
  return static_cast<int32_t>((uint64_t{m_state} * static_cast<uint32_t>(range)) >> 32);
}
