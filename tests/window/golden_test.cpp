// Golden images: each tests/golden/<case>/input.txt (a menu in the text form) is rendered as
// telvo --render renders it and compared pixel for pixel with expected.png. On a mismatch
// actual.png and diff.png are written to the test's temporary folder. TELVO_UPDATE_GOLDEN=1
// writes expected.png instead (look at every changed image before committing it).
//
// A case may hold events.txt: pointer events sent through the window's pointer dispatcher before
// the render, one a line, in client coordinates: "move X Y", "down X Y", "up X Y" (left button),
// "leave"; lines starting with "//" are comments.
//
// A case may hold splash.txt: a time in milliseconds. The case then renders the document's
// start-up splash as telvo --render-splash does, as it looks that long after it opened, on the
// black off-screen screen.
//
// The cases may use TGoldenMarker, a test-only windowless control that fills its bounds with its
// Color and draws its Caption centred in its Font, so layouts show where controls end up.
//
// The same render checks, pixel by pixel, that pictures read from a document follow the change
// rules of their controls (key colours picked from them, unless a colour stored after wins).

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "controls/test_pictures.h"
#include "support/golden_image.h"
#include "graphics/canvas.h"
#include "graphics/colors.h"
#include "graphics/text_render.h"
#include "document/container.h"
#include "startup/register_menu_classes.h"
#include "startup/render.h"
#include "startup/splash_render.h"
#include "document/text_form.h"
#include "support/gui_application.h"
#include "window/pointer_dispatch.h"

namespace fs = std::filesystem;

namespace {

class TGoldenMarker : public TGraphicControl {
 public:
  static const TClassInfo& StaticClass() {
    static const TClassInfo* info = TClassBuilder<TGoldenMarker>("TGoldenMarker", &TGraphicControl::StaticClass())
                                        .PublishAll("Caption", "Color", "Font", "Visible")
                                        .Build();
    return *info;
  }
  const TClassInfo& ClassType() const override { return StaticClass(); }

  void Paint(TCanvas& canvas) override {
    const TRect bounds = TRect::FromSize(0, 0, Width(), Height());
    canvas.Brush().color = Color();
    canvas.FillRect(bounds);
    if (Caption().empty()) return;
    canvas.SetFont(*Font());
    canvas.Brush().style = TBrushStyle::bsClear;
    DrawTextRect(canvas, Caption(), bounds, false, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  }
};

fs::path GoldenFolder() { return fs::path(TELVO_GOLDEN_DIR); }

std::string ReadText(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Sends the events of an events.txt through the real pointer dispatcher of window.
void SendPointerEvents(const fs::path& events, TKIVForm& window) {
  TPointerDispatcher dispatcher(window);
  std::istringstream lines(ReadText(events));
  std::string line;
  TShiftState held = 0;
  while (std::getline(lines, line)) {
    std::istringstream words(line);
    std::string verb;
    TPoint at;
    if (!(words >> verb) || verb.starts_with("//")) continue;
    if (verb == "leave") {
      dispatcher.MouseLeave();
      continue;
    }
    ASSERT_TRUE(words >> at.x >> at.y) << "bad event line: " << line;
    if (verb == "move") {
      dispatcher.MouseMove(held, at);
    } else if (verb == "down") {
      held = ssLeft;
      dispatcher.MouseDown(TMouseButton::mbLeft, held, at);
    } else if (verb == "up") {
      held = 0;
      dispatcher.MouseUp(TMouseButton::mbLeft, held, at);
    } else {
      FAIL() << "unknown event: " << line;
    }
  }
}

TBitmap32 Render(const fs::path& input, const fs::path& work, const fs::path& events = {},
                 const fs::path& splash = {}) {
  fs::create_directories(work / "cd");
  const fs::path document = work / "cd" / "menu.kiv";
  const std::vector<uint8_t> container =
      WriteDocumentContainer(ObjectTextToBinary(ReadText(input)), {true, false, std::nullopt});
  std::ofstream(document, std::ios::binary)
      .write(reinterpret_cast<const char*>(container.data()), static_cast<std::streamsize>(container.size()));

  TStartupSystem system;
  system.executablePath = (work / "cd" / "player").string();  // no FontData beside it
  system.lockFolder = work.string();
  system.registerClasses = [](TClassRegistry& registry) {
    RegisterMenuClasses(registry);
    registry.RegisterClass(TGoldenMarker::StaticClass());
  };
  TCommandLine line;
  line.documentPath = document.string();
  if (!splash.empty() && fs::exists(splash)) return RenderSplash(line, std::move(system), std::stoll(ReadText(splash)));
  if (events.empty() || !fs::exists(events)) return RenderMenu(line, std::move(system));
  return RenderMenu(line, std::move(system), [&](TfrmMain& window) { SendPointerEvents(events, window); });
}

class Golden : public testing::TestWithParam<std::string> {};

TEST_P(Golden, RenderMatchesExpected) {
  EnsureGuiApplication();
  const fs::path folder = GoldenFolder() / GetParam();
  const fs::path work = fs::path(testing::TempDir()) / "golden" / GetParam();
  fs::remove_all(work);
  fs::create_directories(work);
  const TBitmap32 rendered = Render(folder / "input.txt", work, folder / "events.txt", folder / "splash.txt");
  ASSERT_FALSE(rendered.Empty());
  EXPECT_TRUE(MatchesGoldenImage(rendered, folder, work));
  if (UpdatingGoldenImages()) GTEST_SKIP() << "wrote " << (folder / "expected.png").string();
}

TEST(Render, ClientAreasBeyondTheBitmapLimitsAreRefused) {
  const fs::path work = fs::path(testing::TempDir()) / "render_limits";
  fs::create_directories(work);
  const fs::path input = work / "input.txt";
  for (const char* size : {"ClientWidth = 100000\n  ClientHeight = 10", "ClientWidth = 9000\n  ClientHeight = 9000"}) {
    SCOPED_TRACE(size);
    std::ofstream(input) << "object frmDesign: TfrmDesign\n  " << size << "\nend\n";
    EXPECT_TRUE(Render(input, work).Empty());
  }
}

// A picture's stored data in the text form: {hex}.
std::string TextData(const std::vector<uint8_t>& bytes) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string text = "{";
  for (uint8_t b : bytes) text += {kHex[b >> 4], kHex[b & 15]};
  return text + "}";
}

TEST(Render, PicturesReadFromADocumentPickTheirKeyColours) {
  EnsureGuiApplication();
  // 24 x 24 yellow, with magenta 4 x 4 corners, as a stored picture and as a legacy bitmap.
  std::vector<TColor> pixels(24 * 24, clYellow);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 24; ++x)
      if ((x < 4 || x >= 20) && (y < 4 || y >= 20)) pixels[static_cast<size_t>(y * 24 + x)] = clFuchsia;
  TPicture picture;
  SetBitmap(picture, 24, 24, pixels);
  const std::string stored = TextData(picture.StoredData());
  std::vector<uint8_t> legacy;
  WriteGraphicData(TGraphicForm::CountedFile, picture.FileBytes(), legacy);

  const std::string at = "    Left = 10\n    Top = 10\n    Width = 24\n    Height = 24\n";
  struct TCase {
    std::string name;
    std::string control;  // the object's text
    bool magentaShows;    // else the yellow body shows and no magenta does
  };
  const TCase cases[] = {
      {"skin", "TKIVCoolButton\n" + at + "    Picture.Data = " + stored + "\n    GlyphNumber = 1\n    StretchMargin = 0\n",
       false},
      {"skin, key stored after it",
       "TKIVCoolButton\n" + at + "    Picture.Data = " + stored +
           "\n    GlyphNumber = 1\n    TransparentColor = clYellow\n    StretchMargin = 0\n",
       true},
      {"cool button icon", "TKIVCoolButton\n" + at + "    ImgIcon.Data = " + stored + "\n", false},
      {"button icon", "TKIVButton\n" + at + "    ImgIcon.Data = " + stored + "\n    Style = absTransparent\n", false},
      {"button icon, key stored after it",
       "TKIVButton\n" + at + "    ImgIcon.Data = " + stored +
           "\n    Style = absTransparent\n    TransparentColor = clYellow\n",
       true},
      {"button glyph of an older document",
       "TKIVButton\n" + at + "    Glyph.Data = " + TextData(legacy) + "\n    Style = absTransparent\n", false},
  };
  const fs::path work = fs::path(testing::TempDir()) / "loaded_pictures";
  fs::create_directories(work);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::ofstream(work / "input.txt") << "object frmDesign: TfrmDesign\n  ClientWidth = 44\n  ClientHeight = 44\n"
                                      << "  Color = clGreen\n  object B: " << c.control << "  end\nend\n";
    const TBitmap32 rendered = Render(work / "input.txt", work);
    ASSERT_EQ(rendered.Width(), 44);
    int magenta = 0, yellow = 0;
    for (int32_t y = 10; y < 34; ++y)
      for (int32_t x = 10; x < 34; ++x) {
        magenta += rendered.At(x, y) == ColorToPixel(clFuchsia);
        yellow += rendered.At(x, y) == ColorToPixel(clYellow);
      }
    if (c.magentaShows) {
      EXPECT_EQ(magenta, 4 * 4 * 4);
      EXPECT_EQ(yellow, 0);
    } else {
      EXPECT_EQ(magenta, 0);
      EXPECT_GT(yellow, 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, Golden, testing::ValuesIn(GoldenCases(GoldenFolder(), "input.txt")),
                         [](const testing::TestParamInfo<std::string>& info) {
                           std::string name = info.param;
                           for (char& c : name)
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           return name;
                         });

}  // namespace
