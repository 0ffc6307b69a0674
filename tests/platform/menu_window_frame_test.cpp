#include <QScreen>
#include <QWindow>

#include "graphics/region.h"
#include "platform/menu_window_fixture.h"

namespace {

using Frame = MenuWindowTest;

TEST_F(Frame, CaptionIsTakenAsUtf8) {
  window.SetCaption("Men\xC3\xBC \xE2\x80\x94 Start");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Men\u00FC \u2014 Start"));
}

TEST_F(Frame, BorderKindsGiveFrameAndSizing) {
  struct Case {
    const char* name;
    TBorderKind border;
    bool frameless;
    bool userResizable;
  };
  const Case cases[] = {
      {"sizeable", TBorderKind::Sizeable, false, true},
      {"single fixed", TBorderKind::SingleFixed, false, false},
      {"none", TBorderKind::None, true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Size first, border after, and the other way round: the client size holds either way.
    window.SetClientSize(300, 200);
    window.SetBorder(c.border);
    EXPECT_EQ(window.size(), QSize(300, 200));
    window.SetClientSize(320, 240);
    EXPECT_EQ(window.size(), QSize(320, 240));
    EXPECT_EQ(window.windowFlags().testFlag(Qt::FramelessWindowHint), c.frameless);
    EXPECT_EQ(window.minimumSize() != window.maximumSize(), c.userResizable);
    if (!c.userResizable) {
      EXPECT_EQ(window.maximumSize(), QSize(320, 240));
    }
  }
}

// The title bar offers the buttons asked for, on every frame that has a title bar; a window kept
// out of the taskbar keeps them.
TEST_F(Frame, TitleButtonsAreTheWindowsFlags) {
  struct TCase {
    const char* name;
    TBorderKind border;
    TTitleButtons buttons;
  };
  const TCase cases[] = {
      {"close only", TBorderKind::SingleFixed, {true, false, false}},
      {"none", TBorderKind::SingleFixed, {false, false, false}},
      {"all", TBorderKind::Sizeable, {true, true, true}},
      {"minimise", TBorderKind::SingleFixed, {true, true, false}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    window.SetBorder(c.border);
    window.SetTitleButtons(c.buttons);
    const Qt::WindowFlags flags = window.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_EQ(flags.testFlag(Qt::WindowCloseButtonHint), c.buttons.close);
    EXPECT_EQ(flags.testFlag(Qt::WindowSystemMenuHint), c.buttons.close);
    EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), c.buttons.minimize);
    EXPECT_EQ(flags.testFlag(Qt::WindowMaximizeButtonHint), c.buttons.maximize);
  }
  window.HideFromTaskbar();
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  window.SetBorder(TBorderKind::None);
  EXPECT_EQ(window.windowFlags() & (Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint),
            Qt::WindowFlags());
}

// A stored size is outside input: negative is empty, and a huge one is held to the bitmap
// limits, so the paint surface behind the window stays allocatable.
TEST_F(Frame, ClientSizeIsHeldToBitmapLimits) {
  window.SetBorder(TBorderKind::SingleFixed);
  window.SetClientSize(-5, 40);
  EXPECT_EQ(window.size(), QSize(0, 40));
  window.SetClientSize(100000, 50);
  EXPECT_EQ(window.size(), QSize(kMaxBitmapSide, 50));
  window.SetClientSize(kMaxBitmapSide, kMaxBitmapSide);
  window.grab(QRect(0, 0, 1, 1));  // delivers the resize to the hidden window
  EXPECT_EQ(window.Surface().Width(), kMaxBitmapSide);
  EXPECT_LE(int64_t{window.Surface().Width()} * window.Surface().Height(), kMaxBitmapPixels);
  EXPECT_GT(window.Surface().Height(), 0);
}

// Changing the frame or the stacking of a shown window keeps it on screen where it was: the
// native window changes in place instead of being made again.
TEST_F(Frame, ShownWindowKeepsPlaceAndNativeWindowWhenFlagsChange) {
  ShowAt(40, 30, 200, 100);
  const WId native = window.winId();
  const QPoint position = window.pos();
  window.SetTopMost(true);
  EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  window.SetBorder(TBorderKind::None);
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::FramelessWindowHint));
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  window.SetTopMost(false);
  EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.winId(), native);
  EXPECT_EQ(window.pos(), position);
  EXPECT_EQ(window.size(), QSize(200, 100));
}

TEST_F(Frame, TopMostBeforeShowingIsInTheShownWindowsFlags) {
  window.SetTopMost(true);
  ShowAt(0, 0, 50, 50);
  EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(Frame, OpacityIsAlphaOver255) {
  const std::pair<std::optional<uint8_t>, double> cases[] = {
      {std::nullopt, 1.0}, {uint8_t{255}, 1.0}, {uint8_t{127}, 127 / 255.0}, {uint8_t{0}, 0.0}};
  for (const auto& [alpha, opacity] : cases) {
    window.SetOpacity(alpha);
    EXPECT_NEAR(window.windowOpacity(), opacity, 0.002);
  }
}

TEST_F(Frame, ShapeBecomesTheMaskAndNothingClearsIt) {
  const TRegion region{{{0, 0, 10, 5}, {20, 5, 30, 8}}};
  window.SetShape(region);
  EXPECT_EQ(window.mask(), ToQRegion(region));
  window.SetShape(std::nullopt);
  EXPECT_TRUE(window.mask().isEmpty());
}

// An empty region (every pixel of the picture transparent) leaves nothing of the window
// visible; it must not turn into "no mask", which would show all of it.
TEST_F(Frame, EmptyShapeHidesEveryPixel) {
  window.SetClientSize(100, 80);
  window.SetShape(TRegion{});
  EXPECT_FALSE(window.mask().isEmpty());
  EXPECT_TRUE(window.mask().intersected(window.rect()).isEmpty());
}

TEST_F(Frame, ScreenSizeIsThePrimaryScreens) {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(window.ScreenWidth(), screen.width());
  EXPECT_EQ(window.ScreenHeight(), screen.height());
}

TEST_F(Frame, PositionIsTheFramesTopLeft) {
  ShowAt(70, 90, 100, 100);
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(70, 90));
}

}  // namespace
