// The splash screen and the picture viewer on Qt's offscreen platform, their fades stepped with
// the thread timer driven by the test: what each window shows at each step, what ends it, and
// the input the fade viewer refuses while it fades in.

#include <gtest/gtest.h>

#include <stdexcept>

#include <QKeyEvent>
#include <QMouseEvent>

#include "controls/test_pictures.h"
#include "window/test_splash_pictures.h"
#include "graphics/raster.h"
#include "platform/menu_window_widget.h"
#include "platform/picture_viewer.h"
#include "platform/splash_screen.h"
#include "support/driven_timer.h"
#include "support/test_application.h"
#include "window/qt_tick_dispatcher.h"

namespace {

void PressEsc(QWidget& window) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &press);
}

void Click(QWidget& window) {
  const QPointF at(2, 2);
  QMouseEvent down(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent up(QEvent::MouseButtonRelease, at, window.mapToGlobal(at), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&window, &down);
  QCoreApplication::sendEvent(&window, &up);
}

class PictureWindows : public testing::Test {
 protected:
  PictureWindows() {
    services.dispatcher = &timer.dispatcher;
    services.clock = &timer.clock;
    services.report = [this](const std::string& text) { reports.push_back(text); };
  }
  // What a fade window shows at alpha: its foreground over the screen it copied, which the
  // offscreen platform cannot read, so black.
  static TBitmap32 Faded(const TSplashPicture& picture, uint8_t alpha) {
    TBitmap32 work;
    ComposeFade(work, TBitmap32(picture.Width(), picture.Height()), picture.FadeForeground(), alpha);
    return work;
  }

  QApplication& app = telvo_test::TestApplication("offscreen");
  telvo_test::TDrivenTimer timer;
  TPictureWindowServices services;
  std::vector<std::string> reports;
};

TEST_F(PictureWindows, FadeViewerRefusesInputWhileFadingIn) {
  TSplashPicture picture = PreparedTestPicture(TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false);
  TPictureViewer viewer(nullptr, picture, {TSPWindowStyle::swsNoBorder, true, 1, "Picture"}, services, QCursor());
  EXPECT_FALSE(reports.empty()) << "the screen cannot be read here, and says so";
  viewer.Show();
  EXPECT_EQ(viewer.Window().Picture(), Faded(picture, 0));
  for (int tick = 1; tick <= 10; ++tick) {
    Click(viewer.Window());
    PressEsc(viewer.Window());
    viewer.Window().close();
    ASSERT_TRUE(timer.Tick(kFadeStepMs));
    EXPECT_EQ(viewer.Window().Picture(), Faded(picture, static_cast<uint8_t>(tick * 100 * 255 / 1000))) << tick;
    EXPECT_EQ(viewer.Fade()->ElapsedMs(), tick * 100) << "input during the fade-in changed nothing";
  }
  EXPECT_FALSE(viewer.Closed());
  Click(viewer.Window());
  for (int tick = 1; tick <= 10; ++tick) {
    EXPECT_FALSE(viewer.Closed());
    ASSERT_TRUE(timer.Tick(kFadeStepMs));
  }
  EXPECT_EQ(viewer.Window().Picture(), Faded(picture, 0));
  EXPECT_TRUE(viewer.Closed());
}

TEST_F(PictureWindows, PlainViewerClosesAtOnceAndIgnoresTheFadeOfACaptionedWindow) {
  TSplashPicture picture = PreparedTestPicture(TPictureFormat::Jpeg, "jpeg/video-001.jpeg", true);
  for (const int way : {0, 1, 2}) {
    TPictureViewer viewer(nullptr, picture, {TSPWindowStyle::swsNormal, true, 1, "Holiday"}, services, QCursor());
    viewer.Show();
    EXPECT_EQ(viewer.Fade(), nullptr) << "a captioned window never fades";
    EXPECT_EQ(viewer.Window().windowTitle(), "Holiday");
    EXPECT_FALSE(viewer.Window().windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(viewer.Window().Picture(), picture.Face(0));
    EXPECT_EQ(viewer.Window().size(), QSize(picture.Width(), picture.Height()));
    way == 0 ? Click(viewer.Window()) : way == 1 ? PressEsc(viewer.Window()) : (void)viewer.Window().close();
    EXPECT_TRUE(viewer.Closed()) << "by click, Esc or the window manager's close button: " << way;
  }
  EXPECT_TRUE(reports.empty()) << "a plain window copies no screen";
}

TEST_F(PictureWindows, ShapedPlainViewerFollowsTheAnimationsOutline) {
  TSplashPicture picture = PreparedTestPicture(TPictureFormat::Gif, "gif/gif-test-suite/dispose-none.gif", true);
  TPictureViewer viewer(nullptr, picture, {TSPWindowStyle::swsShaped, false, 1, ""}, services, QCursor());
  viewer.Show();
  EXPECT_TRUE(viewer.Window().windowFlags() & Qt::FramelessWindowHint);
  std::vector<QRegion> masks{viewer.Window().mask()};
  while (masks.size() < 4) {
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return viewer.Window().mask() != masks.back(); }, 2000));
    masks.push_back(viewer.Window().mask());
  }
  // The first frame has no opaque pixel: the window shows none of itself.
  for (int frame = 0; frame < 4; ++frame)
    EXPECT_EQ(masks[static_cast<size_t>(frame)].intersected(viewer.Window().rect()), ToQRegion(*picture.Shape(frame)))
        << frame;
}

TEST_F(PictureWindows, SplashEndsWithEscOnlyWhenAllowedAndFadesStepByStep) {
  TSplashPicture picture = PreparedTestPicture(TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false);
  {
    TSplashScreen plain(picture, {false, false, 60}, services);
    plain.Show();
    EXPECT_EQ(plain.Window().Picture(), picture.Face(0));
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    PressEsc(plain.Window());
    Click(plain.Window());
    plain.Window().close();
    EXPECT_FALSE(plain.Over()) << "without skip-with-Esc nothing ends it early";
    EXPECT_TRUE(plain.Window().isVisible());
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  TSplashScreen fading(picture, {true, true, 3}, services);
  fading.Show();
  EXPECT_EQ(fading.Window().Picture(), Faded(picture, 0));
  ASSERT_TRUE(timer.Tick(kFadeStepMs));
  EXPECT_EQ(fading.Window().Picture(), Faded(picture, 21));
  for (int tick = 2; tick <= 19; ++tick) ASSERT_TRUE(timer.Tick(kFadeStepMs));
  EXPECT_EQ(fading.Window().Picture(), Faded(picture, 233));
  EXPECT_FALSE(fading.Over());
  PressEsc(fading.Window());
  EXPECT_TRUE(fading.Over());
}

TEST_F(PictureWindows, WhereTheScreenCannotBeReadTheMenusOwnPictureStandsInForIt) {
  TQtMenuWindow menu;
  menu.SetBorder(TBorderKind::None);
  TMenuWindowHandlers handlers;
  handlers.paint = [](const TBitmapView& surface, const TRect& area) { FillRect(surface, area, MakePixel(255, 0, 0)); };
  menu.SetHandlers(handlers);
  TSplashPicture picture = PreparedTestPicture(TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false);
  const QRect area = CentredArea(nullptr, picture);
  // The menu covers the picture's left half.
  menu.SetPosition(area.x() - 100, area.y() - 100);
  menu.SetClientSize(100 + area.width() / 2, area.height() + 200);
  menu.show();
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return menu.Surface().At(0, 0) == MakePixel(255, 0, 0); }));
  services.menu = &menu;
  TSplashScreen splash(picture, {true, false, 3}, services);
  const TBitmap32& copy = splash.Window().Picture();
  EXPECT_EQ(copy.At(0, 0), MakePixel(255, 0, 0));
  EXPECT_EQ(copy.At(area.width() / 2 - 1, area.height() - 1), MakePixel(255, 0, 0));
  EXPECT_EQ(copy.At(area.width() / 2, 0), MakePixel(0, 0, 0));
  ASSERT_EQ(reports.size(), 1u);
}

TEST_F(PictureWindows, PlainSplashLastsItsDelayAndATerminationEndsAnyWait) {
  TSplashPicture picture = PreparedTestPicture(TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false);
  QElapsedTimer clock;
  clock.start();
  ShowSplashPicture(picture, {false, false, 1}, services);
  EXPECT_GE(clock.elapsed(), 1000);
  EXPECT_LT(clock.elapsed(), 5000);

  // A fading one, its ticks handed over through the application's own event loop.
  TQtTickDispatcher dispatcher;
  services.dispatcher = &dispatcher;
  services.clock = nullptr;
  clock.restart();
  ShowSplashPicture(picture, {true, false, 1}, services);
  EXPECT_GE(clock.elapsed(), 1000);
  EXPECT_LT(clock.elapsed(), 5000);

  bool asked = false;
  services.interrupted = [&] { return asked; };
  QTimer::singleShot(50, [&] { asked = true; });
  clock.restart();
  ShowSplashPicture(picture, {false, false, 60}, services);
  EXPECT_LT(clock.elapsed(), 5000) << "a termination ends a splash of a minute";
}

}  // namespace
