// The fades of the splash and of the picture viewer: the opacity curves, and the fades run step
// by step with their thread timer driven by the test.

#include "window/picture_fades.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "support/driven_timer.h"

namespace {

TEST(SplashFadeCurve, ThreeSecondsRiseHoldAndFall) {
  const std::pair<int64_t, int> cases[] = {{100, 21},  {600, 127},  {1100, 233}, {1200, 255}, {1500, 255},
                                           {1800, 255}, {1900, 233}, {2400, 127}, {2900, 21}};
  for (const auto& [elapsed, alpha] : cases) {
    SCOPED_TRACE(elapsed);
    EXPECT_EQ(SplashFadeAlpha(elapsed, 3000), alpha);
  }
  // Up to the middle fifth it never falls, after it it never rises.
  for (int64_t e = 100; e < 3000; e += 100) {
    SCOPED_TRACE(e);
    if (e <= 1500) {
      EXPECT_LE(SplashFadeAlpha(e - 100, 3000), SplashFadeAlpha(e, 3000));
    } else {
      EXPECT_LE(SplashFadeAlpha(e, 3000), SplashFadeAlpha(e - 100, 3000));
    }
  }
}

TEST(ViewerFadeCurve, DurationIsBoundedAndRisesLinearly) {
  const std::pair<int32_t, int64_t> durations[] = {
      {INT_MIN, 0}, {-1, 0}, {0, 0}, {1, 1000}, {60, 60'000}, {61, 60'000}, {INT_MAX, 60'000}};
  for (const auto& [seconds, ms] : durations) EXPECT_EQ(ViewerFadeDurationMs(seconds), ms) << seconds;
  EXPECT_EQ(ViewerFadeAlpha(0, 1000), 0);
  EXPECT_EQ(ViewerFadeAlpha(100, 1000), 25);
  EXPECT_EQ(ViewerFadeAlpha(1000, 1000), 255);
  EXPECT_EQ(ViewerFadeAlpha(5000, 1000), 255);
  EXPECT_EQ(ViewerFadeAlpha(-100, 1000), 0);
}

// A fade whose thread timer the test drives: every Tick is one 100 ms step.
class DrivenFade : public ::testing::Test {
 protected:
  telvo_test::TDrivenTimer timer;
  std::vector<int> steps;
};

TEST_F(DrivenFade, SplashStepsThroughTheCurveAndEndsAtTheDuration) {
  TSplashFade fade(3000, &timer.dispatcher, &timer.clock);
  fade.SetOnStep([this](uint8_t alpha) { steps.push_back(alpha); });
  fade.Start();
  for (int tick = 1; tick < 30; ++tick) {
    ASSERT_TRUE(timer.Tick(kFadeStepMs)) << tick;
    EXPECT_EQ(fade.ElapsedMs(), tick * 100);
    EXPECT_FALSE(fade.Over());
  }
  ASSERT_EQ(steps.size(), 29u);
  EXPECT_EQ(steps[0], 21);    // 100 ms
  EXPECT_EQ(steps[11], 255);  // 1200 ms
  EXPECT_EQ(steps[17], 255);  // 1800 ms
  EXPECT_EQ(steps[18], 233);  // 1900 ms
  EXPECT_EQ(steps[28], 21);   // 2900 ms
  // The tick that reaches 3000 ms ends the fade without another picture, and stops the timer.
  ASSERT_TRUE(timer.Tick(kFadeStepMs));
  EXPECT_TRUE(fade.Over());
  EXPECT_EQ(steps.size(), 29u);
  EXPECT_FALSE(timer.Tick(kFadeStepMs));
}

TEST_F(DrivenFade, ViewerTakesCloseOnlyOnceFullyInThenFadesOut) {
  TViewerFade fade(ViewerFadeDurationMs(1), &timer.dispatcher, &timer.clock);
  int closed = 0;
  fade.SetOnStep([this](uint8_t alpha) { steps.push_back(alpha); });
  fade.SetOnClosed([&] { ++closed; });
  fade.Start();
  for (int tick = 1; tick <= 10; ++tick) {
    EXPECT_FALSE(fade.RequestClose()) << "refused while fading in, before tick " << tick;
    ASSERT_TRUE(timer.Tick(kFadeStepMs));
  }
  EXPECT_EQ(steps, (std::vector<int>{25, 51, 76, 102, 127, 153, 178, 204, 229, 255}));
  EXPECT_TRUE(fade.Accepting());
  EXPECT_FALSE(timer.Tick(kFadeStepMs)) << "the timer stops once fully in";

  ASSERT_TRUE(fade.RequestClose());
  EXPECT_FALSE(fade.RequestClose()) << "a second request while fading out changes nothing";
  steps.clear();
  for (int tick = 1; tick <= 10; ++tick) ASSERT_TRUE(timer.Tick(kFadeStepMs));
  EXPECT_EQ(steps, (std::vector<int>{229, 204, 178, 153, 127, 102, 76, 51, 25, 0}));
  EXPECT_TRUE(fade.Closed());
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(timer.Tick(kFadeStepMs));
}

TEST_F(DrivenFade, ViewerWithoutFadeTimeShowsAndClosesAtOnce) {
  for (int32_t seconds : {0, -3}) {
    SCOPED_TRACE(seconds);
    steps.clear();
    TViewerFade fade(ViewerFadeDurationMs(seconds), &timer.dispatcher, &timer.clock);
    int closed = 0;
    fade.SetOnStep([this](uint8_t alpha) { steps.push_back(alpha); });
    fade.SetOnClosed([&] { ++closed; });
    fade.Start();
    EXPECT_EQ(steps, std::vector<int>{255});
    EXPECT_TRUE(fade.RequestClose());
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(timer.Tick(kFadeStepMs)) << "no timer runs";
  }
}

}  // namespace
