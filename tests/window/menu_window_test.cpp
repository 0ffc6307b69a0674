// The menu window's behaviour: pages, frame, full screen, opacity, design mode, hints, keys,
// tray, icons and cursors, seen through a recording window host.

#include <gtest/gtest.h>

#include "graphics/picture_decoder.h"
#include "window/design_mode.h"
#include "window/frame.h"
#include "window/hint_settings.h"
#include "window/pages.h"
#include "window/tray.h"
#include "window_test_support.h"

namespace {

TEST(MenuWindowPages, MembershipRule) {
  struct TCase {
    int32_t tag, page;
    bool pageZeroEverywhere, visible;
  };
  const TCase cases[] = {
      {0, 0, false, true},  {0, 1, false, false}, {0, 1, true, true},    {1, 1, false, true},
      {2, 1, true, false},  {-1, 0, false, false}, {-1, -1, true, false}, {3, 3, true, true},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "tag " << c.tag << " page " << c.page << " zero " << c.pageZeroEverywhere);
    EXPECT_EQ(IsOnPage(c.tag, c.page, c.pageZeroEverywhere), c.visible);
  }
}

constexpr std::string_view kThreePages = R"(object frmDesign: TfrmDesign
  Caption = 'Menu'
  Pages.Strings = ('Start' 'Second' 'Third')
  UsePageCaption = True
  object Zero: TKIVButton
  end
  object One: TKIVButton
    Tag = 1
  end
  object Two: TKIVButton
    Tag = 2
  end
  object Never: TKIVButton
    Tag = -1
  end
end
)";

TEST(MenuWindowPages, SwitchShowsThePageAndItsCaption) {
  TTestMenu menu(kThreePages);
  TRecordingHost host;
  menu->SetHost(&host);
  auto visible = [&] {
    std::string names;
    for (const char* name : {"Zero", "One", "Two", "Never"})
      if (menu.Control(name).Visible()) names += std::string(names.empty() ? "" : " ") + name;
    return names;
  };

  menu->SetActivePage(1);
  EXPECT_EQ(visible(), "One");
  EXPECT_EQ(menu->Caption(), "Second");
  EXPECT_EQ(host.caption, "Second");

  menu->SetAlwaysShowPageZero(true);
  EXPECT_EQ(visible(), "Zero One") << "changing AlwaysShowPageZero runs the page switch again";

  // A page beyond the list shows only the page-0 controls and keeps the caption.
  menu->SetActivePage(7);
  EXPECT_EQ(visible(), "Zero");
  EXPECT_EQ(menu->Caption(), "Second");

  menu->SetUsePageCaption(false);
  menu->SetActivePage(2);
  EXPECT_EQ(visible(), "Zero Two");
  EXPECT_EQ(menu->Caption(), "Second") << "without UsePageCaption the caption stays";
  menu->SetUsePageCaption(true);
  EXPECT_EQ(menu->Caption(), "Third") << "setting UsePageCaption applies the page caption";
}

// Hears what the window tells its children.
class TListeningControl : public TGraphicControl {
 public:
  void PageShown() override { ++pageShown; }
  void ParentBackgroundChanged() override { ++backgroundChanged; }
  int pageShown = 0;
  int backgroundChanged = 0;
};

TEST(MenuWindowPages, ControlsHearOfPageSwitchesAndBackgroundChanges) {
  TTestMenu menu(kThreePages);
  TListeningControl onPageOne, onPageTwo;
  onPageOne.SetTag(1);
  onPageTwo.SetTag(2);
  onPageOne.SetParent(menu.window);
  onPageTwo.SetParent(menu.window);

  menu->SetActivePage(1);
  EXPECT_EQ(onPageOne.pageShown, 1) << "a control the switch leaves visible activates what it hosts";
  EXPECT_EQ(onPageTwo.pageShown, 0);

  menu->SetGradStyle(TKIVGradFillStyle::agsRadialC);
  menu->SetBackGround(TKIVFillStyle::afsGradient);
  menu->SetColor(clRed);
  EXPECT_EQ(onPageOne.backgroundChanged, 3);
  EXPECT_EQ(onPageTwo.backgroundChanged, 3) << "hidden controls hear it too";
  onPageOne.SetParent(nullptr);
  onPageTwo.SetParent(nullptr);
}

TEST(MenuWindowFrame, BorderByStyleModeAndPicture) {
  using S = TKIVWindowStyle;
  using P = TPictureKind;
  using B = TBorderKind;
  struct TCase {
    S style;
    bool design;
    P picture;
    B border;
  };
  const TCase cases[] = {
      {S::awsNormal, false, P::Other, B::SingleFixed},   {S::awsNoBorder, false, P::Empty, B::None},
      {S::awsFullScreen, false, P::Empty, B::None},      {S::awsShaped, false, P::Other, B::None},
      {S::awsShaped, false, P::Icon, B::SingleFixed},    {S::awsShaped, false, P::Jpeg, B::SingleFixed},
      {S::awsShaped, false, P::Empty, B::SingleFixed},   {S::awsNormal, true, P::Empty, B::Sizeable},
      {S::awsFullScreen, true, P::Empty, B::Sizeable},   {S::awsShaped, true, P::Other, B::SingleFixed},
      {S::awsShaped, true, P::Jpeg, B::Sizeable},        {S::awsShaped, true, P::Icon, B::Sizeable},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "style " << static_cast<int>(c.style) << " design " << c.design << " picture "
                                    << static_cast<int>(c.picture));
    EXPECT_EQ(FrameBorder(c.style, c.design, c.picture), c.border);
  }
}

TEST(MenuWindowFrame, RunModeKeepsTheClientSizeAcrossBorders) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  Width = 408
  Height = 327
  DesignMode = True
end
)");
  EXPECT_EQ(menu->ClientSize(), (TSize{400, 300})) << "outer size less the sizeable frame of the builder";
  TRecordingHost host;
  menu->SetHost(&host);
  menu->SetDesignMode(false);
  EXPECT_EQ(host.border, TBorderKind::SingleFixed);
  EXPECT_EQ(host.clientSize, (TSize{400, 300}));
  EXPECT_EQ(menu->OuterSize(), (TSize{406, 325}));
  EXPECT_FALSE(host.shape.has_value());
}

// The title bar's buttons follow BorderIcons as stored; without the system menu there is none.
TEST(MenuWindowFrame, BorderIconsChooseTheTitleButtons) {
  struct TCase {
    const char* stored;  // empty: not stored
    TTitleButtons buttons;
  };
  const TCase cases[] = {
      {"", {true, true, false}},
      {"[biSystemMenu]", {true, false, false}},
      {"[]", {false, false, false}},
      {"[biSystemMenu, biMinimize, biMaximize]", {true, true, true}},
      {"[biMinimize, biMaximize]", {false, false, false}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.stored);
    const std::string stored = *c.stored ? std::string("  BorderIcons = ") + c.stored + "\n" : "";
    TTestMenu menu("object frmDesign: TfrmDesign\n" + stored + "end\n");
    TRecordingHost host;
    menu->SetHost(&host);
    EXPECT_EQ(host.titleButtons, c.buttons);
  }
  TTestMenu menu("object frmDesign: TfrmDesign\nend\n");
  TRecordingHost host;
  menu->SetHost(&host);
  menu->SetBorderIcons(biSystemMenu | biMaximize);
  EXPECT_EQ(host.titleButtons, (TTitleButtons{true, false, true})) << "a change reaches the shown window";
}

// A shaped window document in design mode with the given picture; switched to run mode.
struct TShapedMenu {
  TTestMenu menu{R"(object frmDesign: TfrmDesign
  ClientWidth = 200
  ClientHeight = 150
  WindowStyle = awsShaped
  DesignMode = True
end
)"};
  TRecordingHost host;

  TShapedMenu(TPictureFormat format, const std::string& file) {
    menu->Picture()->SetGraphic(format, ReadTestFile(file));
    menu->SetHost(&host);
    menu->SetDesignMode(false);
  }
};

TEST(MenuWindowFrame, ShapedWindowTakesThePicturesSizeAndRegion) {
  TShapedMenu shaped(TPictureFormat::Png, "png/pngsuite/transparency/tbrn2c08.png");
  const std::optional<TDecodedPicture> decoded =
      DecodePicture(TPictureFormat::Png, ReadTestFile("png/pngsuite/transparency/tbrn2c08.png"));
  ASSERT_TRUE(decoded);
  EXPECT_EQ(shaped.host.border, TBorderKind::None);
  EXPECT_EQ(shaped.host.clientSize, (TSize{decoded->bitmap.Width(), decoded->bitmap.Height()}));
  ASSERT_TRUE(shaped.host.shape.has_value());
  EXPECT_EQ(shaped.host.shape->rects, BitmapToRegion(decoded->bitmap.View(), ShapeColor(*decoded)).rects);
  EXPECT_FALSE(shaped.host.shape->Empty());

  // Back in design mode the frame is rebuilt without a shape.
  shaped.menu->SetDesignMode(true);
  EXPECT_EQ(shaped.host.border, TBorderKind::SingleFixed);
  EXPECT_FALSE(shaped.host.shape.has_value());
}

// The picture's transparent pixels hide a different colour each, the one at (0, 0) among them.
TEST(MenuWindowFrame, ShapedWindowOfAnAlphaPngLeavesOutEveryTransparentPixel) {
  const std::string file = "png/pngsuite/basic/basn6a08.png";
  TShapedMenu shaped(TPictureFormat::Png, file);
  const std::optional<TDecodedPicture> decoded = DecodePicture(TPictureFormat::Png, ReadTestFile(file));
  ASSERT_TRUE(decoded);
  ASSERT_TRUE(shaped.host.shape.has_value());
  int32_t transparent = 0, opaque = 0;
  for (int32_t y = 0; y < decoded->bitmap.Height(); ++y)
    for (int32_t x = 0; x < decoded->bitmap.Width(); ++x) {
      const TPixel32 pixel = decoded->bitmap.At(x, y);
      if (PixelA(pixel) == 0) {
        ++transparent;
        EXPECT_FALSE(shaped.host.shape->Contains({x, y})) << x << ", " << y;
      } else if (PixelA(pixel) == 255 && (pixel & 0x00FFFFFFu) != 0) {
        ++opaque;
        EXPECT_TRUE(shaped.host.shape->Contains({x, y})) << x << ", " << y;
      }
    }
  EXPECT_GT(transparent, 1);
  EXPECT_GT(opaque, 0);
}

TEST(MenuWindowFrame, JpegAndIconPicturesCutNoShape) {
  {
    SCOPED_TRACE("JPEG: rectangular, client size unchanged");
    TShapedMenu shaped(TPictureFormat::Jpeg, "jpeg/video-001.jpeg");
    EXPECT_EQ(shaped.host.border, TBorderKind::SingleFixed);
    EXPECT_EQ(shaped.host.clientSize, (TSize{200, 150}));
    EXPECT_FALSE(shaped.host.shape.has_value());
  }
  {
    SCOPED_TRACE("icon: rectangular, the icon's size");
    TShapedMenu shaped(TPictureFormat::Icon, "icons/horse.ico");
    EXPECT_EQ(shaped.host.border, TBorderKind::SingleFixed);
    const std::optional<TDecodedPicture> decoded = DecodePicture(TPictureFormat::Icon, ReadTestFile("icons/horse.ico"));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(shaped.host.clientSize, (TSize{decoded->bitmap.Width(), decoded->bitmap.Height()}));
    EXPECT_FALSE(shaped.host.shape.has_value());
  }
  {
    SCOPED_TRACE("a damaged picture is no picture");
    TTestMenu menu(R"(object frmDesign: TfrmDesign
  ClientWidth = 200
  ClientHeight = 150
  WindowStyle = awsShaped
  DesignMode = True
end
)");
    menu->Picture()->SetGraphic(TPictureFormat::Png, {0x89, 'P', 'N', 'G', 1, 2, 3});
    TRecordingHost host;
    menu->SetHost(&host);
    menu->SetDesignMode(false);
    EXPECT_EQ(menu->PictureKind(), TPictureKind::Empty);
    EXPECT_EQ(host.border, TBorderKind::SingleFixed);
    EXPECT_EQ(host.clientSize, (TSize{200, 150}));
  }
}

TEST(MenuWindowFrame, FullScreenShiftTruncates) {
  EXPECT_EQ(FullScreenShift({1920, 1080}, {400, 300}), (TPoint{761, 391}));
  EXPECT_EQ(FullScreenShift({1023, 767}, {400, 301}), (TPoint{312, 234}));
  EXPECT_EQ(FullScreenShift({640, 480}, {800, 600}), (TPoint{-79, -59})) << "truncation toward zero";
}

TEST(MenuWindowFrame, FullScreenMovesTheControlsAndBack) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  ClientWidth = 400
  ClientHeight = 301
  WindowStyle = awsFullScreen
  DesignMode = True
  object Button: TKIVButton
    Left = 10
    Top = 20
    Width = 50
    Height = 30
  end
end
)");
  TRecordingHost host;
  host.screenWidth = 1023;
  host.screenHeight = 767;
  menu->SetHost(&host);
  TControl& button = menu.Control("Button");

  menu->SetDesignMode(false);
  EXPECT_EQ(host.border, TBorderKind::None);
  EXPECT_EQ(host.position, (TPoint{-1, -1}));
  EXPECT_EQ(host.clientSize, (TSize{1025, 769}));
  EXPECT_EQ(button.Left(), 10 + 312);
  EXPECT_EQ(button.Top(), 20 + 234);

  menu->SetDesignMode(true);
  EXPECT_EQ(host.border, TBorderKind::Sizeable);
  EXPECT_EQ(host.clientSize, (TSize{400, 301}));
  EXPECT_EQ(button.Left(), 10);
  EXPECT_EQ(button.Top(), 20);

  // Leaving full screen by style in run mode goes back the same way.
  menu->SetDesignMode(false);
  menu->SetWindowStyle(TKIVWindowStyle::awsNormal);
  EXPECT_EQ(host.border, TBorderKind::SingleFixed);
  EXPECT_EQ(host.clientSize, (TSize{400, 301}));
  EXPECT_EQ(button.Left(), 10);
}

TEST(MenuWindowOpacity, LevelsAndModes) {
  struct TCase {
    int32_t alphaValue;
    bool design;
    std::optional<uint8_t> level;
  };
  const TCase cases[] = {{100, false, std::nullopt}, {99, false, 252}, {50, false, 127},
                         {1, false, 2},              {0, false, 0},    {50, true, std::nullopt}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.alphaValue << (c.design ? " design" : " run"));
    EXPECT_EQ(AlphaLevel(c.alphaValue, c.design), c.level);
  }

  TTestMenu menu(R"(object frmDesign: TfrmDesign
  AlphaValue = 50
  DesignMode = True
end
)");
  TRecordingHost host;
  menu->SetHost(&host);
  EXPECT_EQ(host.opacity, std::nullopt);
  menu->SetDesignMode(false);
  EXPECT_EQ(host.opacity, 127);
  menu->SetDesignMode(true);
  EXPECT_EQ(host.opacity, std::nullopt);
}

TEST(MenuWindowDesignMode, RunModeSetsCursorsDesignModeAndTheStartPage) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  DesignMode = True
  StartupPage = 2
  object Act: TKIVButton
    ActionType = aatRunProgram
    DesignMode = True
  end
  object Ignored: TKIVButton
    ActionType = aatRunProgram
    IgnoreHotCursor = True
    DesignMode = True
  end
  object Music: TKIVHotLabel
    BGMusicControl = amcStopBGMusic
    DesignMode = True
  end
  object Plain: TKIVImage
    DesignMode = True
  end
  object Box: TKIVTextBox
    DesignMode = True
  end
  object Rich: TKIVRichEdit
    DesignMode = True
  end
  object Shower: TKIVCommentShower
  end
end
)");
  TRecordingHost host;
  menu->SetHost(&host);
  menu->SetDesignMode(false);

  const std::pair<const char*, TCursor> expected[] = {{"Act", kCursorHot},    {"Ignored", kCursorNormal},
                                                      {"Music", kCursorHot},  {"Plain", kCursorNormal},
                                                      {"Box", kCursorEdit},   {"Rich", crDefault},
                                                      {"Shower", kCursorNormal}};
  for (const auto& [name, cursor] : expected) {
    SCOPED_TRACE(name);
    TControl& control = menu.Control(name);
    EXPECT_EQ(control.Cursor(), cursor);
    if (const TPropInfo* designMode = control.ClassType().FindProperty("DesignMode")) {
      EXPECT_EQ(designMode->getOrdinal(control), 0) << "the window hands its mode to each control";
    }
  }
  EXPECT_EQ(menu->Cursor(), kCursorNormal);
  EXPECT_EQ(host.windowCursor, kCursorNormal);
  EXPECT_EQ(menu->ActivePage(), 2);
  EXPECT_EQ(host.aboutItem, true);

  menu->SetDesignMode(true);
  for (const auto& [name, cursor] : expected) EXPECT_EQ(menu.Control(name).Cursor(), crArrow) << name;
  EXPECT_EQ(menu->Cursor(), crDefault);
}

TEST(MenuWindowDesignMode, RichTextTakesTheEditCursorWhenTheMenuHasCursors) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  object Rich: TKIVRichEdit
  end
end
)");
  const TControl& rich = menu.Control("Rich");
  EXPECT_EQ(RunModeCursor(rich, true, true), crDefault);
  EXPECT_EQ(RunModeCursor(rich, false, true), kCursorEdit);
  EXPECT_EQ(RunModeCursor(rich, true, false), kCursorEdit);
}

TEST(MenuWindowHints, TimingByModeAndTheLookFromTheProperties) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  DesignMode = True
  HintColor = clLime
  HintDirection = apsLeftBottom
  HintOpacity = 60
  UseCustomizedHint = True
  CustHintPause = 900
  CustHintHidePause = 4000
end
)");
  const THintSettings& settings = menu->Context().hintSettings;
  EXPECT_EQ(settings.color, clLime) << "the hint look follows the properties as they are read";
  EXPECT_EQ(settings.direction, TKIVPosition::apsLeftBottom);
  EXPECT_EQ(settings.opacityPercent, 60);

  menu->ApplyHintSettings();
  EXPECT_EQ(settings.delayMs, 500);
  EXPECT_EQ(settings.displayMs, 2500);
  EXPECT_EQ(settings.betweenHintsMs, 50);
  EXPECT_FALSE(settings.custom);

  menu->SetDesignMode(false);
  menu->ApplyHintSettings();
  EXPECT_EQ(settings.delayMs, 900);
  EXPECT_EQ(settings.displayMs, 4000);
  EXPECT_EQ(settings.betweenHintsMs, 100);
  EXPECT_TRUE(settings.custom);

  menu->HintFont()->SetName("Tahoma");
  EXPECT_EQ(settings.font.Name(), "Tahoma");
}

TEST(MenuWindowInput, EscClosesOnlyWithExitWithEscInRunMode) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  ExitWithESC = True
  DesignMode = True
end
)");
  TRecordingHost host;
  menu->SetHost(&host);
  EXPECT_FALSE(menu->KeyPress(27)) << "design mode";
  menu->SetDesignMode(false);
  EXPECT_FALSE(menu->KeyPress('a'));
  EXPECT_EQ(host.closed, 0);
  EXPECT_TRUE(menu->KeyPress(27));
  EXPECT_EQ(host.closed, 1);
  menu->SetExitWithESC(false);
  EXPECT_FALSE(menu->KeyPress(27));
  EXPECT_EQ(host.closed, 1);
}

TEST(MenuWindowInput, MoveWithAnyPointOutsideFullScreen) {
  TTestMenu menu(R"(object frmDesign: TfrmDesign
  MoveWithAnyPoint = True
end
)");
  TRecordingHost host;
  menu->SetHost(&host);
  menu->BackgroundMouseDown(TMouseButton::mbRight);
  EXPECT_EQ(host.systemMoves, 1);
  menu->SetWindowStyle(TKIVWindowStyle::awsFullScreen);
  menu->BackgroundMouseDown(TMouseButton::mbLeft);
  EXPECT_EQ(host.systemMoves, 1);
}

TEST(MenuWindowTray, MinimiseGoesToTheTrayWithEitherSettingWhereThereIsOne) {
  struct TCase {
    bool toTray, hideTaskBar, design, trayAvailable, inTray;
  };
  const TCase cases[] = {{true, false, false, true, true},   {false, true, false, true, true},
                         {false, false, false, true, false}, {true, true, true, true, false},
                         {true, false, false, false, false}, {false, true, false, false, false}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "tray " << c.toTray << " hide " << c.hideTaskBar << " design " << c.design
                                    << " available " << c.trayAvailable);
    TTestMenu menu("object frmDesign: TfrmDesign\nend\n");
    menu->SetMinimizeToTrayIcon(c.toTray);
    menu->SetHideTaskBar(c.hideTaskBar);
    menu->SetDesignMode(c.design);
    TRecordingHost host;
    host.trayAvailable = c.trayAvailable;
    menu->SetHost(&host);
    menu->Minimize();
    EXPECT_EQ(host.minimized, 1);
    EXPECT_EQ(host.trayIcon, c.inTray);
    EXPECT_EQ(menu->InTray(), c.inTray);
    menu->TrayDoubleClicked();
    EXPECT_FALSE(host.trayIcon);
    EXPECT_EQ(host.restored, c.inTray ? 1 : 0);
  }
}

TEST(MenuWindowTray, TipIsTheCaptionsFirst63Characters) {
  EXPECT_EQ(TrayTipText(std::string(100, 'x')), std::string(63, 'x'));
  EXPECT_EQ(TrayTipText("Menu"), "Menu");
  std::string accented;
  for (int i = 0; i < 70; ++i) accented += "\xC3\xA9";  // é
  EXPECT_EQ(TrayTipText(accented), accented.substr(0, 126)) << "63 characters, not 63 bytes";
}

TEST(MenuWindowMedia, IconsFromIconDataOrTheDefault) {
  TTestMenu menu("object frmDesign: TfrmDesign\nend\n");
  TRecordingHost host;
  menu->SetHost(&host);
  ASSERT_TRUE(host.icon.has_value());
  EXPECT_TRUE(host.icon->empty()) << "no IconData: the player's own icon";

  menu->IconData()->SetContent(ReadTestFile("icons/modern-install-colorful.ico"));
  ASSERT_FALSE(host.icon->empty());
  for (size_t i = 1; i < host.icon->size(); ++i)
    EXPECT_GE((*host.icon)[i - 1].Width(), (*host.icon)[i].Width()) << "largest first";

  menu->IconData()->SetContent(std::vector<uint8_t>{0, 0, 1, 0, 9, 9});
  EXPECT_TRUE(host.icon->empty()) << "a damaged icon gives the default icon";
}

TEST(MenuWindowMedia, CursorsFromTheirDataDamagedOnesKeepTheOld) {
  TTestMenu menu("object frmDesign: TfrmDesign\nend\n");
  TRecordingHost host;
  menu->SetHost(&host);
  for (int16_t number : {kCursorNormal, kCursorHot, kCursorEdit}) {
    EXPECT_EQ(host.cursorDefinitions[number], 1);
    EXPECT_TRUE(host.cursors[number].empty()) << "empty data: the system cursor of " << number;
  }

  menu->KIVCursor()->SetContent(ReadTestFile("icons/horse-1bit.cur"));
  ASSERT_EQ(host.cursors[kCursorNormal].size(), 1u);
  menu->KIVHotCursor()->SetContent(ReadTestFile("icons/hourglass.ani"));
  EXPECT_GT(host.cursors[kCursorHot].size(), 1u) << "an animated cursor keeps its frames";

  menu->KIVEditCursor()->SetContent(std::vector<uint8_t>{'R', 'I', 'F', 'F', 0});
  EXPECT_EQ(host.cursorDefinitions[kCursorEdit], 1) << "a damaged cursor is not defined";
}

}  // namespace
