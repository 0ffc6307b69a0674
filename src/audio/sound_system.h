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
#include <functional>
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
  static constexpr uint32_t kInterfaceVersion = 2;
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

  // A music file as the music player plays it, apart from the music slot and the control
  // sounds; stopped at its start. Used from the user-interface thread.
  class TMusicStream {
   public:
    virtual ~TMusicStream() = default;
    // Starts, or resumes where Pause held it.
    virtual void Play() = 0;
    virtual void Pause() = 0;
    // 0..1 and -1 (left) .. 1 (right), clamped.
    virtual void SetVolume(float volume) = 0;
    virtual void SetPan(float pan) = 0;
    // The decoded format: 1 or 2 channels, frames per second.
    virtual int Channels() const = 0;
    virtual int SampleRate() const = 0;
    // Position and length in milliseconds; the length is 0 when the decoder cannot tell it.
    virtual int64_t PositionMs() const = 0;
    virtual int64_t LengthMs() const = 0;
    // Moves to positionMs; false when the stream cannot seek.
    virtual bool SeekMs(int64_t positionMs) = 0;
    // The file's title and artist tags as stored (empty when absent).
    virtual std::string Title() const = 0;
    virtual std::string Artist() const = 0;
  };
  // Opens the music file at path (a regular file of at most 512 MB, decoded by its content);
  // null when it cannot be read or no decoder reads it. endReached runs on the mixing thread when
  // the stream has played to its end (not when it is paused or destroyed); it must only hand the
  // news on.
  virtual std::unique_ptr<TMusicStream> OpenMusicStream(const std::string& path, std::function<void()> endReached) = 0;
};
