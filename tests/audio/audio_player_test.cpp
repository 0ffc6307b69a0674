// The music player's engine over a sound system of the test's: statuses and events, the device
// kept across songs, the skip of files that do not open, the end of a song per play mode (a late
// end of an older song dropped), volume, mute and pan, position and seeking, and song info.

#include "audio/audio_player.h"

#include <gtest/gtest.h>

#include <atomic>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>

#include "fake_sound_system.h"
#include "music_test_fixture.h"
#include "support/test_data.h"

namespace fs = std::filesystem;
using telvo_test::TFakeSystem;

namespace {

struct TPlayerFixture : testing::Test {
  TPlayerFixture() {
    system.songs = {{"a.ogg", {}}, {"b.ogg", {}}, {"c.ogg", {}}};
    for (const char* name : {"/m/a.ogg", "/m/b.ogg", "/m/c.ogg"}) player.PlayList().Add(name);
    player.onStatusChange = [this] { statuses.push_back(player.Status()); };
  }
  // Runs what was posted to the user-interface thread.
  void RunPosted() {
    while (!posted.empty()) {
      auto task = std::move(posted.front());
      posted.pop_front();
      task();
    }
  }
  std::string Playing() const { return fs::path(player.CurrentFile()).filename().string(); }

  TFakeSystem system;
  int devicesOpened = 0;
  std::deque<std::function<void()>> posted;
  std::vector<std::pair<uint32_t, std::function<void()>>> timers;
  std::vector<TPlayerStatus> statuses;
  TAudierePlayer player{{[this] {
                           ++devicesOpened;
                           return &system;
                         },
                         [this](uint32_t ms, std::function<void()> task) { timers.emplace_back(ms, std::move(task)); },
                         [this](std::function<void()> task) { posted.push_back(std::move(task)); }},
                        true, 7};
};

TEST_F(TPlayerFixture, PlaysKeepsTheDeviceAcrossSongsAndReleasesItOnClose) {
  player.Play(false);
  EXPECT_EQ(Playing(), "a.ogg");
  EXPECT_EQ(player.Status(), TPlayerStatus::Playing);
  ASSERT_NE(system.open, nullptr);
  EXPECT_TRUE(system.open->playing);
  player.Pause();
  EXPECT_FALSE(system.open->playing);
  player.Play(false);  // paused: resumes, no new song
  EXPECT_EQ(system.opened.size(), 1u);
  EXPECT_TRUE(system.open->playing);
  player.PlayNext();
  EXPECT_EQ(Playing(), "b.ogg");
  EXPECT_EQ(devicesOpened, 1);
  player.Close(false);
  EXPECT_EQ(player.Status(), TPlayerStatus::Stopped);
  EXPECT_EQ(player.SongInfo().channels, 1);
  player.PlayNext();
  EXPECT_EQ(devicesOpened, 2);
  EXPECT_EQ(statuses, (std::vector<TPlayerStatus>{TPlayerStatus::Stopped, TPlayerStatus::Playing,
                                                  TPlayerStatus::Paused, TPlayerStatus::Playing,
                                                  TPlayerStatus::Stopped, TPlayerStatus::Playing,
                                                  TPlayerStatus::Stopped, TPlayerStatus::Stopped,
                                                  TPlayerStatus::Playing}));
}

TEST_F(TPlayerFixture, AFileThatDoesNotOpenIsSkippedAfterASecond) {
  system.songs.erase("a.ogg");
  player.Play(false);
  EXPECT_EQ(player.Status(), TPlayerStatus::Stopped);
  ASSERT_EQ(timers.size(), 1u);
  EXPECT_EQ(timers[0].first, 1000u);
  player.Play(true);  // a second failure while the skip is pending starts no second timer
  EXPECT_EQ(timers.size(), 1u);
  timers[0].second();
  EXPECT_EQ(Playing(), "b.ogg");
}

TEST_F(TPlayerFixture, TheEndOfASongFollowsThePlayModeAndALateEndIsDropped) {
  struct TCase {
    TPlayMode mode;
    int from;  // the song that ends
    std::string next;  // empty: stopped
  };
  const TCase cases[] = {{TPlayMode::Normal, 0, "b.ogg"}, {TPlayMode::Normal, 2, ""},
                         {TPlayMode::RepeatAll, 2, "a.ogg"}, {TPlayMode::RepeatAll, 1, "c.ogg"}};
  for (const TCase& c : cases) {
    player.PlayList().SetPlayMode(c.mode);
    player.PlayFirst();
    for (int i = 0; i < c.from; ++i) player.PlayNext();
    system.ends.back()();  // on the mixing thread: only posted
    EXPECT_EQ(Playing(), fs::path(player.PlayList().Items()[c.from].fileName).filename().string());
    RunPosted();
    EXPECT_EQ(Playing(), c.next) << static_cast<int>(c.mode) << " from " << c.from;
  }
  // The end of a song the user has already left does not skip the one just picked.
  player.PlayList().SetPlayMode(TPlayMode::Normal);
  player.PlayFirst();
  const auto oldEnd = system.ends.back();
  player.PlayNext();
  oldEnd();
  RunPosted();
  EXPECT_EQ(Playing(), "b.ogg");
}

TEST_F(TPlayerFixture, VolumeMuteAndPanReachTheSong) {
  player.SetVolume(150);
  EXPECT_EQ(player.Volume(), 100);
  player.SetVolume(40);
  player.SetPan(150);
  EXPECT_EQ(player.Pan(), 0);
  player.SetPan(-50);
  player.Play(false);
  EXPECT_FLOAT_EQ(system.open->volume, 0.4f);
  EXPECT_FLOAT_EQ(system.open->pan, -0.5f);
  player.SetMuted(true);
  EXPECT_FLOAT_EQ(system.open->volume, 0.0f);
  player.SetMuted(false);
  EXPECT_FLOAT_EQ(system.open->volume, 0.4f);
}

TEST_F(TPlayerFixture, PositionElapsedAndSeekRoundToTheNearest) {
  system.songs["a.ogg"].lengthMs = 185'000;
  player.Play(false);
  system.open->positionMs = 92'600;
  EXPECT_EQ(player.Position(), 501);
  EXPECT_EQ(player.ElapsedSeconds(), 93);
  player.Seek(1500);
  EXPECT_EQ(system.open->positionMs, 185'000);
  player.Seek(333);
  EXPECT_EQ(system.open->positionMs, 61'605);

  system.songs["b.ogg"].lengthMs = 0;  // a stream that cannot tell its length
  player.PlayNext();
  system.open->positionMs = 5'000;
  EXPECT_EQ(player.Position(), 0);
  EXPECT_EQ(player.ElapsedSeconds(), 0);
  player.Seek(500);
  EXPECT_EQ(system.open->positionMs, 5'000);
}

TEST(TAudierePlayer, SongInfoFromTheStreamAndTheFile) {
  const fs::path folder = fs::path(testing::TempDir()) / "audio_player_info";
  fs::create_directories(folder);
  const fs::path song = folder / "song.ogg";
  std::ofstream(song, std::ios::binary) << std::string(185 * 24'000, 'x');  // 192 kbit/s over 185 s
  TFakeSystem system;
  system.songs = {{"song.ogg", {185'000, 2, 44100, "T", "A"}}, {"caf.ogg", {60'000, 1, 8000, "caf\xE9", ""}}};
  TAudierePlayer player({[&] { return &system; }, {}, {}}, true, 1);
  player.PlayFile(song.string(), false);
  const TAudiereSongInfo& info = player.SongInfo();
  EXPECT_EQ(info.fileName, song.string());
  EXPECT_TRUE(info.seekable);
  EXPECT_EQ(info.channels, 2);
  EXPECT_EQ(info.sampleRate, 44100);
  EXPECT_EQ(info.length, 185);
  EXPECT_EQ(info.bitRate, 192);
  EXPECT_EQ(info.title, "T");
  EXPECT_EQ(info.artist, "A");
  player.PlayFile((folder / "caf.ogg").string(), false);
  EXPECT_EQ(player.SongInfo().title, "caf\xC3\xA9");  // not UTF-8: the Windows code page
  EXPECT_EQ(player.SongInfo().bitRate, 0);              // no such file to measure

  TAudierePlayer silent({[&] { return &system; }, {}, {}}, false, 1);
  silent.PlayFile(song.string(), false);
  EXPECT_EQ(silent.Status(), TPlayerStatus::Stopped);
}

}  // namespace

namespace {

// The audio module's own music stream under the engine, with a real Vorbis file of the tests'
// data: its format and tags, and the end reported from mixing once it has played out.
class MusicStreamOfTheModule : public TMusicTest {};

TEST_F(MusicStreamOfTheModule, OpensPlaysToItsEndAndTellsIt) {
  EXPECT_EQ(m_sound.OpenMusicStream(TestDataPath("playlists/test.m3u"), {}), nullptr);
  EXPECT_EQ(m_sound.OpenMusicStream(TestDataPath("audio/ogg"), {}), nullptr);  // a folder
  std::atomic<int> ends = 0;
  auto stream = m_sound.OpenMusicStream(TestDataPath("audio/ogg/title-artist.ogg"), [&] { ++ends; });
  ASSERT_NE(stream, nullptr);
  EXPECT_GE(stream->Channels(), 1);
  EXPECT_GT(stream->SampleRate(), 0);
  EXPECT_GT(stream->LengthMs(), 0);
  EXPECT_FALSE(stream->Title().empty());
  EXPECT_FALSE(stream->Artist().empty());
  stream->Play();
  MixSeconds(static_cast<double>(stream->LengthMs()) / 1000.0 + 0.5);
  EXPECT_EQ(ends.load(), 1);
}

}  // namespace
