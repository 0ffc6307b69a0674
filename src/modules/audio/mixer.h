#pragma once
// The mixer: sounds from sample sources summed into interleaved stereo float frames at one
// output rate. The output device's thread calls Mix; the sounds are controlled from any other
// thread. Tests call Mix directly.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "modules/audio/sample_source.h"

// Why a sound stopped, as its end callback is told.
enum class TStreamEnd : uint8_t { Reached, StopRequested };

struct TMixerCore;
struct TVoice;

// One sound in the mixer, owned by the caller: destroying it removes it from the mixer at once
// (no callback follows). A new sound is stopped at its start.
class TSound {
 public:
  ~TSound();
  TSound(const TSound&) = delete;
  TSound& operator=(const TSound&) = delete;

  // Starts or resumes; a sound that had reached its end starts again from the beginning.
  void Play();
  // Holds the sound where it is; Play resumes from there.
  void Pause();
  // Stops and rewinds. The next Mix reports StopRequested to the end callback; a sound that is
  // already stopped is left as it is.
  void Stop();
  bool Playing() const;
  bool Paused() const;

  // On: at its end the sound goes on from its beginning in the same mixed buffer, without a gap.
  void SetRepeat(bool repeat);
  // 0..1 (clamped).
  void SetVolume(float volume);
  // -1 (left only) .. 0 (both) .. 1 (right only), clamped.
  void SetPan(float pan);

  // Position and length in milliseconds of the source; the length is nothing when the source
  // cannot tell it.
  int64_t PositionMs() const;
  std::optional<int64_t> LengthMs() const;
  // Moves to positionMs; false when the source cannot seek there.
  bool SeekMs(int64_t positionMs);
  TAudioTags Tags() const;

  // Called on the mixing thread, after the buffer is mixed and outside the mixer's lock, when
  // the sound ended on its own (not while repeating) or a Stop was processed. The callback may
  // control this and other sounds; it must not wait for the thread that destroys sounds.
  void SetOnEnd(std::function<void(TStreamEnd)> onEnd);

 private:
  friend class TMixer;
  TSound(std::shared_ptr<TMixerCore> core, std::shared_ptr<TVoice> voice);

  std::shared_ptr<TMixerCore> m_core;
  std::shared_ptr<TVoice> m_voice;
};

class TMixer {
 public:
  explicit TMixer(int outputRate);
  ~TMixer();
  TMixer(const TMixer&) = delete;
  TMixer& operator=(const TMixer&) = delete;

  int OutputRate() const { return m_outputRate; }

  // A sound over source (must not be null), stopped at its start.
  std::unique_ptr<TSound> CreateSound(std::unique_ptr<TSampleSource> source);

  // Overwrites frames stereo frames at out with the sum of the playing sounds, clamped to -1..1,
  // then runs the end callbacks of the sounds that ended or were stopped.
  void Mix(float* out, size_t frames);

  // Watches every mixed buffer on the mixing thread (after clamping, before the end callbacks);
  // for measurements. Empty to remove.
  void SetTap(std::function<void(const float* frames, size_t count)> tap);

 private:
  int m_outputRate;
  std::shared_ptr<TMixerCore> m_core;
};
