// MIDI through FluidSynth with the General MIDI sound font Debian ships: the song ends where its
// last track ends, without waiting for the synthesizer's release tail, and a restart silences
// every note still sounding and resets the synthesizer, so nothing of an earlier song (notes,
// programs, controllers, effects) carries over to a borrowed synthesizer. A song opened while
// its synthesizer is still being loaded ahead plays silence until it arrives, then starts from
// its beginning, so opening never waits for the load.

#include <fluidsynth.h>

#include <algorithm>
#include <cstring>

#include "modules/audio/audio_format.h"
#include "modules/audio/midi_synths.h"

namespace {

// The player advances in the synthesizer's blocks; the end is looked for after each.
constexpr size_t kBlockFrames = 64;

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
    if (m_synths)
      m_synths->Give(std::move(m_synth));
  }

  static std::unique_ptr<TMidiSource> Open(TSharedBytes bytes, std::span<const uint8_t> song,
                                           std::shared_ptr<TMidiSynths> synths) {
    auto source = std::unique_ptr<TMidiSource>(new TMidiSource);
    source->m_bytes = std::move(bytes);
    source->m_song = song;
    bool loading = false;
    if (synths) source->m_synth = synths->TakeIfReady(loading);
    if (!source->m_synth && !loading) source->m_synth = synths ? synths->Take() : TMidiSynths::Load();
    source->m_synths = std::move(synths);
    if (source->m_synth ? !source->Restart() : !loading) return nullptr;
    return source;
  }

  int SampleRate() const override { return kSynthesisRate; }
  int Channels() const override { return 2; }

  size_t Read(float* out, size_t frames) override {
    if (!m_synth && !BorrowLoadedSynth()) {
      if (!m_waiting) return 0;
      std::fill(out, out + 2 * frames, 0.0f);
      return frames;
    }
    size_t done = 0;
    while (done < frames && !SongEnded()) {
      const int block = static_cast<int>(std::min(kBlockFrames, frames - done));
      float* at = out + 2 * done;
      if (fluid_synth_write_float(m_synth->Get(), block, at, 0, 2, at, 1, 2) != FLUID_OK) break;
      done += static_cast<size_t>(block);
    }
    return done;
  }

  // Only the beginning can be sought: the song starts again from its first event.
  bool Seek(int64_t frame) override { return frame <= 0 && (!m_synth || Restart()); }
  std::optional<int64_t> LengthFrames() const override { return std::nullopt; }
  const TAudioTags& Tags() const override { return m_tags; }

 private:
  TMidiSource() = default;

  // Takes a synthesizer loaded ahead once one is there (another sound may have taken the one
  // that was loading: then one more is loaded). m_waiting turns false when none can come.
  bool BorrowLoadedSynth() {
    bool loading = false;
    m_synth = m_synths->TakeIfReady(loading);
    if (!m_synth) {
      if (!loading && !m_synths->Prepare()) m_waiting = false;
      return false;
    }
    m_waiting = false;
    return Restart();
  }

  // The player itself goes on for a grace period after the last event while notes ring out;
  // the song ends at the last track's end.
  bool SongEnded() const {
    if (!m_player || fluid_player_get_status(m_player) != FLUID_PLAYER_PLAYING) return true;
    const int total = fluid_player_get_total_ticks(m_player);
    return total > 0 && fluid_player_get_current_tick(m_player) >= total;
  }

  bool Restart() {
    if (m_player) delete_fluid_player(m_player);
    m_player = nullptr;
    fluid_synth_all_sounds_off(m_synth->Get(), -1);
    fluid_synth_system_reset(m_synth->Get());
    m_player = new_fluid_player(m_synth->Get());
    if (!m_player || fluid_player_add_mem(m_player, m_song.data(), m_song.size()) != FLUID_OK ||
        fluid_player_play(m_player) != FLUID_OK)
      return false;
    return true;
  }

  TSharedBytes m_bytes;
  std::span<const uint8_t> m_song;
  std::shared_ptr<TMidiSynths> m_synths;
  std::unique_ptr<TMidiSynths::TSynth> m_synth;
  bool m_waiting = true;
  fluid_player_t* m_player = nullptr;
  TAudioTags m_tags;
};

}  // namespace

std::unique_ptr<TSampleSource> OpenMidiSource(TSharedBytes bytes, std::shared_ptr<TMidiSynths> synths) {
  if (!bytes) return nullptr;
  std::span<const uint8_t> song = StandardMidiFile(*bytes);
  if (song.size() < 14 || std::memcmp(song.data(), "MThd", 4) != 0) return nullptr;
  return TMidiSource::Open(std::move(bytes), song, std::move(synths));
}
