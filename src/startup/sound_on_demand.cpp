#include "startup/sound_on_demand.h"

#include "audio/music_player.h"
#include "model/class_info.h"
#include "model/custom_data.h"
#include "model/prop_info.h"
#include "modules/module_loader.h"

TSoundOnDemand::TSoundOnDemand(std::string moduleFolder, std::function<void(const std::string&)> explainSilence)
    : m_moduleFolder(std::move(moduleFolder)), m_explainSilence(std::move(explainSilence)) {}

bool TSoundOnDemand::Open() {
  if (m_tried) return m_sound != nullptr;
  m_tried = true;
  std::string notInstalled;
  if (const TFactory* factory = LoadModuleInterface<TSoundSystem>(m_moduleFolder, notInstalled))
    m_sound = factory->open();
  else if (m_explainSilence)
    m_explainSilence("the audio module is not installed (" + notInstalled + "); the menu plays without sound");
  return m_sound != nullptr;
}

void TSoundOnDemand::PlayMusic(std::span<const uint8_t> bytes, bool loop, uint8_t formatCode) {
  if (Open()) m_sound->PlayMusic(bytes, loop, formatCode);
}

void TSoundOnDemand::StopMusic() {
  if (m_sound) m_sound->StopMusic();
}

std::unique_ptr<TSoundSystem::TMidiSong> TSoundOnDemand::PlayMidiFile(const std::string& path, bool loop) {
  return Open() ? m_sound->PlayMidiFile(path, loop) : nullptr;
}

void TSoundOnDemand::PrepareMidi() {
  if (Open()) m_sound->PrepareMidi();
}

void TSoundOnDemand::PlayWave(std::span<const uint8_t> wave) {
  if (Open()) m_sound->PlayWave(wave);
}

void TSoundOnDemand::PlayWaveAndWait(std::span<const uint8_t> wave) {
  if (Open()) m_sound->PlayWaveAndWait(wave);
}

void TSoundOnDemand::StopWave() {
  if (m_sound) m_sound->StopWave();
}

std::unique_ptr<TSoundSystem::TMusicStream> TSoundOnDemand::OpenMusicStream(const std::string& path,
                                                                            std::function<void()> endReached) {
  return Open() ? m_sound->OpenMusicStream(path, std::move(endReached)) : nullptr;
}

namespace {

bool HoldsSound(TPersistent& object) {
  for (const TPropInfo* property : object.ClassType().AllProperties()) {
    if (property->kind != TPropKind::Object || !property->getObject) continue;
    TPersistent* value = property->getObject(object);
    if ((As<TWaveData>(value) || As<TAudioData>(value)) && !static_cast<TCustomData*>(value)->Empty()) return true;
  }
  return false;
}

}  // namespace

bool MenuMakesSound(const TComponent& window) {
  // The stored holders are reached through the property tables, which need a writable object;
  // nothing here changes it.
  auto& component = const_cast<TComponent&>(window);
  if (As<TKIVAudierePlayer>(&component) || HoldsSound(component)) return true;
  for (const std::unique_ptr<TComponent>& child : window.Components())
    if (MenuMakesSound(*child)) return true;
  return false;
}
