// MIDI through FluidSynth with the General MIDI sound font Debian ships: the song ends where its
// last track ends, without waiting for the synthesizer's release tail, and a restart silences
// every note still sounding.

#include <fluidsynth.h>

#include <algorithm>
#include <cstring>
#include <mutex>

#include "audio/audio_format.h"

namespace {

constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
// FluidSynth's default gain (0.2) leaves this sound font far quieter than other music.
constexpr double kGain = 0.8;
// The player advances in the synthesizer's blocks; the end is looked for after each.
constexpr size_t kBlockFrames = 64;

void SilenceFluidSynthLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
  });
}

uint32_t Le32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }

// The standard MIDI file inside a RIFF "RMID" wrapper (its "data" chunk), or the bytes as they
// are; empty when the wrapper holds no data chunk.
std::span<const uint8_t> StandardMidiFile(std::span<const uint8_t> bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 || std::memcmp(bytes.data() + 8, "RMID", 4) != 0)
    return bytes;
  size_t at = 12;
  while (bytes.size() - at >= 8) {
    const uint32_t size = Le32(bytes.data() + at + 4);
    const size_t body = at + 8;
    if (size > bytes.size() - body) return {};
    if (std::memcmp(bytes.data() + at, "data", 4) == 0) return bytes.subspan(body, size);
    at = body + size + (size & 1);
    if (at > bytes.size()) return {};
  }
  return {};
}

class TMidiSource final : public TSampleSource {
 public:
  ~TMidiSource() override {
    if (m_player) delete_fluid_player(m_player);
    if (m_synth) delete_fluid_synth(m_synth);
    if (m_settings) delete_fluid_settings(m_settings);
  }

  static std::unique_ptr<TMidiSource> Open(TSharedBytes bytes, std::span<const uint8_t> song) {
    SilenceFluidSynthLog();
    auto source = std::unique_ptr<TMidiSource>(new TMidiSource);
    source->m_bytes = std::move(bytes);
    source->m_song = song;
    fluid_settings_t* settings = source->m_settings = new_fluid_settings();
    if (!settings) return nullptr;
    fluid_settings_setnum(settings, "synth.sample-rate", kSynthesisRate);
    fluid_settings_setnum(settings, "synth.gain", kGain);
    fluid_settings_setint(settings, "synth.threadsafe-api", 0);  // the mixer serialises every call
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    source->m_synth = new_fluid_synth(settings);
    if (!source->m_synth) return nullptr;
    const bool loaded = std::any_of(std::begin(kSoundFonts), std::end(kSoundFonts), [&](const char* path) {
      return fluid_synth_sfload(source->m_synth, path, 1) != FLUID_FAILED;
    });
    if (!loaded || !source->Restart()) return nullptr;
    return source;
  }

  int SampleRate() const override { return kSynthesisRate; }
  int Channels() const override { return 2; }

  size_t Read(float* out, size_t frames) override {
    size_t done = 0;
    while (done < frames && !SongEnded()) {
      const int block = static_cast<int>(std::min(kBlockFrames, frames - done));
      float* at = out + 2 * done;
      if (fluid_synth_write_float(m_synth, block, at, 0, 2, at, 1, 2) != FLUID_OK) break;
      done += static_cast<size_t>(block);
    }
    return done;
  }

  // Only the beginning can be sought: the song starts again from its first event.
  bool Seek(int64_t frame) override { return frame <= 0 && Restart(); }
  std::optional<int64_t> LengthFrames() const override { return std::nullopt; }
  const TAudioTags& Tags() const override { return m_tags; }

 private:
  TMidiSource() = default;

  // The player itself goes on for a grace period after the last event while notes ring out;
  // the song ends at the last track's end.
  bool SongEnded() const {
    if (fluid_player_get_status(m_player) != FLUID_PLAYER_PLAYING) return true;
    const int total = fluid_player_get_total_ticks(m_player);
    return total > 0 && fluid_player_get_current_tick(m_player) >= total;
  }

  bool Restart() {
    if (m_player) delete_fluid_player(m_player);
    fluid_synth_all_sounds_off(m_synth, -1);
    fluid_synth_system_reset(m_synth);
    m_player = new_fluid_player(m_synth);
    if (!m_player || fluid_player_add_mem(m_player, m_song.data(), m_song.size()) != FLUID_OK ||
        fluid_player_play(m_player) != FLUID_OK)
      return false;
    return true;
  }

  TSharedBytes m_bytes;
  std::span<const uint8_t> m_song;
  fluid_settings_t* m_settings = nullptr;
  fluid_synth_t* m_synth = nullptr;
  fluid_player_t* m_player = nullptr;
  TAudioTags m_tags;
};

}  // namespace

std::unique_ptr<TSampleSource> OpenMidiSource(TSharedBytes bytes) {
  if (!bytes) return nullptr;
  std::span<const uint8_t> song = StandardMidiFile(*bytes);
  if (song.size() < 14 || std::memcmp(song.data(), "MThd", 4) != 0) return nullptr;
  return TMidiSource::Open(std::move(bytes), song);
}
