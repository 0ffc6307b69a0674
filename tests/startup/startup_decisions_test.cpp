// The decisions of the start-up: which document, which fonts, which page, where the window
// goes, the administrator test and the instance lock.

#include "startup/startup_decisions.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "startup/administrator.h"
#include "startup/command_line.h"
#include "document/container.h"
#include "startup/instance_lock.h"

namespace fs = std::filesystem;

namespace {

fs::path FreshFolder(const std::string& name) {
  const fs::path folder = fs::path(testing::TempDir()) / name;
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void WriteBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                              static_cast<std::streamsize>(bytes.size()));
}

TEST(StartupDocument, CommandLineDecidesTheDocument) {
  const char* const exe = "/media/cdrom/menu.exe";
  // The expected location is kept as its parts: GCC 12 at -O3 warns falsely about the strings
  // of a table of whole locations.
  struct TCase {
    std::vector<std::string> arguments;
    std::optional<TTrailer> trailer;  // the executable's own
    const char* path;
    std::optional<uint64_t> containerOffset;
    bool appended;
    std::string startPage;
  };
  const TCase cases[] = {
      {{"-p"}, std::nullopt, "/media/cdrom/menu.kiv", std::nullopt, false, ""},
      {{"-p"}, TTrailer{4096}, exe, 4096, true, ""},
      // A trailer whose locator points outside the file still makes the executable the document.
      {{}, TTrailer{}, exe, std::nullopt, true, ""},
      {{"other.kiv", "-p", "Main"}, TTrailer{4096}, "other.kiv", std::nullopt, false, "Main"},
      {{"-p", "Main", "other.kiv"}, std::nullopt, "other.kiv", std::nullopt, false, "Main"},
      {{"first.kiv", "second.kiv"}, std::nullopt, "second.kiv", std::nullopt, false, ""},
      {{"--", "-p", "-menu.kiv"}, std::nullopt, "-menu.kiv", std::nullopt, false, ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.arguments));
    const TCommandLine line = ParseCommandLine(c.arguments);
    EXPECT_EQ(line.error, "");
    EXPECT_EQ(LocateDocument(line.documentPath, exe, c.trailer),
              (TDocumentLocation{c.path, c.containerOffset, c.appended}));
    EXPECT_EQ(line.startPage, c.startPage);
  }
}

TEST(StartupCommandLine, UnknownOptionsAreErrors) {
  const std::pair<std::vector<std::string>, std::string> cases[] = {
      {{"--bogus"}, "unknown option --bogus"},
      {{"menu.kiv", "-P", "Main"}, "unknown option -P"},
      {{"-x", "--render"}, "unknown option -x"},
      {{"--render"}, "--render needs a file name"},
      {{"--render-splash", "100"}, "--render-splash needs a time in milliseconds and a file name"},
      {{"--render-splash", "-1", "out.png"}, "--render-splash needs a time in milliseconds and a file name"},
      {{"--render-splash", "1.5", "out.png"}, "--render-splash needs a time in milliseconds and a file name"},
      {{"--render-splash", "99999999999999999999", "out.png"},
       "--render-splash needs a time in milliseconds and a file name"},
      {{"--transition", "5", "50", "old.png", "new.png"},
       "--transition needs a style (1 to 150), a progress (0 to 100) and three file names"},
      {{"--transition", "0", "50", "old.png", "new.png", "out.png"},
       "--transition needs a style (1 to 150), a progress (0 to 100) and three file names"},
      {{"--transition", "151", "50", "old.png", "new.png", "out.png"},
       "--transition needs a style (1 to 150), a progress (0 to 100) and three file names"},
      {{"--transition", "5", "101", "old.png", "new.png", "out.png"},
       "--transition needs a style (1 to 150), a progress (0 to 100) and three file names"},
      {{"--transition", "5", "-1", "old.png", "new.png", "out.png"},
       "--transition needs a style (1 to 150), a progress (0 to 100) and three file names"},
      {{"--transition", "5", "50", "old.png", "new.png", "out.png", "--step", "0"}, "--step needs a number from 1 to 100"},
      {{"--transition", "5", "50", "old.png", "new.png", "out.png", "--step"}, "--step needs a number from 1 to 100"},
      {{"--step", "4"}, "--step belongs to --transition"},
      {{"--at", "100", "menu.kiv"}, "--at belongs to --render"},
      {{"--render", "out.png", "--at"}, "--at needs a time in milliseconds (0 to 600000)"},
      {{"--render", "out.png", "--at", "600001"}, "--at needs a time in milliseconds (0 to 600000)"},
      {{"--scale"}, "--scale needs a number from 1 to 4"},
      {{"--scale", "0"}, "--scale needs a number from 1 to 4"},
      {{"--scale", "5"}, "--scale needs a number from 1 to 4"},
      {{"--scale", "1.5", "menu.kiv"}, "--scale needs a number from 1 to 4"},
      {{"--scale", "4", "--render", "out.png"}, ""},
      {{"--scale", "2", "--transition", "5", "50", "old.png", "new.png", "out.png"},
       "--scale does not belong to --transition"},
      {{"--", "--bogus"}, ""},
      {{"-", "--verbose"}, ""},
  };
  for (const auto& [arguments, error] : cases) {
    SCOPED_TRACE(testing::PrintToString(arguments));
    EXPECT_EQ(ParseCommandLine(arguments).error, error);
  }
}

TEST(StartupCommandLine, AMomentBelongsToTheRender) {
  EXPECT_EQ(ParseCommandLine({"--render", "out.png", "menu.kiv"}).renderAtMs, 0);
  const TCommandLine line = ParseCommandLine({"--at", "2500", "--render", "out.png", "menu.kiv"});
  EXPECT_EQ(line.error, "");
  EXPECT_EQ(line.renderAtMs, 2500);
}

TEST(StartupCommandLine, AScaleIsAWholeNumberBeforeTheDocument) {
  EXPECT_EQ(ParseCommandLine({"menu.kiv"}).scale, std::nullopt);
  const TCommandLine line = ParseCommandLine({"--scale", "3", "menu.kiv"});
  EXPECT_EQ(line.error, "");
  EXPECT_EQ(line.scale, 3);
  EXPECT_EQ(line.documentPath, "menu.kiv");
}

TEST(StartupCommandLine, SplashPreviewTakesATimeAndAFileBeforeTheDocument) {
  const TCommandLine line = ParseCommandLine({"--render-splash", "1950", "out.png", "menu.kiv"});
  EXPECT_EQ(line.error, "");
  ASSERT_TRUE(line.renderSplash.has_value());
  EXPECT_EQ(line.renderSplash->elapsedMs, 1950);
  EXPECT_EQ(line.renderSplash->path, "out.png");
  EXPECT_EQ(line.documentPath, "menu.kiv");
}

TEST(StartupCommandLine, TransitionPreviewTakesAStyleAProgressThreeFilesAndAStep) {
  TCommandLine line = ParseCommandLine({"--transition", "118", "40", "a.png", "b.png", "c.png"});
  EXPECT_EQ(line.error, "");
  ASSERT_TRUE(line.transition.has_value());
  EXPECT_EQ(line.transition->style, 118);
  EXPECT_EQ(line.transition->progress, 40);
  EXPECT_EQ(line.transition->oldPath, "a.png");
  EXPECT_EQ(line.transition->newPath, "b.png");
  EXPECT_EQ(line.transition->outPath, "c.png");
  EXPECT_EQ(line.transition->step, 4);
  EXPECT_EQ(line.documentPath, "");
  line = ParseCommandLine({"--step", "100", "--transition", "1", "0", "a.png", "b.png", "c.png"});
  EXPECT_EQ(line.error, "");
  ASSERT_TRUE(line.transition.has_value());
  EXPECT_EQ(line.transition->step, 100);
}

TEST(StartupDocument, SiblingDocumentReplacesTheExtension) {
  EXPECT_EQ(SiblingDocumentPath("/cd/menu.exe"), "/cd/menu.kiv");
  EXPECT_EQ(SiblingDocumentPath("/cd/MENU.EXE"), "/cd/MENU.kiv");
  EXPECT_EQ(SiblingDocumentPath("/usr/bin/telvo"), "/usr/bin/telvo.kiv");
  EXPECT_EQ(SiblingDocumentPath("/opt/a.b/telvo"), "/opt/a.b/telvo.kiv");
}

TEST(StartupDocument, ExecutableTrailerIsReadFromTheFile) {
  const fs::path folder = FreshFolder("exe_trailer");
  const std::vector<uint8_t> program(300, 0x90);
  const std::vector<uint8_t> container = {'K', 'I', 'V', 'D', 'a', 't', 'a', 'F', 'i', 'l', 'e', 1, 2, 3};
  for (std::string_view tag : {kTagNewSaFlag, kTagStandalone}) {
    SCOPED_TRACE(tag);
    WriteBytes(folder / "menu.exe", AppendContainer(program, container, tag));
    EXPECT_EQ(ExecutableTrailer((folder / "menu.exe").string()), TTrailer{300});
  }
  WriteBytes(folder / "plain.exe", program);
  EXPECT_EQ(ExecutableTrailer((folder / "plain.exe").string()), std::nullopt);
  EXPECT_EQ(ExecutableTrailer((folder / "missing.exe").string()), std::nullopt);
  EXPECT_EQ(ExecutableTrailer(folder.string()), std::nullopt) << "a folder";
  // A locator pointing before the start of the file: a trailer, but no container to read.
  std::vector<uint8_t> dangling = program;
  for (uint8_t b : {0xFF, 0xFF, 0x00, 0x00}) dangling.push_back(b);
  dangling.insert(dangling.end(), kTagNewSaFlag.begin(), kTagNewSaFlag.end());
  WriteBytes(folder / "dangling.exe", dangling);
  EXPECT_EQ(ExecutableTrailer((folder / "dangling.exe").string()), TTrailer{});
}

TEST(StartupFonts, FileNameRule) {
  const std::pair<const char*, bool> cases[] = {
      {"a.ttf", true},     {".ttf", false},     {"X.TTF", true},     {"font.otf", true}, {"font.Fon", true},
      {"sans.pfb", true},  {"sans.pfm", true},  {"old.fot", true},   {"mm.mmm", true},   {"set.ttc", true},
      {"raster.fnt", true}, {"readme.txt", false}, {"ttf", false},   {"font.ttf.bak", false}, {"nodot", false},
  };
  for (const auto& [name, installed] : cases) EXPECT_EQ(IsEmbeddedFontName(name), installed) << name;
}

TEST(StartupFonts, FilesOfTheFontDataFolderInNameOrder) {
  const fs::path folder = FreshFolder("embedded_fonts");
  EXPECT_TRUE(EmbeddedFontFiles(folder.string()).empty()) << "no FontData folder";
  const fs::path fonts = folder / "fontdata";  // any letter case
  fs::create_directories(fonts / "sub.ttf");
  for (const char* name : {"a.ttf", ".ttf", "X.TTF", "readme.txt"}) WriteBytes(fonts / name, {0});
  WriteBytes(fonts / "sub.ttf" / "inner.ttf", {0});
  EXPECT_EQ(EmbeddedFontFiles(folder.string()),
            (std::vector<std::string>{(fonts / "X.TTF").string(), (fonts / "a.ttf").string()}));
}

TEST(StartupPage, ChosenByCaptionInAnyLetterCase) {
  const std::vector<std::string> pages = {"Intro", "Main", "Café", "main"};
  EXPECT_EQ(ChooseStartPage(pages, "", 3), 3);
  EXPECT_EQ(ChooseStartPage(pages, "MAIN", 0), 1) << "the first match";
  EXPECT_EQ(ChooseStartPage(pages, "main", 0), 1);
  EXPECT_EQ(ChooseStartPage(pages, "CAFÉ", 0), 2);
  EXPECT_EQ(ChooseStartPage(pages, "Missing", 2), 2);
  EXPECT_EQ(ChooseStartPage({}, "Main", 0), 0);
}

TEST(StartupWindow, CentredPositionTruncates) {
  EXPECT_EQ(CentredPosition({1920, 1080}, {406, 325}), (TPoint{757, 377}));
  EXPECT_EQ(CentredPosition({1000, 700}, {1011, 711}), (TPoint{-5, -5})) << "toward zero";
}

TEST(StartupAdministrator, RootOrAnAdministeringGroup) {
  EXPECT_TRUE(IsAdministrator(0, {}));
  EXPECT_TRUE(IsAdministrator(1000, {"users", "sudo"}));
  EXPECT_TRUE(IsAdministrator(1000, {"wheel"}));
  EXPECT_TRUE(IsAdministrator(1000, {"admin"}));
  EXPECT_FALSE(IsAdministrator(1000, {"users", "sudoers", "Admin"}));
  if (geteuid() == 0) {
    EXPECT_TRUE(IsUserAdministrator());
  }
}

TEST(StartupInstanceLock, NameIsTheLocalTimeAndARandomNumber) {
  std::tm time{};
  time.tm_year = 2024 - 1900;
  time.tm_mon = 0;
  time.tm_mday = 2;
  time.tm_hour = 3;
  time.tm_min = 4;
  time.tm_sec = 5;
  EXPECT_EQ(InstanceLockName(time, -5), "20240102030405-5");
  EXPECT_EQ(InstanceLockName(time, 2147483647), "202401020304052147483647");
}

TEST(StartupInstanceLock, HeldUntilReleasedAndNeverReused) {
  const fs::path folder = FreshFolder("instance_locks");
  int draws = 0;
  // The first number's file exists already (made for the seconds around the draw): a new
  // number is drawn.
  auto random = [&] {
    if (++draws > 1) return 8;
    const std::time_t now = std::time(nullptr);
    for (std::time_t t = now - 1; t <= now + 1; ++t) {
      std::tm local{};
      localtime_r(&t, &local);
      WriteBytes(LockFilePath(folder.string(), InstanceLockName(local, 7)), {});
    }
    return 7;
  };
  {
    std::optional<TInstanceLock> lock = TInstanceLock::Create(folder.string(), random);
    ASSERT_TRUE(lock.has_value());
    EXPECT_TRUE(lock->Name().ends_with("8")) << lock->Name();
    const int other = open(lock->Path().c_str(), O_RDONLY);
    ASSERT_GE(other, 0);
    EXPECT_NE(flock(other, LOCK_EX | LOCK_NB), 0) << "the lock is held";
    close(other);
  }
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_TRUE(entry.path().filename().string().find("7.lock") != std::string::npos)
        << "the released lock's file is gone: " << entry.path();

  EXPECT_FALSE(TInstanceLock::Create((folder / "missing").string(), random).has_value())
      << "gives up after a bounded number of attempts";
}

}  // namespace
