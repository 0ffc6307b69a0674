#pragma once
// A decoded sound as the mixer pulls it: interleaved float frames at the source's own rate,
// with its length, tags and seeking. Sources are used from one thread at a time (the mixer
// holds its lock around every call).

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Synthesised sources (modules, MIDI) render at the mixer's usual rate, so they need no resampling.
inline constexpr int kSynthesisRate = 44100;

struct TAudioTags {
  std::string title;
  std::string artist;
};

class TSampleSource {
 public:
  virtual ~TSampleSource() = default;

  virtual int SampleRate() const = 0;
  // 1 or 2.
  virtual int Channels() const = 0;
  // Writes up to frames frames of Channels() interleaved samples in -1..1 into out and returns
  // how many it wrote; fewer than asked (0 included) means the end was reached.
  virtual size_t Read(float* out, size_t frames) = 0;
  // Moves to frame (clamped to the length where one is known); false when the source cannot.
  virtual bool Seek(int64_t frame) = 0;
  // Length in frames, or nothing when the source cannot tell without playing it.
  virtual std::optional<int64_t> LengthFrames() const = 0;
  virtual const TAudioTags& Tags() const = 0;
};
