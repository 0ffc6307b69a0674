#pragma once
// The sound of a running menu: the output engine, the music module that plays the background
// music, and the slot for control sounds. One per run, opened before the document is read and
// kept until the menu window is gone (holders that still play keep the parts they need alive).

#include <memory>

#include "audio/audio_engine.h"
#include "audio/music_module.h"
#include "audio/wave_player.h"

class TSoundSystem {
 public:
  // On the default device, or silently on SDL's dummy driver.
  static std::shared_ptr<TSoundSystem> Open(const TAudioEngineOptions& options = {}) {
    return std::make_shared<TSoundSystem>(TAudioEngine::Open(options));
  }
  explicit TSoundSystem(std::shared_ptr<TAudioEngine> engine)
      : m_engine(engine), m_music(std::make_shared<TMusicModule>(engine)), m_waves(engine) {}

  TAudioEngine& Engine() { return *m_engine; }
  const std::shared_ptr<TAudioEngine>& SharedEngine() const { return m_engine; }
  const std::shared_ptr<TMusicModule>& Music() const { return m_music; }
  TWavePlayer& Waves() { return m_waves; }

 private:
  std::shared_ptr<TAudioEngine> m_engine;
  std::shared_ptr<TMusicModule> m_music;
  TWavePlayer m_waves;
};
