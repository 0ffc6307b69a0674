// The controls' widgets inside the menu window on the real X server: a web page under its bar, a
// PDF page with its toolbar, a media player's bar, a text box's text over its fill and a rich
// edit's text show on screen as Qt paints them, not black or empty.

#include <QApplication>
#include <filesystem>
#include <fstream>

#include "platform/menu_window_binding.h"
#include "real_screen.h"
#include "startup/menu_components.h"
#include "support/test_data.h"
#include "window/pointer_dispatch.h"
#include "window/window_test_support.h"
#include "x11_fixture.h"

namespace {

constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  Left = 0
  Top = 0
  ClientWidth = 420
  ClientHeight = 300
  Color = clSilver
  DesignMode = True
  object Manual: TKIVPDFViewer
    Left = 8
    Top = 8
    Width = 240
    Height = 184
    FileName = '%CDROM%\a-text.pdf'
    DesignMode = True
  end
  object Player: TKIVMediaPlayer
    Left = 256
    Top = 8
    Width = 156
    Height = 120
    DesignMode = True
  end
  object Notes: TKIVTextBox
    Left = 8
    Top = 200
    Width = 118
    Height = 92
    FillStyle = afsGradient
    Opacity = 60
    Lines.Strings = ('A text box: its text above its own gradient')
  end
  object Rich: TKIVRichEdit
    Left = 130
    Top = 200
    Width = 118
    Height = 92
    RichLines.Strings = ('{\rtf1{\colortbl ;\red200\green0\blue0;}\b Rich\b0  \cf1 text\cf0  and www.example.org\par}')
  end
  object Browser: TKIVWebBrowser
    Left = 256
    Top = 136
    Width = 156
    Height = 156
    URL = '%CDROM%\page.htm'
    ShowMenu = True
    Locked = False
    GroupIndex = 0
    DesignMode = True
    ControlBarStyle = awbFull
    IAName = ''
  end
end
)";

class ViewersOnRealScreen : public X11WindowTest {};

}  // namespace

TEST_F(ViewersOnRealScreen, WebPagePdfPageMediaBarAndTextControlsShowAsQtPaintsThem) {
  const std::filesystem::path cd = std::filesystem::path(testing::TempDir()) / "viewers_real_screen";
  std::filesystem::create_directories(cd);
  std::filesystem::copy_file(TestDataPath("pdf/a-text.pdf"), cd / "a-text.pdf",
                             std::filesystem::copy_options::overwrite_existing);
  std::ofstream(cd / "page.htm") << "<body style='background:#208040;color:white;font:20px Tahoma'>Page</body>";
  TTestMenu menu{kMenu};
  menu->Context().macroValues.cdrom = cd.string();
  TPointerDispatcher dispatcher(*menu);
  window->SetHandlers(MenuWindowHandlers(*window, *menu, dispatcher));
  menu->SetHost(window.get());
  std::string notInstalled;
  const TAttachedComponents viewers(*menu, window.get(), TELVO_MODULE_DIR,
                                 [&](const std::string& reason) { notInstalled += reason; },
                                 TAttachedComponents::TUse::Still);
  ASSERT_EQ(notInstalled, "");
  menu->SetDesignMode(false);
  TPaintWatch watch;
  window->show();
  ShowComponentsFirstTime(*menu);
  // The page is loaded and drawn once the engine shows its colour.
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return window->grab().toImage().pixel(300, 250) == 0xFF208040; }, 15000));
  EXPECT_TRUE(ShowsItsPicture(*window, watch, *observer, [&] { return window->grab().toImage(); }, "viewers"));
  window->hide();
  menu->SetHost(nullptr);
}
