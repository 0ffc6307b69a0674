// The music player's play list: the M3U and PLS readers as users' files are, nesting, and the
// order the list plays in per mode, the shuffle cycle included.

#include "audio/play_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "audio/play_list_reader.h"
#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

std::span<const uint8_t> Bytes(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

fs::path Folder() {
  const fs::path folder =
      fs::path(testing::TempDir()) / "play_list" / testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void Write(const fs::path& file, std::string_view text) { std::ofstream(file, std::ios::binary) << text; }

TEST(PlayListReader, M3uLinesAsUsersWriteThem) {
  const fs::path folder = Folder();
  fs::create_directories(folder / "Music");
  Write(folder / "Music" / "Song.MP3", "x");
  struct TCase {
    const char* what;
    std::string_view text;
    std::vector<std::string> entries;
  };
  const std::string base = folder.string() + "/";
  const TCase cases[] = {
      {"absolute, relative, comments", "#EXTM3U\r\n#EXTINF:185,A - T\r\nC:\\music\\a.mp3\r\nmusic\\song.mp3\r\n",
       {"C:/music/a.mp3", base + "Music/Song.MP3"}},
      {"a Linux path, a web address, an empty line", "/srv/a.ogg\n\nhttp://radio.example/stream\n",
       {"/srv/a.ogg", "http://radio.example/stream"}},
      {"CR alone ends lines; lines are not trimmed", "a.ogg\r b.ogg", {base + "a.ogg", base + " b.ogg"}},
      {"a byte-order mark is dropped", "\xEF\xBB\xBF" "a.ogg\n", {base + "a.ogg"}},
      {"not UTF-8: the Windows code page", "caf\xE9.ogg\n", {base + "caf\xC3\xA9.ogg"}},
      {"UTF-8 stays", "caf\xC3\xA9.ogg\n", {base + "caf\xC3\xA9.ogg"}},
      {"one character", "a\n", {base + "a"}},
  };
  for (const TCase& c : cases) EXPECT_EQ(ReadM3uEntries(Bytes(c.text), folder.string()), c.entries) << c.what;
}

TEST(PlayListReader, PlsByTheProfileRulesAndNeverByItsCount) {
  struct TCase {
    const char* what;
    std::string_view text;
    std::vector<std::string> entries;
  };
  const TCase cases[] = {
      {"a missing entry", "[playlist]\nNumberOfEntries=3\nFile1=/a.ogg\nFile3=/c.ogg\n", {"/a.ogg", "/c.ogg"}},
      {"names ignoring case, values trimmed, commas kept",
       "[PlayList]\r\nnumberofentries = 2 \r\nFILE2 =  /b, live.ogg \r\nfile1=/a.ogg\r\n", {"/a.ogg", "/b, live.ogg"}},
      {"entries past the count, empty ones and other sections",
       "[other]\nFile1=/x.ogg\n[playlist]\nNumberOfEntries=2\nFile1=\nFile2=/b.ogg\nFile3=/c.ogg\nFile02=/d.ogg\n",
       {"/b.ogg"}},
      {"the first of repeated keys", "[playlist]\nNumberOfEntries=1\nFile1=/a.ogg\nFile1=/b.ogg\n", {"/a.ogg"}},
      {"a huge count drives nothing", "[playlist]\nNumberOfEntries=4000000000\nFile7=/g.ogg\n", {"/g.ogg"}},
      {"no count", "[playlist]\nFile1=/a.ogg\n", {}},
      {"a count that is no number", "[playlist]\nNumberOfEntries=x\nFile1=/a.ogg\n", {}},
  };
  for (const TCase& c : cases) EXPECT_EQ(ReadPlsEntries(Bytes(c.text), "/lists"), c.entries) << c.what;
}

TEST(PlayList, ListsNestAndAListThatNamesItselfIsReadOnce) {
  const fs::path folder = Folder();
  Write(folder / "outer.m3u", "inner.pls\nouter.M3U\nfirst.ogg\n");
  Write(folder / "inner.pls", "[playlist]\nNumberOfEntries=2\nFile1=outer.m3u\nFile2=second.ogg\n");
  TAudierePlayList list(1);
  EXPECT_TRUE(list.Load((folder / "outer.m3u").string()));
  std::vector<std::string> names;
  for (const TAudierePlayListItem& item : list.Items()) names.push_back(fs::path(item.fileName).filename().string());
  EXPECT_EQ(names, (std::vector<std::string>{"second.ogg", "first.ogg"}));
}

TEST(PlayList, LoadTellsWhatItRead) {
  const fs::path folder = Folder();
  Write(folder / "empty.pls", "[playlist]\nNumberOfEntries=0\n");
  Write(folder / "empty.m3u", "#EXTM3U\n");
  fs::create_directory(folder / "folder.m3u");
  TAudierePlayList list(1);
  EXPECT_FALSE(list.Load(""));
  EXPECT_FALSE(list.Load((folder / "missing.m3u").string()));
  EXPECT_FALSE(list.Load((folder / "folder.m3u").string()));  // no regular file
  EXPECT_TRUE(list.Load((folder / "empty.m3u").string()));
  EXPECT_FALSE(list.Load((folder / "empty.pls").string()));
  EXPECT_TRUE(list.Load("/music/a.ogg"));
  EXPECT_EQ(list.Count(), 1u);
  EXPECT_EQ(list.Index(), -1);
}

TEST(PlayList, TheRepositorysListsRead) {
  TAudierePlayList list(1);
  EXPECT_TRUE(list.Load(TestDataPath("playlists/00-bbc-ws.pls")));
  ASSERT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.Items()[0].fileName, "http://bbcwssc.ic.llnwd.net/stream/bbcwssc_mp1_ws-eieuk");
  EXPECT_TRUE(list.Load(TestDataPath("playlists/highlight.m3u")));
  ASSERT_GT(list.Count(), 0u);
  EXPECT_NE(list.Items()[0].fileName.find("Am\xC3\xA1lia"), std::string::npos) << list.Items()[0].fileName;
}

// Three items, then each step of a mode from a given index.
TEST(PlayList, StepsPerMode) {
  struct TCase {
    TPlayMode mode;
    int32_t from;
    int32_t (TAudierePlayList::*step)();
    int32_t to;
  };
  using L = TAudierePlayList;
  const TCase cases[] = {
      {TPlayMode::Normal, 1, &L::Next, 2},      {TPlayMode::Normal, 2, &L::Next, 2},
      {TPlayMode::RepeatAll, 2, &L::Next, 0},   {TPlayMode::Normal, 0, &L::Previous, 0},
      {TPlayMode::RepeatAll, 0, &L::Previous, 2}, {TPlayMode::Normal, 2, &L::First, 0},
      {TPlayMode::Normal, -1, &L::Current, 0},  {TPlayMode::Normal, -1, &L::Next, 0},
  };
  for (const TCase& c : cases) {
    TAudierePlayList list(1);
    for (const char* name : {"/a.ogg", "/b.ogg", "/c.ogg"}) list.Add(name);
    list.SetPlayMode(c.mode);
    while (list.Index() != c.from) list.Next();
    EXPECT_EQ((list.*c.step)(), c.to) << static_cast<int>(c.mode) << " from " << c.from;
  }
  TAudierePlayList empty(1);
  for (auto step : {&L::Current, &L::First, &L::Next, &L::Previous}) EXPECT_EQ((empty.*step)(), -1);
  EXPECT_EQ(empty.ItemName(0), "");
}

TEST(PlayList, ShufflePlaysEveryItemOnceEachCycle) {
  TAudierePlayList list(12345);
  for (const char* name : {"/a.ogg", "/b.ogg", "/c.ogg"}) list.Add(name);
  list.SetPlayMode(TPlayMode::Shuffle);
  for (int cycle = 0; cycle < 20; ++cycle) {
    std::set<std::string> played;
    played.insert(list.ItemName(cycle == 0 ? list.Current() : list.Next()));
    played.insert(list.ItemName(list.Next()));
    played.insert(list.ItemName(list.Next()));
    EXPECT_EQ(played.size(), 3u) << "cycle " << cycle;
  }
  // A new mode forgets what was played.
  list.SetPlayMode(TPlayMode::Normal);
  for (const TAudierePlayListItem& item : list.Items()) EXPECT_FALSE(item.played);
}

}  // namespace
