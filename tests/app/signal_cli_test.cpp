// Termination signals in the running player (on Qt's offscreen platform): a signal the player
// was started with ignored, as nohup ignores SIGHUP, stays ignored, while SIGTERM still ends the
// menu through its shutdown.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
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

}  // namespace
