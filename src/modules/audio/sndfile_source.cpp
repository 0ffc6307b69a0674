// WAVE, AIFF, FLAC, Ogg Vorbis and MPEG audio through libsndfile, read from memory through its
// virtual I/O.

#include <sndfile.h>

#include <algorithm>
#include <cstring>

#include "modules/audio/audio_format.h"

namespace {

struct TMemoryFile {
  TSharedBytes bytes;
  sf_count_t position = 0;
};

sf_count_t MemoryLength(void* user) { return static_cast<sf_count_t>(static_cast<TMemoryFile*>(user)->bytes->size()); }

sf_count_t MemorySeek(sf_count_t offset, int whence, void* user) {
  auto* file = static_cast<TMemoryFile*>(user);
  const sf_count_t size = static_cast<sf_count_t>(file->bytes->size());
  sf_count_t base = whence == SEEK_CUR ? file->position : whence == SEEK_END ? size : 0;
  file->position = std::clamp<sf_count_t>(base + offset, 0, size);
  return file->position;
}

sf_count_t MemoryRead(void* out, sf_count_t count, void* user) {
  auto* file = static_cast<TMemoryFile*>(user);
  const sf_count_t size = static_cast<sf_count_t>(file->bytes->size());
  const sf_count_t n = std::clamp<sf_count_t>(count, 0, size - file->position);
  if (n > 0) std::memcpy(out, file->bytes->data() + file->position, static_cast<size_t>(n));
  file->position += n;
  return n;
}

sf_count_t MemoryWrite(const void*, sf_count_t, void*) { return 0; }

sf_count_t MemoryTell(void* user) { return static_cast<TMemoryFile*>(user)->position; }

SF_VIRTUAL_IO g_memoryIo = {MemoryLength, MemorySeek, MemoryRead, MemoryWrite, MemoryTell};

// More channels than stereo are folded into two by taking the first two.
class TSndfileSource final : public TSampleSource {
 public:
  static std::unique_ptr<TSndfileSource> Open(TSharedBytes bytes) {
    auto source = std::unique_ptr<TSndfileSource>(new TSndfileSource(std::move(bytes)));
    source->m_file = sf_open_virtual(&g_memoryIo, SFM_READ, &source->m_info, &source->m_memory);
    const SF_INFO& info = source->m_info;
    if (!source->m_file || info.channels < 1 || info.channels > 64 || info.samplerate < 1000 ||
        info.samplerate > 384000)
      return nullptr;
    auto tag = [&](int which) {
      const char* text = sf_get_string(source->m_file, which);
      return text ? std::string(text) : std::string();
    };
    source->m_tags = {tag(SF_STR_TITLE), tag(SF_STR_ARTIST)};
    return source;
  }
  ~TSndfileSource() override {
    if (m_file) sf_close(m_file);
  }

  int SampleRate() const override { return m_info.samplerate; }
  int Channels() const override { return std::min(m_info.channels, 2); }

  size_t Read(float* out, size_t frames) override {
    if (m_info.channels <= 2) return static_cast<size_t>(std::max<sf_count_t>(0, sf_readf_float(m_file, out, static_cast<sf_count_t>(frames))));
    size_t done = 0;
    m_wide.resize(256 * static_cast<size_t>(m_info.channels));
    while (done < frames) {
      const sf_count_t want = static_cast<sf_count_t>(std::min<size_t>(256, frames - done));
      const sf_count_t got = sf_readf_float(m_file, m_wide.data(), want);
      for (sf_count_t i = 0; i < got; ++i) {
        out[2 * done] = m_wide[static_cast<size_t>(i * m_info.channels)];
        out[2 * done + 1] = m_wide[static_cast<size_t>(i * m_info.channels + 1)];
        ++done;
      }
      if (got < want) break;
    }
    return done;
  }

  bool Seek(int64_t frame) override { return sf_seek(m_file, std::max<int64_t>(frame, 0), SEEK_SET) >= 0; }

  std::optional<int64_t> LengthFrames() const override {
    if (m_info.frames <= 0 || m_info.frames == SF_COUNT_MAX) return std::nullopt;
    return m_info.frames;
  }
  const TAudioTags& Tags() const override { return m_tags; }

 private:
  explicit TSndfileSource(TSharedBytes bytes) { m_memory.bytes = std::move(bytes); }

  TMemoryFile m_memory;
  SF_INFO m_info{};
  SNDFILE* m_file = nullptr;
  TAudioTags m_tags;
  std::vector<float> m_wide;
};

}  // namespace

std::unique_ptr<TSampleSource> OpenSndfileSource(TSharedBytes bytes) {
  if (!bytes || bytes->empty()) return nullptr;
  return TSndfileSource::Open(std::move(bytes));
}
