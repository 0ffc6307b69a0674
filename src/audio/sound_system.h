#pragma once
// The sound of a running menu as the player reaches it: the music module's slot that plays the
// background music, MIDI songs standing in for the sequencer, and the slot for control sounds.
// The audio module implements it (modules/audio), so the player neither links nor starts the
// audio libraries. One per run, used from the user-interface thread; a failure to play leaves
// silence and reports nothing.
//
// The interface crosses the module's boundary: both sides are built from this header by the
// same compiler, and kInterfaceVersion names this exact form of it.

#include <cstdint>
#include <memory>
#include <span>
#include <string>

class TSoundSystem {
 public:
  // The module that implements the interface, the name it serves it under and its version.
  // Raise the version with every change to this class or to what crosses it, so that a module
  // built for another form counts as not installed instead of being called wrongly.
  static constexpr const char* kModuleName = "audio";
  static constexpr const char* kInterfaceName = "TSoundSystem";
  static constexpr uint32_t kInterfaceVersion = 1;
  // What the module hands out: opens the run's sound system on the default device, or silently
  // when no device opens (it never fails and never waits for the device).
  struct TFactory {
    std::shared_ptr<TSoundSystem> (*open)();
  };

  virtual ~TSoundSystem() = default;

  // The music slot, one for the run: stops and releases what it played, then plays bytes with
  // the decoder formatCode asks for (LibraryFormatCode; the content decides when that decoder
  // cannot read them), repeating with loop.
  virtual void PlayMusic(std::span<const uint8_t> bytes, bool loop, uint8_t formatCode) = 0;
  // Releases the slot's sound, which ends its playback.
  virtual void StopMusic() = 0;

  // A MIDI song that plays until it is destroyed.
  class TMidiSong {
   public:
    virtual ~TMidiSong() = default;
  };
  // Plays the MIDI file at path, from its beginning again each time it completes while loop is
  // set. Null when the file is missing, unreadable or not MIDI.
  virtual std::unique_ptr<TMidiSong> PlayMidiFile(const std::string& path, bool loop) = 0;
  // Loads a MIDI synthesizer on a worker thread, so that MIDI music known to come starts without
  // that wait.
  virtual void PrepareMidi() = 0;

  // Control sounds, one slot for the run, apart from the music: starts a WAVE file and returns at
  // once; a new sound cuts off the one still playing. Bytes that are not a readable WAVE file play
  // nothing (and still cut off the sound before them).
  virtual void PlayWave(std::span<const uint8_t> wave) = 0;
  // As PlayWave, then waits until the sound has ended, but no longer than its length plus a
  // second and never longer than a minute, so a stuck device cannot hang the menu.
  virtual void PlayWaveAndWait(std::span<const uint8_t> wave) = 0;
  virtual void StopWave() = 0;
};
