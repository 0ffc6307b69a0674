// telvo --render, run as a user runs it: the image is the one the golden test expects.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

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

TEST(TelvoRender, FailsWhenTheImageCannotBeWritten) {
  EXPECT_EQ(RunCommand(std::string(TELVO_BINARY) + " --render /nonexistent/folder/out.png"), 1);
}

}  // namespace
