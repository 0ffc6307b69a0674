#include "modules/audio/midi_synths.h"

#include <fluidsynth.h>

#include <algorithm>
#include <iterator>

#include "modules/audio/sample_source.h"

namespace {

constexpr const char* kSoundFonts[] = {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/default-GM.sf2"};
// FluidSynth's default gain (0.2) leaves this sound font far quieter than other music.
constexpr double kGain = 0.8;
// Idle synthesizers kept for later songs: enough for the background music and one MIDI player.
constexpr size_t kKeptIdle = 2;

void SilenceFluidSynthLog() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level) fluid_set_log_function(level, nullptr, nullptr);
  });
}

}  // namespace

TMidiSynths::TSynth::~TSynth() {
  if (m_synth) delete_fluid_synth(m_synth);
  if (m_settings) delete_fluid_settings(m_settings);
}

std::unique_ptr<TMidiSynths::TSynth> TMidiSynths::Load() {
  SilenceFluidSynthLog();
  std::unique_ptr<TSynth> synth(new TSynth);
  fluid_settings_t* settings = synth->m_settings = new_fluid_settings();
  if (!settings) return nullptr;
  fluid_settings_setnum(settings, "synth.sample-rate", kSynthesisRate);
  fluid_settings_setnum(settings, "synth.gain", kGain);
  fluid_settings_setint(settings, "synth.threadsafe-api", 0);  // one user at a time, serialised by the mixer
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  synth->m_synth = new_fluid_synth(settings);
  if (!synth->m_synth) return nullptr;
  const bool loaded = std::any_of(std::begin(kSoundFonts), std::end(kSoundFonts), [&](const char* path) {
    return fluid_synth_sfload(synth->m_synth, path, 1) != FLUID_FAILED;
  });
  return loaded ? std::move(synth) : nullptr;
}

TMidiSynths::~TMidiSynths() {
  if (m_loader.joinable()) m_loader.join();
}

bool TMidiSynths::Prepare() {
  std::lock_guard lock(m_mutex);
  if (m_failed) return false;
  if (m_loading || !m_idle.empty()) return true;
  // A finished loader's last step was under this lock, so joining it here cannot wait for it.
  if (m_loader.joinable()) m_loader.join();
  m_loading = true;
  m_loader = std::thread([this] {
    std::unique_ptr<TSynth> synth = Load();
    std::lock_guard lock(m_mutex);
    if (synth)
      m_idle.push_back(std::move(synth));
    else
      m_failed = true;
    m_loading = false;
    m_loaded.notify_all();
  });
  return true;
}

std::unique_ptr<TMidiSynths::TSynth> TMidiSynths::Take() {
  {
    std::unique_lock lock(m_mutex);
    m_loaded.wait(lock, [this] { return !m_loading; });
    if (!m_idle.empty()) {
      std::unique_ptr<TSynth> synth = std::move(m_idle.back());
      m_idle.pop_back();
      return synth;
    }
  }
  return Load();
}

std::unique_ptr<TMidiSynths::TSynth> TMidiSynths::TakeIfReady(bool& loading) {
  std::lock_guard lock(m_mutex);
  loading = m_loading;
  if (m_idle.empty()) return nullptr;
  std::unique_ptr<TSynth> synth = std::move(m_idle.back());
  m_idle.pop_back();
  return synth;
}

void TMidiSynths::Give(std::unique_ptr<TSynth> synth) {
  if (!synth) return;
  fluid_synth_all_sounds_off(synth->m_synth, -1);
  std::lock_guard lock(m_mutex);
  if (m_idle.size() < kKeptIdle) m_idle.push_back(std::move(synth));
}
