#include "audio/audio_engine.h"

#include <SDL.h>

namespace {

// SDL's audio subsystem is started, opened, closed and quit by one engine at a time.
std::mutex& SdlAudioMutex() {
  static std::mutex mutex;
  return mutex;
}

void PullMixer(void* user, Uint8* stream, int length) {
  auto* mixer = static_cast<TMixer*>(user);
  mixer->Mix(reinterpret_cast<float*>(stream), static_cast<size_t>(length) / (2 * sizeof(float)));
}

}  // namespace

std::shared_ptr<TAudioEngine> TAudioEngine::Open(const TAudioEngineOptions& options) {
  std::shared_ptr<TAudioEngine> engine(new TAudioEngine(options.sampleRate));
  // The player handles termination signals itself; SDL must not take them over.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  TAudioEngine* opening = engine.get();
  engine->m_opener = std::thread([opening, options] { opening->OpenAnyDevice(options); });
  return engine;
}

void TAudioEngine::OpenAnyDevice(const TAudioEngineOptions& options) {
  std::lock_guard lock(SdlAudioMutex());
  if (OpenDevice(options)) return;
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  OpenDevice(options);
}

void TAudioEngine::WaitUntilOpen() {
  std::lock_guard lock(m_openMutex);
  if (m_opener.joinable()) m_opener.join();
}

const std::string& TAudioEngine::DriverName() {
  WaitUntilOpen();
  return m_driver;
}

std::shared_ptr<TAudioEngine> TAudioEngine::WithoutDevice(int sampleRate) {
  return std::shared_ptr<TAudioEngine>(new TAudioEngine(sampleRate));
}

bool TAudioEngine::OpenDevice(const TAudioEngineOptions& options) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
  SDL_AudioSpec wanted{};
  wanted.freq = options.sampleRate;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = 2;
  wanted.samples = static_cast<Uint16>(options.bufferFrames);
  wanted.callback = PullMixer;
  wanted.userdata = &m_mixer;
  SDL_AudioSpec obtained{};
  // No change allowed: SDL converts whatever the hardware wants from this format.
  m_device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (m_device == 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  const char* driver = SDL_GetCurrentAudioDriver();
  m_driver = driver ? driver : "";
  SDL_PauseAudioDevice(m_device, 0);
  return true;
}

TAudioEngine::~TAudioEngine() {
  WaitUntilOpen();
  if (m_device == 0) return;
  std::lock_guard lock(SdlAudioMutex());
  SDL_CloseAudioDevice(m_device);
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::unique_ptr<TSound> TAudioEngine::CreateSound(TSharedBytes bytes, TAudioFormat hint) {
  std::unique_ptr<TSampleSource> source = OpenSampleSource(std::move(bytes), hint, m_midiSynths);
  if (!source) return nullptr;
  return m_mixer.CreateSound(std::move(source));
}
