#include "modules/audio/midi_player.h"

#include <fstream>
#include <iterator>

const TClassInfo& TKIVMidiPlayer::StaticClass() {
  using C = TKIVMidiPlayer;
  static const TClassInfo* info = TClassBuilder<C>("TKIVMidiPlayer", &TComponent::StaticClass())
                                      .String("FileName", Accessors(&C::FileName, &C::SetFileName))
                                      .Bool("Loop", Accessors(&C::Loop, &C::SetLoop))
                                      .Build();
  return *info;
}

void TKIVMidiPlayer::Play() {
  Close();
  std::ifstream file(m_fileName, std::ios::binary);
  if (!file) return;
  auto bytes = std::make_shared<const std::vector<uint8_t>>(std::istreambuf_iterator<char>(file),
                                                            std::istreambuf_iterator<char>());
  std::unique_ptr<TSampleSource> source = OpenMidiSource(std::move(bytes), m_engine->MidiSynths());
  if (!source) return;
  m_sound = m_engine->Mixer().CreateSound(std::move(source));
  // Each completion starts the song again at once while Loop is set.
  m_sound->SetRepeat(m_loop);
  m_sound->Play();
}

void TKIVMidiPlayer::Close() { m_sound.reset(); }

bool TKIVMidiPlayer::IsOpen() const { return m_sound && m_sound->Playing(); }
