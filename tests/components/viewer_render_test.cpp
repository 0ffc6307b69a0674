// The viewers in pictures of the window: the PDF viewer's page, toolbar and cover and the media
// player's bars as telvo --render draws them; a web page drawn by the engine; and the
// not-installed labels when the modules are missing.

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/golden_image.h"
#include "support/scoped_environment.h"
#include "support/test_data.h"
#include "component_support.h"

namespace fs = std::filesystem;

namespace {

fs::path GoldenFolder(const std::string& name) { return fs::path(TELVO_COMPONENT_GOLDEN_DIR) / name; }

constexpr const char* kPdfAndMedia = R"(object frmDesign: TfrmDesign
  ClientWidth = 640
  ClientHeight = 520
  Color = clSilver
  DesignMode = True
  object Manual: TKIVPDFViewer
    Left = 8
    Top = 8
    Width = 301
    Height = 380
    FileName = '%CDROM%\docs\manual.pdf'
    DesignMode = True
  end
  object Missing: TKIVPDFViewer
    Left = 320
    Top = 8
    Width = 150
    Height = 180
    FileName = '%CDROM%\missing.pdf'
    DesignMode = True
  end
  object Locked: TKIVPDFViewer
    Left = 480
    Top = 8
    Width = 150
    Height = 180
    FileName = '%CDROM%\locked.pdf'
    ShowToolbar = False
    DesignMode = True
  end
  object Full: TKIVMediaPlayer
    Left = 320
    Top = 200
    Width = 310
    Height = 140
    URL = '%CDROM%\clip.wav'
    AutoStart = True
    AutoStartWhenShowing = False
    DesignMode = True
  end
  object Mini: TKIVMediaPlayer
    Left = 320
    Top = 350
    Width = 310
    Height = 100
    ControlBarStyle = ambMini
    DesignMode = True
  end
  object Bare: TKIVMediaPlayer
    Left = 8
    Top = 400
    Width = 301
    Height = 100
    ControlBarStyle = ambNone
    DesignMode = True
  end
end
)";

}  // namespace

TEST(ViewerRender, PdfPagesToolbarsCoversAndMediaBarsAsTheWindowShowsThem) {
  TMenuDisc disc("pdf_and_media");
  disc.Copy(TestDataPath("pdf/a-text.pdf"), "Docs/Manual.PDF");
  disc.Copy(TestDataPath("pdf/a-text-pass-peanuts.pdf"), "locked.pdf");
  disc.Copy(TestDataPath("audio/wav/tinkalink2-16bit-stereo.wav"), "clip.wav");
  const TBitmap32 image = disc.Render(kPdfAndMedia);
  ASSERT_FALSE(image.Empty());
  EXPECT_TRUE(MatchesGoldenImage(image, GoldenFolder("pdf_and_media"), disc.Folder()));
}

TEST(ViewerRender, AWebPageIsDrawnByTheEngineBelowTheNavigationBar) {
  TMenuDisc disc("web_page");
  disc.Write("html/start.htm",
             "<html><body style='margin:0;background:#FFE0A0'><p style='font:16px Tahoma'>Welcome</p></body></html>");
  const TBitmap32 image = disc.Render(R"(object frmDesign: TfrmDesign
  ClientWidth = 400
  ClientHeight = 260
  Color = clSilver
  object Browser: TKIVWebBrowser
    Left = 10
    Top = 10
    Width = 305
    Height = 185
    URL = '%CDROM%\HTML\Start.htm'
    ShowMenu = True
    Locked = False
    GroupIndex = 0
    DesignMode = True
    ControlBarStyle = awbFull
    IAName = ''
  end
end
)");
  ASSERT_FALSE(image.Empty());
  // The view starts one pixel below the 21-pixel bar and shows the page's background.
  EXPECT_EQ(image.At(10 + 300, 10 + 180) & 0xFFFFFF, 0xFFE0A0u);
  EXPECT_EQ(image.At(10 + 2, 10 + 22) & 0xFFFFFF, 0xFFE0A0u);
  EXPECT_NE(image.At(10 + 2, 10 + 20) & 0xFFFFFF, 0xFFE0A0u) << "the bar";
  EXPECT_EQ(image.At(5, 5) & 0xFFFFFF, 0xC0C0C0u) << "the window around it";
}

TEST(ViewerRender, WithoutTheirModulesViewersShowTheNotInstalledLabel) {
  TMenuDisc disc("no_modules");
  fs::create_directories(disc.Folder() / "no_modules");
  disc.Copy(TestDataPath("pdf/a-text.pdf"), "manual.pdf");
  const telvo_test::TScopedEnvironment modules("TELVO_MODULE_DIR", (disc.Folder() / "no_modules").c_str());
  const TBitmap32 image = disc.Render(R"(object frmDesign: TfrmDesign
  ClientWidth = 340
  ClientHeight = 280
  Color = clSilver
  object Manual: TKIVPDFViewer
    Left = 10
    Top = 10
    Width = 301
    Height = 241
    FileName = '%CDROM%\manual.pdf'
  end
end
)");
  ASSERT_FALSE(image.Empty());
  EXPECT_EQ(image.At(10, 10) & 0xFFFFFF, 0x0000FFu) << "the blue outline";
  EXPECT_EQ(image.At(12, 12) & 0xFFFFFF, 0xFFFFFFu) << "the white frame";
}
