#include "document/component_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/read_error.h"
#include "document/byte_source.h"
#include "document/stream_builder.h"
#include "document/test_classes.h"

namespace {

struct TLoad {
  TComponent app;  // owner of top-level components, for root naming
  TTestRoot* root = nullptr;
  std::string error;
  std::vector<std::string> skipped;

  explicit TLoad(const std::vector<uint8_t>& bytes, bool skipUnknown = true) {
    root = static_cast<TTestRoot*>(app.InsertComponent(std::make_unique<TTestRoot>()));
    TMemorySource source(bytes);
    TStreamInput input(source);
    TReadOptions options;
    options.skipUnknownProperties = skipUnknown;
    options.onUnknownProperty = [this](std::string_view owner, std::string_view path) {
      skipped.push_back(std::string(owner) + "." + std::string(path));
    };
    try {
      ReadRootComponent(input, *root, TestRegistry(), options);
    } catch (const EReadError& e) {
      error = e.what();
    }
  }
  TTestControl* Control(const std::string& name) const { return static_cast<TTestControl*>(root->FindComponent(name)); }
};

// A document with one TTestControl "C" whose property list is written by props.
std::vector<uint8_t> OneControl(const std::function<void(TStreamBuilder&)>& props) {
  TStreamBuilder b;
  b.Begin("TTestRoot", "Root").End();
  b.Begin("TTestControl", "C");
  props(b);
  b.End().End();  // properties, children
  b.End();        // root's children
  return b.Bytes();
}

TEST(ComponentReader, ReadsEveryValueKindIntoItsProperty) {
  TLoad load(OneControl([](TStreamBuilder& b) {
    b.Prop("Count").WriteInteger(-300);
    b.Prop("Shade").WriteIdent("clbtnface");
    b.Prop("Mode").WriteIdent("TMTHIRD");
    b.Prop("Flag").WriteBoolean(true);
    b.Prop("Styles").WriteSet({"fsItalic", "FSSTRIKEOUT"});
    b.Prop("Caption").WriteUtf8String("Ça va");
    b.Prop("Text").WriteByteString("\xE2\x82\xAC");  // the euro sign is byte 0x80 in Windows-1252
    b.Prop("Letter").WriteWideString("\xF0\x9F\x98\x80");  // one character outside the BMP
    b.Prop("Ratio").WriteExtended(0.1);
    b.Prop("Small").WriteSingle(2.5f);
    b.Prop("Money").WriteCurrency(12345);
    b.Prop("When").WriteDate(36526.5);
    b.Prop("Big").WriteInteger(int64_t{1} << 40);
    b.Prop("Font.Style").WriteSet({});
    b.Prop("Font.Name").WriteString("Arial");
    b.Prop("Visible").WriteBoolean(false);
  }));
  ASSERT_EQ(load.error, "");
  TTestControl* c = load.Control("C");
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->m_count, 0) << "the setter clamps what the document stored";
  EXPECT_EQ(c->m_shade, clBtnFace);
  EXPECT_EQ(static_cast<uint32_t>(c->m_shade), 0xFF00000Fu);
  EXPECT_EQ(c->m_mode, TTestMode::tmThird);
  EXPECT_TRUE(c->m_flag);
  EXPECT_EQ(c->m_styles, fsItalic | fsStrikeOut);
  EXPECT_EQ(c->Caption(), "Ça va");
  EXPECT_EQ(c->m_text, "\xE2\x82\xAC");
  EXPECT_EQ(c->m_letter, "\xF0\x9F\x98\x80");
  EXPECT_EQ(c->m_ratio, 0.1);
  EXPECT_EQ(c->m_small, 2.5);
  EXPECT_EQ(c->m_money, 1.2345);
  EXPECT_EQ(c->m_when, 36526.5);
  EXPECT_EQ(c->m_big, int64_t{1} << 40);
  EXPECT_EQ(c->Font()->Style(), 0u);
  EXPECT_EQ(c->Font()->Name(), "Arial");
  EXPECT_FALSE(c->ParentFont()) << "changing the font stops taking the parent's";
  EXPECT_FALSE(c->Visible());
  EXPECT_EQ(c->StoredPaths().front(), "Count");
}

TEST(ComponentReader, ConvertsExtendedFloatsExactly) {
  struct TCase {
    uint8_t bytes[10];
    double expected;
  };
  const TCase cases[] = {
      {{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}, 1.0},
      {{0, 0, 0, 0, 0, 0, 0, 0xC0, 0xFF, 0xBF}, -1.5},
      {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.0},
      {{0, 0, 0, 0, 0, 0, 0, 0x80, 0x0A, 0x40}, 2048.0},
      // 1/3 in extended precision rounds to the double nearest to it.
      {{0xAB, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xAA, 0xFD, 0x3F}, 1.0 / 3.0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(ExtendedToDouble(c.bytes), c.expected);
    uint8_t back[10];
    DoubleToExtended(c.expected, back);
    EXPECT_EQ(ExtendedToDouble(back), c.expected);
  }
  const uint8_t infinity[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F};
  EXPECT_TRUE(std::isinf(ExtendedToDouble(infinity)));
}

TEST(ComponentReader, WrapsPropertyErrorsWithOwnerAndPath) {
  struct TCase {
    std::string name;
    std::function<void(TStreamBuilder&)> props;
    std::string expected;
  };
  const std::vector<TCase> cases = {
      {"wrong code", [](TStreamBuilder& b) { b.Prop("Count").WriteString("x"); },
       "Error reading C.Count: Invalid property value"},
      {"int64 code for a 32-bit property", [](TStreamBuilder& b) { b.Prop("Count").WriteInteger(int64_t{1} << 40); },
       "Error reading C.Count: Invalid property value"},
      {"enumeration name outside the type", [](TStreamBuilder& b) { b.Prop("Mode").WriteIdent("tmFourth"); },
       "Error reading C.Mode: Invalid property value"},
      {"unknown set element", [](TStreamBuilder& b) { b.Prop("Styles").WriteSet({"fsBold", "fsShadow"}); },
       "Error reading C.Styles: Invalid property value"},
      {"colour name not in the table", [](TStreamBuilder& b) { b.Prop("Shade").WriteIdent("clPink"); },
       "Error reading C.Shade: Invalid property value"},
      {"identifier for a plain integer", [](TStreamBuilder& b) { b.Prop("Count").WriteIdent("clRed"); },
       "Error reading C.Count: Invalid property value"},
      {"two characters for a character", [](TStreamBuilder& b) { b.Prop("Letter").WriteString("ab"); },
       "Error reading C.Letter: Invalid property value"},
      {"event bound to a method the root lacks", [](TStreamBuilder& b) { b.Prop("OnClick").WriteIdent("Button1Click"); },
       "Error reading C.OnClick: Invalid property value"},
      {"read-only property", [](TStreamBuilder& b) { b.Prop("Fixed").WriteInteger(1); },
       "Error reading C.Fixed: Property is read-only"},
      {"path through a non-object", [](TStreamBuilder& b) { b.Prop("Caption.Size").WriteInteger(1); },
       "Error reading C.Caption.Size: Invalid property path"},
      {"single code for an extended property", [](TStreamBuilder& b) { b.Prop("Ratio").WriteSingle(1); },
       "Error reading C.Ratio: Invalid property value"},
      {"binary claiming more than the input holds",
       [](TStreamBuilder& b) {
         b.Prop("Sound.Data").WriteValueType(TValueType::vaBinary);
         for (uint8_t byte : {0xF0, 0xFF, 0xFF, 0x7F}) b.Bytes().push_back(byte);
       },
       "Error reading C.Sound.Data: Stream read error"},
      {"data count beyond its binary value",
       [](TStreamBuilder& b) { b.Prop("Sound.Data").WriteBinary(std::vector<uint8_t>{9, 0, 0, 0, 1, 2}); },
       "Error reading C.Sound.Data: Stream read error"},
      {"unknown type code", [](TStreamBuilder& b) { b.Prop("Count").WriteValueType(static_cast<TValueType>(21)); },
       "Error reading C.Count: Invalid property value"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TLoad load(OneControl(c.props));
    EXPECT_EQ(load.error, c.expected);
  }
}

TEST(ComponentReader, ReportsStructuralErrorsUnwrapped) {
  struct TCase {
    std::string name;
    std::vector<uint8_t> bytes;
    std::string expected;
  };
  std::vector<TCase> cases;
  cases.push_back({"bad signature", {'T', 'P', 'F', '1', 0, 0, 0, 0}, "Invalid stream format"});
  cases.push_back({"empty input", {}, "Invalid stream format"});
  {
    TStreamBuilder b;
    b.Begin("TTestRoot", "Root").End().Begin("TButton", "B").End().End().End();
    cases.push_back({"class not registered", b.Bytes(), "Class TButton not found"});
  }
  {
    TStreamBuilder b;
    b.Begin("TTestRoot", "Root").End().Begin("TPersistent", "P").End().End().End();
    cases.push_back({"registered class that is no component", b.Bytes(), "Class TPersistent not found"});
  }
  {
    TStreamBuilder b;
    b.Begin("TTestRoot", "Root").End().Begin("TTestControl", "Missing", 0x01).End().End().End();
    cases.push_back({"inherited record without its ancestor", b.Bytes(), "Ancestor for 'Missing' not found"});
  }
  {
    TStreamBuilder b;
    b.Begin("TTestRoot", "Root").End().Begin("TTestControl", "1st").End().End().End();
    cases.push_back({"invalid name", b.Bytes(), "''1st'' is not a valid component name"});
  }
  {
    TStreamBuilder b;
    b.Begin("TTestRoot", "Root").End();
    b.Begin("TTestControl", "Twin").End().End();
    b.Begin("TTestControl", "TWIN").End().End().End();
    cases.push_back({"duplicate name ignoring case", b.Bytes(), "A component named TWIN already exists"});
  }
  {
    std::vector<uint8_t> bytes = OneControl([](TStreamBuilder& b) { b.Prop("Count").WriteInteger(1000); });
    bytes.resize(bytes.size() - 3);
    cases.push_back({"truncated", bytes, "Stream read error"});
  }
  {
    TStreamBuilder b;
    b.Begin("TTestRoot", "Root").End();
    for (int i = 0; i < 1000; ++i) b.Begin("TTestPanel", "").End();
    cases.push_back({"nesting deeper than any menu", b.Bytes(), "Invalid stream format"});
  }
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TLoad load(c.bytes);
    EXPECT_EQ(load.error, c.expected);
  }
}

TEST(ComponentReader, SkipsUnknownPropertiesOrFailsWhenStrict) {
  auto bytes = OneControl([](TStreamBuilder& b) {
    b.Prop("Bogus").WriteListBegin();
    b.Out().WriteInteger(5);
    b.Out().WriteBinary(std::vector<uint8_t>(300, 1));
    b.Out().WriteListEnd();
    b.Prop("Font.Bogus").WriteSet({"a", "b"});
    b.Prop("Nothing.Here").WriteExtended(2);
    b.Prop("Count").WriteInteger(42);
  });
  TLoad lenient(bytes);
  EXPECT_EQ(lenient.error, "");
  EXPECT_EQ(lenient.Control("C")->m_count, 42);
  EXPECT_EQ(lenient.skipped, (std::vector<std::string>{"C.Bogus", "C.Font.Bogus", "C.Nothing.Here"}));
  EXPECT_EQ(lenient.Control("C")->StoredPaths(), std::vector<std::string>{"Count"});

  TLoad strict(bytes, false);
  EXPECT_EQ(strict.error, "Error reading C.Bogus: Property Bogus does not exist");
}

TEST(ComponentReader, BuildsTheTreeInOrderAndNotifiesAfterLoading) {
  LoadedLog().clear();
  TStreamBuilder b;
  b.Begin("TTestRoot", "Root");
  b.Prop("OnClick");  // unknown on the root's class: skipped
  b.Out().WriteIdent("FormCreate");
  b.End();
  b.Begin("TTestPanel", "Panel").End();
  b.Begin("TTestControl", "Inner");
  b.Prop("Buddy").WriteIdent("Later");
  b.End().End();
  b.End();  // Panel's children
  b.Begin("TTestControl", "First").End().End();
  b.Begin("TTestTimer", "Timer");
  b.Prop("Left").WriteInteger(24);
  b.Prop("Top").WriteInteger(-8);
  b.End().End();
  b.Begin("TTestControl", "Later", 0, 0);  // the child-position prefix moves it to the front
  b.Prop("Buddy").WriteIdent("Nobody");
  b.Prop("OnClick").WriteIdent("formcreate");
  b.End().End();
  b.End();
  TLoad load(b.Bytes());
  ASSERT_EQ(load.error, "");

  EXPECT_EQ(LoadedLog(), (std::vector<std::string>{"root:Root", "Panel", "Inner", "First", "Later"}));
  auto* panel = static_cast<TTestPanel*>(load.root->FindComponent("Panel"));
  auto* inner = load.Control("Inner");
  auto* later = load.Control("Later");
  ASSERT_TRUE(panel && inner && later);
  EXPECT_EQ(inner->Parent(), panel) << "children of a container are parented to it";
  EXPECT_EQ(inner->Owner(), load.root) << "but owned by the root";
  ASSERT_EQ(load.root->Controls().size(), 3u);
  EXPECT_EQ(load.root->Controls()[0], later);
  EXPECT_EQ(inner->m_buddy, later) << "references resolve after the whole tree is read";
  EXPECT_EQ(later->m_buddy, nullptr) << "an unknown name stays unset";
  EXPECT_EQ(later->EventBinding("OnClick"), "formcreate");
  auto* timer = load.root->FindComponent("Timer");
  EXPECT_EQ(timer->DesignLeft(), 24);
  EXPECT_EQ(timer->DesignTop(), -8);
}

TEST(ComponentReader, GivesTheRootAUniqueTopLevelName) {
  TStreamBuilder b;
  b.Begin("TfrmDesign", "frmDesign").End().End();
  TComponent app;
  app.InsertComponent(std::make_unique<TComponent>())->SetName("frmDesign");
  app.InsertComponent(std::make_unique<TComponent>())->SetName("frmDesign_1");
  auto* root = static_cast<TTestRoot*>(app.InsertComponent(std::make_unique<TTestRoot>()));
  TMemorySource source(b.Bytes());
  TStreamInput input(source);
  ReadRootComponent(input, *root, TestRegistry());
  EXPECT_EQ(root->Name(), "frmDesign_2");
}

TEST(ComponentReader, DestroysTheFailedRecordAndWhatWasReadInsideIt) {
  TStreamBuilder b;
  b.Begin("TTestRoot", "Root").End();
  b.Begin("TTestControl", "Kept").End().End();
  b.Begin("TTestPanel", "Broken").End();
  b.Begin("TTestControl", "Child").End().End();
  b.Begin("TTestControl", "Bad");
  b.Prop("Mode").WriteIdent("nonsense");
  b.End().End().End().End();
  TLoad load(b.Bytes());
  EXPECT_EQ(load.error, "Error reading Bad.Mode: Invalid property value");
  ASSERT_EQ(load.root->Components().size(), 1u);
  EXPECT_EQ(load.root->Components()[0]->Name(), "Kept");
  EXPECT_EQ(load.root->Controls().size(), 1u);
}

TEST(ComponentReader, ReadsListsCollectionsAndPayloads) {
  TLoad load(OneControl([](TStreamBuilder& b) {
    b.Prop("Lines.Strings").WriteListBegin();
    b.Out().WriteUtf8String("één");
    b.Out().WriteString("two");
    b.Out().WriteWideString("three");
    b.Out().WriteListEnd();
    b.Prop("Items").WriteValueType(TValueType::vaCollection);
    b.Out().WriteInteger(0);  // an item index, skipped
    b.Out().WriteListBegin();
    b.Prop("Label").WriteString("a");
    b.Prop("Weight").WriteInteger(3);
    b.Out().WriteListEnd();
    b.Out().WriteListBegin();
    b.Out().WriteListEnd();
    b.Out().WriteListEnd();
    b.Prop("Sound.Data").WriteBinary(std::vector<uint8_t>{3, 0, 0, 0, 'R', 'I', 'F', 'x'});
    b.Prop("IsControl").WriteBoolean(true);
  }));
  ASSERT_EQ(load.error, "");
  TTestControl* c = load.Control("C");
  EXPECT_EQ(c->m_lines.Lines(), (std::vector<std::string>{"één", "two", "three"}));
  ASSERT_EQ(c->m_items.Count(), 2);
  EXPECT_EQ(static_cast<TTestItem*>(c->m_items.Item(0))->m_label, "a");
  EXPECT_EQ(static_cast<TTestItem*>(c->m_items.Item(0))->m_weight, 3);
  EXPECT_EQ(std::vector<uint8_t>(c->m_sound.Bytes().begin(), c->m_sound.Bytes().end()),
            (std::vector<uint8_t>{'R', 'I', 'F'}));
  EXPECT_TRUE(c->IsControl());
}

TEST(ComponentReader, CollectionErrorsNameTheItem) {
  TLoad load(OneControl([](TStreamBuilder& b) {
    b.Prop("Items").WriteValueType(TValueType::vaCollection);
    b.Out().WriteListBegin();
    b.Prop("Weight").WriteString("heavy");
    b.Out().WriteListEnd();
    b.Out().WriteListEnd();
  }));
  EXPECT_EQ(load.error, "Error reading C.Items: Error reading TTestItem.Weight: Invalid property value");
}

}  // namespace
