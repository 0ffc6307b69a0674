// Open requests on this machine, with recording stand-ins for xdg-open and wine first on PATH:
// what was started, in which folder, and the result code of each kind of failure.

#include "actions/shell_execute.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace {

class ShellExecute : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::path(testing::TempDir()) /
               ("shell_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder / "bin");
    fs::create_directories(m_folder / "Disc" / "Setup");
    WriteScript(m_folder / "bin" / "xdg-open", "xdg-open");
    WriteScript(m_folder / "bin" / "wine", "wine");
    WriteScript(m_folder / "Disc" / "Setup" / "install.sh", "install", "pwd >> '" + RecordPath() + "'\n");
    std::ofstream(m_folder / "Disc" / "Setup" / "Setup.exe") << "MZ\x90";
    std::ofstream(m_folder / "Disc" / "Setup" / "fake.exe") << "#!";
    std::ofstream(m_folder / "Disc" / "manual.pdf") << "%PDF";
    const char* path = std::getenv("PATH");
    m_oldPath = path ? path : "";
    setenv("PATH", ((m_folder / "bin").string() + ":" + m_oldPath).c_str(), 1);
  }
  void TearDown() override { setenv("PATH", m_oldPath.c_str(), 1); }

  std::string RecordPath() const { return (m_folder / "record.txt").string(); }
  // A script that writes its name and arguments, one a line, then runs after.
  void WriteScript(const fs::path& path, const std::string& name, const std::string& after = "") {
    std::ofstream(path) << "#!/bin/sh\nprintf '%s\\n' " << name << " \"$@\" >> '" << RecordPath() << "'\n" << after;
    fs::permissions(path, fs::perms::owner_all);
  }
  // The record, once it has lines (detached programs write it a little later; on a loaded
  // machine that can take seconds).
  std::string Record(size_t lines) {
    for (int i = 0; i < 1000; ++i) {
      std::ifstream in(RecordPath());
      std::stringstream text;
      text << in.rdbuf();
      const std::string s = text.str();
      if (static_cast<size_t>(std::count(s.begin(), s.end(), '\n')) >= lines) return s;
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return "(incomplete)";
  }
  std::string Disc() const { return (m_folder / "Disc").string(); }

  fs::path m_folder;
  std::string m_oldPath;
};

TEST_F(ShellExecute, WindowsPathsReachTheirFilesAndTheirHelpers) {
  struct TCase {
    TShellRequest request;
    std::string record;
  };
  const TCase cases[] = {
      {{"", Disc() + "\\MANUAL.PDF", "", "", TShowMode::Normal}, "xdg-open\n" + Disc() + "/manual.pdf\n"},
      {{"open", Disc() + "\\setup\\setup.EXE", "/S \"a b\"", "", TShowMode::Normal},
       "wine\n" + Disc() + "/Setup/Setup.exe\n/S\na b\n"},
      {{"explore", Disc() + "\\setup\\", "", "", TShowMode::Restored}, "xdg-open\n" + Disc() + "/Setup\n"},
      {{"open", "mailto:a@b.org?subject=x%20y", "", "", TShowMode::Normal}, "xdg-open\nmailto:a@b.org?subject=x%20y\n"},
      {{"open", Disc() + "\\Setup\\install.sh", "--go", Disc() + "\\setup", TShowMode::Normal},
       "install\n--go\n" + Disc() + "/Setup\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.request.file);
    fs::remove(RecordPath());
    EXPECT_GT(ShellExecuteOnLinux(c.request), kShellSuccessAbove);
    EXPECT_EQ(Record(std::count(c.record.begin(), c.record.end(), '\n')), c.record);
  }
}

TEST_F(ShellExecute, BareProgramNamesAreSearchedAlongPath) {
  WriteScript(m_folder / "bin" / "Gimp", "gimp");
  std::ofstream(m_folder / "bin" / "notepad.EXE") << "MZ\x90";  // a Windows program needs no execute permission
  struct TCase {
    std::string file, record;
  };
  const TCase cases[] = {
      {"gimp", "gimp\n--new\n"},
      {"GIMP", "gimp\n--new\n"},
      {"Notepad.exe", "wine\n" + (m_folder / "bin" / "notepad.EXE").string() + "\n--new\n"},
      {"regedit.exe", "wine\nregedit.exe\n--new\n"},  // found nowhere: wine searches the Windows path
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    fs::remove(RecordPath());
    EXPECT_GT(ShellExecuteOnLinux({"open", c.file, "--new", "", TShowMode::Normal}), kShellSuccessAbove);
    EXPECT_EQ(Record(std::count(c.record.begin(), c.record.end(), '\n')), c.record);
  }
  EXPECT_EQ(ShellExecuteOnLinux({"open", "no-such-program", "", "", TShowMode::Normal}), 2);
  EXPECT_EQ(ShellExecuteOnLinux({"open", "no-such-script.bat", "", "", TShowMode::Normal}), 2);
}

TEST_F(ShellExecute, TheCurrentFolderComesBeforePath) {
  WriteScript(m_folder / "bin" / "install.sh", "path-install");
  const fs::path before = fs::current_path();
  fs::current_path(m_folder / "Disc" / "Setup");
  const int result = ShellExecuteOnLinux({"open", "INSTALL.SH", "", "", TShowMode::Normal});
  fs::current_path(before);
  EXPECT_GT(result, kShellSuccessAbove);
  EXPECT_EQ(Record(2), "install\n" + Disc() + "/Setup\n");
}

TEST_F(ShellExecute, FailuresGiveTheirResultCodes) {
  fs::create_directories(m_folder / "Locked");
  std::ofstream(m_folder / "Locked" / "secret.txt") << "x";
  fs::permissions(m_folder / "Locked" / "secret.txt", fs::perms::none);
  const bool root = geteuid() == 0;  // root reads every file

  TProgramLookup withoutWine = SystemProgramLookup();
  withoutWine.findOnPath = [real = withoutWine.findOnPath](const std::string& name) -> std::optional<std::string> {
    return name == "wine" ? std::nullopt : real(name);
  };
  struct TCase {
    std::string file;
    int code;
    const TProgramLookup& lookup;
  };
  const TProgramLookup system = SystemProgramLookup();
  const TCase cases[] = {
      {Disc() + "\\missing.exe", 2, system},
      {Disc() + "\\nowhere\\x.pdf", 2, system},
      {Disc() + "\\Setup\\fake.exe", 11, system},
      {Disc() + "\\Setup\\Setup.exe", 31, withoutWine},
      {"regedit.exe", 31, withoutWine},
      {(m_folder / "Locked" / "secret.txt").string(), root ? kShellSuccess : 5, system},
      {"", 2, system},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    const int result = ShellExecuteOnLinux({"open", c.file, "", "", TShowMode::Normal}, c.lookup);
    if (c.code > kShellSuccessAbove)
      EXPECT_GT(result, kShellSuccessAbove);
    else
      EXPECT_EQ(result, c.code);
  }
}

TEST_F(ShellExecute, XdgOpenExitStatusIsTheResult) {
  struct TCase {
    int exitStatus;
    int code;
  };
  const TCase cases[] = {{0, kShellSuccess}, {2, 2}, {3, 31}, {4, 31}, {1, 31}};
  for (const TCase& c : cases) {
    WriteScript(m_folder / "bin" / "xdg-open", "xdg-open", "exit " + std::to_string(c.exitStatus) + "\n");
    const int result = ShellExecuteOnLinux({"", Disc() + "/manual.pdf", "", "", TShowMode::Normal});
    if (c.code > kShellSuccessAbove)
      EXPECT_GT(result, kShellSuccessAbove) << c.exitStatus;
    else
      EXPECT_EQ(result, c.code) << c.exitStatus;
  }
  fs::remove(m_folder / "bin" / "xdg-open");
  TProgramLookup noXdg = SystemProgramLookup();
  noXdg.findOnPath = [](const std::string&) { return std::nullopt; };
  EXPECT_EQ(ShellExecuteOnLinux({"", "https://example.org", "", "", TShowMode::Normal}, noXdg), 31);
}

TEST_F(ShellExecute, XdgOpenAnswersLaterThroughItsDescriptor) {
  const fs::path release = m_folder / "release";
  WriteScript(m_folder / "bin" / "xdg-open", "xdg-open",
              "while [ ! -e '" + release.string() + "' ]; do sleep 0.02; done\nexit 2\n");
  TShellAnswer answer = StartShellExecute({"", Disc() + "/manual.pdf", "", "", TShowMode::Normal});
  ASSERT_FALSE(answer.Ready());
  pollfd watched{answer.Descriptor(), POLLIN, 0};
  EXPECT_EQ(poll(&watched, 1, 50), 0) << "nothing to read while xdg-open runs";
  std::ofstream{release};
  EXPECT_EQ(poll(&watched, 1, 5000), 1);
  EXPECT_EQ(answer.Result(), 2);
  EXPECT_TRUE(answer.Ready());
  EXPECT_TRUE(StartShellExecute({"open", Disc() + "/Setup/install.sh", "", "", TShowMode::Normal}).Ready())
      << "a program's answer is its exec, known at once";
}

TEST_F(ShellExecute, StartedProgramsLeaveNoChildBehind) {
  ASSERT_GT(ShellExecuteOnLinux({"open", Disc() + "/Setup/install.sh", "", "", TShowMode::Normal}), kShellSuccessAbove);
  Record(2);
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST_F(ShellExecute, AProgramThatCannotRunReportsWhy) {
  const fs::path broken = m_folder / "Disc" / "broken";
  std::ofstream(broken) << "#!/no/such/interpreter\n";
  fs::permissions(broken, fs::perms::owner_all);
  EXPECT_EQ(ShellExecuteOnLinux({"open", broken.string(), "", "", TShowMode::Normal}), 2);
}

}  // namespace
