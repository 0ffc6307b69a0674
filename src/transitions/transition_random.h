#pragma once
// The transition engine's own random generator. Each engine owns one and hands it to the frame
// procedures, so that the shredding and speckle styles never share a generator with another
// thread, and a style that reseeds it (the random squares reseed it in every frame) changes
// nothing outside its own engine. A 32-bit linear congruential generator: small, fast and the
// same sequence for the same seed on every machine.

#include <cstdint>

class TTransitionRandom {
 public:
  explicit TTransitionRandom(uint32_t seed = 0) : m_state(seed) {}

  void Seed(uint32_t seed) { m_state = seed; }
  // A number from 0 to range - 1; range must be at least 1.
  int32_t Below(int32_t range);

 private:
  uint32_t m_state;
};
