#include "audio/audio_player.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

#include "model/text_encoding.h"

namespace {

constexpr uint32_t kSkipMs = 1000;

// Tag text as UTF-8: kept when it is valid UTF-8 (Vorbis and Speex tags are), else read as the
// Windows code page.
std::string TagText(const std::string& stored) {
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
  return SanitizeUtf8(bytes) == stored ? stored : Cp1252ToUtf8(bytes);
}

int32_t Rounded(double value) { return static_cast<int32_t>(std::lround(value)); }

}  // namespace

TAudierePlayer::TAudierePlayer(TAudierePlayerHost host, bool usable, uint32_t seed)
    : m_host(std::move(host)), m_usable(usable), m_list(seed), m_self(std::make_shared<TAudierePlayer*>(this)) {}

TAudierePlayer::~TAudierePlayer() {
  *m_self = nullptr;
  onStatusChange = nullptr;
  onInfoChange = nullptr;
  m_stream.reset();
}

void TAudierePlayer::OpenAndPlay(const std::string& name) {
  if (m_list.Load(name)) Play(true);
}

void TAudierePlayer::Play(bool force) {
  if (m_status == TPlayerStatus::Playing && !force) return;
  if (m_status == TPlayerStatus::Paused && !force) {
    Resume();
    return;
  }
  PlayFile(m_list.ItemName(m_list.Current()), force);
}

void TAudierePlayer::PlayFile(const std::string& name, bool force) {
  if (!m_usable) return;
  if (name == m_currentFile && !force && m_stream) {
    Resume();
    return;
  }
  Close(true);
  if (name.empty()) return;
  if (!m_device) m_device = m_host.openDevice ? m_host.openDevice() : nullptr;
  if (!m_device) return;
  const uint64_t number = ++m_streamNumber;
  std::weak_ptr<TAudierePlayer*> self = m_self;
  auto post = m_host.postToUiThread;
  m_stream = m_device->OpenMusicStream(name, [self, post, number] {
    if (!post) return;
    post([self, number] {
      if (const auto player = self.lock(); player && *player) (*player)->SongEnded(number);
    });
  });
  if (!m_stream) {
    // The file does not open: the next one comes in a second.
    if (!m_skipPending && m_host.startTimer) {
      m_skipPending = true;
      m_host.startTimer(kSkipMs, [self] {
        if (const auto player = self.lock(); player && *player) {
          (*player)->m_skipPending = false;
          (*player)->PlayNext();
        }
      });
    }
    return;
  }
  ApplyVolumeAndPan();
  m_stream->Play();
  m_currentFile = name;
  SetStatus(TPlayerStatus::Playing);
  ReadSongInfo();
  if (onInfoChange) onInfoChange();
}

void TAudierePlayer::Pause() {
  if (!m_stream) return;
  m_stream->Pause();
  SetStatus(TPlayerStatus::Paused);
}

void TAudierePlayer::Resume() {
  if (!m_stream) return;
  m_stream->Play();
  SetStatus(TPlayerStatus::Playing);
}

void TAudierePlayer::Close(bool keepDevice) {
  m_stream.reset();
  if (!keepDevice) m_device = nullptr;
  m_currentFile.clear();
  SetStatus(TPlayerStatus::Stopped);
  ReadSongInfo();
  if (onInfoChange) onInfoChange();
}

void TAudierePlayer::PlayFirst() { PlayFile(m_list.ItemName(m_list.First()), false); }
void TAudierePlayer::PlayNext() { PlayFile(m_list.ItemName(m_list.Next()), false); }
void TAudierePlayer::PlayPrevious() { PlayFile(m_list.ItemName(m_list.Previous()), false); }

void TAudierePlayer::SetStatus(TPlayerStatus status) {
  m_status = status;
  if (onStatusChange) onStatusChange();
}

void TAudierePlayer::ReadSongInfo() {
  m_info = {};
  if (!m_stream) return;
  m_info.fileName = m_currentFile;
  m_info.seekable = m_stream->LengthMs() > 0;
  m_info.channels = m_stream->Channels();
  m_info.sampleRate = m_stream->SampleRate();
  if (m_info.sampleRate > 0) m_info.length = static_cast<int32_t>(m_stream->LengthMs() / 1000);
  if (m_info.length > 0) {
    // In 64 bits, so files over 256 MB do not overflow the estimate.
    std::error_code error;
    const auto bytes = std::filesystem::file_size(m_currentFile, error);
    if (!error) m_info.bitRate = static_cast<int32_t>(static_cast<uint64_t>(bytes) * 8 / m_info.length / 1000);
  }
  m_info.title = TagText(m_stream->Title());
  m_info.artist = TagText(m_stream->Artist());
}

void TAudierePlayer::ApplyVolumeAndPan() {
  if (!m_stream) return;
  m_stream->SetVolume(m_muted ? 0.0f : static_cast<float>(m_volume) / 100.0f);
  m_stream->SetPan(static_cast<float>(m_pan) / 100.0f);
}

void TAudierePlayer::SetVolume(int32_t volume) {
  volume = std::clamp(volume, 0, 100);
  if (volume == m_volume) return;
  m_volume = volume;
  ApplyVolumeAndPan();
}

void TAudierePlayer::SetMuted(bool muted) {
  if (muted == m_muted) return;
  m_muted = muted;
  ApplyVolumeAndPan();
}

void TAudierePlayer::SetPan(int32_t pan) {
  if (pan < -100 || pan > 100) pan = 0;
  if (pan == m_pan) return;
  m_pan = pan;
  ApplyVolumeAndPan();
}

int32_t TAudierePlayer::Position() const {
  if (!m_stream || !m_info.seekable || m_stream->LengthMs() <= 0) return 0;
  return Rounded(static_cast<double>(m_stream->PositionMs()) / static_cast<double>(m_stream->LengthMs()) * 1000.0);
}

int32_t TAudierePlayer::ElapsedSeconds() const {
  if (!m_stream || !m_info.seekable || m_stream->LengthMs() <= 0) return 0;
  return Rounded(static_cast<double>(m_stream->PositionMs()) / static_cast<double>(m_stream->LengthMs()) *
                 m_info.length);
}

void TAudierePlayer::Seek(int32_t permille) {
  if (!m_stream || !m_info.seekable) return;
  permille = std::clamp(permille, 0, 1000);
  m_stream->SeekMs(std::llround(static_cast<double>(m_stream->LengthMs()) * permille / 1000.0));
}

// The end of a song, on the user-interface thread: what comes next depends on the play mode. The
// end of a song that is no longer the current one is dropped.
void TAudierePlayer::SongEnded(uint64_t stream) {
  if (stream != m_streamNumber || !m_stream) return;
  const auto last = static_cast<int32_t>(m_list.Count()) - 1;
  switch (m_list.PlayMode()) {
    case TPlayMode::Normal:
      if (m_list.Current() < last)
        PlayNext();
      else
        Close(false);
      break;
    case TPlayMode::Shuffle: PlayNext(); break;
    case TPlayMode::RepeatAll:
      if (m_list.Current() < last)
        PlayNext();
      else
        PlayFirst();
      break;
  }
}
