#include "controls/text_animator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "graphics/colors.h"
#include "graphics/text_render.h"
#include "stored_defaults.h"
#include "support/gui_application.h"

TEST(TextAnimator, SettersClampStoredValues) {
  struct Case {
    const char* property;
    int64_t stored;
    int64_t expected;
  };
  const Case cases[] = {
      {"Speed", 0, 1},     {"Speed", -7, 1},       {"Speed", 150, 100},     {"Speed", 70, 70},
      {"Swing", 3, 5},     {"Swing", 5, 5},        {"Swing", 40, 40},       {"Swing", 100, 100},
      {"Swing", 101, 100}, {"Swing", 100000, 100}, {"Opacity", 101, 100},   {"Opacity", -1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.property << " = " << c.stored);
    TKIVTextAnimator animator;
    EXPECT_EQ(SetAndRead(animator, c.property, c.stored), c.expected);
  }
}

TEST(TextAnimator, SpeedStartsBelowItsStreamDefault) {
  // A document that omits Speed (because it was 70 when written) gets the initial 50.
  ExpectFreshObjectHoldsStreamDefaults(TKIVTextAnimator::StaticClass(), {"Speed", "ParentFont"});
  TKIVTextAnimator animator;
  EXPECT_EQ(animator.Speed(), 50);
  EXPECT_EQ(animator.Font()->Name(), "Times New Roman");
  EXPECT_EQ(animator.Font()->Style(), static_cast<uint32_t>(fsBold));
}

// The interval is 201 - 2 * Speed ms, and the timer ticks on whole 15.625 ms steps of it.
TEST(TextAnimator, TimerIntervalBySpeed) {
  struct Case {
    int32_t speed;
    uint32_t intervalMs;
    double tickMs;
  };
  const Case cases[] = {{1, 199, 203.125}, {50, 101, 109.375}, {70, 61, 62.5},
                        {92, 17, 31.25},   {93, 15, 15.625},   {100, 1, 15.625}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speed);
    TKIVTextAnimator animator;
    animator.SetSpeed(c.speed);
    EXPECT_EQ(animator.TimerIntervalMs(), c.intervalMs);
    EXPECT_EQ(WindowsTimerInterval(animator.TimerIntervalMs()), c.tickMs);
  }
}

std::vector<int32_t> Offsets(const std::vector<TLetterPulse>& pulses) {
  std::vector<int32_t> offsets;
  for (const TLetterPulse& pulse : pulses) offsets.push_back(pulse.offset);
  return offsets;
}

TEST(TextAnimatorLetters, StartingOffsetsByStyle) {
  struct Case {
    TKIVTextAnimatorStyle style;
    int32_t swing;
    size_t count;
    std::vector<int32_t> offsets;
  };
  const Case cases[] = {
      {TKIVTextAnimatorStyle::ataAll, 20, 4, {0, 0, 0, 0}},
      {TKIVTextAnimatorStyle::ataWind, 20, 10, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18}},
      {TKIVTextAnimatorStyle::ataWind, 5, 3, {0, 1, 3}},
      // sin(i / 4 * pi) * 20 truncated: 0, 14.14, 20, 14.14.
      {TKIVTextAnimatorStyle::ataWave, 20, 4, {0, 14, 20, 14}},
      {TKIVTextAnimatorStyle::ataWave, 20, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << static_cast<int>(c.style) << " " << c.count);
    TSeededRandom random(1);
    const std::vector<TLetterPulse> pulses = StartingPulses(c.style, c.swing, c.count, random);
    EXPECT_EQ(Offsets(pulses), c.offsets);
    for (const TLetterPulse& pulse : pulses) EXPECT_EQ(pulse.direction, 1);
  }
}

TEST(TextAnimatorLetters, RandomOffsetsSpanZeroToSwingAndFollowTheSeed) {
  TSeededRandom random(7);
  const std::vector<int32_t> offsets = Offsets(StartingPulses(TKIVTextAnimatorStyle::ataRandom, 5, 600, random));
  // Every value from 0 to Swing comes up, and nothing outside.
  EXPECT_EQ(std::set<int32_t>(offsets.begin(), offsets.end()), (std::set<int32_t>{0, 1, 2, 3, 4, 5}));

  TSeededRandom again(7), other(8);
  EXPECT_EQ(Offsets(StartingPulses(TKIVTextAnimatorStyle::ataRandom, 5, 600, again)), offsets);
  EXPECT_NE(Offsets(StartingPulses(TKIVTextAnimatorStyle::ataRandom, 5, 600, other)), offsets);
}

// Offsets move by 2 and bounce back from Swing and from below 1.
TEST(TextAnimatorLetters, OffsetsBounce) {
  struct Case {
    TLetterPulse start;
    int32_t swing;
    std::vector<TLetterPulse> steps;
  };
  const Case cases[] = {
      {{0, 1}, 5, {{2, 1}, {4, 1}, {4, -1}, {2, -1}, {0, 1}, {2, 1}}},
      {{5, 1}, 5, {{3, -1}, {1, -1}, {1, 1}, {3, 1}, {5, 1}, {3, -1}}},
      {{20, -1}, 20, {{18, -1}}},
      {{19, 1}, 20, {{19, -1}, {17, -1}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.start.offset << " swing " << c.swing);
    TLetterPulse pulse = c.start;
    for (const TLetterPulse& expected : c.steps) {
      StepPulse(pulse, c.swing);
      EXPECT_EQ(pulse, expected);
    }
  }
}

TEST(TextAnimatorLetters, ColourWalksToTheEndAndBack) {
  struct Case {
    TColor begin;
    TColor end;
    std::vector<TColor> colours;
  };
  const Case cases[] = {
      // Red 0 to 3: steps 0, 1, 2, 3, 2, 1, 0, 1.
      {0x000000, 0x000003, {0x000000, 0x000001, 0x000002, 0x000003, 0x000002, 0x000001, 0x000000, 0x000001}},
      // Each channel stops at its end: red 10 to 12, blue 30 down to 27; m = 3.
      {0x1E000A, 0x1B000C, {0x1E000A, 0x1D000B, 0x1C000C, 0x1B000C, 0x1C000C, 0x1D000B, 0x1E000A}},
      // Equal colours: every letter has that colour, however long the walk.
      {0x336699, 0x336699, std::vector<TColor>(600, 0x336699)},
      // System colours are resolved first.
      {clBtnFace, ResolveColor(clBtnFace), std::vector<TColor>(3, ResolveColor(clBtnFace))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.begin << " to " << c.end);
    TColourWalk walk(c.begin, c.end);
    for (TColor expected : c.colours) ASSERT_EQ(walk.Next(), expected);
  }
  TColourWalk taken(0x000000, 0x000003), skipped(0x000000, 0x000003);
  for (int i = 0; i < 5; ++i) taken.Next();
  skipped.Skip(5);
  EXPECT_EQ(skipped.Next(), taken.Next());
}

// The control is as wide as the letters measured at the largest size and as high as "hy".
TEST(TextAnimator, SizesItselfToItsText) {
  EnsureGuiApplication();
  TKIVTextAnimator animator;
  animator.SetBounds(30, 40, 500, 500);
  TBitmap32 scratch(1, 1);
  TCanvas canvas(scratch.View());
  canvas.SetFont(*animator.Font());
  canvas.Font().height = -static_cast<int32_t>(std::lround((10 + 20 - 1) * 96.0 / 72.0));
  const int32_t lineHeight = MeasureTextHeight(canvas, "hy", false, DT_NOPREFIX | DT_SINGLELINE);
  EXPECT_EQ(animator.Width(), 0);
  EXPECT_EQ(animator.Height(), lineHeight);
  EXPECT_EQ(animator.Left(), 30);
  EXPECT_EQ(animator.Top(), 40);

  animator.SetCaption("Wm");
  const int32_t width = MeasureTextWidth(canvas, "W", false, DT_NOPREFIX | DT_SINGLELINE) +
                        MeasureTextWidth(canvas, "m", false, DT_NOPREFIX | DT_SINGLELINE);
  EXPECT_EQ(animator.Width(), width);
  EXPECT_EQ(animator.Pulses().size(), 2u);

  // A larger swing measures the letters at a larger size.
  animator.SetSwing(40);
  EXPECT_GT(animator.Width(), width);
  EXPECT_GT(animator.Height(), lineHeight);
  EXPECT_EQ(animator.Left(), 30);
}

TEST(TextAnimator, OneLetterForEachCharacter) {
  TKIVTextAnimator animator;
  animator.SetStyle(TKIVTextAnimatorStyle::ataWind);
  animator.SetCaption("h\xC3\xA9llo \xE2\x82\xAC");  // "héllo €"
  EXPECT_EQ(Offsets(animator.Pulses()), (std::vector<int32_t>{0, 2, 5, 8, 11, 14, 17}));
}
