#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "controls/button.h"
#include "controls/cool_button.h"
#include "controls/cool_label.h"
#include "controls/hot_label.h"

namespace {

// Sets a property through the class table, as the stream reader does, and reads it back.
int64_t StoreAndRead(TPersistent& object, std::string_view name, int64_t value) {
  const TPropInfo* prop = object.ClassType().FindProperty(name);
  if (!prop || !prop->setOrdinal) {
    ADD_FAILURE() << "no writable property " << name;
    return 0;
  }
  prop->setOrdinal(object, value);
  return prop->getOrdinal(object);
}

int64_t Read(const TPersistent& object, std::string_view name) {
  const TPropInfo* prop = object.ClassType().FindProperty(name);
  if (!prop) {
    ADD_FAILURE() << "no property " << name;
    return 0;
  }
  return prop->getOrdinal(object);
}

const std::vector<const TClassInfo*>& AllClasses() {
  static const std::vector<const TClassInfo*> classes = {
      &TKIVButton::StaticClass(), &TKIVCoolButton::StaticClass(), &TKIVHotLabel::StaticClass(),
      &TKIVCoolLabel::StaticClass(), &TKIVCoolText::StaticClass()};
  return classes;
}

}  // namespace

TEST(ButtonsAndLabels, SettersClampStoredValues) {
  struct Case {
    const TClassInfo* cls;
    const char* property;
    int64_t stored;
    int64_t expected;
  };
  const Case cases[] = {
      {&TKIVCoolButton::StaticClass(), "GlyphNumber", 0, 1},
      {&TKIVCoolButton::StaticClass(), "GlyphNumber", -4, 1},
      {&TKIVCoolButton::StaticClass(), "GlyphNumber", 2, 2},
      {&TKIVCoolButton::StaticClass(), "GlyphNumber", 4, 3},
      {&TKIVCoolButton::StaticClass(), "Margin", -1, 0},
      {&TKIVCoolButton::StaticClass(), "Margin", 12, 12},
      {&TKIVCoolButton::StaticClass(), "StretchMargin", -8, 0},
      {&TKIVCoolButton::StaticClass(), "StretchMargin", 0, 0},
      {&TKIVCoolLabel::StaticClass(), "Angle", 450, 90},
      {&TKIVCoolLabel::StaticClass(), "Angle", -30, 330},
      {&TKIVCoolLabel::StaticClass(), "Angle", 360, 0},
      {&TKIVCoolLabel::StaticClass(), "Angle", -720, 0},
      {&TKIVCoolLabel::StaticClass(), "Angle", 359, 359},
      {&TKIVCoolLabel::StaticClass(), "HighLightOffset", -1, 0},
      {&TKIVCoolText::StaticClass(), "HighLightOffset", 3, 3},
      {&TKIVCoolText::StaticClass(), "OutLineWidth", -2, 0},
      {&TKIVCoolLabel::StaticClass(), "ShadowOffset", -3, 0},
      {&TKIVCoolText::StaticClass(), "ShadowOffset", 4, 4},
      // The effect distances stop at 100 pixels.
      {&TKIVCoolLabel::StaticClass(), "HighLightOffset", 101, 100},
      {&TKIVCoolLabel::StaticClass(), "OutLineWidth", 100, 100},
      {&TKIVCoolText::StaticClass(), "OutLineWidth", 1000, 100},
      {&TKIVCoolLabel::StaticClass(), "ShadowOffset", 2147483647, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls->Name() << "." << c.property << " = " << c.stored);
    std::unique_ptr<TPersistent> object = c.cls->Create();
    EXPECT_EQ(StoreAndRead(*object, c.property, c.stored), c.expected);
  }
}

TEST(ButtonsAndLabels, OpacityIsAPercentageThatStartsAtItsStreamDefault) {
  for (const TClassInfo* cls : AllClasses()) {
    SCOPED_TRACE(cls->Name());
    std::unique_ptr<TPersistent> object = cls->Create();
    const TPropInfo* opacity = cls->FindProperty("Opacity");
    ASSERT_NE(opacity, nullptr);
    EXPECT_EQ(opacity->streamDefault, 100);
    EXPECT_EQ(opacity->getOrdinal(*object), 100);
    EXPECT_EQ(StoreAndRead(*object, "Opacity", -1), 0);
    EXPECT_EQ(StoreAndRead(*object, "Opacity", 101), 100);
    EXPECT_EQ(StoreAndRead(*object, "Opacity", 50), 50);
  }
}

// A property that starts true but has no stream default must always be written: with the
// platform's default of false a stored false would be omitted and come back as true.
TEST(ButtonsAndLabels, AutoSizeStartsPerClassAndIsAlwaysWritten) {
  struct Case {
    const TClassInfo* cls;
    bool initial;
  };
  const Case cases[] = {{&TKIVHotLabel::StaticClass(), true},
                        {&TKIVCoolLabel::StaticClass(), true},
                        {&TKIVCoolText::StaticClass(), false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cls->Name());
    std::unique_ptr<TPersistent> object = c.cls->Create();
    const TPropInfo* autoSize = c.cls->FindProperty("AutoSize");
    ASSERT_NE(autoSize, nullptr);
    EXPECT_FALSE(autoSize->streamDefault.has_value());
    EXPECT_EQ(autoSize->getOrdinal(*object), c.initial);
    EXPECT_EQ(StoreAndRead(*object, "AutoSize", !c.initial), !c.initial);
  }
}

TEST(ButtonsAndLabels, ConstructorsGiveOwnSizeAndFont) {
  struct Case {
    const TClassInfo* cls;
    int32_t width, height;
    const char* fontName;
    int32_t fontSize;
    uint32_t fontStyle;
  };
  const Case cases[] = {
      {&TKIVButton::StaticClass(), 121, 33, "Arial", 9, fsBold},
      {&TKIVCoolButton::StaticClass(), 121, 33, "Arial", 9, fsBold},
      {&TKIVHotLabel::StaticClass(), 67, 16, "Arial", 8, fsBold},
      {&TKIVCoolLabel::StaticClass(), 80, 20, "Times New Roman", 20, fsBold},
      {&TKIVCoolText::StaticClass(), 80, 20, "Arial", 8, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cls->Name());
    std::unique_ptr<TPersistent> object = c.cls->Create();
    auto* control = As<TControl>(object.get());
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(control->Width(), c.width);
    EXPECT_EQ(control->Height(), c.height);
    EXPECT_EQ(control->Font()->Name(), c.fontName);
    EXPECT_EQ(control->Font()->Size(), c.fontSize);
    EXPECT_EQ(control->Font()->Style(), c.fontStyle);
    // An own font means the parent's font is not taken, so ParentFont differs from its default.
    EXPECT_FALSE(control->ParentFont());
  }
}

TEST(ButtonsAndLabels, CoolLabelAndCoolTextStartWithDifferentEffects) {
  TKIVCoolLabel label;
  TKIVCoolText text;
  EXPECT_EQ(label.FillStyle(), TKIVFillStyle::afsGradient);
  EXPECT_EQ(text.FillStyle(), TKIVFillStyle::afsNormal);
  EXPECT_EQ(label.OutLineColor(), clLime);
  EXPECT_EQ(text.OutLineColor(), clYellow);
  EXPECT_EQ(Read(text, "WordWrap"), 1);
  EXPECT_EQ(Read(label, "WMHandle"), 0);
}

TEST(ButtonsAndLabels, EnumerationsAcceptTheirValueNames) {
  struct Case {
    const TClassInfo* cls;
    const char* property;
    const char* value;
    int ordinal;
  };
  const Case cases[] = {
      {&TKIVButton::StaticClass(), "Style", "absHotSpot", 7},
      {&TKIVButton::StaticClass(), "Layout", "aglGlyphBottom", 3},
      {&TKIVCoolButton::StaticClass(), "Alignment", "taCenter", 2},
      {&TKIVCoolButton::StaticClass(), "TextStyle", "abtLowered", 1},
      {&TKIVHotLabel::StaticClass(), "Style", "aalGradBackground", 5},
      {&TKIVHotLabel::StaticClass(), "TextMode", "atmAntiAlias", 1},
      {&TKIVCoolText::StaticClass(), "Alignment", "taRightJustify", 1},
      {&TKIVCoolLabel::StaticClass(), "ShadowStyle", "acsSoft", 2},
      {&TKIVCoolLabel::StaticClass(), "Style", "aclOutLine", 2},
      {&TKIVCoolText::StaticClass(), "HighLightPosition", "apsRightBottom", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.cls->Name() << "." << c.property << " = " << c.value);
    const TPropInfo* prop = c.cls->FindProperty(c.property);
    ASSERT_NE(prop, nullptr);
    ASSERT_EQ(prop->kind, TPropKind::Enumeration);
    EXPECT_EQ(prop->enumType->IndexOf(c.value), c.ordinal);
  }
}

// Older documents stored the icon or skin as a plain bitmap; loading moves it into the picture
// property unless the document also stored that picture, and never keeps the old form.
TEST(ButtonsAndLabels, LegacyBitmapsMoveIntoEmptyPicturesOnLoad) {
  const std::vector<uint8_t> legacyBytes = {'B', 'M', 1, 2, 3};
  const std::vector<uint8_t> storedBytes = {0x89, 'P', 'N', 'G'};
  struct Case {
    const char* name;
    std::function<std::unique_ptr<TComponent>()> create;
    std::function<TBitmap*(TComponent&)> legacy;
    std::function<TPicture*(TComponent&)> target;
  };
  const Case cases[] = {
      {"TKIVButton.Glyph", [] { return std::make_unique<TKIVButton>(); },
       [](TComponent& c) { return static_cast<TKIVButton&>(c).Glyph(); },
       [](TComponent& c) { return static_cast<TKIVButton&>(c).ImgIcon(); }},
      {"TKIVCoolButton.Glyph", [] { return std::make_unique<TKIVCoolButton>(); },
       [](TComponent& c) { return static_cast<TKIVCoolButton&>(c).Glyph(); },
       [](TComponent& c) { return static_cast<TKIVCoolButton&>(c).Picture(); }},
      {"TKIVCoolButton.Image", [] { return std::make_unique<TKIVCoolButton>(); },
       [](TComponent& c) { return static_cast<TKIVCoolButton&>(c).Image(); },
       [](TComponent& c) { return static_cast<TKIVCoolButton&>(c).ImgIcon(); }},
  };
  for (const Case& c : cases) {
    for (bool targetStored : {false, true}) {
      SCOPED_TRACE(testing::Message() << c.name << (targetStored ? " with" : " without") << " stored picture");
      std::unique_ptr<TComponent> control = c.create();
      control->BeginLoading();
      if (targetStored) c.target(*control)->SetGraphic(TPictureFormat::Png, storedBytes);
      c.legacy(*control)->SetFileBytes(legacyBytes);
      control->Loaded();

      const TPicture& target = *c.target(*control);
      EXPECT_TRUE(c.legacy(*control)->Empty());
      EXPECT_EQ(target.GraphicClassName(), targetStored ? "TPNGObject" : "TBitmap");
      const auto& expected = targetStored ? storedBytes : legacyBytes;
      EXPECT_EQ(std::vector<uint8_t>(target.FileBytes().begin(), target.FileBytes().end()), expected);
    }
  }
}
