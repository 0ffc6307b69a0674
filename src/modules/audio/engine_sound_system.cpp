#include "modules/audio/engine_sound_system.h"

#include "modules/audio/midi_player.h"

namespace {

class TMidiPlayerSong final : public TSoundSystem::TMidiSong {
 public:
  explicit TMidiPlayerSong(std::unique_ptr<TKIVMidiPlayer> player) : m_player(std::move(player)) {}
  ~TMidiPlayerSong() override { m_player->Close(); }

 private:
  std::unique_ptr<TKIVMidiPlayer> m_player;
};

}  // namespace

std::shared_ptr<TEngineSoundSystem> TEngineSoundSystem::Open(const TAudioEngineOptions& options) {
  return std::make_shared<TEngineSoundSystem>(TAudioEngine::Open(options));
}

TEngineSoundSystem::TEngineSoundSystem(std::shared_ptr<TAudioEngine> engine)
    : m_engine(engine), m_music(engine), m_waves(engine) {}

void TEngineSoundSystem::PlayMusic(std::span<const uint8_t> bytes, bool loop, uint8_t formatCode) {
  m_music.Play(bytes, loop, formatCode);
}

void TEngineSoundSystem::StopMusic() { m_music.Stop(); }

std::unique_ptr<TSoundSystem::TMidiSong> TEngineSoundSystem::PlayMidiFile(const std::string& path, bool loop) {
  auto player = std::make_unique<TKIVMidiPlayer>(m_engine);
  player->SetFileName(path);
  player->SetLoop(loop);
  player->Play();
  if (!player->IsOpen()) return nullptr;
  return std::make_unique<TMidiPlayerSong>(std::move(player));
}

void TEngineSoundSystem::PrepareMidi() { m_engine->MidiSynths()->Prepare(); }

void TEngineSoundSystem::PlayWave(std::span<const uint8_t> wave) { m_waves.Play(wave); }

void TEngineSoundSystem::PlayWaveAndWait(std::span<const uint8_t> wave) { m_waves.PlaySync(wave); }

void TEngineSoundSystem::StopWave() { m_waves.Stop(); }
