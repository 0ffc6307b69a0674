#include "modules/audio/wave_player.h"

#include <condition_variable>
#include <mutex>

namespace {

constexpr std::chrono::milliseconds kEndMargin{1000};

struct TEndSignal {
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
};

}  // namespace

void TWavePlayer::Play(std::span<const uint8_t> wave) {
  Stop();
  if (wave.empty() || DetectAudioFormat(wave) != TAudioFormat::Wave) return;
  auto bytes = std::make_shared<const std::vector<uint8_t>>(wave.begin(), wave.end());
  m_sound = m_engine->CreateSound(std::move(bytes), TAudioFormat::Wave);
  if (m_sound) m_sound->Play();
}

bool TWavePlayer::PlaySync(std::span<const uint8_t> wave, std::chrono::milliseconds limit) {
  Play(wave);
  if (!m_sound) return true;
  auto signal = std::make_shared<TEndSignal>();
  m_sound->SetOnEnd([signal](TStreamEnd) {
    std::lock_guard lock(signal->mutex);
    signal->done = true;
    signal->ended.notify_all();
  });
  if (std::optional<int64_t> length = m_sound->LengthMs())
    limit = std::min(limit, std::chrono::milliseconds(*length) + kEndMargin);
  std::unique_lock lock(signal->mutex);
  const bool ended = signal->ended.wait_for(lock, limit, [&] { return signal->done; });
  lock.unlock();
  if (!ended) Stop();
  return ended;
}

void TWavePlayer::Stop() { m_sound.reset(); }
