#include "controls/text_animator.h"

#include <gtest/gtest.h>

#include "stored_defaults.h"

TEST(TextAnimator, SettersClampStoredValues) {
  struct Case {
    const char* property;
    int64_t stored;
    int64_t expected;
  };
  const Case cases[] = {
      {"Speed", 0, 1},     {"Speed", -7, 1},  {"Speed", 150, 100}, {"Speed", 70, 70},
      {"Swing", 3, 5},     {"Swing", 5, 5},   {"Swing", 40, 40},   {"Opacity", 101, 100},
      {"Opacity", -1, 0},
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
  EXPECT_EQ(animator.TimerIntervalMs(), 101u);
  animator.SetSpeed(100);
  EXPECT_EQ(animator.TimerIntervalMs(), 1u);
  EXPECT_EQ(animator.Font()->Name(), "Times New Roman");
  EXPECT_EQ(animator.Font()->Style(), static_cast<uint32_t>(fsBold));
}
