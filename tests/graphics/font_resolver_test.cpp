#include "graphics/font_resolver.h"

#include <gtest/gtest.h>

#include <QFontInfo>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "graphics/text_render.h"
#include "support/gui_application.h"
#include "support/test_data.h"

namespace {

const TPixel32 kWhite = MakePixel(255, 255, 255);

TEST(FontResolver, DocumentFacesMapToFixedStandIns) {
  EnsureGuiApplication();
  struct TCase {
    const char* face;
    TTextMode mode;
    int32_t height;
    const char* family;
  };
  const TCase cases[] = {
      {"Arial", TTextMode::tmSystem, -11, "Liberation Sans"},
      {"arial", TTextMode::tmAntialiased, -20, "Liberation Sans"},
      {"Times New Roman", TTextMode::tmSystem, -11, "Liberation Serif"},
      {"Courier New", TTextMode::tmSystem, -11, "Liberation Mono"},
      {"Tahoma", TTextMode::tmSystem, -11, "Tahoma"},
      {"Verdana", TTextMode::tmAntialiased, -11, "DejaVu Sans"},
      // The bitmap face at its own height, in system mode; a scalable face otherwise.
      {"MS Sans Serif", TTextMode::tmSystem, -11, "MS Sans Serif"},
      {"MS Sans Serif", TTextMode::tmSystem, 13, "MS Sans Serif"},
      {"Default", TTextMode::tmSystem, -11, "MS Sans Serif"},
      {"MS Sans Serif", TTextMode::tmSystem, -16, "Liberation Sans"},
      {"MS Sans Serif", TTextMode::tmAntialiased, -11, "Liberation Sans"},
      {"SimSun", TTextMode::tmSystem, -12, "Droid Sans Fallback"},
      {"MS Gothic", TTextMode::tmAntialiased, -12, "Droid Sans Fallback"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.height));
    const QFont font = ResolveFont({c.face, c.height, 0, DEFAULT_CHARSET, clBlack}, c.mode);
    const QFontInfo info(font);
    EXPECT_EQ(info.family().toStdString(), c.family);
    EXPECT_TRUE(info.exactMatch());
  }
  // Bold and italic cannot come from the bitmap face.
  const QFont bold = ResolveFont({"MS Sans Serif", -11, fsBold, DEFAULT_CHARSET, clBlack}, TTextMode::tmSystem);
  EXPECT_EQ(QFontInfo(bold).family().toStdString(), "Liberation Sans");
  EXPECT_TRUE(QFontInfo(bold).bold());
}

TEST(FontResolver, StyleAndModeReachTheQtFont) {
  EnsureGuiApplication();
  const TCanvasFont styled{"Arial", -14, fsBold | fsItalic | fsUnderline | fsStrikeOut, DEFAULT_CHARSET, clBlack};
  const QFont system = ResolveFont(styled, TTextMode::tmSystem);
  EXPECT_TRUE(system.bold() && system.italic() && system.underline() && system.strikeOut());
  EXPECT_EQ(system.pixelSize(), 14);
  EXPECT_TRUE(system.styleStrategy() & QFont::NoAntialias);
  EXPECT_FALSE(ResolveFont(styled, TTextMode::tmAntialiased).styleStrategy() & QFont::NoAntialias);
}

// The height of the ink of text drawn in system mode.
int32_t InkHeight(const TCanvasFont& font, const char* text) {
  TBitmap32 bitmap(600, 400, kWhite);
  TCanvas canvas(bitmap.View());
  canvas.Font() = font;
  canvas.Brush().style = TBrushStyle::bsClear;
  TextOutAt(canvas, text, 2, 2, false, DT_NOPREFIX);
  int32_t top = -1, bottom = -1;
  for (int32_t y = 0; y < bitmap.Height(); ++y)
    for (int32_t x = 0; x < bitmap.Width(); ++x)
      if (bitmap.At(x, y) != kWhite) {
        if (top < 0) top = y;
        bottom = y + 1;
      }
  return top < 0 ? 0 : bottom - top;
}

TEST(FontResolver, NegativeHeightIsTheCharacterHeight) {
  EnsureGuiApplication();
  // Capitals of Liberation Sans are 1409/2048 of the character height, at every size.
  for (int32_t height : {11, 16, 24, 40, 72, 150}) {
    SCOPED_TRACE(height);
    EXPECT_NEAR(InkHeight({"Arial", -height, 0, DEFAULT_CHARSET, clBlack}, "H"), height * 1409.0 / 2048, 1.0);
  }
}

TEST(FontResolver, PositiveHeightIsTheCellHeight) {
  EnsureGuiApplication();
  TBitmap32 bitmap(10, 10);
  TCanvas canvas(bitmap.View());
  for (const char* face : {"Arial", "Times New Roman", "Courier New", "Tahoma", "Verdana"}) {
    for (int32_t height : {13, 20, 37}) {
      SCOPED_TRACE(std::string(face) + " " + std::to_string(height));
      canvas.Font() = {face, height, 0, DEFAULT_CHARSET, clBlack};
      EXPECT_NEAR(MeasureTextHeight(canvas, "x", false, 0), height, 1);
    }
  }
  // The classic dialog font: character height 11 in a 13-pixel cell, both ways round.
  canvas.Font() = {"MS Sans Serif", -11, 0, DEFAULT_CHARSET, clBlack};
  EXPECT_EQ(MeasureTextHeight(canvas, "x", false, 0), 13);
  canvas.Font().height = 13;
  EXPECT_EQ(MeasureTextHeight(canvas, "x", false, 0), 13);
  // Arial's Windows cell is 2288/2048 of its character height.
  canvas.Font() = {"Arial", -40, 0, DEFAULT_CHARSET, clBlack};
  EXPECT_NEAR(MeasureTextHeight(canvas, "x", false, 0), 40 * 2288.0 / 2048, 1);
}

TEST(FontResolver, HugeAndZeroHeightsStayUsable) {
  EnsureGuiApplication();
  EXPECT_EQ(ResolveFont({"Arial", INT32_MIN, 0, DEFAULT_CHARSET, clBlack}, TTextMode::tmSystem).pixelSize(), kMaxFontPixels);
  EXPECT_EQ(ResolveFont({"Arial", INT32_MAX, 0, DEFAULT_CHARSET, clBlack}, TTextMode::tmSystem).pixelSize(), kMaxFontPixels);
  EXPECT_GT(ResolveFont({"Arial", 0, 0, DEFAULT_CHARSET, clBlack}, TTextMode::tmSystem).pixelSize(), 8);
}

TEST(FontResolver, AddedFontFiles) {
  EnsureGuiApplication();
  EXPECT_TRUE(AddFontFile(TestDataPath("MANIFEST.txt")).empty());
  EXPECT_TRUE(AddFontFile(TestDataPath("no such font.ttf")).empty());
  const std::vector<std::string> families = AddFontFile("/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf");
  ASSERT_EQ(families, std::vector<std::string>{"DejaVu Serif"});
  // Names match in any letter case.
  const QFont font = ResolveFont({"dejavu serif", -12, 0, DEFAULT_CHARSET, clBlack}, TTextMode::tmSystem);
  EXPECT_EQ(QFontInfo(font).family().toStdString(), "DejaVu Serif");
  RemoveAddedFonts();
}

}  // namespace

// Other processes (a web engine's renderers) find the same fonts through the configuration:
// fontconfig's own tools, run with it, see the stand-ins for the face names and a document's
// font in a folder whose name needs escaping in XML.
TEST(FontResolver, StandInConfigurationGivesOtherProcessesTheSameFonts) {
  const std::filesystem::path folder = std::filesystem::path(testing::TempDir()) / "fonts & <stand-ins>";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder / "FontData");
  const std::filesystem::path font = folder / "FontData" / "Document Font.ttf";
  std::filesystem::copy_file(TestDataPath("fonts/marlett.ttf"), font);
  const std::filesystem::path config = folder / "fonts.conf";
  std::ofstream(config) << StandInFontConfig({font.string()});

  auto run = [&](const std::string& command) {
    const std::string line = "FONTCONFIG_FILE='" + config.string() + "' " + command;
    std::string output;
    if (FILE* pipe = popen(line.c_str(), "r")) {
      char buffer[4096];
      while (size_t got = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, got);
      pclose(pipe);
    }
    return output;
  };
  EXPECT_EQ(run("fc-match -f '%{family}' Arial"), "Liberation Sans");
  EXPECT_EQ(run("fc-match -f '%{family}' 'Times New Roman'"), "Liberation Serif");
  EXPECT_EQ(run("fc-match -f '%{file}' Tahoma"), "/usr/share/wine/fonts/tahoma.ttf");
  EXPECT_EQ(run("fc-match -f '%{family}' SimSun"), "Droid Sans Fallback");
  EXPECT_NE(run("fc-list -f '%{file}\\n'").find(font.string()), std::string::npos);
}
