#pragma once
// TKIVMidiPlayer: plays the MIDI file named by FileName, from its beginning again each time it
// completes while Loop is set. The synthesizer stands in for a MIDI sequencer device: "open"
// means a sound of the file is in the mixer.

#include <memory>
#include <string>

#include "modules/audio/audio_engine.h"
#include "model/component.h"

class TKIVMidiPlayer : public TComponent {
 public:
  explicit TKIVMidiPlayer(std::shared_ptr<TAudioEngine> engine) : m_engine(std::move(engine)) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  const std::string& FileName() const { return m_fileName; }
  void SetFileName(std::string fileName) { m_fileName = std::move(fileName); }
  bool Loop() const { return m_loop; }
  void SetLoop(bool loop) { m_loop = loop; }

  // Closes what was open, then opens FileName and plays it. A missing or unreadable file, or
  // one that is not MIDI, leaves the player closed.
  void Play();
  void Close();
  // Playing: opened and not yet completed (a completed song without Loop counts as closed).
  bool IsOpen() const;

 private:
  std::shared_ptr<TAudioEngine> m_engine;
  std::string m_fileName;
  bool m_loop = false;
  std::unique_ptr<TSound> m_sound;
};
