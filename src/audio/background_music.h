#pragma once
// Background music: playing and stopping a TAudioData. Everything here runs on the
// user-interface thread; failures leave the music silent and report nothing. What the menu does
// with its music (start-up, activation, a click's command) is the session's, in startup/.

#include <memory>
#include <string>

#include "audio/music_kind.h"
#include "audio/sound_system.h"
#include "model/custom_data.h"

// Stops music, then plays it by the kind its bytes show: WAVE, modules, MPEG and Ogg through
// the music module (repeating with loop); MIDI saved to a temporary file named "kiv..." and
// played by a MIDI player (restarting on each completion with loop). An unrecognised kind plays
// nothing. The holder remembers what it started until it is stopped or freed; sound must outlive
// that.
void PlayAudioData(TSoundSystem& sound, TAudioData& music, bool loop);
// Stops the music module (module kinds) or closes the MIDI player and deletes its temporary
// file (MIDI), then forgets the kind. A holder that plays nothing is left alone.
void StopAudioData(TAudioData& music);
// The kind music last started; None when it plays nothing.
TMusicKind PlayingKind(const TAudioData& music);
// The temporary MIDI file while music plays as MIDI, else empty.
std::string MidiTempFile(const TAudioData& music);
