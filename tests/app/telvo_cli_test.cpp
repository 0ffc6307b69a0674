// The player's command line, run as a user runs it.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

struct TRun {
  int exitCode;
  std::string output;  // stdout and stderr together
};

enum class TCapture { Both, OutputOnly, ErrorsOnly };

// Runs telvo with arguments; environment, when given, is an env(1) prefix such as "-u NAME A=b".
TRun RunTelvo(const std::string& arguments, TCapture capture = TCapture::Both, const std::string& environment = {}) {
  const char* redirection = capture == TCapture::Both         ? " 2>&1"
                            : capture == TCapture::OutputOnly ? " 2>/dev/null"
                                                              : " 2>&1 >/dev/null";
  const std::string prefix = environment.empty() ? std::string() : "env " + environment + " ";
  std::string command = prefix + std::string(TELVO_BINARY) + " " + arguments + redirection;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return {-1, {}};
  std::string output;
  std::array<char, 4096> buffer{};
  while (size_t got = fread(buffer.data(), 1, buffer.size(), pipe)) output.append(buffer.data(), got);
  int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

std::string Fixture(const std::string& name) { return std::string(TELVO_FIXTURE_DIR) + "/" + name; }

TEST(TelvoDump, PrintsWhatTheDocumentStoredAsLoaded) {
  TRun run = RunTelvo("--dump " + Fixture("two_pages.kiv"));
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.output,
            "object frmDesign: TfrmMain\n"
            "  Caption = 'Caf'#233' menu'\n"
            "  GridX = 2\n"
            "  Pages.Strings = (\n"
            "    'One'\n"
            "    'Two')\n"
            "  object Next: TKIVButton\n"
            "    Left = 10\n"
            "    Caption = '&Next'\n"
            "    ActionType = aatJumpToPage\n"
            "    Parameter = 'NEXT'\n"
            "    Font.Style = [fsBold]\n"
            "    ImgIcon.Data = {\n"
            "      07544269746D617002000000424D}\n"
            "  end\n"
            "  object Timer: TKIVThreadTimer\n"
            "    Left = 24\n"
            "    Top = 32\n"
            "    Interval = 250\n"
            "  end\n"
            "end\n");
}

TEST(TelvoDump, DumpOfADumpIsTheSame) {
  TRun first = RunTelvo("--dump " + Fixture("two_pages.kiv"));
  const std::string text = testing::TempDir() + "dump.txt";
  const std::string document = testing::TempDir() + "dump.kiv";
  std::ofstream(text) << first.output;
  ASSERT_EQ(std::system((std::string(TELVO_CONVERT_BINARY) + " " + text + " " + document).c_str()), 0);
  EXPECT_EQ(RunTelvo("--dump " + document).output, first.output);
}

TEST(TelvoDump, FailsWithTheReason) {
  struct TCase {
    std::string arguments;
    std::string message;
  };
  const TCase cases[] = {
      {"--dump " + Fixture("bad_style.kiv"), "telvo: Error reading Button1.Style: Invalid property value\n"},
      {"--dump /nonexistent/menu.kiv", "telvo: cannot open \"/nonexistent/menu.kiv\": no such file or directory\n"},
      {"--dump " + std::string(TELVO_FIXTURE_DIR),
       "telvo: " + std::string(TELVO_FIXTURE_DIR) + " has no autorun.inf\n"},
      {"--dump " + std::string(TELVO_BINARY), "telvo: " + std::string(TELVO_BINARY) + " holds no menu document\n"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.arguments);
    TRun run = RunTelvo(c.arguments);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, c.message);
  }
}

TEST(TelvoOptions, AnUnknownOptionShowsTheUsageOnStderrAndExitsWithTwo) {
  for (const std::string arguments : {"--bogus", "menu.kiv --bogus -p Main", "-x"}) {
    SCOPED_TRACE(arguments);
    const TRun errors = RunTelvo(arguments, TCapture::ErrorsOnly);
    EXPECT_EQ(errors.exitCode, 2);
    EXPECT_TRUE(errors.output.starts_with("telvo: unknown option -")) << errors.output;
    EXPECT_NE(errors.output.find("\nUsage: telvo [DOCUMENT] [-p PAGE]"), std::string::npos) << errors.output;
    EXPECT_EQ(RunTelvo(arguments, TCapture::OutputOnly).output, "") << "nothing on stdout";
  }
}

// Qt ends the process with abort() when its X11 plug-in cannot reach the server; the player
// says which display it could not open instead, as it does when there is no display at all.
TEST(TelvoPlayCommand, ADisplayThatCannotBeOpenedIsReportedInOneLine) {
  const std::string document = Fixture("two_pages.kiv");
  const std::string unreachable = "DISPLAY=:65001";
  const std::string cases[] = {
      "-u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " + unreachable,
      "-u QT_QPA_PLATFORM WAYLAND_DISPLAY=wayland-65001 " + unreachable,  // XWayland is asked for
      "-u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb " + unreachable,
  };
  for (const std::string& environment : cases) {
    SCOPED_TRACE(environment);
    const TRun run = RunTelvo(document, TCapture::Both, environment);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "telvo: cannot open the display :65001; --render OUT.png paints the start page without one\n");
  }
}

}  // namespace
