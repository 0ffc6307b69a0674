// Golden images of the custom hint balloon: each tests/golden/hints/<case>/ holds input.txt (a
// menu in the text form with its Hint* settings) and hint.txt (the pointer's position "X Y" on
// its first line, the hint's text on the rest). The balloon is drawn as the hint window shows it
// where no compositor runs, over a patterned screen of 1920 x 1080: over black the shadow, which
// ANDs the screen's own pixels with its colour, could not be seen. TELVO_UPDATE_GOLDEN=1 writes
// expected.png instead (look at every changed image before committing it).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "document/container.h"
#include "document/text_form.h"
#include "support/golden_image.h"
#include "startup/hint_render.h"
#include "startup/register_menu_classes.h"
#include "support/gui_application.h"
#include "support/patterned_screen.h"

namespace fs = std::filesystem;

namespace {

constexpr int32_t kScreenWidth = 1920, kScreenHeight = 1080;

fs::path HintCasesFolder() { return fs::path(TELVO_GOLDEN_DIR) / "hints"; }

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

THintRender Render(const fs::path& folder, const fs::path& work) {
  fs::create_directories(work / "cd");
  const fs::path document = work / "cd" / "menu.kiv";
  const std::vector<uint8_t> container =
      WriteDocumentContainer(ObjectTextToBinary(ReadText(folder / "input.txt")), {true, false, std::nullopt});
  std::ofstream(document, std::ios::binary)
      .write(reinterpret_cast<const char*>(container.data()), static_cast<std::streamsize>(container.size()));
  std::istringstream hint(ReadText(folder / "hint.txt"));
  TPoint pointer;
  hint >> pointer.x >> pointer.y;
  hint.ignore(1);  // the end of the first line
  std::string text((std::istreambuf_iterator<char>(hint)), std::istreambuf_iterator<char>());
  while (!text.empty() && text.back() == '\n') text.pop_back();

  TStartupSystem system;
  system.executablePath = (work / "cd" / "player").string();
  system.lockFolder = work.string();
  system.registerClasses = RegisterMenuClasses;
  TCommandLine line;
  line.documentPath = document.string();
  const TBitmap32 screen = PatternedScreen(kScreenWidth, kScreenHeight);
  return RenderHint(line, std::move(system), text, pointer, screen.View());
}

class HintGolden : public testing::TestWithParam<std::string> {};

TEST_P(HintGolden, BalloonMatchesExpected) {
  EnsureGuiApplication();
  const fs::path folder = HintCasesFolder() / GetParam();
  const fs::path work = fs::path(testing::TempDir()) / "golden_hints" / GetParam();
  fs::remove_all(work);
  const THintRender render = Render(folder, work);
  ASSERT_FALSE(render.picture.Empty());
  EXPECT_TRUE(MatchesGoldenImage(render.picture, folder, work));
  if (UpdatingGoldenImages()) GTEST_SKIP() << "wrote " << (folder / "expected.png").string();
}

INSTANTIATE_TEST_SUITE_P(Cases, HintGolden, testing::ValuesIn(GoldenCases(HintCasesFolder(), "hint.txt")),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
