#pragma once
// Control sounds: one slot for the whole run, independent of the music. A new sound cuts off
// the one still playing. Used from the user-interface thread.

#include <chrono>
#include <memory>

#include "audio/audio_engine.h"
#include "model/custom_data.h"

class TWavePlayer {
 public:
  explicit TWavePlayer(std::shared_ptr<TAudioEngine> engine) : m_engine(std::move(engine)) {}

  // Starts wave's WAVE content and returns at once. An empty holder, or content that is not a
  // readable WAVE file, plays nothing (and still cuts off the sound before it).
  void Play(const TWaveData& wave);
  // As Play, then waits until the sound has ended, but no longer than its length plus a second
  // and never longer than limit, so a stuck device cannot hang the menu. True when it ended;
  // a sound cut short by the limit is stopped.
  bool PlaySync(const TWaveData& wave, std::chrono::milliseconds limit = std::chrono::seconds(60));
  // Stops whatever this slot plays.
  void Stop();

  // The sound in the slot (null when none); for tests and measurements.
  TSound* Current() { return m_sound.get(); }

 private:
  std::shared_ptr<TAudioEngine> m_engine;
  std::unique_ptr<TSound> m_sound;
};
