#include "audio/music_module.h"

#include "audio/music_kind.h"

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
