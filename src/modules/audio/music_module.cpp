#include "modules/audio/music_module.h"

TAudioFormat FormatOfLibraryCode(uint8_t code) {
  switch (code) {
    case 1: return TAudioFormat::Wave;
    case 2: return TAudioFormat::OggVorbis;
    case 4: return TAudioFormat::Mpeg;
    case 5: return TAudioFormat::Module;
    default: return TAudioFormat::Unknown;
  }
}

void TMusicModule::Play(std::span<const uint8_t> bytes, bool loop, uint8_t formatCode) {
  Stop();
  if (bytes.empty()) return;
  auto copy = std::make_shared<const std::vector<uint8_t>>(bytes.begin(), bytes.end());
  m_sound = m_engine->CreateSound(std::move(copy), FormatOfLibraryCode(formatCode));
  if (!m_sound) return;
  m_sound->SetRepeat(loop);
  m_sound->Play();
}

void TMusicModule::Stop() { m_sound.reset(); }
