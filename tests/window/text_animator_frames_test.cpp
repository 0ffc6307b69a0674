// The text animator on a menu window: its timer runs from the menu's timer source only while it
// is visible in run mode, and pictures of a moment on the virtual clock come out the same every
// time (golden frames under tests/golden_frames/animator_*; TELVO_UPDATE_GOLDEN=1 writes them,
// look at every changed image before committing it).

#include <gtest/gtest.h>

#include <filesystem>

#include "controls/text_animator.h"
#include "support/golden_image.h"
#include "support/gui_application.h"
#include "window/menu_context.h"
#include "window/window_paint.h"
#include "window_test_support.h"

namespace fs = std::filesystem;

namespace {

// Three animators at the fastest pace (one tick every 15.625 ms) and one at Speed 70 (62.5 ms),
// on a gradient: a wave, a wind with its own colours, a seeded random one at half opacity over
// the wave's end, and a slow one with all letters in step.
constexpr const char* kAnimatorMenu = R"(object frmDesign: TfrmDesign
  ClientWidth = 360
  ClientHeight = 200
  Color = clNavy
  BackGround = afsGradient
  object Wave: TKIVTextAnimator
    Left = 10
    Top = 10
    Caption = 'Wave of letters'
    Speed = 100
    Style = ataWave
  end
  object Wind: TKIVTextAnimator
    Left = 10
    Top = 60
    Caption = 'Windy'
    BeginColor = clLime
    EndColor = clBlue
    Speed = 100
    Style = ataWind
    Swing = 30
  end
  object Random: TKIVTextAnimator
    Left = 120
    Top = 20
    Caption = 'Random'
    Speed = 100
    Opacity = 50
  end
  object Slow: TKIVTextAnimator
    Left = 10
    Top = 130
    Caption = 'All in step'
    BeginColor = clWhite
    EndColor = clWhite
    Style = ataAll
  end
end
)";

TBitmap32 Picture(TKIVForm& form) {
  TBitmap32 picture(form.ClientWidth(), form.ClientHeight());
  PaintMenuWindow(form, picture.View());
  return picture;
}

TKIVTextAnimator& Animator(TTestMenu& menu, std::string_view name) {
  return static_cast<TKIVTextAnimator&>(menu.Control(name));
}

// The pulses a fresh animator of the same letters has after ticks steps.
std::vector<TLetterPulse> Stepped(std::vector<TLetterPulse> pulses, int32_t swing, int ticks) {
  for (int i = 0; i < ticks; ++i)
    for (TLetterPulse& pulse : pulses) StepPulse(pulse, swing);
  return pulses;
}

}  // namespace

TEST(TextAnimatorTimer, RunsOnlyWhileVisibleInRunModeWithATimerSource) {
  EnsureGuiApplication();
  TTestMenu menu(kAnimatorMenu);
  TKIVTextAnimator& wave = Animator(menu, "Wave");
  TKIVTextAnimator& slow = Animator(menu, "Slow");
  const std::vector<TLetterPulse> start = wave.Pulses();

  // Without a timer source the animator stands still.
  menu->SetActivePage(0);
  EXPECT_FALSE(wave.Animating());

  TVirtualTimerSource clock;
  TServicesBinding binding(menu->Context(), {.timers = &clock});
  menu->SetActivePage(0);
  ASSERT_TRUE(wave.Animating());
  clock.AdvanceTo(4 * kTimerStepMs);
  EXPECT_EQ(wave.Pulses(), Stepped(start, 20, 4));
  // Speed 50: 101 ms rounds up to 109.375, so one second holds 9 ticks.
  const std::vector<TLetterPulse> slowStart = slow.Pulses();
  clock.AdvanceTo(1000);
  EXPECT_EQ(slow.Pulses(), Stepped(slowStart, 20, 9));
  const std::vector<TLetterPulse> atOneSecond = wave.Pulses();
  EXPECT_EQ(atOneSecond, Stepped(start, 20, 64));

  // Invisible, it neither steps nor paints on its timer.
  wave.SetVisible(false);
  EXPECT_FALSE(wave.Animating());
  clock.AdvanceTo(2000);
  EXPECT_EQ(wave.Pulses(), atOneSecond);

  // Shown again it goes on from where it stood; in design mode it stops.
  wave.SetVisible(true);
  clock.AdvanceTo(2000 + kTimerStepMs);
  EXPECT_EQ(wave.Pulses(), Stepped(atOneSecond, 20, 1));
  // A new speed takes effect at once: Speed 1 ticks every 203.125 ms.
  const std::vector<TLetterPulse> beforeSlowing = wave.Pulses();
  wave.SetSpeed(1);
  clock.AdvanceTo(clock.NowMs() + 203);
  EXPECT_EQ(wave.Pulses(), beforeSlowing);
  clock.AdvanceTo(clock.NowMs() + 1);
  EXPECT_EQ(wave.Pulses(), Stepped(beforeSlowing, 20, 1));
  menu->SetDesignMode(true);
  EXPECT_FALSE(wave.Animating());
  EXPECT_FALSE(slow.Animating());
}

TEST(TextAnimatorTimer, AnAnimatorOnAnotherPageStaysStill) {
  EnsureGuiApplication();
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  object Elsewhere: TKIVTextAnimator
    Tag = 1
    Caption = 'Later'
    Speed = 100
  end
end
)");
  TVirtualTimerSource clock;
  TServicesBinding binding(menu->Context(), {.timers = &clock});
  menu->SetActivePage(0);
  EXPECT_FALSE(Animator(menu, "Elsewhere").Animating());
  menu->SetActivePage(1);
  EXPECT_TRUE(Animator(menu, "Elsewhere").Animating());
}

// Painting changes nothing: the same moment gives the same picture however often it is painted,
// and the next tick gives another one.
TEST(TextAnimatorFrames, PaintingAMomentAgainGivesTheSamePicture) {
  EnsureGuiApplication();
  TTestMenu menu(kAnimatorMenu);
  Animator(menu, "Random").SeedRandom(1);
  TVirtualTimerSource clock;
  TServicesBinding binding(menu->Context(), {.timers = &clock});
  menu->SetActivePage(0);
  const TBitmap32 first = Picture(*menu);
  EXPECT_TRUE(Picture(*menu) == first);
  clock.AdvanceTo(kTimerStepMs);
  EXPECT_FALSE(Picture(*menu) == first);
}

TEST(TextAnimatorFrames, MatchGoldenFrames) {
  EnsureGuiApplication();
  struct Case {
    const char* name;
    int ticks;  // of the fast animators
  };
  const Case cases[] = {{"animator_start", 0}, {"animator_tick6", 6}, {"animator_tick25", 25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TTestMenu menu(kAnimatorMenu);
    Animator(menu, "Random").SeedRandom(1);
    TVirtualTimerSource clock;
    TServicesBinding binding(menu->Context(), {.timers = &clock});
    menu->SetActivePage(0);
    clock.AdvanceTo(c.ticks * kTimerStepMs);
    const fs::path golden = fs::path(TELVO_GOLDEN_DIR).parent_path() / "golden_frames" / c.name;
    EXPECT_TRUE(MatchesGoldenImage(Picture(*menu), golden, fs::path(testing::TempDir()) / c.name));
  }
}
