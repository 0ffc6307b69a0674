#pragma once
// The music module: one music slot for the whole run. Play stops and releases what played
// before, then plays the bytes with the decoder their format number asks for (the content
// decides when that decoder cannot read them), repeating with the loop flag. Any failure leaves
// the slot silent and reports nothing.

#include <cstdint>
#include <memory>
#include <span>

#include "modules/audio/audio_engine.h"

// The decoder a format number asks for first: 1 WAV, 2 Ogg Vorbis, 4 MP3, 5 module; 0 and unknown
// numbers leave the choice to the content.
TAudioFormat FormatOfLibraryCode(uint8_t code);

class TMusicModule {
 public:
  explicit TMusicModule(std::shared_ptr<TAudioEngine> engine) : m_engine(std::move(engine)) {}

  void Play(std::span<const uint8_t> bytes, bool loop, uint8_t formatCode);
  // Releases the sound, which ends the playback.
  void Stop();

  // The sound now in the slot (null when none); for tests and measurements.
  TSound* Current() { return m_sound.get(); }
  TAudioEngine& Engine() { return *m_engine; }

 private:
  std::shared_ptr<TAudioEngine> m_engine;
  std::unique_ptr<TSound> m_sound;
};
