#pragma once
// Control sounds: one slot for the whole run, independent of the music. A new sound cuts off
// the one still playing. Used from the user-interface thread.

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>

#include "modules/audio/audio_engine.h"

class TWavePlayer {
 public:
  explicit TWavePlayer(std::shared_ptr<TAudioEngine> engine) : m_engine(std::move(engine)) {}

  // Starts a WAVE file and returns at once. No bytes, or bytes that are not a readable WAVE file,
  // play nothing (and still cut off the sound before them).
  void Play(std::span<const uint8_t> wave);
  // As Play, then waits until the sound has ended, but no longer than its length plus a second
  // and never longer than limit, so a stuck device cannot hang the menu. True when it ended;
  // a sound cut short by the limit is stopped.
  bool PlaySync(std::span<const uint8_t> wave, std::chrono::milliseconds limit = std::chrono::seconds(60));
  // Stops whatever this slot plays.
  void Stop();

  // The sound in the slot (null when none); for tests and measurements.
  TSound* Current() { return m_sound.get(); }

 private:
  std::shared_ptr<TAudioEngine> m_engine;
  std::unique_ptr<TSound> m_sound;
};
