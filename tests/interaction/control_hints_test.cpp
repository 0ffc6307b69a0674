// The hints of the real menu window's controls: hovering a control whose ShowHint is set shows
// its short hint after the menu's hint delay for the menu's display time, in the standard tool
// tip with the system's tool-tip colours, or in the custom hint window's balloon while the menu
// uses it; nothing shows without ShowHint.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include "platform/hint_window.h"
#include "platform/menu_window_binding.h"
#include "support/test_application.h"
#include "window/hint_balloon.h"
#include "window/pointer_dispatch.h"
#include "window/window_test_support.h"

namespace {

std::string Document(bool customHint) {
  return std::string("object frmDesign: TfrmDesign\n  ClientWidth = 300\n  ClientHeight = 200\n"
                     "  CustHintPause = 150\n  CustHintHidePause = 600\n  UseCustomizedHint = ") +
         (customHint ? "True" : "False") +
         "\n  DesignMode = True\n"
         "  object Play: TKIVButton\n    Left = 0\n    Top = 0\n    Width = 100\n    Height = 40\n"
         "    Hint = 'Play the game|Starts the game from its first level'\n  end\n"
         "  object Quiet: TKIVButton\n    Left = 0\n    Top = 50\n    Width = 100\n    Height = 40\n"
         "    Hint = 'Never shown'\n    ShowHint = False\n  end\n"
         "  object Help: TKIVButton\n    Left = 0\n    Top = 100\n    Width = 100\n    Height = 40\n"
         "    Hint = 'Read the <b>manual</b>'\n  end\n"
         "end\n";
}

// A menu shown in its real window, in run mode with its hint settings applied.
class ShownMenu {
 public:
  explicit ShownMenu(bool customHint) : menu(Document(customHint)) {
    window.SetHandlers(
        MenuWindowHandlers(window, *menu, dispatcher, [this](const std::string& text) { reports.push_back(text); }));
    menu->SetHost(&window);
    menu->SetDesignMode(false);
    menu->ApplyHintSettings();
    window.show();
    telvo_test::ProcessEventsUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); });
  }
  ~ShownMenu() {
    QToolTip::hideText();
    menu->SetHost(nullptr);
  }
  // Moves the pointer onto the control at row (one control per 50 pixels), by way of the
  // background: Qt drops a move to where the pointer already is (as at the start of a test).
  void HoverRow(int row) {
    QTest::mouseMove(&window, QPoint(250, 180 + row));
    QTest::mouseMove(&window, QPoint(50, row * 50 + 20));
  }

  TTestMenu menu;
  TQtMenuWindow window;
  TPointerDispatcher dispatcher{*menu};
  std::vector<std::string> reports;
};

bool TipShows(const QString& text) { return QToolTip::isVisible() && QToolTip::text() == text; }

class StandardHint : public testing::Test {
 protected:
  void SetUp() override { QToolTip::hideText(); }
  QApplication& app = telvo_test::TestApplication("offscreen");
};

TEST_F(StandardHint, HoveringShowsTheShortHintAfterTheDelayInTooltipColoursForTheDisplayTime) {
  ShownMenu shown(false);
  shown.HoverRow(0);
  EXPECT_FALSE(QToolTip::isVisible()) << "not before the delay";
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([] { return TipShows("Play the game"); }));

  QWidget* label = nullptr;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (widget->inherits("QTipLabel") && widget->isVisible()) label = widget;
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->palette().color(QPalette::ToolTipBase), QColor(0xFF, 0xFF, 0xE1));
  EXPECT_EQ(label->palette().color(QPalette::ToolTipText), QColor(0, 0, 0));

  // Qt's own display time would be ten seconds.
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([] { return !QToolTip::isVisible(); }, 3000)) << "gone after its time";
}

// The tip as plain text (a tip whose text Qt would read as markup is shown escaped).
QString ShownTipText() {
  QTextDocument text;
  text.setHtml(QToolTip::text());
  return text.toPlainText();
}

TEST_F(StandardHint, MovingOnReplacesTheTipAndLeavingClosesIt) {
  ShownMenu shown(false);
  shown.HoverRow(0);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([] { return TipShows("Play the game"); }));
  QTest::mouseMove(&shown.window, QPoint(50, 120));
  EXPECT_TRUE(telvo_test::ProcessEventsUntil(
      [] { return QToolTip::isVisible() && ShownTipText() == "Read the <b>manual</b>"; }))
      << "the next control's tip, its markup shown as written";
  QTest::mouseMove(&shown.window, QPoint(250, 190));
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([] { return !QToolTip::isVisible(); }));
}

TEST_F(StandardHint, NoTipWithoutShowHintOrWithTheCustomHintWindow) {
  {
    ShownMenu shown(false);
    shown.HoverRow(1);
    telvo_test::ProcessEventsFor(600);
    EXPECT_FALSE(QToolTip::isVisible()) << "ShowHint is off";
  }
  ShownMenu shown(true);
  shown.HoverRow(0);
  telvo_test::ProcessEventsFor(600);
  EXPECT_FALSE(QToolTip::isVisible()) << "the custom hint window draws the menu's hints";
}

TEST_F(StandardHint, APressClosesTheTipUntilTheNextControl) {
  ShownMenu shown(false);
  shown.HoverRow(0);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([] { return TipShows("Play the game"); }));
  QTest::mousePress(&shown.window, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
  QTest::mouseRelease(&shown.window, Qt::LeftButton, Qt::NoModifier, QPoint(50, 20));
  QTest::mouseMove(&shown.window, QPoint(60, 25));
  telvo_test::ProcessEventsFor(600);
  EXPECT_FALSE(QToolTip::isVisible()) << "still on the pressed control";
  shown.HoverRow(2);
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([] { return QToolTip::isVisible(); })) << "on the next control";
}

}  // namespace

namespace {

// The custom hint window once the menu has needed one.
TKIVHintWindow* HintWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* hint = dynamic_cast<TKIVHintWindow*>(widget)) return hint;
  return nullptr;
}

bool BalloonShows() {
  const TKIVHintWindow* hint = HintWindow();
  return hint && hint->isVisible();
}

class CustomHint : public StandardHint {};

TEST_F(CustomHint, HoveringShowsTheBalloonBesideThePointerAfterTheDelayForTheDisplayTime) {
  ShownMenu shown(true);
  shown.HoverRow(0);
  EXPECT_FALSE(BalloonShows()) << "not before the delay";
  ASSERT_TRUE(telvo_test::ProcessEventsUntil(BalloonShows));
  EXPECT_FALSE(QToolTip::isVisible());

  const TKIVHintWindow& hint = *HintWindow();
  const QPoint pointer = shown.window.mapToGlobal(QPoint(50, 20));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const THintLayout layout = LayOutHint(shown.menu->Context().hintSettings, "Play the game", {pointer.x(), pointer.y()},
                                        TRect::FromSize(screen.x(), screen.y(), screen.width(), screen.height()));
  EXPECT_EQ(hint.geometry(), QRect(layout.window.left, layout.window.top, layout.window.Width(), layout.window.Height()));
  EXPECT_FALSE(hint.Translucent()) << "no compositor here";
  EXPECT_EQ(hint.Picture().Width(), layout.window.Width());
  EXPECT_EQ(hint.Picture().Height(), layout.window.Height());

  EXPECT_TRUE(telvo_test::ProcessEventsUntil([] { return !BalloonShows(); }, 3000)) << "gone after its time";
}

TEST_F(CustomHint, LeavingTheControlOrPressingClosesTheBalloon) {
  ShownMenu shown(true);
  shown.HoverRow(0);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil(BalloonShows));
  QTest::mouseMove(&shown.window, QPoint(250, 190));
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([] { return !BalloonShows(); }, 100)) << "left for the background";

  shown.HoverRow(2);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil(BalloonShows));
  QTest::mousePress(&shown.window, Qt::LeftButton, Qt::NoModifier, QPoint(50, 120));
  EXPECT_FALSE(BalloonShows()) << "closed by the press";
  QTest::mouseRelease(&shown.window, Qt::LeftButton, Qt::NoModifier, QPoint(50, 120));
  telvo_test::ProcessEventsFor(400);
  EXPECT_FALSE(BalloonShows()) << "still on the pressed control";
}

TEST_F(CustomHint, EachBalloonIsComposedOnceOverTheMenusPictureWhereTheScreenCannotBeRead) {
  ShownMenu shown(true);
  shown.HoverRow(2);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil(BalloonShows));
  TKIVHintWindow& hint = *HintWindow();
  const TBitmap32 first = hint.Picture();
  // Beyond the balloon's rounded top right corner the window shows what lies under it: here the
  // menu's own picture, the offscreen platform giving no screen to copy.
  const QPoint corner = hint.geometry().topRight();
  const QPoint onMenu = shown.window.mapFromGlobal(corner);
  ASSERT_TRUE(shown.window.rect().contains(onMenu));
  EXPECT_EQ(first.At(first.Width() - 1, 0), shown.window.Surface().At(onMenu.x(), onMenu.y()));

  // Repaints show the same picture, and so does the next hint for the same control: the
  // antialiased outline is not blended again over its own pixels.
  for (int i = 0; i < 3; ++i) hint.repaint();
  EXPECT_EQ(hint.Picture(), first);
  QTest::mouseMove(&shown.window, QPoint(250, 190));
  shown.HoverRow(2);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil(BalloonShows));
  EXPECT_EQ(HintWindow()->Picture(), first);
  EXPECT_EQ(shown.reports, std::vector<std::string>{
                               "the screen cannot be read here; hints show over the menu's own picture and black"})
      << "said once";
}

}  // namespace
