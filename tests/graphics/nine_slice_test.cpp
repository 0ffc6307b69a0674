// The nine-slice cut of a picture's rectangle over a target of any size.

#include "graphics/nine_slice.h"

#include <gtest/gtest.h>

TEST(NineSlice, NineSlicesOnlyWhenTwiceTheMarginFitsEverywhere) {
  const TRect frame{0, 59, 150, 118};
  const auto nine = NineSlicePieces(frame, 121, 33, 8);
  ASSERT_EQ(nine.size(), 9u);
  EXPECT_EQ(nine[1].source, (TRect{142, 59, 150, 67}));
  EXPECT_EQ(nine[1].target, (TRect{113, 0, 121, 8}));
  EXPECT_EQ(nine[8].source, (TRect{8, 67, 142, 110}));
  EXPECT_EQ(nine[8].target, (TRect{8, 8, 113, 25}));
  struct Case {
    int32_t width, height, margin;
  };
  for (const Case c : {Case{121, 16, 8}, Case{16, 33, 8}, Case{121, 33, 0}, Case{121, 33, 30}, Case{121, 33, 1 << 30}}) {
    SCOPED_TRACE(c.margin);
    const auto whole = NineSlicePieces(frame, c.width, c.height, c.margin);
    ASSERT_EQ(whole.size(), 1u);
    EXPECT_EQ(whole[0].source, frame);
    EXPECT_EQ(whole[0].target, (TRect{0, 0, c.width, c.height}));
  }
}
