// When the hot label's colour and style settings repaint it.

#include <gtest/gtest.h>

#include "controls/hot_label.h"
#include "stored_defaults.h"

TEST(HotLabel, ColourAndStyleSettingsRepaintAndTheVisitedColourOnlyOnceVisited) {
  TWinControl window;
  int invalidations = 0;
  window.SetOnInvalidate([&](int32_t, int32_t, int32_t, int32_t) { ++invalidations; });
  TKIVHotLabel label;
  SetAndRead(label, "AutoSize", 0);
  label.SetParent(&window);

  struct Case {
    const char* name;
    int64_t value;
  };
  for (const Case c : {Case{"DownColor", 0x123456}, Case{"OutLineColor", 0x123456}, Case{"OverColor", 0x123456},
                       Case{"Style", 4}, Case{"BGColor1", 0x123456}, Case{"BGColor2", 0x123456},
                       Case{"BGColor3", 0x123456}}) {
    invalidations = 0;
    EXPECT_EQ(SetAndRead(label, c.name, c.value), c.value);
    EXPECT_GT(invalidations, 0) << c.name;
  }

  invalidations = 0;
  EXPECT_EQ(SetAndRead(label, "VisitedColor", 0x00FF00), 0x00FF00);
  EXPECT_EQ(invalidations, 0) << "repainted for a colour it does not show yet";
  label.MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
  label.MouseUp(TMouseButton::mbLeft, 0, 1, 1);
  ASSERT_TRUE(label.Visited());
  invalidations = 0;
  SetAndRead(label, "VisitedColor", 0x0000FF);
  EXPECT_GT(invalidations, 0);
}
