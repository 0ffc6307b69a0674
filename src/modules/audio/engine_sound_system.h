#pragma once
// The audio module's sound system: one engine (the mixer on the output device), the music
// module in the music slot, the wave player for control sounds, and MIDI players over the
// engine's synthesizers. Holders that still play keep the parts they need alive.

#include <memory>

#include "audio/sound_system.h"
#include "modules/audio/audio_engine.h"
#include "modules/audio/music_module.h"
#include "modules/audio/wave_player.h"

class TEngineSoundSystem final : public TSoundSystem {
 public:
  // On the default device, or silently on SDL's dummy driver.
  static std::shared_ptr<TEngineSoundSystem> Open(const TAudioEngineOptions& options = {});
  explicit TEngineSoundSystem(std::shared_ptr<TAudioEngine> engine);

  TAudioEngine& Engine() { return *m_engine; }
  const std::shared_ptr<TAudioEngine>& SharedEngine() const { return m_engine; }
  TMusicModule& Music() { return m_music; }
  TWavePlayer& Waves() { return m_waves; }

  void PlayMusic(std::span<const uint8_t> bytes, bool loop, uint8_t formatCode) override;
  void StopMusic() override;
  std::unique_ptr<TMidiSong> PlayMidiFile(const std::string& path, bool loop) override;
  void PrepareMidi() override;
  void PlayWave(std::span<const uint8_t> wave) override;
  void PlayWaveAndWait(std::span<const uint8_t> wave) override;
  void StopWave() override;
  std::unique_ptr<TMusicStream> OpenMusicStream(const std::string& path, std::function<void()> endReached) override;

 private:
  std::shared_ptr<TAudioEngine> m_engine;
  TMusicModule m_music;
  TWavePlayer m_waves;
};
