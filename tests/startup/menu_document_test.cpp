// Whole menu documents: the class catalogue, every property of every class through the
// reader and writer, and the value rules of the menu window.

#include <gtest/gtest.h>

#include <functional>

#include "model/message_texts.h"
#include "model/picture.h"
#include "model/read_error.h"
#include "model/strings.h"
#include "document/byte_source.h"
#include "document/component_reader.h"
#include "document/component_writer.h"
#include "startup/main_window.h"
#include "document/stream_output.h"
#include "document/text_form.h"
#include "support/menu_registry.h"

namespace {

struct TMenuLoad {
  TComponent app;
  TfrmMain* window;
  std::string error;

  explicit TMenuLoad(const std::vector<uint8_t>& stream, bool strict = false) : window(CreateMainWindow(app)) {
    TMemorySource source(stream);
    TStreamInput input(source);
    TReadOptions options;
    options.skipUnknownProperties = !strict;
    try {
      ReadRootComponent(input, *window, MenuRegistry(), options);
    } catch (const EReadError& e) {
      error = e.what();
    }
  }
  static TMenuLoad FromText(std::string_view text) { return TMenuLoad(ObjectTextToBinary(text)); }
};

// Writes a value for every published property of object's class (and, through dotted paths,
// of its owned sub-objects), chosen from the property's own description.
void WriteEveryProperty(TPersistent& object, const std::string& prefix, TStreamOutput& out, int depth = 0) {
  for (const TPropInfo* prop : object.ClassType().AllProperties()) {
    const std::string path = prefix + std::string(prop->name);
    if (prop->kind == TPropKind::Object) {
      TPersistent* sub = prop->getObject(object);
      if (!sub || depth > 3) continue;
      if (As<TStrings>(sub)) {
        out.WriteShortString(path + ".Strings");
        out.WriteListBegin();
        out.WriteString("line one");
        out.WriteUtf8String("línea dos");
        out.WriteListEnd();
      } else if (sub->ClassType().FindDefined("Data")) {
        out.WriteShortString(path + ".Data");
        if (As<TPicture>(sub))
          out.WriteBinary(std::vector<uint8_t>{7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 2, 0, 0, 0, 'B', 'M'});
        else  // data holders and single-format graphics: a count, then the bytes
          out.WriteBinary(std::vector<uint8_t>{2, 0, 0, 0, 'B', 'M'});
      } else {
        WriteEveryProperty(*sub, path + ".", out, depth + 1);
      }
      continue;
    }
    if (!prop->IsWritable()) continue;
    if (prop->name == std::string_view("Name")) continue;  // names are the record's own
    out.WriteShortString(path);
    switch (prop->kind) {
      case TPropKind::Integer: out.WriteInteger(prop->streamDefault.value_or(0) + 1); break;
      case TPropKind::Int64: out.WriteInteger(int64_t{1} << 33); break;
      case TPropKind::Char: out.WriteString("x"); break;
      case TPropKind::Enumeration: out.WriteIdent(prop->enumType->values.back()); break;
      case TPropKind::Set: {
        std::vector<std::string> all(prop->enumType->values.begin(), prop->enumType->values.end());
        out.WriteSet(all);
        break;
      }
      case TPropKind::Float: out.WriteExtended(1.5); break;
      case TPropKind::String: out.WriteUtf8String("“quoted” text"); break;
      case TPropKind::Reference: out.WriteNil(); break;
      case TPropKind::Event: out.WriteIdent("FormShow"); break;
      case TPropKind::Object: break;
    }
  }
}

TEST(MenuCatalogue, RegistersTheMenuClassesInOrderWithTheirAncestors) {
  const std::vector<std::string> menuClasses = {
      "TKIVHotLabel",     "TKIVButton",        "TKIVCoolButton",        "TKIVCoolLabel",
      "TKIVCoolText",     "TKIVShape",         "TKIVTextAnimator",      "TKIVScrollText",
      "TKIVTextBox",      "TKIVImage",         "TKIVCommentShower",     "TKIVGraphicCommentShower",
      "TKIVThreadTimer",  "TKIVFlash",         "TKIVWebBrowser",        "TKIVMediaPlayer",
      "TKIVRichEdit",     "TKIVPDFViewer",     "TKIVHtmlLabel",         "TKIVAudierePlayer"};
  std::vector<std::string> registered;
  for (const TClassInfo* cls : MenuRegistry().Classes()) registered.emplace_back(cls->Name());
  size_t previous = 0;
  for (const std::string& name : menuClasses) {
    auto it = std::find(registered.begin(), registered.end(), name);
    ASSERT_NE(it, registered.end()) << name;
    EXPECT_GE(static_cast<size_t>(it - registered.begin()), previous) << name << " is out of order";
    previous = static_cast<size_t>(it - registered.begin());
  }
  for (const char* ancestor : {"TKIVActionControl", "TKIVStaticActionControl", "TKIVImageControl", "TWA2SkinUI"}) {
    const TClassInfo* cls = MenuRegistry().FindClass(ancestor);
    ASSERT_NE(cls, nullptr) << ancestor;
    EXPECT_NE(cls->Create(), nullptr) << ancestor << " is constructible from a document";
  }
  EXPECT_NE(MenuRegistry().FindClass("tkivbutton"), nullptr) << "names match ignoring case";
}

TEST(MenuCatalogue, EveryPropertyOfEveryClassLoadsAndWritesBackUnchanged) {
  std::vector<uint8_t> stream;
  TStreamOutput out(stream);
  out.WriteSignature();
  out.WriteShortString("TfrmDesign");
  out.WriteShortString("frmDesign");
  TComponent scratch;
  WriteEveryProperty(*CreateMainWindow(scratch), "", out);
  out.WriteEnd();
  int index = 0;
  for (const TClassInfo* cls : MenuRegistry().Classes()) {
    if (!cls->IsComponent()) continue;
    std::unique_ptr<TPersistent> instance = cls->Create();
    if (!instance) continue;
    out.WriteShortString(cls->Name());
    out.WriteShortString("Item" + std::to_string(++index));
    WriteEveryProperty(*instance, "", out);
    out.WriteEnd();
    out.WriteEnd();  // no children
  }
  out.WriteEnd();

  TMenuLoad first(stream, true);
  ASSERT_EQ(first.error, "");
  EXPECT_EQ(first.window->Components().size(), static_cast<size_t>(index));
  std::vector<uint8_t> written = WriteRootComponent(*first.window);
  std::string text = ObjectBinaryToText(written);
  TMenuLoad second(ObjectTextToBinary(text), true);
  ASSERT_EQ(second.error, "");
  EXPECT_EQ(ObjectBinaryToText(WriteRootComponent(*second.window)), text);
}

TEST(MenuWindow, ClampsStoredValuesAndKeepsInitialOnes) {
  TMenuLoad load = TMenuLoad::FromText(R"(object frmDesign: TfrmDesign
  Color = clBtnFace
  BackGround = afsglyph
  GridX = 1
  GridY = 500
  SplashDelay = 0
  EndScreenDelay = 200
  StartupPage = -3
  AlphaValue = 150
  HintOpacity = -1
  Pages.Strings = ('Start' 'Second' 'Third')
  object Hidden: TKIVButton
    Tag = -1
  end
end
)");
  ASSERT_EQ(load.error, "");
  TfrmMain& w = *load.window;
  EXPECT_EQ(static_cast<uint32_t>(w.Color()), 0xFF00000Fu);
  EXPECT_EQ(w.BackGround(), TKIVFillStyle::afsGlyph);
  EXPECT_EQ(w.GridX(), 2);
  EXPECT_EQ(w.GridY(), 128);
  EXPECT_EQ(w.SplashDelay(), 1);
  EXPECT_EQ(w.EndScreenDelay(), 60);
  EXPECT_EQ(w.StartupPage(), 0);
  EXPECT_EQ(w.AlphaValue(), 100);
  EXPECT_EQ(w.HintOpacity(), 0);
  EXPECT_EQ(w.Pages()->Lines(), (std::vector<std::string>{"Start", "Second", "Third"}));
  EXPECT_TRUE(w.AutoPlayMusic()) << "omitted properties keep their initial values";
  EXPECT_TRUE(w.KeyPreview());
  EXPECT_FALSE(w.Scaled());
  EXPECT_EQ(w.HintFont()->Name(), "Verdana");
  EXPECT_EQ(w.FindComponent("Hidden")->Tag(), -1);
}

TEST(MenuWindow, TranslationsReplaceOnlyTheKeysTheyFill) {
  TMenuLoad load = TMenuLoad::FromText(R"(object frmDesign: TfrmDesign
  TextTranslation.SlideShowMessage = 'Esc beendet'
end
)");
  ASSERT_EQ(load.error, "");
  const TMessageTexts& texts = load.window->Context().messageTexts;
  EXPECT_EQ(texts.Text(TMessageKey::SlideShowMessage), "Esc beendet");
  EXPECT_EQ(texts.Text(TMessageKey::PasswordPrompt), "&Enter Password:");
  EXPECT_EQ(texts.Text(TMessageKey::NoFlashMessage), "FLASH PLAYER IS NOT INSTALLED\\nPLEASE CLICK HERE TO GET IT");

  // Another window without translations has every default.
  TComponent app;
  EXPECT_EQ(CreateMainWindow(app)->Context().messageTexts.Text(TMessageKey::SlideShowMessage),
            "Press ESC to quit, double click for next picture.");
  EXPECT_EQ(texts.Text(TMessageKey::SlideShowMessage), "Esc beendet");
}

TEST(MenuWindow, RejectsWhatTheMenuCannotHold) {
  struct TCase {
    std::string text;
    std::string error;
  };
  const std::vector<TCase> cases = {
      {"object F: TfrmDesign\n  object Button1: TKIVButton\n    Style = absRound\n  end\nend\n",
       "Error reading Button1.Style: Invalid property value"},
      {"object F: TfrmDesign\n  object B: TButton\n  end\nend\n", "Class TButton not found"},
      {"object F: TfrmDesign\n  OnCreate = FormPaint\nend\n", "Error reading F.OnCreate: Invalid property value"},
      {"object F: TfrmDesign\n  OnCreate = FormCreate\nend\n", ""},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(TMenuLoad::FromText(c.text).error, c.error);
  }
}

TEST(MenuControls, SettersClampStoredValues) {
  TMenuLoad load = TMenuLoad::FromText(R"(object frmDesign: TfrmDesign
  object Star: TKIVShape
    Vectors = 500
  end
  object Tilted: TKIVCoolLabel
    Angle = -30
  end
end
)");
  ASSERT_EQ(load.error, "");
  auto ordinal = [&](const char* component, const char* property) {
    TComponent* c = load.window->FindComponent(component);
    return c->ClassType().FindProperty(property)->getOrdinal(*c);
  };
  EXPECT_EQ(ordinal("Star", "Vectors"), 100);
  EXPECT_EQ(ordinal("Tilted", "Angle"), 330);
}

}  // namespace
