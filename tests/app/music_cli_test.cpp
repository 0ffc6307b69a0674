// Background music in the running player: a MIDI start-up sound plays from a temporary "kiv"
// file, and a termination signal ends the menu without leaving that file behind.

#include <gtest/gtest.h>

#include <signal.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

#include "player_process.h"

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
  const fs::path text = folder / "music.txt";
  std::ofstream(text) << "object frmDesign: TfrmDesign\n  Loop = True\n  StartupSound.Data = {" << MidiDataHex()
                      << "}\nend\n";
  const fs::path document = folder / "music.kiv";
  ASSERT_EQ(std::system((std::string(TELVO_CONVERT_BINARY) + " " + text.string() + " " + document.string()).c_str()), 0);

  const pid_t pid = StartPlayer({.arguments = {document.string()},
                                 .folder = folder,
                                 .environment = {{"TMPDIR", (folder / "tmp").string()},
                                                 // no sound device: the menu plays silently
                                                 {"SDL_AUDIODRIVER", "no-such-driver"}}});
  EXPECT_TRUE(Eventually([&] { return KivFiles(folder / "tmp").size() == 1; })) << "the MIDI music never started";
  kill(pid, SIGTERM);
  EXPECT_EQ(WaitForPlayer(pid), 0);
  EXPECT_TRUE(KivFiles(folder / "tmp").empty());
}
