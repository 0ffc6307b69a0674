// Starting the launch program: argument vectors, never a shell; helpers found on PATH (here
// recording stand-ins); documents waited for through the default application of the tests' own
// desktop.

#include "actions/launch.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "actions/test_desktop.h"

namespace fs = std::filesystem;

namespace {

TEST(Launch, ParametersSplitLikeAWindowsCommandLine) {
  struct TCase {
    std::string parameters;
    std::vector<std::string> arguments;
  };
  const TCase cases[] = {
      {"", {}},
      {"  /s  /v ", {"/s", "/v"}},
      {"\"C:\\Program Files\\x\" -a", {"C:\\Program Files\\x", "-a"}},
      {"a\"b c\"d", {"ab cd"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\\\\\"x y\"", {"\\x y"}},
      {"\\\"x", {"\"x"}},
      {"a\\b", {"a\\b"}},
      {"$(rm -rf /);`id`", {"$(rm", "-rf", "/);`id`"}},  // words, never shell syntax
      {"\t\"\"", {""}},
  };
  for (const TCase& c : cases) EXPECT_EQ(SplitParameters(c.parameters), c.arguments) << c.parameters;
}

TProgramLookup FakeLookup(bool wine, bool xdgOpen) {
  TProgramLookup lookup;
  lookup.findOnPath = [=](const std::string& name) -> std::optional<std::string> {
    if (name == "wine" && wine) return "/usr/bin/wine";
    if (name == "xdg-open" && xdgOpen) return "/usr/bin/xdg-open";
    if (name == "tool") return "/usr/local/bin/tool";
    if (name == "notepad.exe") return "/opt/windows/NOTEPAD.EXE";
    return std::nullopt;
  };
  lookup.isExecutable = [](const std::string& path) { return path == "/cd/run.sh" || path == "./local.sh"; };
  return lookup;
}

TEST(Launch, ArgumentVectorsByKindOfTarget) {
  using V = std::vector<std::string>;
  struct TCase {
    std::string file, parameters;
    bool wine, xdgOpen;
    std::optional<V> command;
  };
  const TCase cases[] = {
      {"/cd/run.sh", "-x \"a b\"", true, true, V{"/cd/run.sh", "-x", "a b"}},
      {"local.sh", "", true, true, V{"./local.sh"}},
      {"tool", "1", true, true, V{"/usr/local/bin/tool", "1"}},
      {"/cd/setup.EXE", "/s", true, true, V{"/usr/bin/wine", "/cd/setup.EXE", "/s"}},
      {"/cd/old.com", "", true, true, V{"/usr/bin/wine", "/cd/old.com"}},
      {"/cd/go.bat", "x", true, true, V{"/usr/bin/wine", "start", "/wait", "/unix", "/cd/go.bat", "x"}},
      {"/cd/pkg.msi", "", true, true, V{"/usr/bin/wine", "start", "/wait", "/unix", "/cd/pkg.msi"}},
      {"/cd/setup.exe", "", false, true, std::nullopt},
      {"notepad.exe", "a.txt", true, true, V{"/usr/bin/wine", "/opt/windows/NOTEPAD.EXE", "a.txt"}},
      {"regedit.exe", "", true, true, V{"/usr/bin/wine", "regedit.exe"}},  // wine searches its own path
      {"/cd/readme.pdf", "ignored", true, true, V{"/usr/bin/xdg-open", "/cd/readme.pdf"}},
      {"https://example.org/a b", "", true, true, V{"/usr/bin/xdg-open", "https://example.org/a b"}},
      {"mailto:someone@example.org", "", true, true, V{"/usr/bin/xdg-open", "mailto:someone@example.org"}},
      {"/cd/readme.pdf", "", true, false, std::nullopt},
      {"", "", true, true, std::nullopt},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_EQ(LaunchCommand(c.file, c.parameters, FakeLookup(c.wine, c.xdgOpen)), c.command);
  }
}

// A folder of recording stand-ins put first on PATH for the duration of a test.
class LaunchOnThisMachine : public testing::Test {
 protected:
  void SetUp() override {
    telvo_test::UseTestDesktop().Reset();
    m_folder = fs::path(testing::TempDir()) / ("launch_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder / "bin");
    fs::create_directories(m_folder / "Media" / "Tools");
    WriteScript(m_folder / "bin" / "xdg-open", "xdg-open");
    WriteScript(m_folder / "bin" / "wine", "wine");
    WriteScript(m_folder / "Media" / "Tools" / "setup.sh", "setup", "sleep 0.2\n");
    const char* path = std::getenv("PATH");
    m_oldPath = path ? path : "";
    setenv("PATH", ((m_folder / "bin").string() + ":" + m_oldPath).c_str(), 1);
  }
  void TearDown() override { setenv("PATH", m_oldPath.c_str(), 1); }

  // A script that sleeps as told, then writes its name and arguments, one a line.
  void WriteScript(const fs::path& path, const std::string& name, const std::string& before = "") {
    std::ofstream(path) << "#!/bin/sh\n" << before << "printf '%s\\n' " << name << " \"$@\" > '"
                        << (m_folder / "record.txt").string() << "'\n";
    fs::permissions(path, fs::perms::owner_all);
  }
  std::string Record() {
    std::ifstream in(m_folder / "record.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path m_folder;
  std::string m_oldPath;
};

TEST_F(LaunchOnThisMachine, WaitsForTheProgramWhenAsked) {
  // The stored path has backslashes and other letter case; the script writes its record last.
  const std::string stored = m_folder.string() + "\\MEDIA\\tools\\Setup.SH";
  ASSERT_TRUE(RunAndWait(stored, "--quiet \"two words\"", false, true));
  EXPECT_EQ(Record(), "setup\n--quiet\ntwo words\n");
}

TEST_F(LaunchOnThisMachine, DocumentsAndWindowsProgramsGoToTheirHelpers) {
  ASSERT_TRUE(RunAndWait((m_folder / "Media" / "guide.pdf").string(), "", false, true));
  EXPECT_EQ(Record(), "xdg-open\n" + (m_folder / "Media" / "guide.pdf").string() + "\n");
  ASSERT_TRUE(RunAndWait("D:/autorun/setup.exe", "/S", true, true));
  EXPECT_EQ(Record(), "wine\nD:/autorun/setup.exe\n/S\n");
}

TEST_F(LaunchOnThisMachine, WaitingForADocumentWaitsForItsDefaultApplication) {
  const telvo_test::TTestDesktop& desktop = telvo_test::UseTestDesktop();
  const fs::path notes = m_folder / "Media" / "Notes.TXT";
  std::ofstream(notes) << "plain words\n";
  // Lets the viewer end once it has started, so the wait cannot end before the viewer has.
  std::thread release([&desktop] {
    for (int i = 0; i < 500 && desktop.RecordText().empty(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ofstream{desktop.Release()};
  });
  const bool started = RunAndWait(m_folder.string() + "\\media\\notes.txt", "ignored", false, true);
  release.join();
  EXPECT_TRUE(started);
  EXPECT_EQ(desktop.RecordText(), "viewer " + notes.string() + "\nviewer done\n");
  EXPECT_EQ(Record(), "") << "xdg-open is not asked";
}

TEST_F(LaunchOnThisMachine, WithoutADefaultApplicationXdgOpenIsWaitedFor) {
  const telvo_test::TTestDesktop& desktop = telvo_test::UseTestDesktop();
  std::ofstream{desktop.Release()};
  const fs::path data = m_folder / "Media" / "data.bin";
  std::ofstream(data) << std::string("\x00\x01\xfe\xff", 4);
  struct TCase {
    std::string target, viewer, xdgOpen;
  };
  const TCase cases[] = {
      {"https://example.org/guide", "viewer https://example.org/guide\nviewer done\n", ""},
      {"mailto:someone@example.org?subject=Hi", "", "xdg-open\nmailto:someone@example.org?subject=Hi\n"},
      {data.string(), "", "xdg-open\n" + data.string() + "\n"},
      {(m_folder / "Media").string(), "", "xdg-open\n" + (m_folder / "Media").string() + "\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.target);
    fs::remove(desktop.Record());
    fs::remove(m_folder / "record.txt");
    EXPECT_TRUE(RunAndWait(c.target, "", false, true));
    EXPECT_EQ(desktop.RecordText(), c.viewer);
    EXPECT_EQ(Record(), c.xdgOpen);
  }
}

// Without the desktop module no default application is known: xdg-open shows the document.
TEST_F(LaunchOnThisMachine, WithoutTheDesktopModuleXdgOpenIsWaitedFor) {
  const telvo_test::TTestDesktop& desktop = telvo_test::UseTestDesktop();
  const fs::path notes = m_folder / "Media" / "notes.txt";
  std::ofstream(notes) << "plain words\n";
  setenv("TELVO_MODULE_DIR", (m_folder / "no modules").c_str(), 1);
  const bool started = RunAndWait(notes.string(), "", false, true);
  setenv("TELVO_MODULE_DIR", TELVO_MODULE_DIR, 1);
  EXPECT_TRUE(started);
  EXPECT_EQ(Record(), "xdg-open\n" + notes.string() + "\n");
  EXPECT_EQ(desktop.RecordText(), "");
}

TEST_F(LaunchOnThisMachine, WithoutWaitingNothingIsLeftBehind) {
  ASSERT_TRUE(RunAndWait((m_folder / "Media" / "guide.pdf").string(), "", false, false));
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1) << "the started program is not this process's child";
  EXPECT_EQ(errno, ECHILD);
  EXPECT_FALSE(RunAndWait("", "", false, false));
}

TEST_F(LaunchOnThisMachine, PathSearchMatchesNamesAsWindowsDoes) {
  const fs::path bin = m_folder / "bin", later = m_folder / "later";
  fs::create_directories(later);
  setenv("PATH", (bin.string() + ":" + later.string()).c_str(), 1);
  WriteScript(bin / "Gimp", "gimp");
  WriteScript(later / "gimp", "gimp");
  std::ofstream(bin / "Notepad.EXE") << "MZ";  // wine runs it: no execute permission needed
  std::ofstream(bin / "readme") << "text";     // neither a program nor executable
  struct TCase {
    std::string name;
    std::optional<std::string> found;
  };
  const TCase cases[] = {
      {"gimp", (later / "gimp").string()},  // the name as written anywhere comes before other cases
      {"GIMP", (bin / "Gimp").string()},
      {"notepad.exe", (bin / "Notepad.EXE").string()},
      {"readme", std::nullopt},
      {"bin/Gimp", std::nullopt},
      {"..\\gimp", std::nullopt},
      {"", std::nullopt},
  };
  const TProgramLookup lookup = SystemProgramLookup();
  for (const TCase& c : cases) EXPECT_EQ(lookup.findOnPath(c.name), c.found) << c.name;
}

TEST(LaunchPaths, StoredPathsBecomeLinuxPaths) {
  const fs::path folder = fs::path(testing::TempDir()) / "launch_paths";
  fs::remove_all(folder);
  fs::create_directories(folder / "Sub" / "Deeper");
  std::ofstream(folder / "Sub" / "Deeper" / "File.txt") << "x";
  EXPECT_EQ(ToLinuxPath(folder.string() + "\\sub\\DEEPER\\file.TXT"), (folder / "Sub" / "Deeper" / "File.txt").string());
  EXPECT_EQ(ToLinuxPath(folder.string() + "/Sub/missing/x"), folder.string() + "/Sub/missing/x");
  EXPECT_EQ(ToLinuxPath("relative\\name.exe"), "relative/name.exe");
}

}  // namespace
