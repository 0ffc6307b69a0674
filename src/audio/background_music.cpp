#include "audio/background_music.h"

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// Writes bytes to a new file "kivXXXXXX" in the temporary folder; empty when that fails (a
// partly written file is removed).
std::string SaveTempMidiFile(std::span<const uint8_t> bytes) {
  std::error_code ec;
  fs::path folder = fs::temp_directory_path(ec);
  if (ec) return {};
  std::string name = (folder / "kivXXXXXX").string();
  const int fd = mkstemp(name.data());
  if (fd < 0) return {};
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + written, bytes.size() - written);
    if (n <= 0) break;
    written += static_cast<size_t>(n);
  }
  const bool ok = close(fd) == 0 && written == bytes.size();
  if (!ok) unlink(name.c_str());
  return ok ? name : std::string();
}

class TMusicPlayback final : public TAudioPlayback {
 public:
  TMusicPlayback(TMusicKind kind, TSoundSystem& musicModule) : m_kind(kind), m_musicModule(&musicModule) {}
  TMusicPlayback(std::unique_ptr<TSoundSystem::TMidiSong> midi, std::string tempFile)
      : m_kind(TMusicKind::Midi), m_midi(std::move(midi)), m_tempFile(std::move(tempFile)) {}
  ~TMusicPlayback() override {
    if (m_musicModule) m_musicModule->StopMusic();
    m_midi.reset();
    if (!m_tempFile.empty()) unlink(m_tempFile.c_str());
  }

  TMusicKind Kind() const { return m_kind; }
  const std::string& TempFile() const { return m_tempFile; }

 private:
  TMusicKind m_kind;
  TSoundSystem* m_musicModule = nullptr;  // set while the music module plays this holder's music
  std::unique_ptr<TSoundSystem::TMidiSong> m_midi;  // null when the file does not play
  std::string m_tempFile;
};

const TMusicPlayback* PlaybackOf(const TAudioData& music) {
  return static_cast<const TMusicPlayback*>(music.Playback());
}

}  // namespace

void PlayAudioData(TSoundSystem& sound, TAudioData& music, bool loop) {
  StopAudioData(music);
  const TMusicKind kind = RecogniseMusicKind(music.Bytes());
  if (kind == TMusicKind::None) return;
  if (kind != TMusicKind::Midi) {
    sound.PlayMusic(music.Bytes(), loop, LibraryFormatCode(kind));
    music.Playback() = std::make_unique<TMusicPlayback>(kind, sound);
    return;
  }
  std::string tempFile = SaveTempMidiFile(music.Bytes());
  if (tempFile.empty()) return;
  std::unique_ptr<TSoundSystem::TMidiSong> midi = sound.PlayMidiFile(tempFile, loop);
  music.Playback() = std::make_unique<TMusicPlayback>(std::move(midi), std::move(tempFile));
}

void StopAudioData(TAudioData& music) { music.Playback().reset(); }

TMusicKind PlayingKind(const TAudioData& music) {
  const TMusicPlayback* playback = PlaybackOf(music);
  return playback ? playback->Kind() : TMusicKind::None;
}

std::string MidiTempFile(const TAudioData& music) {
  const TMusicPlayback* playback = PlaybackOf(music);
  return playback ? playback->TempFile() : std::string();
}
