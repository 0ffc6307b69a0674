#pragma once
// The run's sound, reached through the audio module, which is loaded the first time a sound is
// to play (or when Open is called): a menu without sound never loads the audio libraries. When
// the module is not installed the menu plays silently. User-interface thread only.

#include <functional>
#include <memory>
#include <string>

#include "audio/sound_system.h"
#include "model/component.h"

class TSoundOnDemand final : public TSoundSystem {
 public:
  // The module is looked for in moduleFolder (ModuleFolder(), or another folder in tests).
  // explainSilence (may be empty) is told once, in one line, why the menu stays silent.
  TSoundOnDemand(std::string moduleFolder, std::function<void(const std::string&)> explainSilence);

  // Loads the module and opens its sound system unless that was tried already; true when sound
  // plays through the module.
  bool Open();

  // Playing opens the module; stopping what never played leaves it unloaded.
  void PlayMusic(std::span<const uint8_t> bytes, bool loop, uint8_t formatCode) override;
  void StopMusic() override;
  std::unique_ptr<TMidiSong> PlayMidiFile(const std::string& path, bool loop) override;
  void PrepareMidi() override;
  void PlayWave(std::span<const uint8_t> wave) override;
  void PlayWaveAndWait(std::span<const uint8_t> wave) override;
  void StopWave() override;
  std::unique_ptr<TMusicStream> OpenMusicStream(const std::string& path, std::function<void()> endReached) override;

 private:
  std::string m_moduleFolder;
  std::function<void(const std::string&)> m_explainSilence;
  bool m_tried = false;
  std::shared_ptr<TSoundSystem> m_sound;  // null until opened, and when not installed
};

// Whether window or a component on it can make a sound: a stored sound or music that is not
// empty, or a music player control.
bool MenuMakesSound(const TComponent& window);
