#pragma once
// The sound output of a run: one mixer pulled by SDL's audio device on SDL's audio thread.
// When no device opens, SDL's dummy driver pulls the mixer at the same pace and nothing is
// heard; opening never fails and never waits for a device. The device opens on a worker
// thread (a back end that finds no device can take a tenth of a second to give up), so the
// caller goes on at once; sounds played meanwhile wait in the mixer and start when the device
// first pulls it. An engine destroyed while its device still opens does not wait: the worker
// closes the device itself when it is done.

#include <memory>
#include <span>
#include <string>

#include "modules/audio/audio_format.h"
#include "modules/audio/midi_synths.h"
#include "modules/audio/mixer.h"

struct TAudioEngineOptions {
  int sampleRate = 44100;
  // Frames per device buffer: the mixing granularity and part of the start latency.
  int bufferFrames = 512;
};

class TAudioEngine {
 public:
  // Starts opening the default device (the SDL_AUDIODRIVER environment variable may choose the
  // driver), else the dummy driver.
  static std::shared_ptr<TAudioEngine> Open(const TAudioEngineOptions& options = {});
  // A mixer that nothing pulls: the caller mixes by hand (tests, measurements).
  static std::shared_ptr<TAudioEngine> WithoutDevice(int sampleRate = 44100);

  ~TAudioEngine();
  TAudioEngine(const TAudioEngine&) = delete;
  TAudioEngine& operator=(const TAudioEngine&) = delete;

  TMixer& Mixer() { return *m_mixer; }
  // The SDL driver in use ("dummy" when no device opened), empty without a device; waits until
  // the device is open.
  const std::string& DriverName();

  // A stopped sound over bytes (see OpenSampleSource), or null when no decoder reads them.
  std::unique_ptr<TSound> CreateSound(TSharedBytes bytes, TAudioFormat hint = TAudioFormat::Unknown);

  // The loaded MIDI synthesizers every MIDI sound of this engine borrows from.
  const std::shared_ptr<TMidiSynths>& MidiSynths() const { return m_midiSynths; }

 private:
  struct TDevice;
  explicit TAudioEngine(int sampleRate);
  static void OpenAnyDevice(TDevice& device, const TAudioEngineOptions& options);

  // Shared with the worker that opens the device, which may outlive the engine.
  std::shared_ptr<TMixer> m_mixer;
  std::shared_ptr<TDevice> m_device;
  std::shared_ptr<TMidiSynths> m_midiSynths = std::make_shared<TMidiSynths>();
};
