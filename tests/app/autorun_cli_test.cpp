// A medium's folder in place of a document, run as a user runs it: every command plays the menu
// that the folder's autorun.inf names, on the page its command asks for, exactly as when the menu
// itself is named, and a folder that names none is one line on stderr and exit code 1.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace fs = std::filesystem;

namespace {

struct TRun {
  int exitCode;
  std::string output;  // stdout and stderr together
};

// Runs telvo with arguments, without any display: a command that tried to show a window would
// end at once instead of waiting.
TRun RunTelvo(const std::string& arguments) {
  const std::string command =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + std::string(TELVO_BINARY) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, {}};
  std::string output;
  std::array<char, 4096> buffer{};
  while (size_t got = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), got);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

fs::path FreshFolder() {
  const fs::path folder = fs::path(testing::TempDir()) /
                          ("autorun_cli_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void Compile(const fs::path& text, const fs::path& document) {
  fs::create_directories(document.parent_path());
  ASSERT_EQ(std::system((std::string(TELVO_CONVERT_BINARY) + " " + text.string() + " " + document.string()).c_str()), 0);
}

TEST(TelvoAutorunFolder, EveryCommandGivesWhatTheNamedMenuGives) {
  const fs::path work = FreshFolder();
  const fs::path disc = work / "disc";
  const fs::path menu = disc / "Menu" / "Start.kiv";
  fs::create_directories(menu.parent_path());
  fs::copy_file(std::string(TELVO_FIXTURE_DIR) + "/two_pages.kiv", menu);
  std::ofstream(disc / "AutoRun.INF") << "[AutoRun]\r\nOpen=MENU\\start.KIV -x\r\nIcon=menu.ico\r\n";

  const TRun named = RunTelvo("--dump " + menu.string());
  ASSERT_EQ(named.exitCode, 0) << named.output;
  const TRun folder = RunTelvo("--dump " + disc.string());
  EXPECT_EQ(folder.exitCode, 0);
  EXPECT_EQ(folder.output, named.output);

  ASSERT_EQ(RunTelvo("--render " + (work / "named.png").string() + " " + menu.string()).exitCode, 0);
  EXPECT_EQ(RunTelvo("--render " + (work / "folder.png").string() + " " + disc.string()).exitCode, 0);
  EXPECT_EQ(ReadFile(work / "folder.png"), ReadFile(work / "named.png"));

  // The splash of a menu that ShellExecute= names, as its golden image shows it.
  const fs::path golden = fs::path(TELVO_GOLDEN_DIR) / "splash_fade";
  const fs::path splashDisc = work / "splash_disc";
  Compile(golden / "input.txt", splashDisc / "splash.kiv");
  std::ofstream(splashDisc / "autorun.inf") << "\xEF\xBB\xBF[autorun]\nshellexecute=\"Splash.kiv\"\n";
  std::string ms;
  std::ifstream(golden / "splash.txt") >> ms;
  EXPECT_EQ(RunTelvo("--render-splash " + ms + " " + (work / "splash.png").string() + " " + splashDisc.string()).exitCode, 0);
  EXPECT_EQ(ReadFile(work / "splash.png"), ReadFile(golden / "expected.png"));
}

TEST(TelvoAutorunFolder, TheCommandsArgumentsNameTheMenuAndItsPage) {
  const fs::path work = FreshFolder();
  const fs::path disc = work / "disc";
  const fs::path menu = disc / "Menus" / "Pages.kiv";
  fs::create_directories(menu.parent_path());
  fs::copy_file(std::string(TELVO_FIXTURE_DIR) + "/two_pages.kiv", menu);
  std::ofstream(disc / "player.exe") << "MZ";  // a player without a menu of its own
  std::ofstream(disc / "autorun.inf") << "[AutoRun]\r\nOpen=player.exe -p two \"menus\\PAGES.KIV\"\r\n";

  const TRun named = RunTelvo("--dump -p Two " + menu.string());
  ASSERT_EQ(named.exitCode, 0) << named.output;
  EXPECT_EQ(RunTelvo("--dump " + disc.string()).output, named.output);

  const auto render = [&](const std::string& name, const std::string& arguments) {
    const fs::path png = work / (name + ".png");
    EXPECT_EQ(RunTelvo("--render " + png.string() + " " + arguments).exitCode, 0) << arguments;
    return ReadFile(png);
  };
  const std::string pageOne = render("one", menu.string());
  const std::string pageTwo = render("two", "-p Two " + menu.string());
  ASSERT_NE(pageOne, pageTwo);
  EXPECT_EQ(render("folder", disc.string()), pageTwo);
  // A page asked for on telvo's own command line wins over the folder's.
  EXPECT_EQ(render("own_page", "-p One " + disc.string()), pageOne);
}

TEST(TelvoAutorunFolder, AFolderThatNamesNoMenuIsOneLineAndExitCodeOne) {
  const fs::path work = FreshFolder();
  const fs::path empty = work / "empty";
  const fs::path escaping = work / "escaping";
  const fs::path argument = work / "argument";
  fs::create_directories(empty);
  fs::create_directories(escaping);
  fs::create_directories(argument);
  fs::copy_file(std::string(TELVO_FIXTURE_DIR) + "/two_pages.kiv", work / "menu.kiv");
  std::ofstream(escaping / "autorun.inf") << "[AutoRun]\nOpen=..\\menu.kiv\n";
  // The document argument leads out, though its program is a menu.
  fs::copy_file(work / "menu.kiv", argument / "menu.kiv");
  std::ofstream(argument / "autorun.inf") << "[AutoRun]\nOpen=menu.kiv -p Two ..\\menu.kiv\n";
  const std::string png = (work / "out.png").string();
  const std::string commands[] = {"", "--dump ", "--render " + png + " ", "--render-splash 0 " + png + " "};
  for (const std::string& command : commands) {
    SCOPED_TRACE(command);
    const TRun none = RunTelvo(command + empty.string());
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.output, "telvo: " + empty.string() + " has no autorun.inf\n");
    const TRun outside = RunTelvo(command + escaping.string());
    EXPECT_EQ(outside.exitCode, 1);
    EXPECT_EQ(outside.output, "telvo: " + (escaping / "autorun.inf").string() +
                                  " names \"..\\menu.kiv\", which lies outside the folder\n");
    const TRun outsideArgument = RunTelvo(command + argument.string());
    EXPECT_EQ(outsideArgument.exitCode, 1);
    EXPECT_EQ(outsideArgument.output, "telvo: " + (argument / "autorun.inf").string() +
                                          " names \"..\\menu.kiv\", which lies outside the folder\n");
  }
  EXPECT_FALSE(fs::exists(png));
}

}  // namespace
