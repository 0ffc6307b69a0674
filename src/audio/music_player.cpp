#include "audio/music_player.h"

#include <algorithm>
#include <vector>

#include "audio/skin_sources.h"

const TClassInfo& TKIVAudierePlayer::StaticClass() {
  using C = TKIVAudierePlayer;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVAudierePlayer", &TWA2SkinUI::StaticClass())
          .Bool("WMHandle", Field(&C::m_wmHandle))
          .Bool("EnableBtnMin", Accessors(&C::EnableBtnMin, &C::SetEnableBtnMin))
          .Bool("EnableBtnClose", Accessors(&C::EnableBtnClose, &C::SetEnableBtnClose))
          .Integer("Volume", Accessors(&C::Volume, &C::SetVolume))
          .Bool("Random", Accessors(&C::Random, &C::SetRandom))
          .Bool("Loop", Accessors(&C::Loop, &C::SetLoop))
          .String("IdleTitle", Field(&C::m_idleTitle))
          .String("SkinPath", Accessors(&C::SkinPath, &C::SetSkinPath))
          .Object("SkinData", [](C& c) -> TPersistent* { return &c.m_skinData; })
          .Object("PlayList", [](C& c) -> TPersistent* { return &c.m_playList; })
          .String("IAName", Field(&C::m_iaName))
          .Bool("AutoPlay", Field(&C::m_autoPlay))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Build();
  return *info;
}

TKIVAudierePlayer::TKIVAudierePlayer() {
  // Shade, equalizer and play list have no function in this player and stay disabled; options,
  // minimize and close wait for SkinPath and the two EnableBtn properties.
  for (TWA2Element element : {TWA2Element::Options, TWA2Element::Minimize, TWA2Element::Shade, TWA2Element::Close,
                              TWA2Element::Equalizer, TWA2Element::PlayList})
    SetElementEnabled(element, false);
}

void TKIVAudierePlayer::Loaded() {
  TWA2SkinUI::Loaded();
  if (m_skinData.Bytes().empty()) return;
  TZipSkinSource stored(std::vector<uint8_t>(m_skinData.Bytes().begin(), m_skinData.Bytes().end()), {});
  LoadSkin(stored);
}

void TKIVAudierePlayer::SetVolume(int32_t volume) { m_volume = std::clamp(volume, 0, 100); }

void TKIVAudierePlayer::SetSkinPath(std::string path) {
  m_skinPath = std::move(path);
  SetElementEnabled(TWA2Element::Options, !m_skinPath.empty());
}
