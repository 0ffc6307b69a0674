#include "startup/menu_music.h"

#include "audio/music_kind.h"
#include "window/menu_form.h"

void ControlBGMusic(TSoundSystem& sound, TComponent* window, TKIVBGMusicControl control) {
  TKIVForm* form = As<TKIVForm>(window);
  if (!form) return;
  if (control == TKIVBGMusicControl::amcPlayBGMusic) PlayAudioData(sound, *form->StartupSound(), form->m_loop);
  if (control == TKIVBGMusicControl::amcStopBGMusic) StopAudioData(*form->StartupSound());
}

void PrepareMusic(TSoundSystem& sound, TKIVForm& form) {
  if (RecogniseMusicKind(form.StartupSound()->Bytes()) == TMusicKind::Midi) sound.Engine().MidiSynths()->Prepare();
}

void StartUpMusic(TSoundSystem& sound, TKIVForm& form) {
  if (form.m_autoPlayMusic) PlayAudioData(sound, *form.StartupSound(), form.m_loop);
}

void MusicOnActivation(TSoundSystem& sound, TKIVForm& form, bool active) {
  if (!form.m_autoMusic) return;
  if (active)
    PlayAudioData(sound, *form.StartupSound(), form.m_loop);
  else
    StopAudioData(*form.StartupSound());
}
