// Termination signals in the running player (on Qt's offscreen platform): a signal the player
// was started with ignored, as nohup ignores SIGHUP, stays ignored, while SIGTERM still ends the
// menu through its shutdown; a SIGTERM during the splash ends the player before the menu shows.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

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
  fs::create_directories(folder / "runtime");
  fs::permissions(folder / "runtime", fs::perms::owner_all);
  const std::string output = (folder / "output.txt").string();
  const std::string document = std::string(TELVO_FIXTURE_DIR) + "/two_pages.kiv";

  const pid_t pid = fork();
  if (pid == 0) {
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 1);
    dup2(fd, 2);
    signal(SIGHUP, SIG_IGN);
    signal(SIGINT, SIG_IGN);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    execl(TELVO_BINARY, TELVO_BINARY, document.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  // The instance lock is taken after the signals are set up, just before the window shows.
  bool playing = false;
  for (int i = 0; i < 600 && !playing; ++i) {
    playing = HoldsALock(folder / "runtime");
    if (!playing) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(playing) << "the menu never started";

  kill(pid, SIGHUP);
  kill(pid, SIGINT);
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  int status = 0;
  EXPECT_EQ(waitpid(pid, &status, WNOHANG), 0) << "the menu ended on an ignored signal";

  kill(pid, SIGTERM);
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_FALSE(HoldsALock(folder / "runtime")) << "shutdown released the lock";
}

// How often text occurs in the file at path.
int Occurrences(const std::string& path, const std::string& text) {
  std::ifstream in(path);
  std::stringstream content;
  content << in.rdbuf();
  const std::string all = content.str();
  int count = 0;
  for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + 1)) ++count;
  return count;
}

bool AwaitOccurrences(const std::string& path, const std::string& text, int count) {
  for (int i = 0; i < 600; ++i) {
    if (Occurrences(path, text) >= count) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

TEST(TelvoSignals, TerminationDuringTheSplashEndsThePlayerBeforeTheMenu) {
  const fs::path folder = fs::path(testing::TempDir()) / "signal_splash";
  fs::remove_all(folder);
  fs::create_directories(folder / "runtime");
  fs::permissions(folder / "runtime", fs::perms::owner_all);
  const std::string output = (folder / "output.txt").string();
  const std::string document = std::string(TELVO_FIXTURE_DIR) + "/long_splash.kiv";

  const pid_t pid = fork();
  if (pid == 0) {
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 1);
    dup2(fd, 2);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    execl(TELVO_BINARY, TELVO_BINARY, "--verbose", document.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  // Each fading screen copies the screen as it opens; the offscreen platform has none to read,
  // and --verbose says so: the splash is up.
  const std::string opened = "the screen cannot be read";
  ASSERT_TRUE(AwaitOccurrences(output, opened, 1)) << "the splash never opened";
  kill(pid, SIGTERM);
  // The player ends as a closed menu does: through its shutdown, whose end screen opens.
  ASSERT_TRUE(AwaitOccurrences(output, opened, 2)) << "the end screen never opened";
  EXPECT_FALSE(HoldsALock(folder / "runtime")) << "the menu was never shown";
  kill(pid, SIGTERM);
  int status = 0;
  for (int i = 0; i < 100 && waitpid(pid, &status, WNOHANG) == 0; ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  if (waitpid(pid, &status, WNOHANG) == 0) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    FAIL() << "a termination did not end the end screen";
  }
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
