#pragma once
// A test fixture with a sound system that has no device: the tests mix its output themselves,
// so music advances exactly as far as they ask.

#include <gtest/gtest.h>

#include <vector>

#include "modules/audio/engine_sound_system.h"

class TMusicTest : public testing::Test {
 protected:
  // Mixes seconds of output, in steps of a tenth of a second.
  void MixSeconds(double seconds) {
    std::vector<float> out(2 * 4410);
    for (int i = 0; i < static_cast<int>(seconds * 10); ++i) m_sound.Engine().Mixer().Mix(out.data(), 4410);
  }
  // The sound the music slot plays, or null.
  TSound* Music() { return m_sound.Music().Current(); }

  TEngineSoundSystem m_sound{TAudioEngine::WithoutDevice()};
};
