#pragma once
// Background music: playing and stopping a TAudioData, the click commands that act on the menu
// window's StartupSound, and the menu's music life cycle (start-up, activation). Everything
// here runs on the user-interface thread; failures leave the music silent and report nothing.

#include <memory>
#include <string>

#include "audio/music_kind.h"
#include "audio/sound_system.h"
#include "model/component.h"
#include "model/custom_data.h"
#include "model/menu_enums.h"

class TKIVForm;

// Stops music, then plays it by the kind its bytes show: WAVE, modules, MPEG and Ogg through
// the music module (repeating with loop); MIDI saved to a temporary file named "kiv..." and
// played by a MIDI player (restarting on each completion with loop). An unrecognised kind plays
// nothing. The holder remembers what it started until it is stopped or freed.
void PlayAudioData(TSoundSystem& sound, TAudioData& music, bool loop);
// Stops the music module (module kinds) or closes the MIDI player and deletes its temporary
// file (MIDI), then forgets the kind. A holder that plays nothing is left alone.
void StopAudioData(TAudioData& music);
// The kind music last started; None when it plays nothing.
TMusicKind PlayingKind(const TAudioData& music);
// The temporary MIDI file while music plays as MIDI, else empty.
std::string MidiTempFile(const TAudioData& music);

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
