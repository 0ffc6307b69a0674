// The splash and viewer windows on the real X server: each shows on screen the picture it paints
// off-screen; a fade's copy of the screen is what the screen showed (never black, never a ghost
// of a menu hidden just before); and with a compositor running, a window with per-pixel alpha is
// blended over the screen as the copy-and-blend path blends it without one.

#include <stdexcept>

#include <QGuiApplication>
#include <QScreen>

#include "compositor.h"
#include "controls/test_pictures.h"
#include "window/test_splash_pictures.h"
#include "graphics/qt_seam.h"
#include "graphics/raster.h"
#include "platform/picture_viewer.h"
#include "platform/slide_show_window.h"
#include "platform/screen_capture.h"
#include "platform/splash_screen.h"
#include "real_screen.h"
#include "support/driven_timer.h"
#include "x11_fixture.h"

namespace {

QImage Copy(const TBitmap32& picture) { return WrapAsQImage(picture.View()).copy(); }

class PictureWindowsOnX : public X11WindowTest {
 protected:
  void SetUp() override {
    X11WindowTest::SetUp();
    services.dispatcher = &timer.dispatcher;
    services.clock = &timer.clock;
    services.report = [this](const std::string& text) { reports.push_back(text); };
    // The menu window, where a picture comes up: red, covering the middle of the screen.
    TMenuWindowHandlers handlers;
    handlers.paint = [](const TBitmapView& surface, const TRect& area) {
      FillRect(surface, area, MakePixel(255, 0, 0));
    };
    window->SetHandlers(handlers);
    window->SetPosition(312, 234);
    window->SetClientSize(400, 300);
  }

  // A blue desktop over the whole screen, under every window shown after it.
  void ShowDesktop() {
    desktop = std::make_unique<TQtMenuWindow>();
    desktop->SetBorder(TBorderKind::None);
    TMenuWindowHandlers handlers;
    handlers.paint = [](const TBitmapView& surface, const TRect& area) { FillRect(surface, area, MakePixel(0, 0, 255)); };
    desktop->SetHandlers(handlers);
    desktop->SetPosition(0, 0);
    desktop->SetClientSize(1024, 768);
    desktop->show();
    ExpectShows(*desktop, [&] { return Copy(desktop->Surface()); }, "desktop");
  }

  // Shows window and expects the screen to show picture() there (see ShowsItsPicture).
  void ExpectShows(QWidget& shown, const std::function<QImage()>& picture, const std::string& name,
                   int tolerance = 0) {
    EXPECT_TRUE(ShowsItsPicture(shown, watch, *observer, picture, name, tolerance));
  }

  telvo_test::TDrivenTimer timer;
  TPictureWindowServices services;
  std::vector<std::string> reports;
  TPaintWatch watch;
  std::unique_ptr<TQtMenuWindow> desktop;
};

// The splash on the real screen is the off-screen render of its moment (as --render-splash draws
// it) over what the screen showed before.
TEST_F(PictureWindowsOnX, SplashShowsTheOffscreenRenderOfItsMoment) {
  ShowDesktop();
  struct TCase {
    std::string name;
    TPictureFormat format;
    std::string file;
    bool shaped;
    TSplashSettings settings;
    int ticks;
  };
  const TCase cases[] = {
      {"plain", TPictureFormat::Jpeg, "jpeg/video-001.jpeg", true, {false, false, 60}, 0},
      {"png-alpha", TPictureFormat::Png, "png/pngsuite/basic/basn6a08.png", true, {false, false, 60}, 0},
      {"fading", TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false, {true, false, 3}, 7},
      {"fading-png-alpha", TPictureFormat::Png, "png/pngsuite/basic/basn6a08.png", true, {true, false, 3}, 19},
  };
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TSplashPicture picture = PreparedTestPicture(c.format, c.file, c.shaped);
    // The desktop has repainted where the last splash was.
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
      const QImage shown = GrabScreen(screen);
      for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
          if ((shown.pixel(x, y) & 0xFFFFFF) != 0x0000FF) return false;
      return true;
    }));
    TBitmap32 moment = BitmapFromQImage(GrabScreen(screen));
    DrawSplashMoment(moment.View(), picture, {c.settings.fade, int64_t{c.settings.delaySeconds} * 1000},
                     int64_t{c.ticks} * kFadeStepMs);
    const QRect area = CentredArea(nullptr, picture);
    const QImage expected = WrapAsQImage(moment.View()).copy(area);
    TSplashScreen splash(picture, c.settings, services);
    splash.Show();
    for (int tick = 0; tick < c.ticks; ++tick) ASSERT_TRUE(timer.Tick(kFadeStepMs));
    ExpectShows(splash.Window(), [&] { return expected; }, "moment-" + c.name);
    splash.Window().hide();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil(
        [&] { return !observer->Viewable(static_cast<xcb_window_t>(splash.Window().winId())); }));
  }
}

TEST_F(PictureWindowsOnX, EverySplashAndViewerShowsItsPicture) {
  TSplashPicture jpeg = PreparedTestPicture(TPictureFormat::Jpeg, "jpeg/video-001.jpeg", false);
  TSplashPicture gif = PreparedTestPicture(TPictureFormat::Gif, "gif/test-animation.gif", true);
  TSplashPicture bmp = PreparedTestPicture(TPictureFormat::Bitmap, "bmp/24bit-image.bmp", true);
  TSplashPicture png = PreparedTestPicture(TPictureFormat::Png, "png/pngsuite/basic/basn6a08.png", true);
  struct TShown {
    std::string name;
    std::function<void()> open;
  };
  std::unique_ptr<TSplashScreen> splash;
  std::unique_ptr<TPictureViewer> viewer;
  auto showSplash = [&](TSplashPicture& picture, TSplashSettings settings, int ticks) {
    return [&, settings, ticks] {
      splash = std::make_unique<TSplashScreen>(picture, settings, services);
      splash->Show();
      for (int tick = 0; tick < ticks; ++tick) ASSERT_TRUE(timer.Tick(kFadeStepMs));
    };
  };
  auto showViewer = [&](TSplashPicture& picture, TPictureViewerSettings settings, int ticks) {
    return [&, settings, ticks] {
      viewer = std::make_unique<TPictureViewer>(nullptr, picture, settings, services, QCursor());
      viewer->Show();
      for (int tick = 0; tick < ticks; ++tick) ASSERT_TRUE(timer.Tick(kFadeStepMs));
    };
  };
  const TShown cases[] = {
      {"plain-splash", showSplash(jpeg, {false, false, 60}, 0)},
      {"shaped-gif-splash", showSplash(gif, {false, false, 60}, 0)},
      {"fading-splash", showSplash(bmp, {true, false, 60}, 7)},
      {"png-alpha-splash", showSplash(png, {false, false, 60}, 0)},
      {"captioned-viewer", showViewer(jpeg, {TSPWindowStyle::swsNormal, false, 1, "Picture"}, 0)},
      {"borderless-viewer", showViewer(jpeg, {TSPWindowStyle::swsNoBorder, false, 1, ""}, 0)},
      {"shaped-gif-viewer", showViewer(gif, {TSPWindowStyle::swsShaped, false, 1, ""}, 0)},
      {"fading-viewer", showViewer(bmp, {TSPWindowStyle::swsShaped, true, 2, ""}, 9)},
      {"png-alpha-viewer", showViewer(png, {TSPWindowStyle::swsShaped, true, 1, ""}, 4)},
  };
  for (const TShown& c : cases) {
    SCOPED_TRACE(c.name);
    splash.reset();
    viewer.reset();
    c.open();
    QWidget& shown = splash ? static_cast<QWidget&>(splash->Window()) : viewer->Window();
    const TPictureWindow& pictured = splash ? splash->Window() : viewer->Window();
    ExpectShows(shown, [&] { return Copy(pictured.Picture()); }, c.name);
    shown.hide();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return !observer->Viewable(static_cast<xcb_window_t>(shown.winId())); }));
  }
  EXPECT_TRUE(reports.empty()) << reports.front();
}

TEST_F(PictureWindowsOnX, FadeCopiesTheScreenOnceAHiddenMenuIsGone) {
  // A blue desktop under the red menu: once the menu is hidden, the desktop must have repainted
  // where it was before the copy is taken.
  ShowDesktop();
  TSplashPicture bmp = PreparedTestPicture(TPictureFormat::Bitmap, "bmp/24bit-image.bmp", false);
  const TBitmap32 blue(bmp.Width(), bmp.Height(), MakePixel(0, 0, 255));
  for (int show = 0; show < 5; ++show) {
    SCOPED_TRACE(show);
    window->show();
    ExpectShows(*window, [&] { return Copy(window->Surface()); }, "menu");
    // Hidden just before the picture comes, as a click with MinimizeBeforeAction does.
    window->hide();
    TPictureViewer viewer(nullptr, bmp, {TSPWindowStyle::swsNoBorder, true, 1, ""}, services, QCursor());
    viewer.Show();
    EXPECT_EQ(viewer.Window().Picture(), blue) << "the copy shows the desktop, not the menu";
    ExpectShows(viewer.Window(), [&] { return Copy(viewer.Window().Picture()); }, "viewer-at-0");
  }
  // Over a menu still shown, the copy holds the menu.
  window->show();
  ExpectShows(*window, [&] { return Copy(window->Surface()); }, "menu");
  TSplashScreen over(bmp, {true, false, 3}, services);
  EXPECT_EQ(over.Window().Picture(), TBitmap32(bmp.Width(), bmp.Height(), MakePixel(255, 0, 0)));
}

TEST_F(PictureWindowsOnX, CompositorBlendsAWindowWithPerPixelAlphaAsTheCopyWould) {
  {
    TCompositor compositor;
    if (!compositor.Started() || !telvo_test::ProcessEventsUntil([] { return CompositorRuns(); }))
      GTEST_SKIP() << "xcompmgr did not start";
    services.compositor = true;
    TSplashPicture png = PreparedTestPicture(TPictureFormat::Png, "png/pngsuite/basic/basn6a08.png", true);
    // The blue desktop, shown once the compositor runs, so it is the compositor that draws it.
    const QRect area = CentredArea(nullptr, png);
    ShowDesktop();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return (GrabScreen(area).pixel(0, 0) & 0xFFFFFF) == 0x0000FF; }));
    const TBitmap32 behind = BitmapFromQImage(GrabScreen(area));
    // The compositor rounds its own way: a channel may be off by a step or two.
    constexpr int kRounding = 2;
    {
      TSplashScreen splash(png, {false, false, 60}, services);
      ASSERT_TRUE(splash.Window().Translucent());
      splash.Show();
      TBitmap32 expected;
      ComposeFade(expected, behind, png.Face(0), 255);
      ExpectShows(splash.Window(), [&] { return Copy(expected); }, "translucent-splash", kRounding);
    }
    TPictureViewer viewer(nullptr, png, {TSPWindowStyle::swsShaped, true, 1, ""}, services, QCursor());
    ASSERT_TRUE(viewer.Window().Translucent());
    viewer.Show();
    for (int tick = 0; tick < 4; ++tick) ASSERT_TRUE(timer.Tick(kFadeStepMs));
    TBitmap32 expected;
    ComposeFade(expected, behind, png.FadeForeground(), ViewerFadeAlpha(400, 1000));
    ExpectShows(viewer.Window(), [&] { return Copy(expected); }, "translucent-viewer", kRounding);
    EXPECT_TRUE(reports.empty());
  }
  desktop.reset();
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([] { return !CompositorRuns(); })) << "the compositor left";
}

}  // namespace

namespace {

// The slide-show window on the real screen shows the picture and lines it renders off-screen,
// both for a picture brought in on the user-interface thread and after a transition whose frames
// a worker built and the window painted as they came.
TEST_F(PictureWindowsOnX, SlideShowWindowShowsItsPictureAndLines) {
  ShowDesktop();
  TSlideShowSettings settings;
  settings.folder = testing::TempDir();
  settings.manual = true;
  settings.helpManual = "Press ESC to quit, click left button for next picture.";
  const std::vector<std::string> pictures{"one", "two"};
  const auto loader = [](const std::string& path) {
    TBitmap32 picture(120, 80, path == "one" ? MakePixel(255, 128, 0) : MakePixel(0, 160, 80));
    FillRect(picture.View(), {10, 10, 60, 40}, MakePixel(255, 255, 255));
    return std::optional<TBitmap32>(std::move(picture));
  };
  TSlideShowWindow show(nullptr, pictures, settings, {false, 320, 240, 0x00400000, true}, services, loader, 1);
  show.Engine().SetThreaded(false);
  show.Engine().SetStep(100);
  show.Start();
  ASSERT_TRUE(timer.Tick(50));
  ExpectShows(show, [&] { return Copy(show.Picture()); }, "slide-show");

  show.Engine().SetThreaded(true);
  show.Engine().SetStep(10);
  show.Engine().SetDelay(1);
  show.Show().Next();
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return !show.Engine().Busy(); }));
  EXPECT_NE(show.Show().FileNameLine().find("two"), std::string::npos);
  ExpectShows(show, [&] { return Copy(show.Picture()); }, "slide-show-after-transition");
}

}  // namespace
