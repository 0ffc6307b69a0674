// The living controls' timers: intervals rounded up to the Windows timer's 15.625 ms steps, the
// virtual clock ticking each timer in order of its due times as it is advanced, and a GIF's
// frames following the window's clock.

#include "window/control_timer.h"

#include <gtest/gtest.h>

#include <string>

#include "controls/image.h"
#include "controls/test_pictures.h"
#include "support/gui_application.h"
#include "window/menu_context.h"
#include "window/window_test_support.h"

TEST(ControlTimer, IntervalsRoundUpToWholeTimerSteps) {
  struct TCase {
    uint32_t ms;
    double rounded;
  };
  for (const TCase& c : {TCase{0, 15.625}, TCase{1, 15.625}, TCase{15, 15.625}, TCase{16, 31.25}, TCase{31, 31.25},
                         TCase{32, 46.875}, TCase{199, 203.125}})
    EXPECT_EQ(WindowsTimerInterval(c.ms), c.rounded) << c.ms;
}

TEST(ControlTimer, TheVirtualClockTicksInOrderOfDueTimes) {
  TVirtualTimerSource clock;
  std::string log;
  auto fast = clock.MakeTimer([&] { log += "f"; });
  auto slow = clock.MakeTimer([&] { log += "s"; });
  fast->Start(1);   // every 15.625 ms
  slow->Start(40);  // every 46.875 ms
  clock.AdvanceTo(15.0);
  EXPECT_EQ(log, "");
  clock.AdvanceTo(100);
  EXPECT_EQ(log, "fffsfffs") << "fast at 15.6, 31.3 and 46.9, slow at 46.9 (fast was made first), fast at 62.5, "
                                "78.1 and 93.8, slow at 93.8";
  EXPECT_EQ(clock.NowMs(), 100);

  // A stopped timer is silent; one restarted counts from now; one destroyed never ticks.
  fast->Stop();
  slow->Start(1);
  clock.AdvanceTo(120);
  EXPECT_EQ(log, "fffsfffss") << "slow at 115.6";
  slow.reset();
  clock.AdvanceTo(1000);
  EXPECT_EQ(log, "fffsfffss");
}

// An animated GIF takes the window's timer source once the window goes live: on the virtual
// clock its frames move on only as the clock is advanced.
TEST(ControlTimer, GifFramesFollowTheWindowsClock) {
  EnsureGuiApplication();
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  DesignMode = True
  object Gif: TKIVImage
    Width = 2
    Height = 2
    DesignMode = True
  end
end
)"};
  auto& image = static_cast<TKIVImage&>(menu.Control("Gif"));
  TPicture gif;
  SetTestDataPicture(gif, TPictureFormat::Gif, "gif/gif-test-suite/animation.gif");
  image.SetPic(gif);
  ASSERT_TRUE(image.Animated());
  TVirtualTimerSource clock;
  const TServicesBinding binding(menu->Context(), {.timers = &clock});
  menu->SetDesignMode(false);
  EXPECT_EQ(image.CurrentFrame(), 0);
  clock.AdvanceTo(WindowsTimerInterval(static_cast<uint32_t>(image.TimerIntervalMs())) - 1);
  EXPECT_EQ(image.CurrentFrame(), 0);
  clock.AdvanceTo(WindowsTimerInterval(static_cast<uint32_t>(image.TimerIntervalMs())));
  EXPECT_EQ(image.CurrentFrame(), 1);
}
