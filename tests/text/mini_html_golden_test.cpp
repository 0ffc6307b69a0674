#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/golden_image.h"
#include "text/mini_html_fixture.h"

namespace fs = std::filesystem;

namespace {

// A small picture for the image tag: a diagonal colour ramp.
TBitmap32 TestPicture() {
  TBitmap32 picture(16, 8);
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x)
      picture.At(x, y) = MakePixel(static_cast<uint8_t>(x * 16), static_cast<uint8_t>(y * 32), 160);
  return picture;
}

std::vector<std::string> ReadLines(const fs::path& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

}  // namespace

TEST(MiniHtmlGolden, FeaturePageMatchesExpected) {
  EnsureGuiApplication();
  const fs::path folder = fs::path(TELVO_GOLDEN_DIR) / "mini_html_features";
  const fs::path work = fs::path(testing::TempDir()) / "golden" / "mini_html_features";
  fs::remove_all(work);
  fs::create_directories(work);
  const std::vector<std::string> lines = ReadLines(folder / "input.html");
  ASSERT_FALSE(lines.empty());

  TQzMiniHtml2 html;
  html.SetLayoutWidth(400);
  html.SetImageFolder("X:\\menu\\");
  html.SetImageLoader([](const std::string& path) -> std::optional<TBitmap32> {
    if (path == "X:\\menu\\pics\\tile.bmp") return TestPicture();
    return std::nullopt;
  });
  html.LoadHtml(lines);
  ASSERT_GT(html.ContentHeight(), 0);
  TBitmap32 picture(400, html.ContentHeight() + 5, MakePixel(255, 255, 255));
  html.SetVisibleHeight(picture.Height());
  TCanvas canvas(picture.View());
  html.DrawTo(canvas);
  EXPECT_TRUE(MatchesGoldenImage(picture, folder, work));
  if (UpdatingGoldenImages()) GTEST_SKIP() << "wrote " << (folder / "expected.png").string();
}
