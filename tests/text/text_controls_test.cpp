#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/stored_defaults.h"
#include "text/html_label.h"
#include "text/rich_edit.h"
#include "text/text_box.h"

TEST(TextControls, OpacityIsClampedOnLoad) {
  struct Case {
    int64_t stored;
    int64_t expected;
  };
  const Case cases[] = {{150, 100}, {-5, 0}, {40, 40}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    TKIVHtmlLabel label;
    TKIVTextBox box;
    EXPECT_EQ(SetAndRead(label, "Opacity", c.stored), c.expected);
    EXPECT_EQ(SetAndRead(box, "Opacity", c.stored), c.expected);
  }
}

TEST(TextControls, FreshObjectsDifferFromStreamDefaultsOnlyWhereTheConstructorSaysSo) {
  // The text box is a read-only arrow-cursor memo in Arial; the rich edit is read-only, no tab
  // stop, without in-place objects or their verb menu, although its base stores the opposite.
  ExpectFreshObjectHoldsStreamDefaults(TKIVTextBox::StaticClass(), {"Cursor", "ParentColor", "ParentFont"});
  ExpectFreshObjectHoldsStreamDefaults(TKIVRichEdit::StaticClass(),
                                       {"Cursor", "ReadOnly", "TabStop", "AllowInPlace", "AutoVerbMenu"});
  ExpectFreshObjectHoldsStreamDefaults(TKIVHtmlLabel::StaticClass(), {});
}

TEST(TextControls, TextBoxSingleLineKeepsTheFirstLineAndDropsScrollBars) {
  TKIVTextBox box;
  box.Lines()->SetLines({"one", "two", "three"});
  SetAndRead(box, "ScrollBars", static_cast<int64_t>(TScrollStyle::ssVertical));
  EXPECT_EQ(SetAndRead(box, "SingleLine", 1), 1);
  EXPECT_EQ(box.Lines()->Lines(), std::vector<std::string>{"one"});
  EXPECT_EQ(box.ScrollBars(), TScrollStyle::ssNone);

  box.Lines()->SetLines({"a", "b"});
  SetAndRead(box, "ScrollBars", static_cast<int64_t>(TScrollStyle::ssBoth));
  SetAndRead(box, "SingleLine", 0);
  EXPECT_EQ(box.Lines()->Count(), 2);
  EXPECT_EQ(box.ScrollBars(), TScrollStyle::ssBoth);
}

TEST(TextControls, MemoTextSplitsAtEveryKindOfLineBreak) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
    std::string joined;
  };
  const Case cases[] = {
      {"", {}, ""},
      {"a\r\nb\rc\nd", {"a", "b", "c", "d"}, "a\r\nb\r\nc\r\nd"},
      {"a\r\n", {"a"}, "a"},
      {"a\n\nb", {"a", "", "b"}, "a\r\n\r\nb"},
  };
  const TPropInfo* text = TKIVTextBox::StaticClass().FindProperty("Text");
  ASSERT_NE(text, nullptr);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.text));
    TKIVTextBox box;
    text->setString(box, c.text);
    EXPECT_EQ(box.Lines()->Lines(), c.lines);
    EXPECT_EQ(text->getString(box), c.joined);
  }
}

TEST(TextControls, RichEditDesignModeChangeSetsTheCursor) {
  TKIVRichEdit edit;
  EXPECT_EQ(SetAndRead(edit, "Cursor", crHandPoint), crHandPoint);
  SetAndRead(edit, "DesignMode", 0);  // unchanged: the cursor stays
  EXPECT_EQ(edit.Cursor(), crHandPoint);
  SetAndRead(edit, "DesignMode", 1);
  EXPECT_EQ(edit.Cursor(), -2);  // arrow
  SetAndRead(edit, "DesignMode", 0);
  EXPECT_EQ(edit.Cursor(), crDefault);
}

TEST(TextControls, PlatformSetsAndEnumerationsReadByName) {
  const TClassInfo& cls = TKIVRichEdit::StaticClass();
  EXPECT_EQ(cls.FindProperty("Alignment")->enumType->IndexOf("taCenter"), 2);
  EXPECT_EQ(cls.FindProperty("ScrollBars")->enumType->IndexOf("ssVertical"), 2);
  EXPECT_EQ(cls.FindProperty("StreamFormat")->enumType->IndexOf("sfPlainText"), 2);
  EXPECT_EQ(cls.FindProperty("LangOptions")->enumType->IndexOf("rlImeAlwaysSendNotify"), 3);
  EXPECT_EQ(cls.FindProperty("ClipboardCommands")->enumType->IndexOf("caUndo"), 4);
  EXPECT_EQ(cls.FindProperty("StreamMode")->enumType->IndexOf("smUnicode"), 3);
  EXPECT_EQ(cls.FindProperty("BorderStyle")->enumType->IndexOf("bsNone"), 0);
  // The text box publishes the memo's lines; the rich edit keeps its text in RichLines only.
  EXPECT_NE(TKIVTextBox::StaticClass().FindProperty("Lines"), nullptr);
  EXPECT_EQ(cls.FindProperty("Lines"), nullptr);
}
