#pragma once
// Helpers of the audio tests: synthetic sources with known samples, test data, signal measures.

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "modules/audio/audio_format.h"
#include "modules/audio/sample_source.h"
#include "support/test_data.h"

// frames frames of a constant level on every channel; seeks anywhere inside.
class TConstantSource final : public TSampleSource {
 public:
  TConstantSource(int rate, int channels, int64_t frames, float level, TAudioTags tags = {})
      : m_rate(rate), m_channels(channels), m_frames(frames), m_level(level), m_tags(std::move(tags)) {}
  int SampleRate() const override { return m_rate; }
  int Channels() const override { return m_channels; }
  size_t Read(float* out, size_t frames) override {
    const size_t n = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(frames), m_frames - m_position));
    std::fill(out, out + n * static_cast<size_t>(m_channels), m_level);
    m_position += static_cast<int64_t>(n);
    return n;
  }
  bool Seek(int64_t frame) override {
    m_position = std::clamp<int64_t>(frame, 0, m_frames);
    return true;
  }
  std::optional<int64_t> LengthFrames() const override { return m_frames; }
  const TAudioTags& Tags() const override { return m_tags; }

 private:
  int m_rate;
  int m_channels;
  int64_t m_frames;
  float m_level;
  int64_t m_position = 0;
  TAudioTags m_tags;
};

inline TSharedBytes Shared(std::vector<uint8_t> bytes) {
  return std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
}

inline double Rms(const float* samples, size_t count) {
  double sum = 0;
  for (size_t i = 0; i < count; ++i) sum += double{samples[i]} * samples[i];
  return count ? std::sqrt(sum / static_cast<double>(count)) : 0.0;
}

inline double Rms(const std::vector<float>& samples) { return Rms(samples.data(), samples.size()); }

// Up to maxFrames frames of source, as written (Channels() interleaved).
inline std::vector<float> ReadAll(TSampleSource& source, size_t maxFrames) {
  std::vector<float> all;
  std::vector<float> block(4096 * static_cast<size_t>(source.Channels()));
  size_t total = 0;
  while (total < maxFrames) {
    const size_t got = source.Read(block.data(), std::min<size_t>(4096, maxFrames - total));
    if (got == 0) break;
    all.insert(all.end(), block.begin(), block.begin() + static_cast<ptrdiff_t>(got * static_cast<size_t>(source.Channels())));
    total += got;
  }
  return all;
}
