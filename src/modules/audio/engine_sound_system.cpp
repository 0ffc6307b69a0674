#include "modules/audio/engine_sound_system.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "modules/audio/midi_player.h"

namespace {

class TMidiPlayerSong final : public TSoundSystem::TMidiSong {
 public:
  explicit TMidiPlayerSong(std::unique_ptr<TKIVMidiPlayer> player) : m_player(std::move(player)) {}
  ~TMidiPlayerSong() override { m_player->Close(); }

 private:
  std::unique_ptr<TKIVMidiPlayer> m_player;
};

// A music stream over one sound of the engine's mixer.
class TEngineMusicStream final : public TSoundSystem::TMusicStream {
 public:
  TEngineMusicStream(std::unique_ptr<TSound> sound, int channels, int sampleRate)
      : m_sound(std::move(sound)), m_channels(channels), m_sampleRate(sampleRate), m_tags(m_sound->Tags()) {}
  void Play() override { m_sound->Play(); }
  void Pause() override { m_sound->Pause(); }
  void SetVolume(float volume) override { m_sound->SetVolume(volume); }
  void SetPan(float pan) override { m_sound->SetPan(pan); }
  int Channels() const override { return m_channels; }
  int SampleRate() const override { return m_sampleRate; }
  int64_t PositionMs() const override { return m_sound->PositionMs(); }
  int64_t LengthMs() const override { return m_sound->LengthMs().value_or(0); }
  bool SeekMs(int64_t positionMs) override { return m_sound->SeekMs(positionMs); }
  std::string Title() const override { return m_tags.title; }
  std::string Artist() const override { return m_tags.artist; }

 private:
  std::unique_ptr<TSound> m_sound;
  int m_channels;
  int m_sampleRate;
  TAudioTags m_tags;
};

constexpr std::uintmax_t kMaxMusicFileBytes = std::uintmax_t{512} << 20;

// The bytes of a regular music file of at most kMaxMusicFileBytes, or null.
TSharedBytes ReadMusicFile(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error) || std::filesystem::file_size(path, error) > kMaxMusicFileBytes ||
      error)
    return nullptr;
  std::ifstream file(path, std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  if (!file.good() && !file.eof()) return nullptr;
  return std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
}

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

std::unique_ptr<TSoundSystem::TMusicStream> TEngineSoundSystem::OpenMusicStream(const std::string& path,
                                                                                std::function<void()> endReached) {
  const TSharedBytes bytes = ReadMusicFile(path);
  if (!bytes || bytes->empty()) return nullptr;
  std::unique_ptr<TSampleSource> source = OpenSampleSource(bytes, TAudioFormat::Unknown, m_engine->MidiSynths());
  if (!source) return nullptr;
  const int channels = source->Channels(), sampleRate = source->SampleRate();
  std::unique_ptr<TSound> sound = m_engine->Mixer().CreateSound(std::move(source));
  sound->SetOnEnd([endReached = std::move(endReached)](TStreamEnd end) {
    if (end == TStreamEnd::Reached && endReached) endReached();
  });
  return std::make_unique<TEngineMusicStream>(std::move(sound), channels, sampleRate);
}
