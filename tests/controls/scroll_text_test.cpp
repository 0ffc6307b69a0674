#include "controls/scroll_text.h"
#include "controls/scroll_text_motion.h"

#include <gtest/gtest.h>

#include <vector>

#include "stored_defaults.h"
#include "support/gui_application.h"
#include "test_pictures.h"

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

using enum TKIVScrollTextDirection;

template <class E>
std::string_view Name(E value) {
  return EnumTypeOf<E>().values[static_cast<size_t>(value)];
}

TEST(ScrollText, RestartPositionsPerDirection) {
  // A 100 x 80 area and a 40 x 60 block: across the movement the block is aligned, along it it
  // starts just outside the area on the side it comes in from; a stopped text sits at the top.
  const TSize area{100, 80}, text{40, 60};
  struct Case {
    TKIVScrollTextDirection direction;
    bool active;
    TAlignment alignment;
    TPoint start;
  };
  const Case cases[] = {
      {asdBottomToTop, true, TAlignment::taLeftJustify, {0, 80}},
      {asdBottomToTop, true, TAlignment::taRightJustify, {60, 80}},
      {asdBottomToTop, true, TAlignment::taCenter, {30, 80}},
      {asdTopToBottom, true, TAlignment::taCenter, {30, -60}},
      {asdRightToLeft, true, TAlignment::taCenter, {100, 0}},
      {asdLeftToRight, true, TAlignment::taRightJustify, {-40, 0}},
      {asdRightToLeft, false, TAlignment::taRightJustify, {60, 0}},
      {asdBottomToTop, false, TAlignment::taCenter, {30, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << Name(c.direction) << " active " << c.active << " "
                                    << Name(c.alignment));
    EXPECT_EQ(ScrollRestartPosition(c.direction, c.active, c.alignment, area, text), c.start);
  }
}

TEST(ScrollText, BlockRunsThroughTheAreaAndStartsOver) {
  // Each direction: from its start the block moves one pixel a tick until it lies wholly beyond
  // the far edge (a 60-pixel block in a 100-pixel area runs from 100 to -60), and the next tick
  // puts it back at the start.
  const TSize area{100, 100}, text{60, 60};
  struct Case {
    TKIVScrollTextDirection direction;
    TPoint last;
  };
  const Case cases[] = {
      {asdBottomToTop, {20, -60}},
      {asdTopToBottom, {20, 100}},
      {asdRightToLeft, {-60, 0}},
      {asdLeftToRight, {100, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Name(c.direction));
    const TPoint start = ScrollRestartPosition(c.direction, true, TAlignment::taCenter, area, text);
    TPoint at = start;
    for (int tick = 0; tick < 160; ++tick) {
      const TPoint next = ScrollStep(at, c.direction, TAlignment::taCenter, area, text);
      ASSERT_EQ(std::abs(next.x - at.x) + std::abs(next.y - at.y), 1) << "tick " << tick;
      at = next;
    }
    EXPECT_EQ(at, c.last);
    EXPECT_EQ(ScrollStep(at, c.direction, TAlignment::taCenter, area, text), start);
  }
}

TEST(ScrollText, PictureSideGivesUpItsSizePlusSix) {
  // A 200 x 100 control with a frame of 3 (bevels of 1, border 1) and a 20 x 10 picture.
  struct Case {
    TKIVGlyphLayout layout;
    TRect area;
    TPoint picture;
  };
  const Case cases[] = {
      {TKIVGlyphLayout::aglGlyphLeft, {31, 5, 195, 95}, {7, 45}},
      {TKIVGlyphLayout::aglGlyphRight, {5, 5, 169, 95}, {173, 45}},
      {TKIVGlyphLayout::aglGlyphTop, {5, 21, 195, 95}, {90, 7}},
      {TKIVGlyphLayout::aglGlyphBottom, {5, 5, 195, 79}, {90, 83}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Name(c.layout));
    const TScrollTextFrame frame{{200, 100}, 3, {20, 10}, c.layout};
    EXPECT_EQ(ScrollTextArea(frame), c.area);
    EXPECT_EQ(ScrollPictureOrigin(frame), c.picture);
    EXPECT_EQ(ScrollTextArea({{200, 100}, 3, {}, c.layout}), (TRect{5, 5, 195, 95})) << "no picture";
  }
}

TEST(ScrollText, ControlLaysOutItsPictureAndFrame) {
  EnsureGuiApplication();
  TKIVScrollText text;
  text.SetBounds(0, 0, 200, 100);
  EXPECT_EQ(text.TextArea(), (TRect{4, 4, 196, 96})) << "two bevels of 1, no border, a margin of 2";
  SetBitmap(*text.Picture(), 20, 10, std::vector<TColor>(200, clRed));
  EXPECT_EQ(text.TextArea(), (TRect{30, 4, 196, 96}));
  text.SetGlyphLayout(TKIVGlyphLayout::aglGlyphBottom);
  EXPECT_EQ(text.TextArea(), (TRect{4, 4, 196, 80}));
}

TEST(ScrollText, ChangesRestartTheBlockAtTheTopOfTheArea) {
  // Loading starts the block below the area; a change of the lines, alignment, direction, size
  // or text mode puts it at the top (aligned), from where it scrolls on.
  EnsureGuiApplication();
  TKIVScrollText text;
  text.BeginLoading();
  text.SetBounds(0, 0, 200, 100);
  TStrings lines;
  lines.Add("One line");
  text.SetStrings(lines);
  text.Loaded();
  const TRect area = text.TextArea();
  EXPECT_EQ(text.ScrollPosition(), (TPoint{0, area.Height()}));
  const TSize size = text.TextSize();
  EXPECT_GT(size.width, 0);
  EXPECT_GT(size.height, 0);

  // The block starts right-aligned once the alignment changes, and stays so.
  struct Case {
    const char* change;
    void (*apply)(TKIVScrollText&);
  };
  const Case cases[] = {
      {"alignment", [](TKIVScrollText& t) { t.SetAlignment(TAlignment::taRightJustify); }},
      {"direction", [](TKIVScrollText& t) { t.SetScrollDirection(asdLeftToRight); }},
      {"size", [](TKIVScrollText& t) { t.SetBounds(0, 0, 150, 100); }},
      {"text mode", [](TKIVScrollText& t) { t.SetTextMode(TKIVTextRenderMode::atmAntiAlias); }},
      {"lines", [](TKIVScrollText& t) {
         TStrings two;
         two.SetLines({"One line", "and another"});
         t.SetStrings(two);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.change);
    text.Tick();
    text.Tick();
    c.apply(text);
    EXPECT_EQ(text.ScrollPosition(), (TPoint{text.TextArea().Width() - text.TextSize().width, 0}));
  }
}
