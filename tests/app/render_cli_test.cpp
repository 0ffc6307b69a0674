// telvo --render and --render-splash, run as a user runs them: the images are the ones the golden
// test expects, and the fonts of the FontData folder beside the document are used.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <QImage>

#include "support/test_data.h"

namespace fs = std::filesystem;

namespace {

std::vector<char> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int RunCommand(const std::string& command) {
  const int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(TelvoRender, WritesTheGoldenImageOfADocument) {
  const fs::path golden = fs::path(TELVO_GOLDEN_DIR) / "tiled_picture";
  const fs::path work = fs::path(testing::TempDir()) / "render_cli";
  fs::create_directories(work);
  const fs::path document = work / "menu.kiv";
  const fs::path image = work / "menu.png";
  fs::remove(image);
  ASSERT_EQ(RunCommand(std::string(TELVO_CONVERT_BINARY) + " " + (golden / "input.txt").string() + " " + document.string()), 0);
  ASSERT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render " + image.string() + " " + document.string()), 0);
  // Both images come from the same PNG writer over the same pixels.
  EXPECT_EQ(ReadFile(image), ReadFile(golden / "expected.png"));
}

TEST(TelvoRender, UsesTheFontsOfTheFontDataFolderBesideTheDocument) {
  // Played as "telvo /media/cdrom/menu.kiv": the player lies elsewhere.
  const fs::path cdrom = fs::path(testing::TempDir()) / "render_fontdata" / "cdrom";
  fs::remove_all(cdrom);
  fs::create_directories(cdrom);
  const fs::path text = cdrom / "menu.txt";
  std::ofstream(text) << "object frmDesign: TfrmDesign\n  ClientWidth = 120\n  ClientHeight = 40\n  Color = clWhite\n"
                      << "  object Label: TKIVButton\n    Width = 120\n    Height = 40\n    Caption = 'abcr'\n"
                      << "    Font.Height = -24\n    Font.Name = 'Marlett'\n    Style = absTransparent\n  end\nend\n";
  const fs::path document = cdrom / "menu.kiv";
  ASSERT_EQ(RunCommand(std::string(TELVO_CONVERT_BINARY) + " " + text.string() + " " + document.string()), 0);
  auto render = [&](const fs::path& image) {
    return RunCommand(std::string(TELVO_BINARY) + " --render " + image.string() + " " + document.string());
  };
  ASSERT_EQ(render(cdrom / "without.png"), 0);
  fs::create_directories(cdrom / "FontData");
  fs::copy_file(TestDataPath("fonts/marlett.ttf"), cdrom / "FontData" / "marlett.ttf");
  ASSERT_EQ(render(cdrom / "with.png"), 0);
  // Marlett draws symbols where any stand-in would draw the letters.
  EXPECT_NE(ReadFile(cdrom / "with.png"), ReadFile(cdrom / "without.png"));
  fs::rename(cdrom / "FontData", cdrom / "fontdata");
  ASSERT_EQ(render(cdrom / "lower.png"), 0);
  EXPECT_EQ(ReadFile(cdrom / "lower.png"), ReadFile(cdrom / "with.png")) << "the folder's name in any letter case";
}

TEST(TelvoRender, SplashPreviewWritesTheGoldenImageAndRefusesADocumentWithoutSplash) {
  const fs::path golden = fs::path(TELVO_GOLDEN_DIR) / "splash_fade";
  const fs::path work = fs::path(testing::TempDir()) / "render_splash_cli";
  fs::create_directories(work);
  const fs::path document = work / "splash.kiv";
  const fs::path image = work / "splash.png";
  fs::remove(image);
  ASSERT_EQ(RunCommand(std::string(TELVO_CONVERT_BINARY) + " " + (golden / "input.txt").string() + " " + document.string()), 0);
  std::ifstream moment(golden / "splash.txt");
  std::string ms;
  moment >> ms;
  ASSERT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render-splash " + ms + " " + image.string() + " " + document.string()), 0);
  EXPECT_EQ(ReadFile(image), ReadFile(golden / "expected.png"));

  const fs::path plain = work / "plain.kiv";
  ASSERT_EQ(RunCommand(std::string(TELVO_CONVERT_BINARY) + " " +
                       (fs::path(TELVO_GOLDEN_DIR) / "tiled_picture" / "input.txt").string() + " " + plain.string()), 0);
  EXPECT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render-splash 0 " + (work / "none.png").string() + " " + plain.string()), 1);
  EXPECT_FALSE(fs::exists(work / "none.png"));
  for (const char* bad : {"--render-splash", "--render-splash 100", "--render-splash -5 out.png", "--render-splash 1s out.png"})
    EXPECT_EQ(RunCommand(std::string(TELVO_BINARY) + " " + bad), 2) << bad;
}

TEST(TelvoRender, FailsWhenTheImageCannotBeWritten) {
  EXPECT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render /nonexistent/folder/out.png"), 1);
}

}  // namespace

// The web engine is prepared before the player's application object, so a rendered web browser
// shows its page (about:blank, white), not its not-installed label with the blue outline; the
// media player and the PDF viewer show their own faces too.
TEST(TelvoRender, ViewersShowTheirComponentsNotTheirLabels) {
  const fs::path work = fs::path(testing::TempDir()) / "render_cli_viewers";
  fs::create_directories(work);
  const fs::path image = work / "viewers.png";
  fs::remove(image);
  ASSERT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render " + image.string() + " " + TELVO_FIXTURE_DIR +
                       "/viewers.kiv"),
            0);
  const QImage rendered(QString::fromStdString(image.string()));
  ASSERT_FALSE(rendered.isNull());
  EXPECT_EQ(rendered.pixel(100, 120) & 0xFFFFFF, 0xFFFFFFu) << "the blank page";
  for (int left : {0, 215, 430}) EXPECT_NE(rendered.pixel(left, 0) & 0xFFFFFF, 0x0000FFu) << "no label's frame at " << left;
  EXPECT_EQ(rendered.pixel(215 + 100, 100) & 0xFFFFFF, 0x000000u) << "the media player's black video area";
}

// A picture of a moment: the scroll text and a random animator on the virtual clock give the same
// pixels for the same moment on every run, and other pixels at another moment.
TEST(TelvoRender, AMomentGivesTheSamePictureEveryTime) {
  const fs::path work = fs::path(testing::TempDir()) / "render_cli_moment";
  fs::create_directories(work);
  const std::string document = std::string(TELVO_FIXTURE_DIR) + "/living.kiv";
  auto render = [&](const char* at, const char* name) {
    const fs::path image = work / name;
    fs::remove(image);
    EXPECT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render " + image.string() + " --at " + at + " " + document), 0);
    return ReadFile(image);
  };
  const std::vector<char> start = render("0", "start.png");
  const std::vector<char> later = render("1500", "later.png");
  EXPECT_FALSE(later.empty());
  EXPECT_EQ(render("1500", "again.png"), later);
  EXPECT_NE(later, start);
  EXPECT_EQ(render("0", "start-again.png"), start);
  EXPECT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render " + (work / "x.png").string() + " --at -5 " + document), 2);
}

// --render --scale N writes each pixel of the render as an N x N block, transparent ones (outside
// a shaped window) included; a scale of the environment leaves the picture as painted.
TEST(TelvoRender, AScaledRenderIsTheRenderBlownUpPixelForPixel) {
  const fs::path work = fs::path(testing::TempDir()) / "render_cli_scale";
  fs::create_directories(work);
  const fs::path document = work / "menu.kiv";
  ASSERT_EQ(RunCommand(std::string(TELVO_CONVERT_BINARY) + " " +
                       (fs::path(TELVO_GOLDEN_DIR) / "shaped_window" / "input.txt").string() + " " + document.string()),
            0);
  auto render = [&](const std::string& environment, const std::string& options, const char* name) {
    const fs::path image = work / name;
    fs::remove(image);
    EXPECT_EQ(RunCommand(environment + " " + TELVO_BINARY + " --render " + image.string() + " " + options + " " +
                         document.string()),
              0);
    return QImage(QString::fromStdString(image.string())).convertToFormat(QImage::Format_ARGB32);
  };
  const QImage plain = render("", "", "plain.png");
  ASSERT_FALSE(plain.isNull());
  EXPECT_EQ(render("QT_SCALE_FACTOR=2", "", "environment.png"), plain);
  for (const int scale : {2, 3}) {
    SCOPED_TRACE(scale);
    const QImage scaled = render("", "--scale " + std::to_string(scale), "scaled.png");
    ASSERT_EQ(scaled.size(), plain.size() * scale);
    int differing = 0;
    for (int y = 0; y < scaled.height(); ++y)
      for (int x = 0; x < scaled.width(); ++x) differing += scaled.pixel(x, y) != plain.pixel(x / scale, y / scale);
    EXPECT_EQ(differing, 0);
  }
}
