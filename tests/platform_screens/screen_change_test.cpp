// A menu window moving between screens of different pixel ratios (without --scale the window's
// scale follows its screen), on Qt's offscreen platform with two screens.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include "graphics/bitmap32.h"
#include "platform/menu_window_widget.h"
#include "support/test_application.h"

namespace {

TEST(ScreenChange, DefinedCursorIsBuiltAgainForTheRatioOfTheScreenTheWindowMovesTo) {
  telvo_test::TestApplication(telvo_test::kTwoScreenOffscreen);
  const QList<QScreen*> screens = QGuiApplication::screens();
  ASSERT_EQ(screens.size(), 2);
  TQtMenuWindow window;
  window.SetClientSize(100, 100);
  window.show();
  const TPixel32 green = MakePixel(0, 255, 0);
  window.DefineCursor(kCursorNormal, {TCursorImage{TBitmap32(16, 16, green), {3, 4}, 0}});
  window.SetWindowCursor(kCursorNormal);
  for (QScreen* screen : {screens[1], screens[0]}) {
    const int ratio = qRound(screen->devicePixelRatio());
    SCOPED_TRACE(testing::Message() << "ratio " << ratio);
    window.move(screen->geometry().topLeft() + QPoint(10, 10));
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return window.screen() == screen; }));
    const QImage shown = window.cursor().pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(shown.size(), QSize(16, 16) * ratio);
    EXPECT_EQ(shown.pixel(16 * ratio - 1, 16 * ratio - 1), qRgb(0, 255, 0));
    EXPECT_EQ(window.cursor().hotSpot(), QPoint(3, 4));  // off X11, in the picture's own pixels
  }
}

}  // namespace
