// The transition control in its Qt window on the offscreen platform: a threaded transition runs
// to its end through real paints, and a hidden window does not hold the worker up.

#include <gtest/gtest.h>

#include <QEventLoop>
#include <QTimer>

#include "graphics/colors.h"
#include "graphics/qt_seam.h"
#include "platform/pic_show_widget.h"
#include "support/test_application.h"

namespace {

TBitmap32 Stripes(int32_t width, int32_t height) {
  TBitmap32 picture(width, height);
  for (int32_t y = 0; y < height; ++y)
    for (int32_t x = 0; x < width; ++x) picture.At(x, y) = x % 4 < 2 ? MakePixel(200, 30, 30) : MakePixel(30, 200, 90);
  return picture;
}

// Runs the event loop until the control's transition ends; false when it does not within a
// generous bound.
bool RunTransition(TPicShowWidget& widget) {
  QEventLoop loop;
  bool ended = false;
  widget.Control().OnStop = [&](TCustomPicShow&) {
    ended = true;
    loop.quit();
  };
  QTimer::singleShot(20000, &loop, &QEventLoop::quit);
  widget.Control().StartTransition();
  if (!ended) loop.exec();
  return ended;
}

TEST(TPicShowWidget, ThreadedTransitionPaintsEveryFrameAndEndsShowingTheNewPicture) {
  telvo_test::TestApplication("offscreen");
  for (const bool visible : {true, false}) {
    SCOPED_TRACE(visible ? "shown" : "hidden");
    TPicShowWidget widget;
    TPicShow& show = widget.Control();
    show.SetAutoSize(false);
    show.SetColor(clBlack);
    show.SetCenter(true);
    show.SetDelay(1);
    show.SetStyleName("Fade");
    widget.resize(60, 40);
    if (visible) widget.show();
    show.SetPicture(Stripes(40, 20));
    int frames = 0;
    show.OnProgress = [&](TCustomPicShow&) { ++frames; };
    int completed = 0;
    show.OnComplete = [&](TCustomPicShow&) { ++completed; };
    ASSERT_TRUE(RunTransition(widget));
    EXPECT_EQ(frames, 25);
    EXPECT_EQ(completed, 1);
    if (!visible) continue;
    const TBitmap32 shown = BitmapFromQImage(widget.grab().toImage());
    ASSERT_EQ(shown.Width(), 60);
    EXPECT_EQ(shown.At(10, 10), Stripes(40, 20).At(0, 0));
    EXPECT_EQ(shown.At(12, 29), Stripes(40, 20).At(2, 19));
    EXPECT_EQ(shown.At(9, 10), ColorToPixel(clBlack));
  }
}

}  // namespace
