#include "startup/menu_music.h"

#include <optional>

#include "actions/launch.h"
#include "actions/macros.h"
#include "audio/music_kind.h"
#include "audio/music_player.h"
#include "window/menu_form.h"

void ControlBGMusic(TSoundSystem& sound, TComponent* window, TKIVBGMusicControl control) {
  TKIVForm* form = As<TKIVForm>(window);
  if (!form) return;
  if (control == TKIVBGMusicControl::amcPlayBGMusic) PlayAudioData(sound, *form->StartupSound(), form->Loop());
  if (control == TKIVBGMusicControl::amcStopBGMusic) StopAudioData(*form->StartupSound());
}

void PrepareMusic(TSoundSystem& sound, TKIVForm& form) {
  if (RecogniseMusicKind(form.StartupSound()->Bytes()) == TMusicKind::Midi) sound.PrepareMidi();
}

void StartUpMusic(TSoundSystem& sound, TKIVForm& form) {
  if (form.AutoPlayMusic()) PlayAudioData(sound, *form.StartupSound(), form.Loop());
}

void MusicOnActivation(TSoundSystem& sound, TKIVForm& form, bool active) {
  if (!form.AutoMusic()) return;
  if (active)
    PlayAudioData(sound, *form.StartupSound(), form.Loop());
  else
    StopAudioData(*form.StartupSound());
}

void TMenuSounds::PlaySound(const TWaveData& wave, bool wait) {
  if (wave.Empty()) return;
  if (wait)
    m_sound.PlayWaveAndWait(wave.Bytes());
  else
    m_sound.PlayWave(wave.Bytes());
}

void TMenuSounds::ControlBGMusic(TKIVBGMusicControl control) { ::ControlBGMusic(m_sound, &m_form, control); }

namespace {

void ForEachMusicPlayer(TComponent& owner, const std::function<void(TKIVAudierePlayer&)>& visit) {
  for (const auto& component : owner.Components()) {
    if (auto* player = dynamic_cast<TKIVAudierePlayer*>(component.get())) visit(*player);
    ForEachMusicPlayer(*component, visit);
  }
}

}  // namespace

void StartMusicPlayers(TSoundSystem* sound, const std::function<bool()>& engineLoads, TKIVForm& form,
                       TMusicPlayerDialogs* dialogs, const std::function<void(const std::string&)>& verbose) {
  const TMacroValues& macros = form.Context().macroValues;
  std::optional<bool> usable;
  ForEachMusicPlayer(form, [&](TKIVAudierePlayer& player) {
    if (!usable) usable = sound && engineLoads && engineLoads();
    player.SetSound(sound, *usable);
    player.MessageTextsChanged(form.Context().messageTexts);
    if (verbose)
      for (const std::string& message : player.LoadMessages()) verbose(player.Name() + ": " + message);
    player.SetDialogs(dialogs, [&macros](const std::string& path) { return ToLinuxPath(ExpandMacros(path, macros)); });
    if (player.Parent() == &form)
      player.SetWindowCommands({[&form] { form.Minimize(); },
                                [&form] {
                                  if (form.Host()) form.Host()->Close();
                                },
                                [&form] {
                                  if (form.Host() && form.WindowStyle() != TKIVWindowStyle::awsFullScreen)
                                    form.Host()->StartSystemMove();
                                }});
    player.LoadPlayList([&macros](const std::string& line) { return ToLinuxPath(ExpandMacros(line, macros)); });
  });
}
