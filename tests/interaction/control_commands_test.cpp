// Commands to other controls, sent by real clicks on buttons of the played menu window: a
// picture loaded into the first image of that name (and cleared for a missing file), a file into
// a text box, the music player muted by a word in mixed case; a name of another kind of control
// finds nothing.

#include <gtest/gtest.h>

#include <QTest>
#include <filesystem>
#include <fstream>

#include "audio/music_player.h"
#include "controls/image.h"
#include "played_menu.h"
#include "support/test_data.h"
#include "text/text_box.h"

namespace fs = std::filesystem;

namespace {

// One button a row, 20 pixels high, each sending a command.
std::string Button(int row, const char* kind, const char* name, const char* word, const char* parameter) {
  return "  object Button" + std::to_string(row) + ": TKIVButton\n    Left = 0\n    Top = " + std::to_string(row * 20) +
         "\n    Width = 200\n    Height = 20\n    ActionType = aatControlIA\n    CtrlIA.ControlType = " + kind +
         "\n    CtrlIA.ControlName = '" + name + "'\n    CtrlIA.Action = '" + word + "'\n    CtrlIA.Parameter = '" +
         parameter + "'\n  end\n";
}

std::string Menu() {
  return "object frmDesign: TfrmDesign\n  ClientWidth = 400\n  ClientHeight = 200\n" +
         Button(0, "iatImage", "Pic", "OPEN", "%CDROM%\\PICS\\Photo.bmp") +
         Button(1, "iatImage", "Pic", "open", "%CDROM%\\pics\\missing.bmp") +
         Button(2, "iatTextBox", "Notes", "Open", "%CDROM%\\readme.txt") +
         Button(3, "iatMusicPlayer", "Player", "TogGleMute", "") +
         Button(4, "iatTextBox", "Pic", "open", "%CDROM%\\readme.txt") +
         "  object First: TKIVImage\n    Left = 220\n    Width = 50\n    Height = 50\n    IAName = 'Pic'\n  end\n"
         "  object Second: TKIVImage\n    Left = 280\n    Width = 50\n    Height = 50\n    IAName = 'Pic'\n  end\n"
         "  object Notes: TKIVTextBox\n    Left = 220\n    Top = 60\n    IAName = 'Notes'\n  end\n"
         "  object Player: TKIVAudierePlayer\n    Left = 0\n    Top = 120\n    IAName = 'Player'\n  end\n"
         "end\n";
}

class ControlCommands : public testing::Test {
 protected:
  void SetUp() override {
    fs::remove_all(m_folder);
    fs::create_directories(m_folder / "pics");
    fs::copy_file(TestDataPath("bmp/4bit-pat4.bmp"), m_folder / "pics" / "photo.bmp");
    std::ofstream(m_folder / "readme.txt") << "hello\r\nworld";
    played.menu->Context().macroValues.cdrom = m_folder.string();
    ASSERT_TRUE(played.Exposed());
  }
  void ClickRow(int row) {
    const QPoint at(100, row * 20 + 10);
    QTest::mouseMove(&played.window, at);
    QTest::mouseClick(&played.window, Qt::LeftButton, Qt::NoModifier, at);
  }
  template <class T>
  T& Control(const char* name) {
    return static_cast<T&>(played.Control(name));
  }

  fs::path m_folder = fs::path(testing::TempDir()) / "control_commands";
  TPlayedMenu played{Menu()};
};

}  // namespace

TEST_F(ControlCommands, EachTargetKindObeysItsWords) {
  ClickRow(0);
  EXPECT_FALSE(Control<TKIVImage>("First").Pic()->Empty()) << "the file found ignoring case";
  EXPECT_TRUE(Control<TKIVImage>("Second").Pic()->Empty()) << "only the first image of that name";
  ClickRow(1);
  EXPECT_TRUE(Control<TKIVImage>("First").Pic()->Empty()) << "a missing file clears the picture";

  ClickRow(2);
  EXPECT_EQ(Control<TKIVTextBox>("Notes").Text(), "hello\r\nworld");

  ASSERT_FALSE(Control<TKIVAudierePlayer>("Player").Engine().Muted());
  ClickRow(3);
  EXPECT_TRUE(Control<TKIVAudierePlayer>("Player").Engine().Muted()) << "the word in any case";
  ClickRow(3);
  EXPECT_FALSE(Control<TKIVAudierePlayer>("Player").Engine().Muted());

  ClickRow(0);
  ClickRow(4);
  EXPECT_FALSE(Control<TKIVImage>("First").Pic()->Empty()) << "a text box command never reaches an image";
}
