// The picture action clicked in the real menu window: the viewer comes up modal with the
// control's picture and settings, the menu hidden around it when the control asks, and a click
// on the picture closes it.

#include <gtest/gtest.h>

#include <optional>

#include <QTest>
#include <QTimer>

#include "controls/action_control.h"
#include "controls/test_pictures.h"
#include "played_menu.h"
#include "window/splash_picture.h"

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
    ActionType = aatShowPicture
    SP_Caption = 'Holiday'
  end
  object Hide: TKIVButton
    Left = 0
    Top = 20
    Width = 200
    Height = 20
    ActionType = aatShowPicture
    SP_Caption = 'Holiday'
    MinimizeBeforeAction = True
  end
end
)";

class PictureAction : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(played.Exposed()); }

  TKIVActionControl& Button(const char* name = "Show") { return static_cast<TKIVActionControl&>(menu.Control(name)); }

  // Clicks the button of row; once the viewer is up, hands it to look and clicks it. False when
  // no viewer came up.
  bool ClickAndLook(const std::function<void(TPictureWindow&)>& look, int row = 0) {
    bool looked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      auto* viewer = dynamic_cast<TPictureWindow*>(QApplication::activeModalWidget());
      if (!viewer || looked) return;
      looked = true;
      look(*viewer);
      QTest::mouseClick(viewer, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
    });
    poll.start(5);
    const QPoint at(100, row * 20 + 10);
    QTest::mouseMove(&window, at);
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, at);
    return looked;
  }

  TPlayedMenu played{kMenu};
  TTestMenu& menu = played.menu;
  TQtMenuWindow& window = played.window;
};

TEST_F(PictureAction, ViewerShowsTheControlsPictureWithTheMenuHiddenAroundIt) {
  TPicture picture;
  SetTestDataPicture(picture, TPictureFormat::Bitmap, "bmp/24bit-image.bmp");
  const TBitmap32 face = TSplashPicture::Prepare(picture, false)->Face(0);
  for (const int row : {0, 1}) {
    const bool minimize = row == 1;
    SCOPED_TRACE(minimize);
    Button(minimize ? "Hide" : "Show").SP_Picture()->Assign(&picture);
    ASSERT_TRUE(ClickAndLook([&](TPictureWindow& viewer) {
      EXPECT_EQ(viewer.windowTitle(), "Holiday");
      EXPECT_EQ(viewer.Picture(), face);
      EXPECT_EQ(window.isVisible(), !minimize);
    }, row));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the click closed it";
    EXPECT_TRUE(window.isVisible()) << "the menu is back";
  }
}

TEST_F(PictureAction, FadeTimeOfZeroShowsThePictureAtOnceAndAnEmptyPictureShowsNothing) {
  SetTestDataPicture(*Button().SP_Picture(), TPictureFormat::Bitmap, "bmp/24bit-image.bmp");
  Button().m_spWindow = TSPWindowStyle::swsNoBorder;
  Button().m_spFade = true;
  Button().m_spFadeTime = 0;
  TPicture picture;
  SetTestDataPicture(picture, TPictureFormat::Bitmap, "bmp/24bit-image.bmp");
  const TBitmap32 full = TSplashPicture::Prepare(picture, false)->FadeForeground();
  ASSERT_TRUE(ClickAndLook([&](TPictureWindow& viewer) { EXPECT_EQ(viewer.Picture(), full); }));
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

  Button().SP_Picture()->Clear();
  EXPECT_FALSE(ClickAndLook([](TPictureWindow&) {}));
  // A picture that does not decode is no picture either.
  Button().SP_Picture()->SetGraphic(TPictureFormat::Jpeg, {0xFF, 0xD8, 0xFF, 0x00});
  EXPECT_FALSE(ClickAndLook([](TPictureWindow&) {}));
}

}  // namespace
