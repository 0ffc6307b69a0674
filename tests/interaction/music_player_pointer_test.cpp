// The skinned music player in the real menu window: it lies above the windowless controls,
// pointer events from Qt reach its parts through the window (a drag keeps going to the slider it
// began on), and the window shows the player's own picture, the hint line while a slider is held.

#include <gtest/gtest.h>

#include <QTest>

#include "audio/music_player.h"
#include "graphics/raster.h"
#include "played_menu.h"

namespace {

constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  Caption = 'Menu'
  ClientWidth = 300
  ClientHeight = 140
  object Player: TKIVAudierePlayer
    Left = 10
    Top = 12
  end
  object Under: TKIVShape
    Left = 0
    Top = 0
    Width = 300
    Height = 140
  end
end
)";

class MusicPlayerPointer : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(played.Exposed()); }

  TKIVAudierePlayer& Player() { return static_cast<TKIVAudierePlayer&>(menu.Control("Player")); }
  // The window's picture where the player lies.
  TBitmap32 Shown() {
    telvo_test::ProcessEventsFor(20);
    TBitmap32 part(TWA2SkinUI::kWidth, TWA2SkinUI::kHeight);
    CopyRect(part.View(), {0, 0}, window.Surface().View().SubView(TRect::FromSize(10, 12, 275, 116)));
    return part;
  }

  TPlayedMenu played{kMenu};
  TTestMenu& menu = played.menu;
  TQtMenuWindow& window = played.window;
};

TEST_F(MusicPlayerPointer, AVolumeDragGoesToTheSliderAndTheWindowShowsItsHint) {
  EXPECT_EQ(Shown(), Player().Picture()) << "the player lies above the shape placed after it";
  std::vector<int32_t> reported;
  Player().Slider(TWA2Element::Volume).onChange = [&](int32_t v) { reported.push_back(v); };
  const QPoint start(10 + 107 + 10, 12 + 60);
  QTest::mouseMove(&window, start);
  QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, start);
  // Dragged right and beyond the slider, over the balance: still the volume.
  QTest::mouseMove(&window, start + QPoint(20, 0));
  QTest::mouseMove(&window, start + QPoint(90, 0));
  EXPECT_EQ(Player().Slider(TWA2Element::Volume).Value(), 100);
  EXPECT_TRUE(Player().HintLine().Visible());
  EXPECT_EQ(Shown(), Player().Picture());
  QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, start + QPoint(20, 0));
  EXPECT_EQ(reported.front(), 5);
  EXPECT_EQ(reported.back(), 100);
  EXPECT_EQ(Player().Slider(TWA2Element::Balance).Value(), 0);
  EXPECT_FALSE(Player().HintLine().Visible());
  EXPECT_EQ(Shown(), Player().Picture());
}

}  // namespace
