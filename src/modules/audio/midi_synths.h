#pragma once
// The run's FluidSynth synthesizers with the General MIDI sound font loaded. Loading the sound
// font takes about a tenth of a second, so a MIDI sound borrows a loaded synthesizer and hands
// it back when it is gone; the next song resets it instead of loading again. Prepare loads one
// ahead on a worker thread when music is known to be MIDI.

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

struct _fluid_synth_t;
struct _fluid_hashtable_t;

class TMidiSynths {
 public:
  // A loaded synthesizer with its settings; the borrower resets it before it plays.
  class TSynth {
   public:
    ~TSynth();
    TSynth(const TSynth&) = delete;
    TSynth& operator=(const TSynth&) = delete;
    _fluid_synth_t* Get() const { return m_synth; }

   private:
    friend class TMidiSynths;
    TSynth() = default;
    _fluid_hashtable_t* m_settings = nullptr;
    _fluid_synth_t* m_synth = nullptr;
  };

  TMidiSynths() = default;
  ~TMidiSynths();
  TMidiSynths(const TMidiSynths&) = delete;
  TMidiSynths& operator=(const TMidiSynths&) = delete;

  // Starts loading a synthesizer on a worker thread unless one is idle or already loading.
  // False when an earlier load failed, so none will come.
  bool Prepare();
  // An idle synthesizer; waits for one that is loading, else loads one on the calling thread.
  // Null when no sound font can be loaded.
  std::unique_ptr<TSynth> Take();
  // An idle synthesizer at once, else null; loading tells whether one is on its way.
  std::unique_ptr<TSynth> TakeIfReady(bool& loading);
  // Returns a synthesizer for the next song (a few are kept; the rest are freed).
  void Give(std::unique_ptr<TSynth> synth);

  // A new synthesizer with the sound font, or null; for callers without a pool.
  static std::unique_ptr<TSynth> Load();

 private:
  std::mutex m_mutex;
  std::condition_variable m_loaded;
  std::vector<std::unique_ptr<TSynth>> m_idle;
  bool m_loading = false;
  bool m_failed = false;
  std::thread m_loader;
};
