#include "controls/image.h"

#include <gtest/gtest.h>

#include "stored_defaults.h"

TEST(Image, StartsAutoSizedAndOpaque) {
  ExpectFreshObjectHoldsStreamDefaults(TKIVImage::StaticClass(), {});
  TKIVImage image;
  EXPECT_TRUE(image.AutoSize());
  EXPECT_EQ(image.Width(), 105);
  EXPECT_EQ(image.Height(), 105);
  EXPECT_EQ(image.Opacity(), 100);
  EXPECT_TRUE(image.Pic()->Empty());
}

TEST(Image, OpacityIsClampedAndAutoSizeCanBeSwitchedOff) {
  TKIVImage image;
  EXPECT_EQ(SetAndRead(image, "Opacity", -20), 0);
  EXPECT_EQ(SetAndRead(image, "Opacity", 250), 100);
  EXPECT_EQ(SetAndRead(image, "AutoSize", 0), 0);
  EXPECT_FALSE(image.AutoSize());
}
