#include "controls/comment_shower.h"

#include <gtest/gtest.h>

#include "stored_defaults.h"

TEST(CommentShower, StartsWithOwnSizeAndFont) {
  ExpectFreshObjectHoldsStreamDefaults(TKIVCommentShower::StaticClass(), {"ParentFont"});
  TKIVCommentShower text;
  EXPECT_EQ(text.Width(), 201);
  EXPECT_EQ(text.Height(), 105);
  EXPECT_EQ(text.Font()->Name(), "Arial");
  EXPECT_EQ(text.Font()->Size(), 9);
  EXPECT_EQ(text.Font()->Style(), 0u);

  ExpectFreshObjectHoldsStreamDefaults(TKIVGraphicCommentShower::StaticClass(), {});
  TKIVGraphicCommentShower picture;
  EXPECT_EQ(picture.Width(), 201);
  EXPECT_EQ(picture.Height(), 105);
}

TEST(CommentShower, OpacityIsClamped) {
  TKIVCommentShower text;
  EXPECT_EQ(SetAndRead(text, "Opacity", -1), 0);
  EXPECT_EQ(SetAndRead(text, "Opacity", 120), 100);
  TKIVGraphicCommentShower picture;
  EXPECT_EQ(SetAndRead(picture, "Opacity", 120), 100);
}

TEST(CommentShower, CaptionIsNotStored) {
  EXPECT_EQ(TKIVCommentShower::StaticClass().FindProperty("Caption"), nullptr);
}
