#include "modules/audio/mixer.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cassert>
#include <mutex>
#include <vector>

namespace {

enum class TVoiceState : uint8_t { Stopped, Playing, Paused };

constexpr size_t kDecodeFrames = 1024;

}  // namespace

struct TVoice {
  explicit TVoice(std::unique_ptr<TSampleSource> s, int outputRate)
      : source(std::move(s)),
        channels(source->Channels() == 1 ? 1 : 2),
        step(static_cast<double>(source->SampleRate()) / outputRate),
        decoded(kDecodeFrames * static_cast<size_t>(channels)) {}

  // Next source frame (mono doubled) into frame; at the source's end a repeating voice goes on
  // from the start. False at the end.
  bool NextFrame(std::array<float, 2>& frame, int64_t& index) {
    if (cursor == available && !Refill()) {
      if (!repeat || !source->Seek(0)) return false;
      nextIndex = 0;
      if (!Refill()) return false;
    }
    const float* at = decoded.data() + cursor * static_cast<size_t>(channels);
    frame = {at[0], at[channels - 1]};
    ++cursor;
    index = nextIndex++;
    return true;
  }
  bool Refill() {
    cursor = 0;
    available = source->Read(decoded.data(), kDecodeFrames);
    return available > 0;
  }
  // Forgets what was decoded and interpolated, after a seek.
  void ResetAt(int64_t frame) {
    cursor = available = 0;
    nextIndex = position = frame;
    primed = false;
    fraction = 0;
    atEnd = false;
  }
  void Rewind() {
    source->Seek(0);
    ResetAt(0);
  }

  // Adds frames output frames into out; returns false when the source ended in between.
  bool MixInto(float* out, size_t frames) {
    const float left = volume * std::min(1.0f, 1.0f - pan);
    const float right = volume * std::min(1.0f, 1.0f + pan);
    if (!primed) {
      if (!NextFrame(a, position)) return false;
      bValid = NextFrame(b, bIndex);
      if (!bValid) b = a;
      primed = true;
      fraction = 0;
    }
    for (size_t i = 0; i < frames; ++i) {
      const float f = static_cast<float>(fraction);
      out[2 * i] += (a[0] + (b[0] - a[0]) * f) * left;
      out[2 * i + 1] += (a[1] + (b[1] - a[1]) * f) * right;
      fraction += step;
      while (fraction >= 1.0) {
        fraction -= 1.0;
        if (!bValid) return false;
        a = b;
        position = bIndex;
        bValid = NextFrame(b, bIndex);
        if (!bValid) b = a;
      }
    }
    return true;
  }

  std::unique_ptr<TSampleSource> source;
  const int channels;
  const double step;  // source frames per output frame
  std::vector<float> decoded;
  size_t cursor = 0;
  size_t available = 0;
  int64_t nextIndex = 0;  // source index of the next decoded frame
  // Linear interpolation between the source frames a (at position) and b.
  std::array<float, 2> a{};
  std::array<float, 2> b{};
  int64_t position = 0;
  int64_t bIndex = 0;
  bool bValid = false;
  bool primed = false;
  double fraction = 0;

  TVoiceState state = TVoiceState::Stopped;
  bool atEnd = false;
  bool stopPending = false;  // a Stop whose callback the next Mix runs
  bool repeat = false;
  float volume = 1;
  float pan = 0;
  std::function<void(TStreamEnd)> onEnd;
  std::atomic<bool> removed{false};
};

struct TMixerCore {
  std::mutex mutex;
  std::vector<std::shared_ptr<TVoice>> voices;
  std::function<void(const float*, size_t)> tap;
  // Held while end callbacks run, so a sound's destruction waits for its callback to finish.
  std::recursive_mutex callbackMutex;
};

TSound::TSound(std::shared_ptr<TMixerCore> core, std::shared_ptr<TVoice> voice)
    : m_core(std::move(core)), m_voice(std::move(voice)) {}

TSound::~TSound() {
  {
    std::lock_guard lock(m_core->mutex);
    std::erase(m_core->voices, m_voice);
    m_voice->removed = true;
  }
  std::lock_guard wait(m_core->callbackMutex);
}

void TSound::Play() {
  std::lock_guard lock(m_core->mutex);
  if (m_voice->atEnd) m_voice->Rewind();
  m_voice->state = TVoiceState::Playing;
}

void TSound::Pause() {
  std::lock_guard lock(m_core->mutex);
  if (m_voice->state == TVoiceState::Playing) m_voice->state = TVoiceState::Paused;
}

void TSound::Stop() {
  std::lock_guard lock(m_core->mutex);
  if (m_voice->state == TVoiceState::Stopped) return;
  m_voice->state = TVoiceState::Stopped;
  m_voice->Rewind();
  m_voice->stopPending = true;
}

bool TSound::Playing() const {
  std::lock_guard lock(m_core->mutex);
  return m_voice->state == TVoiceState::Playing;
}

bool TSound::Paused() const {
  std::lock_guard lock(m_core->mutex);
  return m_voice->state == TVoiceState::Paused;
}

void TSound::SetRepeat(bool repeat) {
  std::lock_guard lock(m_core->mutex);
  m_voice->repeat = repeat;
}

void TSound::SetVolume(float volume) {
  std::lock_guard lock(m_core->mutex);
  m_voice->volume = std::clamp(volume, 0.0f, 1.0f);
}

void TSound::SetPan(float pan) {
  std::lock_guard lock(m_core->mutex);
  m_voice->pan = std::clamp(pan, -1.0f, 1.0f);
}

int64_t TSound::PositionMs() const {
  std::lock_guard lock(m_core->mutex);
  return m_voice->position * 1000 / m_voice->source->SampleRate();
}

std::optional<int64_t> TSound::LengthMs() const {
  std::lock_guard lock(m_core->mutex);
  std::optional<int64_t> frames = m_voice->source->LengthFrames();
  if (!frames) return std::nullopt;
  return *frames * 1000 / m_voice->source->SampleRate();
}

bool TSound::SeekMs(int64_t positionMs) {
  std::lock_guard lock(m_core->mutex);
  TVoice& voice = *m_voice;
  int64_t frame = std::max<int64_t>(positionMs, 0) * voice.source->SampleRate() / 1000;
  if (std::optional<int64_t> length = voice.source->LengthFrames()) frame = std::min(frame, *length);
  if (!voice.source->Seek(frame)) return false;
  voice.ResetAt(frame);
  return true;
}

TAudioTags TSound::Tags() const {
  std::lock_guard lock(m_core->mutex);
  return m_voice->source->Tags();
}

void TSound::SetOnEnd(std::function<void(TStreamEnd)> onEnd) {
  std::lock_guard lock(m_core->mutex);
  m_voice->onEnd = std::move(onEnd);
}

TMixer::TMixer(int outputRate) : m_outputRate(outputRate), m_core(std::make_shared<TMixerCore>()) {
  assert(outputRate > 0);
}

TMixer::~TMixer() = default;

std::unique_ptr<TSound> TMixer::CreateSound(std::unique_ptr<TSampleSource> source) {
  assert(source);
  auto voice = std::make_shared<TVoice>(std::move(source), m_outputRate);
  {
    std::lock_guard lock(m_core->mutex);
    m_core->voices.push_back(voice);
  }
  return std::unique_ptr<TSound>(new TSound(m_core, std::move(voice)));
}

void TMixer::Mix(float* out, size_t frames) {
  std::fill(out, out + 2 * frames, 0.0f);
  struct TEnded {
    std::shared_ptr<TVoice> voice;
    std::function<void(TStreamEnd)> onEnd;
    TStreamEnd reason;
  };
  std::vector<TEnded> ended;
  std::function<void(const float*, size_t)> tap;
  {
    std::lock_guard lock(m_core->mutex);
    for (const std::shared_ptr<TVoice>& voice : m_core->voices) {
      if (voice->stopPending) {
        voice->stopPending = false;
        if (voice->onEnd) ended.push_back({voice, voice->onEnd, TStreamEnd::StopRequested});
      }
      if (voice->state != TVoiceState::Playing) continue;
      if (!voice->MixInto(out, frames)) {
        voice->state = TVoiceState::Stopped;
        voice->atEnd = true;
        if (voice->onEnd) ended.push_back({voice, voice->onEnd, TStreamEnd::Reached});
      }
    }
    tap = m_core->tap;
  }
  for (size_t i = 0; i < 2 * frames; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
  if (tap) tap(out, frames);
  if (ended.empty()) return;
  std::lock_guard callbacks(m_core->callbackMutex);
  for (TEnded& end : ended)
    if (!end.voice->removed) end.onEnd(end.reason);
}

void TMixer::SetTap(std::function<void(const float*, size_t)> tap) {
  std::lock_guard lock(m_core->mutex);
  m_core->tap = std::move(tap);
}
