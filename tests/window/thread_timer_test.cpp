#include "window/thread_timer.h"

#include <gtest/gtest.h>

#include <memory>

TEST(ThreadTimer, StartsDisabledAtOneSecondWithTheStreamDefaults) {
  const TClassInfo& cls = TKIVThreadTimer::StaticClass();
  std::unique_ptr<TPersistent> timer = cls.Create();
  ASSERT_NE(timer, nullptr);
  for (const char* name : {"AllowZero", "Enabled", "Interval", "Priority"}) {
    SCOPED_TRACE(name);
    const TPropInfo* prop = cls.FindProperty(name);
    ASSERT_NE(prop, nullptr);
    ASSERT_TRUE(prop->streamDefault.has_value());
    EXPECT_EQ(prop->getOrdinal(*timer), *prop->streamDefault);
  }
  auto& t = static_cast<TKIVThreadTimer&>(*timer);
  EXPECT_FALSE(t.Enabled());
  EXPECT_EQ(t.IntervalMs(), 1000u);
  EXPECT_EQ(t.Priority(), TThreadPriority::tpNormal);
}

TEST(ThreadTimer, PriorityIsReadByName) {
  const TPropInfo* prop = TKIVThreadTimer::StaticClass().FindProperty("Priority");
  TKIVThreadTimer timer;
  prop->setOrdinal(timer, prop->enumType->IndexOf("tpTimeCritical"));
  EXPECT_EQ(timer.Priority(), TThreadPriority::tpTimeCritical);
  EXPECT_EQ(prop->enumType->IndexOf("tpIdle"), 0);
}
