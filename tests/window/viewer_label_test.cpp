// A viewer control without its component in the menu window: its label is centred, underlined
// while the pointer is over it (not in design mode), and a click on it opens the page that tells
// how to get the component through the menu's shell.

#include <gtest/gtest.h>

#include "support/gui_application.h"
#include "viewers/web_browser.h"
#include "window/pointer_dispatch.h"
#include "window/window_test_support.h"

namespace {

constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  ClientWidth = 400
  ClientHeight = 300
  object Browser: TKIVWebBrowser
    Left = 20
    Top = 30
    Width = 305
    Height = 185
  end
end
)";

TEST(ViewerLabel, HoverUnderlinesAndAClickOpensTheDownloadPage) {
  EnsureGuiApplication();
  TTestMenu menu{kMenu};
  menu->SetDesignMode(false);
  TRecordingShell shell;
  const TServicesBinding binding(menu->Context(), {.shell = &shell});
  TPointerDispatcher dispatcher(*menu);
  auto& browser = static_cast<TKIVWebBrowser&>(menu.Control("Browser"));
  const TRect label = browser.NotInstalledLabelRect();
  EXPECT_EQ(label.left, (305 - label.Width()) / 2);
  EXPECT_EQ(label.top, (185 - label.Height()) / 2);
  EXPECT_GT(label.Height(), 20) << "two lines";
  const TPoint inside{20 + label.left + label.Width() / 2, 30 + label.top + 5};

  dispatcher.MouseMove(0, {25, 35});  // on the control, off the label
  EXPECT_EQ(dispatcher.Hovered(), &browser);
  EXPECT_FALSE(browser.LabelHot());
  dispatcher.MouseMove(0, inside);
  EXPECT_TRUE(browser.LabelHot());
  dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, inside);
  dispatcher.MouseUp(TMouseButton::mbLeft, 0, inside);
  EXPECT_EQ(shell.opened, std::vector<std::string>{"open " + browser.DownloadPage()});
  dispatcher.MouseLeave();
  EXPECT_FALSE(browser.LabelHot());

  browser.SetDesignMode(true);
  dispatcher.MouseMove(0, inside);
  EXPECT_FALSE(browser.LabelHot());
  dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, inside);
  dispatcher.MouseUp(TMouseButton::mbLeft, 0, inside);
  EXPECT_EQ(shell.opened.size(), 1u);
}

}  // namespace
