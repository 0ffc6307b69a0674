// Playing a menu, run as a user runs it (on Qt's offscreen platform): the start-up reaches the
// message loop and holds the instance lock; a termination signal ends the menu through its
// shutdown, and so does the first painted frame with --first-frame; LaunchOnly starts the
// program and ends without showing the menu; a named document that is missing is reported.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "player_process.h"

namespace fs = std::filesystem;

namespace {

class TelvoPlay : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::path(testing::TempDir()) / ("play_cli_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder);
  }

  // Starts telvo with arguments; stdout and stderr go to output.txt.
  pid_t Start(const std::vector<std::string>& arguments) {
    return StartPlayer({.arguments = arguments, .folder = m_folder});
  }
  int Wait(pid_t pid) { return WaitForPlayer(pid); }
  std::vector<fs::path> Locks() {
    std::vector<fs::path> locks;
    for (const auto& entry : fs::directory_iterator(m_folder / "runtime"))
      if (entry.path().extension() == ".lock") locks.push_back(entry.path());
    return locks;
  }
  std::string Output() { return PlayerOutput(m_folder); }


  fs::path m_folder;
};

TEST_F(TelvoPlay, AFailedDocumentPlaysTheBuiltInWindowUntilTerminated) {
  const pid_t pid = Start({"--verbose", std::string(TELVO_FIXTURE_DIR) + "/bad_style.kiv"});
  ASSERT_TRUE(Eventually([&] { return Locks().size() == 1; })) << Output();
  EXPECT_TRUE(fs::path(Locks()[0]).filename().string().starts_with("20")) << "named by the local time";
  kill(pid, SIGTERM);
  EXPECT_EQ(Wait(pid), 0);
  EXPECT_TRUE(Locks().empty()) << "shutdown released the lock";
  EXPECT_NE(Output().find("Error reading Button1.Style: Invalid property value; playing the built-in window"),
            std::string::npos)
      << Output();
}

TEST_F(TelvoPlay, AMissingDocumentIsReportedInOneLineBeforeTheBuiltInWindowPlays) {
  const std::string missing = (m_folder / "missing.kiv").string();
  const pid_t pid = Start({missing});
  ASSERT_TRUE(Eventually([&] { return Locks().size() == 1; })) << Output();
  kill(pid, SIGTERM);
  EXPECT_EQ(Wait(pid), 0);
  const std::string expected = "telvo: cannot open \"" + missing + "\": no such file or directory\n";
  EXPECT_EQ(Output().substr(0, expected.size()), expected);
  EXPECT_EQ(Output().find("missing.kiv", expected.size()), std::string::npos) << "reported once: " << Output();
}

TEST_F(TelvoPlay, FirstFrameEndsTheMenuThroughItsShutdownOncePainted) {
  const pid_t pid = Start({"--first-frame", std::string(TELVO_FIXTURE_DIR) + "/bad_style.kiv"});
  int status = -1;
  ASSERT_TRUE(Eventually([&] { return waitpid(pid, &status, WNOHANG) == pid; })) << Output();
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << Output();
  EXPECT_TRUE(Locks().empty()) << "shutdown released the lock";
}

// A caption whose escape does not decode is told about on stderr with --verbose, once however
// often the window paints; without --verbose the menu stays silent.
TEST_F(TelvoPlay, ACaptionEscapeErrorIsReportedOnceWithVerbose) {
  const fs::path text = m_folder / "caption.txt";
  std::ofstream(text) << "object frmDesign: TfrmDesign\n  object Go: TKIVButton\n    Width = 80\n    Height = 20\n"
                      << "    Caption = 'Go \\400on'\n  end\nend\n";
  const fs::path document = m_folder / "caption.kiv";
  ASSERT_EQ(std::system((std::string(TELVO_CONVERT_BINARY) + " " + text.string() + " " + document.string()).c_str()), 0);
  const std::string line = "telvo: Go: caption \"Go \\400on\": Numeric constant too large.\n";
  for (bool verbose : {true, false}) {
    SCOPED_TRACE(verbose ? "verbose" : "quiet");
    std::vector<std::string> arguments = {document.string()};
    if (verbose) arguments.insert(arguments.begin(), "--verbose");
    const pid_t pid = Start(arguments);
    ASSERT_TRUE(Eventually([&] { return Locks().size() == 1; })) << Output();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));  // the window paints meanwhile
    kill(pid, SIGTERM);
    EXPECT_EQ(Wait(pid), 0);
    const std::string output = Output();
    const size_t first = output.find(line);
    EXPECT_EQ(first != std::string::npos, verbose) << output;
    if (first != std::string::npos) {
      EXPECT_EQ(output.find(line, first + 1), std::string::npos) << output;
    }
  }
}

TEST_F(TelvoPlay, LaunchOnlyStartsTheProgramAndEnds) {
  const fs::path script = m_folder / "setup.sh";
  const fs::path record = m_folder / "record.txt";
  std::ofstream(script) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" << record.string() << "'\n";
  fs::permissions(script, fs::perms::owner_all);
  const fs::path text = m_folder / "launch.txt";
  std::ofstream(text) << "object frmDesign: TfrmDesign\n  LaunchApp = '" << script.string()
                      << "'\n  LaunchParam = '/quiet \"C:\\Program Files\"'\n  LaunchWait = True\n"
                      << "  LaunchOnly = True\nend\n";
  const fs::path document = m_folder / "launch.kiv";
  ASSERT_EQ(std::system((std::string(TELVO_CONVERT_BINARY) + " " + text.string() + " " + document.string()).c_str()), 0);

  EXPECT_EQ(Wait(Start({document.string()})), 0);
  EXPECT_TRUE(Locks().empty()) << "the menu never reached its window";
  ASSERT_TRUE(Eventually([&] {
    std::ifstream in(record);
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return all == "/quiet\nC:\\Program Files\n";
  }));
}

}  // namespace
