// The modules in the running player (on Qt's offscreen platform): a menu without sound never
// loads the audio module or the audio libraries, a menu with music at start loads both, and a
// player whose module is missing or broken plays the menu silently and says why with --verbose;
// the viewers' modules and Qt libraries load only for a menu that holds viewers.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "player_process.h"

namespace fs = std::filesystem;

namespace {

struct TRun {
  int exitCode = -1;
  std::string output;  // stdout and stderr
};

// Runs player --first-frame [--verbose] document with the environment additions; the menu ends
// at its first frame.
TRun RunToFirstFrame(const std::string& player, const std::string& document, bool verbose,
                     std::vector<std::pair<std::string, std::string>> environment) {
  // A folder for each test: ctest runs the tests of this file side by side.
  const fs::path folder =
      fs::path(testing::TempDir()) / "module_cli" / testing::UnitTest::GetInstance()->current_test_info()->name();
  environment.insert(environment.begin(), {"SDL_AUDIODRIVER", "no-such-driver"});  // the dummy driver plays
  std::vector<std::string> arguments = {"--first-frame", document};
  if (verbose) arguments.insert(arguments.begin() + 1, "--verbose");
  const int exitCode = WaitForPlayer(
      StartPlayer({.program = player, .arguments = arguments, .folder = folder, .environment = environment}));
  return {exitCode, PlayerOutput(folder)};
}

std::string Fixture(const char* name) { return std::string(TELVO_FIXTURE_DIR) + "/" + name; }

}  // namespace

TEST(TelvoModules, TheAudioLibrariesLoadOnlyForAMenuWithSound) {
  struct Case {
    const char* document;
    bool loads;
  };
  for (const Case& c : {Case{"two_pages.kiv", false}, Case{"startup_music.kiv", true}}) {
    SCOPED_TRACE(c.document);
    // The dynamic loader names every library it loads.
    const TRun run = RunToFirstFrame(TELVO_BINARY, Fixture(c.document), false, {{"LD_DEBUG", "files"}});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_NE(run.output.find("file=libQt6Widgets"), std::string::npos) << "the loader's names are there";
    EXPECT_EQ(run.output.find("/modules/audio.so") != std::string::npos, c.loads);
    EXPECT_EQ(run.output.find("file=libSDL2") != std::string::npos, c.loads);
    EXPECT_EQ(run.output.find("file=libfluidsynth") != std::string::npos, c.loads);
  }
}

TEST(TelvoModules, TheViewerLibrariesLoadOnlyForAMenuWithViewers) {
  constexpr const char* kViewerLibraries[] = {"/modules/web.so", "file=libQt6WebEngineCore", "/modules/media.so",
                                              "file=libQt6Multimedia", "/modules/pdf.so", "file=libQt6Pdf"};
  for (const auto& [document, loads] : {std::pair{"two_pages.kiv", false}, std::pair{"viewers.kiv", true}}) {
    SCOPED_TRACE(document);
    const TRun run = RunToFirstFrame(TELVO_BINARY, Fixture(document), true, {{"LD_DEBUG", "files"}});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    for (const char* library : kViewerLibraries)
      EXPECT_EQ(run.output.find(library) != std::string::npos, loads) << library;
    EXPECT_EQ(run.output.find("not-installed label"), std::string::npos);
  }
}

// A copy of the player in a folder of its own has no modules beside it; a text in place of the
// audio module is a broken one. Either way the menu plays and ends at its first frame.
TEST(TelvoModules, AMenuPlaysSilentlyWhenItsAudioModuleIsNotInstalled) {
  const fs::path installation = fs::path(testing::TempDir()) / "module_cli_installation";
  fs::remove_all(installation);
  fs::create_directories(installation / "bin");
  const fs::path player = installation / "bin" / "telvo";
  std::error_code linkError;
  fs::create_hard_link(TELVO_BINARY, player, linkError);
  if (linkError) fs::copy_file(TELVO_BINARY, player);
  const fs::path moduleFolder = installation / "lib" / "telvo" / "modules";

  struct Case {
    const char* name;
    bool brokenModule;
    const char* reason;
  };
  for (const Case& c : {Case{"missing", false, "audio.so: cannot open shared object file"},
                        Case{"broken", true, "audio.so"}}) {
    SCOPED_TRACE(c.name);
    if (c.brokenModule) {
      fs::create_directories(moduleFolder);
      std::ofstream(moduleFolder / "audio.so") << "not a shared library\n";
    }
    const TRun run = RunToFirstFrame(player.string(), Fixture("startup_music.kiv"), true, {});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    const std::string said = "telvo: the audio module is not installed (" + (moduleFolder / "audio.so").string();
    EXPECT_NE(run.output.find(said), std::string::npos) << run.output;
    EXPECT_NE(run.output.find(c.reason), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("); the menu plays without sound\n"), std::string::npos) << run.output;
  }
}
