// The slide-show action clicked in the real menu window: the show comes up modal in a window of
// the control's size with the folder's pictures, moves on the keys of manual mode, shows its two
// text lines over the picture, and Esc ends it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include <QImage>
#include <QTest>
#include <QTimer>

#include "controls/action_control.h"
#include "platform/message_window.h"
#include "platform/slide_show_window.h"
#include "played_menu.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  Caption = 'Menu'
  ClientWidth = 300
  ClientHeight = 100
  object Show: TKIVButton
    Left = 0
    Top = 0
    Width = 200
    Height = 20
    ActionType = aatSlideShow
    SS_FullScreen = False
    SS_WinWidth = 200
    SS_WinHeight = 150
    SS_ManualMode = True
    SS_Enlarge = False
    SS_BGColor = clNavy
  end
end
)";

class SlideShowAction : public testing::Test {
 protected:
  void SetUp() override {
    folder = fs::path(testing::TempDir()) / "slide_show_action" /
             testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder / "Sub");
    const struct {
      const char* name;
      Qt::GlobalColor color;
    } pictures[] = {{"a.png", Qt::red}, {"B.PNG", Qt::green}, {"c.jpg.bmp", Qt::blue}, {"Sub/d.png", Qt::yellow}};
    for (const auto& picture : pictures) {
      QImage image(40, 30, QImage::Format_RGB32);
      image.fill(picture.color);
      ASSERT_TRUE(image.save(QString::fromStdString((folder / picture.name).string())));
    }
    std::ofstream(folder / "broken.png") << "not a picture";

    ASSERT_TRUE(played.Exposed());
    Button().m_ssPath = folder.string();
  }
  TKIVActionControl& Button() { return static_cast<TKIVActionControl&>(menu.Control("Show")); }

  // Clicks the button; once the show is up, runs its transitions at once on this thread and hands
  // it to drive. False when no show came up.
  bool ClickAndDrive(const std::function<void(TSlideShowWindow&)>& drive) {
    bool driven = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* show = dynamic_cast<TSlideShowWindow*>(QApplication::activeModalWidget());
      if (!show || driven) return;
      driven = true;
      show->Engine().SetThreaded(false);
      show->Engine().SetStep(100);
      drive(*show);
    });
    poll.start(5);
    const QPoint at(100, 10);
    QTest::mouseMove(&window, at);
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, at);
    return driven;
  }

  // The file-name line without the folder.
  std::string Line(TSlideShowWindow& show) const {
    return fs::path(show.Show().FileNameLine()).lexically_relative(folder).string();
  }

  fs::path folder;
  TPlayedMenu played{kMenu};
  TTestMenu& menu = played.menu;
  TQtMenuWindow& window = played.window;
  telvo_test::TDrivenTimer& timer = played.timer;
};

TEST_F(SlideShowAction, ManualShowMovesOnItsKeysShowsItsLinesAndEndsOnEscape) {
  ASSERT_TRUE(ClickAndDrive([&](TSlideShowWindow& show) {
    EXPECT_EQ(show.size(), QSize(200, 150));
    ASSERT_TRUE(timer.Tick(50));  // the first picture comes 50 ms after the window shows
    EXPECT_EQ(Line(show), "a.png [1/4]");
    // The red picture centred on navy, the lines in lime over it.
    const TBitmap32 picture = show.Picture();
    ASSERT_EQ(picture.Width(), 200);
    ASSERT_EQ(picture.Height(), 150);
    EXPECT_EQ(picture.At(100, 75), MakePixel(255, 0, 0));
    EXPECT_EQ(picture.At(199, 75), MakePixel(0, 0, 128));
    const auto limePixels = [&](const TRect& area) {
      int count = 0;
      for (int32_t y = area.top; y < area.bottom; ++y)
        for (int32_t x = area.left; x < area.right; ++x) count += picture.At(x, y) == MakePixel(0, 255, 0);
      return count;
    };
    EXPECT_GT(limePixels({8, 8, 200, 21}), 20) << "the file-name line";
    EXPECT_GT(limePixels({0, 120, 200, 150}), 20) << "the help line";

    QTest::keyClick(&show, Qt::Key_Right);
    EXPECT_EQ(Line(show), "B.PNG [2/4]");  // letter case ignored in the order
    QTest::keyClick(&show, Qt::Key_Up);
    QTest::keyClick(&show, Qt::Key_Left);  // on the first picture: nothing
    EXPECT_EQ(Line(show), "a.png [1/4]");
    QTest::keyClick(&show, Qt::Key_Down);
    QTest::keyClick(&show, Qt::Key_Space);
    EXPECT_EQ(Line(show), "c.jpg.bmp [4/4]");  // the broken file passed over
    QTest::keyClick(&show, Qt::Key_Escape);
  }));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_TRUE(window.isVisible());
}

TEST_F(SlideShowAction, RecursiveShowTakesTheSubFoldersAndAnEmptyPathShowsNothing) {
  Button().m_ssRecursive = true;
  ASSERT_TRUE(ClickAndDrive([&](TSlideShowWindow& show) {
    EXPECT_EQ(show.Show().Pictures().size(), 5u);  // the broken file is listed, and skipped when shown
    QTest::keyClick(&show, Qt::Key_Escape);
  }));
  Button().m_ssPath = "  ";
  EXPECT_FALSE(ClickAndDrive([](TSlideShowWindow&) {}));
}

TEST_F(SlideShowAction, AFolderWithoutPicturesShowsTheWarningWithTheFolderAndNoShow) {
  Button().m_ssPath = (folder / "Sub" / "nothing").string();
  std::string warned;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* message = dynamic_cast<TMessageWindow*>(QApplication::activeModalWidget());
    if (!message || !warned.empty()) return;
    warned = message->Text();
    QTest::keyClick(message, Qt::Key_Escape);
  });
  poll.start(5);
  QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, QPoint(100, 10));
  EXPECT_EQ(warned, (folder / "Sub" / "nothing").string() + " doesn't contain any supported image file.");
}

}  // namespace
