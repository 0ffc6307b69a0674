// The custom hint window on the real X server, over a patterned desktop: every placement and
// fill at opacities 100 and 50 shows on screen the picture composed off-screen from that desktop
// (a window that paints black or nothing, or a copy of the screen that is black or holds the
// previous balloon, fails), both where the balloon is blended over a copy of the screen and,
// under xcompmgr, as a window with per-pixel alpha that the compositor blends.

#include <QGuiApplication>
#include <QScreen>

#include "compositor.h"
#include "controls/test_pictures.h"
#include "graphics/qt_seam.h"
#include "graphics/raster.h"
#include "platform/hint_window.h"
#include "platform/screen_capture.h"
#include "real_screen.h"
#include "support/patterned_screen.h"
#include "window/hint_balloon.h"
#include "x11_fixture.h"

namespace {

QImage Copy(const TBitmap32& picture) { return WrapAsQImage(picture.View()).copy(); }

// A look of the balloon, named for the messages.
struct TLook {
  std::string name;
  TKIVPosition direction;
  TKIVFillStyle fill;
  int32_t opacity;
};

std::vector<TLook> Looks() {
  std::vector<TLook> looks;
  const std::pair<const char*, TKIVPosition> placements[] = {{"left-top", TKIVPosition::apsLeftTop},
                                                            {"left-bottom", TKIVPosition::apsLeftBottom},
                                                            {"right-top", TKIVPosition::apsRightTop},
                                                            {"right-bottom", TKIVPosition::apsRightBottom}};
  const std::pair<const char*, TKIVFillStyle> fills[] = {{"colour", TKIVFillStyle::afsNormal},
                                                        {"gradient", TKIVFillStyle::afsGradient},
                                                        {"picture", TKIVFillStyle::afsGlyph}};
  for (int32_t opacity : {100, 50}) {
    for (const auto& [name, direction] : placements)
      looks.push_back({std::string(name) + "-" + std::to_string(opacity), direction, TKIVFillStyle::afsNormal, opacity});
    for (const auto& [name, fill] : fills)
      looks.push_back({std::string(name) + "-" + std::to_string(opacity), TKIVPosition::apsRightBottom, fill, opacity});
  }
  return looks;
}

void Apply(const TLook& look, THintSettings& settings) {
  settings.font.SetName("Verdana");
  settings.font.SetSize(10);
  settings.font.SetColor(clBlue);
  settings.font.SetStyle(fsBold | fsItalic);
  settings.direction = look.direction;
  settings.fillStyle = look.fill;
  settings.opacityPercent = look.opacity;
  settings.gradStyle = TKIVGradFillStyle::agsRadialC;
  SetBitmap(settings.picture, 2, 2, {clYellow, clLime, clLime, clYellow});
}

// The menu window as a desktop of stripes over the whole screen.
class HintWindowOnX : public X11WindowTest {
 protected:
  void SetUp() override {
    X11WindowTest::SetUp();
    if (IsSkipped()) return;
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    screenRect = TRect::FromSize(screen.x(), screen.y(), screen.width(), screen.height());
    desktop = PatternedScreen(screen.width(), screen.height());
    TMenuWindowHandlers handlers;
    handlers.paint = [this](const TBitmapView& surface, const TRect& area) {
      CopyRect(surface.SubView(area), {-area.left, -area.top}, desktop.View());
    };
    window->SetHandlers(handlers);
    window->SetPosition(0, 0);
    window->SetClientSize(screen.width(), screen.height());
    TPaintWatch watch;
    window->show();
    ASSERT_TRUE(ShowsItsPicture(*window, watch, *observer, [&] { return Copy(window->Surface()); }, "desktop"));
  }

  // What the balloon of look must show for the pointer at pointer: composed off-screen over the
  // desktop's pixels where its window lies.
  TBitmap32 Expected(const THintSettings& settings, QPoint pointer) const {
    const THintLayout layout = LayOutHint(settings, kText, {pointer.x(), pointer.y()}, screenRect);
    TBitmap32 under(layout.window.Width(), layout.window.Height());
    CopyRect(under.View(), {-layout.window.left, -layout.window.top}, desktop.View());
    return HintOverBackground(ComposeHintBalloon(settings, kText, layout, under.View()), under.View());
  }

  // Shows each look in turn in hint (one window, as the menu keeps one) and expects the screen to
  // show it.
  void ExpectEveryLookShows(TKIVHintWindow& hint, int tolerance) {
    const QPoint pointer(512, 384);
    for (const TLook& look : Looks()) {
      SCOPED_TRACE(look.name);
      THintSettings settings;
      Apply(look, settings);
      const TBitmap32 expected = Expected(settings, pointer);
      TPaintWatch watch;
      hint.ActivateHint(settings, kText, pointer);
      ASSERT_TRUE(hint.isVisible());
      if (!hint.Translucent()) {
        EXPECT_EQ(hint.Picture(), expected) << "the copy of the screen is the desktop";
      }
      EXPECT_TRUE(ShowsItsPicture(hint, watch, *observer, [&] { return Copy(expected); }, look.name, tolerance));
    }
    EXPECT_TRUE(reports.empty()) << reports.front();
  }

  static constexpr const char* kText = "Play the game";
  TRect screenRect;
  TBitmap32 desktop;
  std::vector<std::string> reports;
  std::function<void(const std::string&)> report = [this](const std::string& text) { reports.push_back(text); };
};

TEST_F(HintWindowOnX, EveryLookShowsBlendedOverACopyOfTheScreen) {
  ASSERT_FALSE(CompositorRuns());
  TKIVHintWindow hint(false, window.get(), report);
  ExpectEveryLookShows(hint, 0);
}

TEST_F(HintWindowOnX, UnderACompositorEveryLookShowsWithPerPixelAlphaAsTheCopyWould) {
  {
    TCompositor compositor;
    if (!compositor.Started() || !telvo_test::ProcessEventsUntil([] { return CompositorRuns(); }))
      GTEST_SKIP() << "xcompmgr did not start";
    TKIVHintWindow hint(true, window.get(), report);
    // The compositor rounds its own way: a channel may be off by a step or two.
    ExpectEveryLookShows(hint, 2);
  }
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([] { return !CompositorRuns(); })) << "the compositor left";
}

}  // namespace
