#include "modules/audio/audio_engine.h"

#include <SDL.h>
#include <alsa/asoundlib.h>

#include <condition_variable>
#include <mutex>
#include <thread>
#include <tuple>
#include <utility>

namespace {

// SDL's audio subsystem is started, opened, closed and quit by one thread at a time.
std::mutex& SdlAudioMutex() {
  static std::mutex mutex;
  return mutex;
}

// ALSA reports on stderr every step of failing to find a sound card; a menu without one simply
// plays silently, so its reports are dropped.
void IgnoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

void PullMixer(void* user, Uint8* stream, int length) {
  auto* mixer = static_cast<TMixer*>(user);
  mixer->Mix(reinterpret_cast<float*>(stream), static_cast<size_t>(length) / (2 * sizeof(float)));
}

// Ends this use of SDL's audio subsystem. SDL keeps its hints and driver tables until it quits
// altogether, so with no subsystem left in use it quits: nothing of it outlives the last device.
void QuitAudio() {
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
  if (SDL_WasInit(0) == 0) SDL_Quit();
}

// The open device's id and driver name, or 0 and empty when the driver has no device. driver
// names SDL's audio driver to use; null lets SDL choose. The hints are set at every start, since
// quitting SDL forgets them.
std::pair<SDL_AudioDeviceID, std::string> OpenDevice(TMixer& mixer, const TAudioEngineOptions& options,
                                                     const char* driver) {
  // The player handles termination signals itself; SDL must not take them over.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (driver) SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver, SDL_HINT_OVERRIDE);
  snd_lib_error_set_handler(IgnoreAlsaError);
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    QuitAudio();
    return {};
  }
  SDL_AudioSpec wanted{};
  wanted.freq = options.sampleRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = 2;
  wanted.samples = static_cast<Uint16>(options.bufferFrames);
  wanted.callback = PullMixer;
  wanted.userdata = &mixer;
  SDL_AudioSpec obtained{};
  // No change allowed: SDL converts whatever the hardware wants from this format.
  const SDL_AudioDeviceID id = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (id == 0) {
    QuitAudio();
    return {};
  }
  const char* name = SDL_GetCurrentAudioDriver();
  SDL_PauseAudioDevice(id, 0);
  return {id, name ? name : ""};
}

void CloseDevice(SDL_AudioDeviceID id) {
  SDL_CloseAudioDevice(id);
  QuitAudio();
}

}  // namespace

struct TAudioEngine::TDevice {
  std::shared_ptr<TMixer> mixer;
  std::mutex mutex;
  std::condition_variable opened;
  bool done = false;       // the worker has finished opening
  bool abandoned = false;  // the engine is gone; the worker closes what it opened
  SDL_AudioDeviceID id = 0;
  std::string driver;
};

TAudioEngine::TAudioEngine(int sampleRate) : m_mixer(std::make_shared<TMixer>(sampleRate)) {}

std::shared_ptr<TAudioEngine> TAudioEngine::Open(const TAudioEngineOptions& options) {
  std::shared_ptr<TAudioEngine> engine(new TAudioEngine(options.sampleRate));
  engine->m_device = std::make_shared<TDevice>();
  engine->m_device->mixer = engine->m_mixer;
  std::thread([device = engine->m_device, options] {
    OpenAnyDevice(*device, options);
    // SDL keeps a thread's error text in storage it frees only for threads it started itself.
    SDL_TLSCleanup();
  }).detach();
  return engine;
}

void TAudioEngine::OpenAnyDevice(TDevice& device, const TAudioEngineOptions& options) {
  std::lock_guard sdl(SdlAudioMutex());
  std::pair<SDL_AudioDeviceID, std::string> opened = OpenDevice(*device.mixer, options, nullptr);
  if (opened.first == 0) opened = OpenDevice(*device.mixer, options, "dummy");
  std::lock_guard lock(device.mutex);
  if (device.abandoned) {
    if (opened.first != 0) CloseDevice(opened.first);
    return;
  }
  std::tie(device.id, device.driver) = opened;
  device.done = true;
  device.opened.notify_all();
}

std::shared_ptr<TAudioEngine> TAudioEngine::WithoutDevice(int sampleRate) {
  return std::shared_ptr<TAudioEngine>(new TAudioEngine(sampleRate));
}

const std::string& TAudioEngine::DriverName() {
  static const std::string none;
  if (!m_device) return none;
  std::unique_lock lock(m_device->mutex);
  m_device->opened.wait(lock, [this] { return m_device->done; });
  return m_device->driver;
}

TAudioEngine::~TAudioEngine() {
  if (!m_device) return;
  SDL_AudioDeviceID id = 0;
  {
    std::lock_guard lock(m_device->mutex);
    if (!m_device->done) {
      m_device->abandoned = true;
      return;
    }
    id = m_device->id;
  }
  if (id == 0) return;
  std::lock_guard sdl(SdlAudioMutex());
  CloseDevice(id);
}

std::unique_ptr<TSound> TAudioEngine::CreateSound(TSharedBytes bytes, TAudioFormat hint) {
  std::unique_ptr<TSampleSource> source = OpenSampleSource(std::move(bytes), hint, m_midiSynths);
  if (!source) return nullptr;
  return m_mixer->CreateSound(std::move(source));
}
