#include "controls/shape.h"

#include <gtest/gtest.h>

#include "stored_defaults.h"

TEST(Shape, SettersClampStoredValues) {
  struct Case {
    const char* property;
    int64_t stored;
    int64_t expected;
  };
  const Case cases[] = {
      {"BorderWidth", -3, 0},    {"BorderWidth", 4, 4},      {"IndentPersent", -1, 0},
      {"IndentPersent", 150, 100}, {"RoundRadius", -5, 0},   {"ShadowOffset", -2, 0},
      {"StartAngle", -90, 270},  {"StartAngle", 360, 0},     {"StartAngle", 725, 5},
      {"StartAngle", -720, 0},   {"Vectors", 2, 3},          {"Vectors", 500, 100},
      {"Vectors", 7, 7},         {"Opacity", -1, 0},         {"Opacity", 101, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.property << " = " << c.stored);
    TKIVShape shape;
    EXPECT_EQ(SetAndRead(shape, c.property, c.stored), c.expected);
  }
}

TEST(Shape, StartsAsSmallWhiteFigureWithOwnFont) {
  ExpectFreshObjectHoldsStreamDefaults(TKIVShape::StaticClass(), {"ParentFont"});
  TKIVShape shape;
  EXPECT_EQ(shape.Width(), 33);
  EXPECT_EQ(shape.Height(), 33);
  EXPECT_EQ(TKIVShape::StaticClass().FindProperty("Color")->getOrdinal(shape), clWhite);
  EXPECT_EQ(shape.Font()->Name(), "Arial");
  EXPECT_EQ(shape.Font()->Size(), 8);
  EXPECT_EQ(shape.Font()->Color(), clBlack);
}
