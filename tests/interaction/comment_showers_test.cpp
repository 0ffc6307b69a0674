// Comment showers in the played menu window, driven by real pointer moves: the long part of a
// "short|long" hint, a disabled control's hint, an invisible shower kept empty, nothing
// over the background, and the text recomputed after a click turned the page.

#include <gtest/gtest.h>

#include <QTest>

#include "controls/comment_shower.h"
#include "played_menu.h"
#include "support/test_data.h"

namespace {

constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  ClientWidth = 400
  ClientHeight = 300
  ShowHint = True
  PageCount = 1
  AlwaysShowPageZero = True
  object Help: TKIVButton
    Left = 0
    Top = 0
    Width = 100
    Height = 30
    Hint = 'Help|Opens the manual'
  end
  object Off: TKIVButton
    Left = 0
    Top = 40
    Width = 100
    Height = 30
    Hint = 'Disabled but described'
    Enabled = False
  end
  object Next: TKIVButton
    Left = 0
    Top = 80
    Width = 100
    Height = 30
    Hint = 'Next|Goes to the next page'
    ActionType = aatJumpToPage
    Parameter = 'NEXT'
  end
  object Second: TKIVButton
    Left = 0
    Top = 80
    Width = 100
    Height = 30
    Hint = 'On page two|Only on the second page'
    Tag = 1
  end
  object Text: TKIVCommentShower
    Left = 200
    Top = 0
    Width = 200
    Height = 60
  end
  object Hidden: TKIVCommentShower
    Left = 200
    Top = 100
    Tag = 5
  end
end
)";

}  // namespace

TEST(CommentShowers, FollowThePointerOverTheWindowsControls) {
  TPlayedMenu played{kMenu};
  played.menu->SetActivePage(0);
  ASSERT_TRUE(played.Exposed());
  auto& text = static_cast<TKIVCommentShower&>(played.Control("Text"));
  auto& hidden = static_cast<TKIVCommentShower&>(played.Control("Hidden"));
  auto moveTo = [&](int x, int y) {
    QTest::mouseMove(&played.window, QPoint(x, y));
    telvo_test::ProcessEventsFor(10);
  };
  moveTo(50, 15);
  EXPECT_EQ(text.Caption(), "Opens the manual");
  EXPECT_EQ(hidden.Caption(), "") << "a shower on a page not shown stays empty";
  moveTo(50, 55);
  EXPECT_EQ(text.Caption(), "Disabled but described");
  moveTo(50, 200);
  EXPECT_EQ(text.Caption(), "") << "the window's background";

  moveTo(50, 95);
  EXPECT_EQ(text.Caption(), "Goes to the next page");
  QTest::mouseClick(&played.window, Qt::LeftButton, Qt::NoModifier, QPoint(50, 95));
  telvo_test::ProcessEventsFor(10);
  EXPECT_EQ(played.menu->ActivePage(), 1);
  EXPECT_EQ(text.Caption(), "Only on the second page") << "the page's button now lies under the pointer";
}
