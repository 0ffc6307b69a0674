#pragma once
// The menu's music policy: what the window's StartupSound does at start-up, when the application
// is activated or deactivated, and on a click's music command, and the menu's sound service. It
// reads the menu window's settings and plays through the background music and control sounds of
// audio/. User-interface thread only.

#include <functional>

#include "audio/background_music.h"
#include "audio/music_player_dialogs.h"
#include "audio/sound_system.h"
#include "model/component.h"
#include "model/menu_enums.h"
#include "window/menu_services.h"

class TKIVForm;

// A click's music command on window: amcPlayBGMusic plays StartupSound (again from the start
// when it plays) with the window's Loop; amcStopBGMusic stops it. Every other value, and a
// window that is not a menu window, does nothing (amcStopAndResume is the action's own work
// around the program it runs).
void ControlBGMusic(TSoundSystem& sound, TComponent* window, TKIVBGMusicControl control);

// As soon as the menu is read: when its music is MIDI, a synthesizer with the sound font is
// loaded on a worker thread, so the music starts without that wait.
void PrepareMusic(TSoundSystem& sound, TKIVForm& form);
// Start-up, once the start page is chosen and the window placed: with AutoPlayMusic the music
// plays, repeating with Loop.
void StartUpMusic(TSoundSystem& sound, TKIVForm& form);
// The application became active (true) or stopped being active (false): with AutoMusic the
// music plays again from its beginning (repeating with Loop, whether or not it played before)
// or stops.
void MusicOnActivation(TSoundSystem& sound, TKIVForm& form, bool active);

// The sound service of form's menu: control sounds through sound's wave player, a click's
// music command as ControlBGMusic says. Both must outlive it.
class TMenuSounds : public TSounds {
 public:
  TMenuSounds(TSoundSystem& sound, TKIVForm& form) : m_sound(sound), m_form(form) {}
  void PlaySound(const TWaveData& wave, bool wait) override;
  void ControlBGMusic(TKIVBGMusicControl control) override;

 private:
  TSoundSystem& m_sound;
  TKIVForm& m_form;
};

// The window is about to show for the first time: every music player on it plays through sound
// (null: silent) when engineLoads() (asked once, and only when there is a player) says the audio
// engine can be used, takes its window commands (minimise, close, drag) when it lies on the window
// itself, and reads its play list with the window's path macros, playing it with AutoPlay.
// dialogs (may be null) shows the players' skin menus and open-file dialogs; verbose (may be
// empty) hears the messages of the stored skins read with the document.
void StartMusicPlayers(TSoundSystem* sound, const std::function<bool()>& engineLoads, TKIVForm& form,
                       TMusicPlayerDialogs* dialogs = nullptr,
                       const std::function<void(const std::string&)>& verbose = {});
