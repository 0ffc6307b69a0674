// Background music in the running player: a MIDI start-up sound plays from a temporary "kiv"
// file, and a termination signal ends the menu without leaving that file behind.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

namespace fs = std::filesystem;

namespace {

// A format-0 MIDI song of one held note, padded to 64 bytes, as the stored "Data" value's hex
// (a 4-byte count, then the bytes).
std::string MidiDataHex() {
  std::vector<uint8_t> song = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96, 'M', 'T', 'r', 'k', 0, 0, 0, 13,
                               0,   0x90, 60, 100, 0x83, 0x60, 0x80, 60, 0, 0, 0xFF, 0x2F, 0};
  song.resize(64, 0);
  std::string hex = "40000000";
  char digits[3];
  for (uint8_t b : song) {
    std::snprintf(digits, sizeof digits, "%02X", b);
    hex += digits;
  }
  return hex;
}

std::vector<fs::path> KivFiles(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.path().filename().string().starts_with("kiv")) files.push_back(entry.path());
  return files;
}

}  // namespace

TEST(TelvoMusic, TerminationLeavesNoTemporaryMidiFile) {
  const fs::path folder = fs::path(testing::TempDir()) / "music_cli";
  fs::remove_all(folder);
  fs::create_directories(folder / "tmp");
  fs::create_directories(folder / "runtime");
  fs::permissions(folder / "runtime", fs::perms::owner_all);
  const fs::path text = folder / "music.txt";
  std::ofstream(text) << "object frmDesign: TfrmDesign\n  Loop = True\n  StartupSound.Data = {" << MidiDataHex()
                      << "}\nend\n";
  const fs::path document = folder / "music.kiv";
  ASSERT_EQ(std::system((std::string(TELVO_CONVERT_BINARY) + " " + text.string() + " " + document.string()).c_str()), 0);

  const std::string output = (folder / "output.txt").string();
  const pid_t pid = fork();
  if (pid == 0) {
    const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    dup2(fd, 1);
    dup2(fd, 2);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_RUNTIME_DIR", (folder / "runtime").c_str(), 1);
    setenv("TMPDIR", (folder / "tmp").c_str(), 1);
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);  // no sound device: the menu plays silently
    execl(TELVO_BINARY, TELVO_BINARY, document.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  bool playing = false;
  for (int i = 0; i < 600 && !playing; ++i) {
    playing = KivFiles(folder / "tmp").size() == 1;
    if (!playing) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  EXPECT_TRUE(playing) << "the MIDI music never started";
  kill(pid, SIGTERM);
  int status = 0;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(KivFiles(folder / "tmp").empty());
}
