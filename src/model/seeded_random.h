#pragma once
// The project's own random generator, for whatever draws from chance (the transitions' shreds and
// speckles, the text animator's letters): a 32-bit linear congruential generator, small, fast and
// the same sequence for the same seed on every machine. Each user owns one, so no two threads
// ever share a generator and a reseed changes nothing outside its owner.

#include <cstdint>

class TSeededRandom {
 public:
  explicit TSeededRandom(uint32_t seed = 0) : m_state(seed) {}

  void Seed(uint32_t seed) { m_state = seed; }
  // A number from 0 to range - 1; range must be at least 1.
  int32_t Below(int32_t range);

 private:
  uint32_t m_state;
};
