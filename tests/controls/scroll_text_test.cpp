#include "controls/scroll_text.h"

#include <gtest/gtest.h>

#include <vector>

#include "stored_defaults.h"

TEST(ScrollText, SettersClampStoredValues) {
  struct Case {
    const char* property;
    int64_t stored;
    int64_t expected;
  };
  const Case cases[] = {
      {"Speed", 0, 1}, {"Speed", 150, 100}, {"Speed", 60, 60}, {"Opacity", -4, 0}, {"Opacity", 400, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.property << " = " << c.stored);
    TKIVScrollText text;
    EXPECT_EQ(SetAndRead(text, c.property, c.stored), c.expected);
  }
}

TEST(ScrollText, PanelBevelsUseThePanelsStreamDefaults) {
  // BevelInner starts lowered although the panel's stream default is none, so the writer must
  // store it; BevelOuter keeps the panel's raised bevel and is omitted.
  ExpectFreshObjectHoldsStreamDefaults(TKIVScrollText::StaticClass(), {"BevelInner", "ParentFont"});
  TKIVScrollText text;
  EXPECT_EQ(text.BevelInner(), TBevelCut::bvLowered);
  EXPECT_EQ(text.BevelOuter(), TBevelCut::bvRaised);
  EXPECT_EQ(text.Width(), 201);
  EXPECT_EQ(text.Height(), 137);
  EXPECT_TRUE(text.Active());
  EXPECT_EQ(text.TimerIntervalMs(), 41u);
  EXPECT_EQ(text.Font()->Name(), "Arial");
}

TEST(ScrollText, LoadedMovesAnOldGlyphIntoAnEmptyPicture) {
  const std::vector<uint8_t> bmp = {'B', 'M', 1, 2, 3};
  const std::vector<uint8_t> png = {0x89, 'P', 'N', 'G'};

  TKIVScrollText old;
  old.BeginLoading();
  old.Glyph()->SetFileBytes(bmp);
  old.Loaded();
  EXPECT_EQ(old.Picture()->GraphicClassName(), "TBitmap");
  EXPECT_EQ(std::vector<uint8_t>(old.Picture()->FileBytes().begin(), old.Picture()->FileBytes().end()), bmp);
  EXPECT_TRUE(old.Glyph()->Empty());

  TKIVScrollText both;
  both.BeginLoading();
  both.Picture()->SetGraphic(TPictureFormat::Png, png);
  both.Glyph()->SetFileBytes(bmp);
  both.Loaded();
  EXPECT_EQ(both.Picture()->GraphicClassName(), "TPNGObject");
  EXPECT_TRUE(both.Glyph()->Empty());
}
