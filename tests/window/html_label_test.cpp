// The HTML label in the menu window: the pointer turns into the link cursor over links only, a
// click on an ordinary link opens it through the shell (its trailing "/" kept), a kiv link drives
// the menu, and a resized label lays its text out again.

#include <gtest/gtest.h>

#include "support/gui_application.h"
#include "text/html_label.h"
#include "window/pointer_dispatch.h"
#include "window/window_test_support.h"

namespace {

constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  ClientWidth = 400
  ClientHeight = 300
  Pages.Strings = ('Start' 'Main Page')
  PageCount = 1
  object Label: TKIVHtmlLabel
    Left = 0
    Top = 0
    Width = 300
    Height = 200
    Tag = -1
    Html.Strings = (
      '<a href="http://example.org/">web</a><br>'
      '<a href="kiv://page/Main%20Page/">main</a><br>'
      '<hi>marked</hi>')
  end
end
)";

}  // namespace

TEST(HtmlLabel, LinksShowTheLinkCursorAndClicksFollowThem) {
  EnsureGuiApplication();
  TTestMenu menu{kMenu};
  menu->SetDesignMode(false);
  TRecordingShell shell;
  const TServicesBinding binding(menu->Context(), {.shell = &shell});
  TPointerDispatcher dispatcher(*menu);
  auto& label = static_cast<TKIVHtmlLabel&>(menu.Control("Label"));
  // The three lines, each a word 5 pixels from the left: the tops of the two links.
  std::vector<int32_t> rows;
  for (int32_t y = 0; y < 60; ++y)
    if (!label.LinkAt(8, y).empty() && (y == 0 || label.LinkAt(8, y - 1).empty())) rows.push_back(y);
  ASSERT_EQ(rows.size(), 2u) << "two lines carry links";
  const TCursor normal = label.Cursor();

  dispatcher.MouseMove(0, {8, rows[0] + 2});
  EXPECT_EQ(dispatcher.CurrentCursor(), crHandPoint) << "the menu has no hot cursor of its own";
  dispatcher.MouseMove(0, {8, rows[1] + 30});
  EXPECT_EQ(dispatcher.CurrentCursor(), normal) << "highlighted text is no link";

  dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, {8, rows[0] + 2});
  dispatcher.MouseUp(TMouseButton::mbLeft, 0, {8, rows[0] + 2});
  EXPECT_EQ(shell.opened, std::vector<std::string>{"open http://example.org/"});
  dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, {8, rows[1] + 2});
  dispatcher.MouseUp(TMouseButton::mbLeft, 0, {8, rows[1] + 2});
  EXPECT_EQ(menu->ActivePage(), 1);
}

TEST(HtmlLabel, AResizedLabelReflowsItsText) {
  EnsureGuiApplication();
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  object Label: TKIVHtmlLabel
    Width = 400
    Html.Strings = ('one two three four five six <a href="x">seven</a>')
  end
end
)"};
  auto& label = static_cast<TKIVHtmlLabel&>(menu.Control("Label"));
  auto linkRow = [&] {
    for (int32_t y = 0; y < 200; ++y)
      for (int32_t x = 0; x < label.Width(); ++x)
        if (!label.LinkAt(x, y).empty()) return y;
    return -1;
  };
  const int32_t wide = linkRow();
  label.SetBounds(0, 0, 60, 200);
  EXPECT_GT(linkRow(), wide) << "the link moved down to a later line";
}
