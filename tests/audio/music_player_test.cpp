#include "audio/music_player.h"

#include <gtest/gtest.h>

#include <fstream>
#include <filesystem>
#include <iterator>

#include "audio/skin_sources.h"
#include "audio/wa2_font.h"
#include "fake_sound_system.h"

#include "controls/stored_defaults.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

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

// The control joined to its engine, over a sound system of the test's.
TEST(MusicPlayer, PlaysItsListShowsTheSongAndAnswersItsButtons) {
  telvo_test::TFakeSystem system;
  system.songs = {{"a.ogg", {185'000, 2, 44100, "T", "A"}}, {"b.ogg", {60'000, 1, 22050, "", ""}}};
  TKIVAudierePlayer player;
  player.PlayList()->Add("%CDROM%\\a.ogg");
  player.PlayList()->Add("%CDROM%\\b.ogg");
  SetAndRead(player, "AutoPlay", 1);
  player.SetSound(&system, true);
  player.LoadPlayList([](const std::string& line) { return "/disc/" + line.substr(line.find('\\') + 1); });
  EXPECT_EQ(player.Engine().Status(), TPlayerStatus::Playing);
  EXPECT_EQ(player.TitleLine().Text(), WA2FontText("A - T (03:05)"));
  EXPECT_TRUE(player.ElementEnabled(TWA2Element::SeekBar));
  EXPECT_TRUE(player.Stereo().On());

  const auto click = [&](int32_t x, int32_t y) {
    player.MouseDown(TMouseButton::mbLeft, ssLeft, x, y);
    player.MouseUp(TMouseButton::mbLeft, 0, x, y);
  };
  click(115, 95);  // next
  EXPECT_EQ(player.TitleLine().Text(), WA2FontText("b (01:00)"));  // no title tag: the file's name
  EXPECT_TRUE(player.Mono().On());
  click(70, 95);  // pause
  EXPECT_EQ(player.Engine().Status(), TPlayerStatus::Paused);
  click(70, 95);  // and on again
  EXPECT_EQ(player.Engine().Status(), TPlayerStatus::Playing);
  click(90, 95);  // stop
  EXPECT_EQ(player.Engine().Status(), TPlayerStatus::Stopped);
  EXPECT_EQ(player.TitleLine().Text(), WA2FontText("TELVO"));
  EXPECT_FALSE(player.ElementEnabled(TWA2Element::SeekBar));

  SetAndRead(player, "Random", 1);
  EXPECT_TRUE(player.Switch(TWA2Element::Shuffle).On());
  EXPECT_EQ(player.Engine().PlayList().PlayMode(), TPlayMode::Shuffle);
  click(180, 95);  // the shuffle switch off again
  EXPECT_FALSE(player.Random());
  EXPECT_EQ(player.Engine().PlayList().PlayMode(), TPlayMode::Normal);
  SetAndRead(player, "Volume", 30);
  EXPECT_EQ(player.Slider(TWA2Element::Volume).Value(), 30);
}

TEST(MusicPlayer, WithoutAUsableEngineNothingPlays) {
  telvo_test::TFakeSystem system;
  system.songs = {{"a.ogg", {}}};
  TKIVAudierePlayer player;
  player.PlayList()->Add("/a.ogg");
  SetAndRead(player, "AutoPlay", 1);
  player.SetSound(&system, false);
  player.LoadPlayList({});
  EXPECT_EQ(player.Engine().Status(), TPlayerStatus::Stopped);
  EXPECT_TRUE(system.opened.empty());
}

TEST(MusicPlayer, TitleButtonsAndTheFreeSurfaceActOnTheMenuWindow) {
  TKIVAudierePlayer player;
  std::vector<std::string> commands;
  player.SetWindowCommands({[&] { commands.push_back("minimize"); }, [&] { commands.push_back("close"); },
                            [&] { commands.push_back("drag"); }});
  const auto press = [&](int32_t x, int32_t y) {
    player.MouseDown(TMouseButton::mbLeft, ssLeft, x, y);
    player.MouseUp(TMouseButton::mbLeft, 0, x, y);
  };
  press(248, 6);  // minimize and close are off until the document enables them
  press(268, 6);
  press(200, 20);  // WMHandle is off
  EXPECT_TRUE(commands.empty());
  SetAndRead(player, "EnableBtnMin", 1);
  SetAndRead(player, "EnableBtnClose", 1);
  SetAndRead(player, "WMHandle", 1);
  press(248, 6);
  press(268, 6);
  press(200, 20);
  press(45, 95);  // on the play button: no drag
  EXPECT_EQ(commands, (std::vector<std::string>{"minimize", "close", "drag"}));
}

// Dialogs that answer as the test says and remember what they were shown.
class TAnsweringDialogs final : public TMusicPlayerDialogs {
 public:
  int ChooseMenuItem(const std::vector<TPlayerMenuItem>& items) override {
    shownMenus.push_back(items);
    return menuAnswer;
  }
  std::vector<std::string> ChooseFiles(const std::vector<TFileFilter>& filters) override {
    shownFilters = filters;
    return files;
  }
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  std::vector<std::string> messages;
  std::vector<std::vector<TPlayerMenuItem>> shownMenus;
  int menuAnswer = -1;
  std::vector<TFileFilter> shownFilters;
  std::vector<std::string> files;
};

TEST(MusicPlayer, TheSkinMenuOffersTheFoldersSkinsAndPutsTheChosenOneOn) {
  const fs::path folder = fs::path(testing::TempDir()) / "player_skins";
  fs::remove_all(folder);
  fs::create_directories(folder / "Folder.wsz");
  fs::copy_file(TestDataPath("skins/Debian.wsz"), folder / "debian.WSZ");
  std::ofstream(folder / "Amber.wsz") << "not a zip";
  std::ofstream(folder / ".hidden.wsz") << "x";
  TAnsweringDialogs dialogs;
  TKIVAudierePlayer player;
  player.SetDialogs(&dialogs, [&](const std::string&) { return folder.string(); });
  const TBitmap32 builtIn = player.Skin().main;
  dialogs.menuAnswer = 3;  // "debian"
  player.MouseDown(TMouseButton::mbRight, ssRight, 200, 20);  // no SkinPath: the options are off
  EXPECT_TRUE(dialogs.shownMenus.empty());
  TKIVAudierePlayer::StaticClass().FindProperty("SkinPath")->setString(player, "%CDROM%\\skins");
  player.MouseDown(TMouseButton::mbRight, ssRight, 200, 20);
  ASSERT_EQ(dialogs.shownMenus.size(), 1u);
  const std::vector<TPlayerMenuItem>& items = dialogs.shownMenus[0];
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].caption, "Default Skin");
  EXPECT_TRUE(items[0].checked);
  EXPECT_EQ(items[1].caption, "-");
  EXPECT_EQ(items[2].caption, "Amber");
  EXPECT_EQ(items[3].caption, "debian");
  EXPECT_EQ(player.CurrentSkin(), "debian");
  EXPECT_NE(player.Skin().main, builtIn);

  dialogs.menuAnswer = 2;  // a broken skin: the images stay
  const TBitmap32 debian = player.Skin().main;
  player.ShowSkinMenu();
  EXPECT_TRUE(dialogs.shownMenus.back()[3].checked);
  EXPECT_EQ(player.Skin().main, debian);
  dialogs.menuAnswer = 0;  // the default skin again
  player.ShowSkinMenu();
  EXPECT_EQ(player.CurrentSkin(), "");
  EXPECT_EQ(player.Skin().main, builtIn);
}

TEST(MusicPlayer, TheOpenDialogPlaysOneFileOrMakesTheListOfSeveral) {
  telvo_test::TFakeSystem system;
  system.songs = {{"a.ogg", {}}, {"b.ogg", {}}};
  TAnsweringDialogs dialogs;
  TKIVAudierePlayer player;
  player.SetDialogs(&dialogs, {});
  player.MouseDown(TMouseButton::mbLeft, ssLeft, 45, 95);  // play on an empty list, engine unusable
  player.MouseUp(TMouseButton::mbLeft, 0, 45, 95);
  EXPECT_TRUE(dialogs.shownFilters.empty());
  player.SetSound(&system, true);
  dialogs.files = {"/m/b.ogg"};
  player.MouseDown(TMouseButton::mbLeft, ssLeft, 45, 95);
  player.MouseUp(TMouseButton::mbLeft, 0, 45, 95);
  ASSERT_EQ(dialogs.shownFilters.size(), 3u);
  EXPECT_EQ(dialogs.shownFilters[0].first, "All Supported Files");
  EXPECT_EQ(dialogs.shownFilters[2], (TFileFilter{"Play List Files", "*.m3u;*.pls"}));
  EXPECT_EQ(player.Engine().CurrentFile(), "/m/b.ogg");
  dialogs.files = {"/m/a.ogg", "/m/b.ogg"};
  player.OpenFiles();
  EXPECT_EQ(player.Engine().PlayList().Count(), 2u);
  EXPECT_EQ(player.Engine().CurrentFile(), "/m/a.ogg");
}

// The repository's Debian skin with the stored CRC-32 of its main bitmap off by one, in both
// headers: the data are right, the check is not.
std::vector<uint8_t> DebianSkinWithAWrongCrc() {
  std::ifstream file(TestDataPath("skins/Debian.wsz"), std::ios::binary);
  std::vector<uint8_t> zip{std::istreambuf_iterator<char>(file), {}};
  const std::string name = "main.bmp";
  for (size_t at = 0; at + name.size() <= zip.size(); ++at) {
    if (!std::equal(name.begin(), name.end(), zip.begin() + static_cast<std::ptrdiff_t>(at))) continue;
    if (at >= 30 && zip[at - 30] == 0x50 && zip[at - 29] == 0x4B && zip[at - 28] == 3) ++zip[at - 30 + 14];
    if (at >= 46 && zip[at - 46] == 0x50 && zip[at - 45] == 0x4B && zip[at - 44] == 1) ++zip[at - 46 + 16];
  }
  return zip;
}

TEST(MusicPlayer, AWrongCrcIsToldOnceAndNeverWhileTheDocumentLoads) {
  TKIVAudierePlayer player;
  player.SkinData()->SetContent(DebianSkinWithAWrongCrc());
  player.Loaded();
  EXPECT_EQ(player.LoadMessages(), std::vector<std::string>{"Wrong CRC, so file could be wrong"});

  const fs::path folder = fs::path(testing::TempDir()) / "player_crc_skins";
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::vector<uint8_t> zip = DebianSkinWithAWrongCrc();
  std::ofstream(folder / "odd.wsz", std::ios::binary).write(reinterpret_cast<const char*>(zip.data()),
                                                            static_cast<std::streamsize>(zip.size()));
  TAnsweringDialogs dialogs;
  dialogs.menuAnswer = 2;
  player.SetDialogs(&dialogs, [&](const std::string&) { return folder.string(); });
  player.ShowSkinMenu();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"Wrong CRC, so file could be wrong"});
  EXPECT_EQ(player.CurrentSkin(), "odd");
}
