// Termination signals in the running player (on Qt's offscreen platform): a signal the player
// was started with ignored, as nohup ignores SIGHUP, stays ignored, while SIGTERM still ends the
// menu through its shutdown; a SIGTERM during the splash ends the player before the menu shows.

#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <optional>
#include <string>

#include "player_process.h"

namespace fs = std::filesystem;

namespace {

bool HoldsALock(const fs::path& folder) {
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().extension() == ".lock") return true;
  return false;
}

TEST(TelvoSignals, SignalsIgnoredAtStartStayIgnored) {
  const fs::path folder = fs::path(testing::TempDir()) / "signal_cli";
  fs::remove_all(folder);
  const pid_t pid = StartPlayer({.arguments = {std::string(TELVO_FIXTURE_DIR) + "/two_pages.kiv"},
                                 .folder = folder,
                                 .ignoredSignals = {SIGHUP, SIGINT}});
  // The instance lock is taken after the signals are set up, just before the window shows.
  ASSERT_TRUE(Eventually([&] { return HoldsALock(folder / "runtime"); })) << "the menu never started";

  kill(pid, SIGHUP);
  kill(pid, SIGINT);
  EXPECT_FALSE(WaitForPlayerFor(pid, 500)) << "the menu ended on an ignored signal";

  kill(pid, SIGTERM);
  EXPECT_EQ(WaitForPlayer(pid), 0);
  EXPECT_FALSE(HoldsALock(folder / "runtime")) << "shutdown released the lock";
}

// How often text occurs in what the player in folder wrote.
int Occurrences(const fs::path& folder, const std::string& text) {
  const std::string all = PlayerOutput(folder);
  int count = 0;
  for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) ++count;
  return count;
}

TEST(TelvoSignals, TerminationDuringTheSplashEndsThePlayerBeforeTheMenu) {
  const fs::path folder = fs::path(testing::TempDir()) / "signal_splash";
  fs::remove_all(folder);
  const pid_t pid =
      StartPlayer({.arguments = {"--verbose", std::string(TELVO_FIXTURE_DIR) + "/long_splash.kiv"}, .folder = folder});
  // Each fading screen copies the screen as it opens; the offscreen platform has none to read,
  // and --verbose says so: the splash is up.
  const std::string opened = "the screen cannot be read";
  ASSERT_TRUE(Eventually([&] { return Occurrences(folder, opened) >= 1; })) << "the splash never opened";
  kill(pid, SIGTERM);
  // The player ends as a closed menu does: through its shutdown, whose end screen opens.
  ASSERT_TRUE(Eventually([&] { return Occurrences(folder, opened) >= 2; })) << "the end screen never opened";
  EXPECT_FALSE(HoldsALock(folder / "runtime")) << "the menu was never shown";
  kill(pid, SIGTERM);
  const std::optional<int> exitCode = WaitForPlayerFor(pid, 5000);
  if (!exitCode) {
    kill(pid, SIGKILL);
    WaitForPlayer(pid);
    FAIL() << "a termination did not end the end screen";
  }
  EXPECT_EQ(*exitCode, 0);
}

}  // namespace
