// The text controls' own rules, driven through stand-in components: what the text box's editor
// is given and what its "open" reads, and where the rich edit's RTF comes from (StoreText,
// FileName) and where its links go.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "startup/control_commands.h"
#include "support/gui_application.h"
#include "text/rich_edit.h"
#include "text/rich_edit_component.h"
#include "text/text_box_component.h"
#include "window/window_test_support.h"

namespace fs = std::filesystem;

namespace {

class TFakeEditor final : public TTextBoxComponent {
 public:
  void Place(const TRect& r, bool) override { rect = r; }
  void Render(QPainter&) override {}
  void SetText(const std::string& t) override { text = t; }
  void SetLook(const TTextBoxLook& l) override { look = l; }
  void SetDesignMode(bool) override {}
  TRect rect;
  std::string text;
  TTextBoxLook look;
};

class TFakeRichView final : public TRichEditComponent {
 public:
  void Place(const TRect& r, bool) override { rect = r; }
  void Render(QPainter&) override {}
  void SetDocument(const TRtfDocument& document, const TCanvasFont&, bool) override {
    text.clear();
    for (const TRtfParagraph& paragraph : document.paragraphs)
      for (const TRtfRun& run : paragraph.runs) text += run.text;
  }
  void SetLinkClicked(std::function<void(const std::string&)> c) override { clicked = std::move(c); }
  void SetDesignMode(bool) override {}
  TRect rect;
  std::string text;
  std::function<void(const std::string&)> clicked;
};

fs::path Folder() {
  const fs::path folder = fs::path(testing::TempDir()) /
                          ("text_control_rules_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

void Write(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

}  // namespace

TEST(TextBoxRules, TheEditorLiesInsideTheBorderAndOpenReadsFilesByTheirEncoding) {
  EnsureGuiApplication();
  const fs::path cd = Folder();
  Write(cd / "utf16.txt", std::string("\xFF\xFE" "A\0\xE9\0\r\0\n\0B\0", 12));
  Write(cd / "cyrillic.txt", "\xcf\xf0\xe8");
  Write(cd / "utf8.txt", "caf\xc3\xa9\nline two");
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  object Box: TKIVTextBox
    Left = 10
    Top = 20
    Width = 100
    Height = 50
    Font.Charset = RUSSIAN_CHARSET
    Lines.Strings = ('one' 'two')
  end
end
)"};
  menu->Context().macroValues.cdrom = cd.string();
  auto& box = static_cast<TKIVTextBox&>(menu.Control("Box"));
  auto component = std::make_unique<TFakeEditor>();
  TFakeEditor* editor = component.get();
  box.AttachComponent(std::move(component));
  EXPECT_EQ(editor->rect, TRect::FromSize(12, 22, 96, 46)) << "inside the 2-pixel border";
  EXPECT_EQ(editor->text, "one\r\ntwo");
  EXPECT_EQ(editor->look.font.name, "Arial");

  struct TCase {
    const char* file;
    const char* text;
  };
  for (const TCase& c : {TCase{"%CDROM%\\UTF16.TXT", "A\xc3\xa9\r\nB"}, TCase{"%CDROM%\\cyrillic.txt", "\xd0\x9f\xd1\x80\xd0\xb8"},
                         TCase{"%CDROM%\\utf8.txt", "caf\xc3\xa9\r\nline two"}}) {
    box.OpenFile(c.file);
    EXPECT_EQ(editor->text, c.text) << c.file;
  }
  ASSERT_EQ(mkfifo((cd / "pipe.txt").c_str(), 0600), 0);
  box.OpenFile("%CDROM%\\pipe.txt");
  EXPECT_EQ(editor->text, "caf\xc3\xa9\r\nline two") << "a FIFO is not read: the text stays";
  box.SetSingleLine(true);
  EXPECT_EQ(editor->text, "caf\xc3\xa9");
  box.OpenFile("%CDROM%\\missing.txt");
  EXPECT_EQ(editor->text, "") << "a missing file clears the text";
  fs::remove(cd / "pipe.txt");
}

TEST(RichEditRules, StoredTextStaysUnlessTheFileIsToBeReadAndLinksGoToTheShell) {
  EnsureGuiApplication();
  const fs::path cd = Folder();
  Write(cd / "About.rtf", "{\\rtf1 From the file}");
  const std::string about = (cd / "About.rtf").string();
  const std::string missing = (cd / "missing.rtf").string();
  TTestMenu menu{"object frmDesign: TfrmDesign\n"
                 "  object Stored: TKIVRichEdit\n"
                 "    RichLines.Strings = ('{\\rtf1 Stored text}')\n"
                 "    FileName = '" + missing + "'\n"
                 "  end\n"
                 "  object FromFile: TKIVRichEdit\n"
                 "    IAName = 'Notes'\n"
                 "    StoreText = False\n"
                 "    FileName = '" + about + "'\n"
                 "  end\n"
                 "  object Gone: TKIVRichEdit\n"
                 "    RichLines.Strings = ('{\\rtf1 Stored text}')\n"
                 "    StoreText = False\n"
                 "    FileName = '" + missing + "'\n"
                 "  end\n"
                 "end\n"};
  auto shown = [&](const char* name) {
    auto component = std::make_unique<TFakeRichView>();
    TFakeRichView* view = component.get();
    static_cast<TKIVRichEdit&>(menu.Control(name)).AttachComponent(std::move(component));
    return view;
  };
  EXPECT_EQ(shown("Stored")->text, "Stored text") << "StoreText keeps the stored text when the file is missing";
  EXPECT_EQ(shown("FromFile")->text, "From the file");
  EXPECT_EQ(shown("Gone")->text, "") << "without StoreText a missing file empties the control";

  // At run time a new file name is read at once.
  TFakeRichView* stored = shown("Stored");
  static_cast<TKIVRichEdit&>(menu.Control("Stored")).SetFileName(about);
  EXPECT_EQ(stored->text, "From the file");

  TRecordingShell shell;
  const TServicesBinding binding(menu->Context(), {.shell = &shell});
  stored->clicked("www.example.org");
  stored->clicked("mailto:someone@example.org");
  EXPECT_EQ(shell.opened, (std::vector<std::string>{"open http://www.example.org", "open mailto:someone@example.org"}));
  static_cast<TKIVRichEdit&>(menu.Control("Stored")).SetDesignMode(true);
  stored->clicked("www.example.org");
  EXPECT_EQ(shell.opened.size(), 2u) << "no links in design mode";

  // The command "open" shows a file (RTF or plain text) and leaves RichLines as stored; a
  // missing file empties the view.
  Write(cd / "plain.txt", "Just text");
  TKIVControlIA command;
  command.m_controlType = TKIVControlIAType::iatRichText;
  command.m_controlName = "Notes";
  command.m_action = "Open";
  command.m_parameter = (cd / "plain.txt").string();
  TFakeRichView* fromFile = shown("FromFile");
  RunControlCommand(command, menu.Control("Stored"));
  EXPECT_EQ(fromFile->text, "Just text");
  EXPECT_EQ(static_cast<TKIVRichEdit&>(menu.Control("FromFile")).RichLines()->Text(), "{\\rtf1 From the file}\r\n");
  command.m_parameter = (cd / "none.rtf").string();
  RunControlCommand(command, menu.Control("Stored"));
  EXPECT_EQ(fromFile->text, "");
}
