#include "audio/music_player.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "audio/skin_sources.h"

#include "controls/stored_defaults.h"
#include "support/test_data.h"

TEST(MusicPlayer, SettersApplyTheirValueRules) {
  struct Case {
    const char* property;
    int64_t stored;
    int64_t expected;
  };
  const Case cases[] = {
      {"Volume", 150, 100}, {"Volume", -1, 0}, {"Volume", 37, 37},
      {"Width", 400, TWA2SkinUI::kWidth}, {"Height", 10, TWA2SkinUI::kHeight},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.property << " = " << c.stored);
    TKIVAudierePlayer player;
    EXPECT_EQ(SetAndRead(player, c.property, c.stored), c.expected);
  }
}

TEST(MusicPlayer, StartsStoppedWithOnlyTheTransportEnabled) {
  TKIVAudierePlayer player;
  EXPECT_EQ(player.Width(), 275);
  EXPECT_EQ(player.Height(), 116);
  EXPECT_EQ(player.Volume(), 100);
  EXPECT_EQ(player.IdleTitle(), "TELVO");
  for (TWA2Element off : {TWA2Element::Options, TWA2Element::Minimize, TWA2Element::Shade, TWA2Element::Close,
                          TWA2Element::Equalizer, TWA2Element::PlayList, TWA2Element::SeekBar})
    EXPECT_FALSE(player.ElementEnabled(off)) << static_cast<int>(off);
  EXPECT_TRUE(player.ElementEnabled(TWA2Element::Play));
  EXPECT_TRUE(player.ElementEnabled(TWA2Element::Volume));
  // The bare surface has its title-bar buttons enabled.
  EXPECT_TRUE(TWA2SkinUI().ElementEnabled(TWA2Element::Close));
}

TEST(MusicPlayer, PropertiesDriveButtonsAndPlayMode) {
  const TClassInfo& cls = TKIVAudierePlayer::StaticClass();
  TKIVAudierePlayer player;

  cls.FindProperty("SkinPath")->setString(player, "%CDROM%\\skins");
  EXPECT_TRUE(player.ElementEnabled(TWA2Element::Options));
  cls.FindProperty("SkinPath")->setString(player, "");
  EXPECT_FALSE(player.ElementEnabled(TWA2Element::Options));

  EXPECT_EQ(SetAndRead(player, "EnableBtnMin", 1), 1);
  EXPECT_TRUE(player.ElementEnabled(TWA2Element::Minimize));
  EXPECT_FALSE(player.ElementEnabled(TWA2Element::Close));

  EXPECT_EQ(player.PlayMode(), 0);
  SetAndRead(player, "Loop", 1);
  EXPECT_EQ(player.PlayMode(), 2);
  SetAndRead(player, "Random", 1);
  EXPECT_EQ(player.PlayMode(), 1);  // shuffle wins over repeat
}

TEST(MusicPlayer, AStoredSkinIsOnWhenTheDocumentHasBeenRead) {
  TKIVAudierePlayer player;
  const TBitmap32 builtIn = player.Skin().main;
  player.Loaded();  // no stored skin: the built-in one stays
  EXPECT_EQ(player.Skin().main, builtIn);

  std::ifstream file(TestDataPath("skins/Debian.wsz"), std::ios::binary);
  const std::vector<uint8_t> wsz{std::istreambuf_iterator<char>(file), {}};
  player.SkinData()->SetContent(wsz);
  player.Loaded();
  TWA2Skin debian;
  TFolderSkinSource folder(TestDataPath("skins/Debian"));
  debian.Load(folder);
  EXPECT_EQ(player.Skin().main, debian.main);
  EXPECT_EQ(player.Skin().play, debian.play);
}
