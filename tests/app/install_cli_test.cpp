// The player as installed: the build tree staged with DESTDIR under the prefix /usr, as a package
// installs it, gives a player that plays the installed demo and loads every module from the
// installed folder, with no search path into the build tree.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <QImage>

#include "player_process.h"

namespace fs = std::filesystem;

namespace {

struct TRun {
  int exitCode = -1;
  std::string output;  // stdout and stderr
};

TRun Run(const TPlayerLaunch& launch) {
  const int exitCode = WaitForPlayer(StartPlayer(launch));
  return {exitCode, PlayerOutput(launch.folder)};
}

// An empty folder for the running test: ctest runs the tests of this file side by side.
fs::path TestFolder() {
  const fs::path folder =
      fs::path(testing::TempDir()) / "install_cli" / testing::UnitTest::GetInstance()->current_test_info()->name();
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// The build tree installed as DESTDIR=<folder>/stage cmake --install <build tree> --prefix /usr
// does. The stage (a hundred megabytes with the debugging information) goes with this object.
class TStagedInstallation {
 public:
  explicit TStagedInstallation(const fs::path& folder) : m_stage(folder / "stage") {
    const TRun run = Run({.program = CMAKE_COMMAND_PATH,
                          .arguments = {"--install", TELVO_BUILD_DIR, "--prefix", "/usr"},
                          .folder = folder / "install",
                          .environment = {{"DESTDIR", m_stage.string()}}});
    EXPECT_EQ(run.exitCode, 0) << run.output;
  }
  ~TStagedInstallation() { fs::remove_all(m_stage); }
  TStagedInstallation(const TStagedInstallation&) = delete;
  TStagedInstallation& operator=(const TStagedInstallation&) = delete;

  // The staged /usr.
  fs::path Prefix() const { return m_stage / "usr"; }

 private:
  fs::path m_stage;
};

// The installed player with arguments, its modules found beside it only (TELVO_MODULE_DIR empty).
TRun RunInstalled(const fs::path& prefix, const fs::path& folder, std::vector<std::string> arguments,
                  std::vector<std::pair<std::string, std::string>> environment = {}) {
  environment.insert(environment.begin(), {{"TELVO_MODULE_DIR", ""}, {"SDL_AUDIODRIVER", "no-such-driver"}});
  return Run({.program = (prefix / "bin" / "telvo").string(),
              .arguments = std::move(arguments),
              .folder = folder,
              .environment = std::move(environment)});
}

}  // namespace

TEST(TelvoInstall, TheInstalledPlayerRendersTheInstalledDemo) {
  const fs::path folder = TestFolder();
  const TStagedInstallation installation(folder);
  const fs::path prefix = installation.Prefix();
  const fs::path demo = prefix / "share" / "telvo" / "demo";
  // The demo's "Open the README" label opens the README in the menu's folder.
  EXPECT_TRUE(fs::is_regular_file(demo / "README.md"));

  const fs::path image = folder / "demo.png";
  const TRun run =
      RunInstalled(prefix, folder / "render", {"--verbose", "--render", image.string(), (demo / "demo.kiv").string()});
  EXPECT_EQ(run.exitCode, 0) << run.output;
  EXPECT_EQ(run.output.find("not installed"), std::string::npos) << run.output;
  EXPECT_FALSE(QImage(QString::fromStdString(image.string())).isNull());
}

TEST(TelvoInstall, TheInstalledPlayerLoadsItsModulesFromTheInstalledFolder) {
  const fs::path folder = TestFolder();
  const TStagedInstallation installation(folder);
  const fs::path prefix = installation.Prefix();
  const fs::path modules = prefix / "lib" / "telvo" / "modules";
  // The desktop module serves only actions that wait for a document's application, the print
  // module only a print.
  for (const char* module : {"desktop.so", "print.so"}) EXPECT_TRUE(fs::is_regular_file(modules / module)) << module;

  struct Case {
    const char* fixture;
    std::vector<const char*> modules;
  };
  for (const Case& c : {Case{"startup_music.kiv", {"audio"}}, Case{"viewers.kiv", {"web", "media", "pdf"}}}) {
    SCOPED_TRACE(c.fixture);
    // The dynamic loader names every library it loads and every search path it takes from a file
    // (an RPATH or RUNPATH; the system's own libraries may have some).
    const TRun run =
        RunInstalled(prefix, folder / c.fixture,
                     {"--verbose", "--first-frame", std::string(TELVO_FIXTURE_DIR) + "/" + c.fixture},
                     {{"LD_DEBUG", "files,libs"}});
    EXPECT_EQ(run.exitCode, 0) << run.output;
    for (const char* module : c.modules)
      EXPECT_NE(run.output.find("file=" + (modules / (std::string(module) + ".so")).string()), std::string::npos)
          << module;
    EXPECT_EQ(run.output.find("not installed"), std::string::npos);
    EXPECT_EQ(run.output.find("not-installed"), std::string::npos);
    EXPECT_EQ(run.output.find("PATH from file " + prefix.string()), std::string::npos) << "an RPATH or RUNPATH is set";
  }
}
