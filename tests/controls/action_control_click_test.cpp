// What a click on an action control does, in order: sounds, password, music, minimising, the
// action, exit after the action; the accelerator key and the right-click gesture.

#include <gtest/gtest.h>

#include <memory>

#include "actions/password.h"
#include "actions/recording_services.h"
#include "controls/button.h"
#include "controls/shape.h"

namespace {

using K = TKIVActionType;
using M = TKIVBGMusicControl;
using Log = std::vector<std::string>;

void SetSound(TWaveData& data, const std::string& name) {
  data.SetContent(std::vector<uint8_t>(name.begin(), name.end()));
}

class ActionClick : public testing::Test {
 protected:
  ActionClick() {
    menu.window.SetCaption("Menu");
    menu.window.SetPageCount(2);
  }
  template <class T = TKIVButton>
  T& Add(K kind, const std::string& parameter = "", const std::string& name = "Button1") {
    auto* control = static_cast<T*>(menu.window.InsertComponent(std::make_unique<T>()));
    control->SetName(name);
    control->SetParent(&menu.window);
    control->SetBounds(0, 0, 80, 30);
    SetOrdinal(*control, "ActionType", static_cast<int64_t>(kind));
    SetString(*control, "Parameter", parameter);
    return *control;
  }
  static void SetOrdinal(TPersistent& object, std::string_view name, int64_t value) {
    object.ClassType().FindProperty(name)->setOrdinal(object, value);
  }
  static void SetString(TPersistent& object, std::string_view name, const std::string& value) {
    object.ClassType().FindProperty(name)->setString(object, value);
  }
  // A left press and release inside the control.
  Log ClickOn(TKIVActionControl& control) {
    menu.services.log.clear();
    control.MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
    control.MouseUp(TMouseButton::mbLeft, 0, 5, 5);
    return menu.services.log;
  }

  TRecordingMenu menu;
};

TEST_F(ActionClick, SoundsAreChosenFromTheControlThenTheWindow) {
  SetSound(*menu.window.CommonMouseEnterSound(), "common-enter");
  SetSound(*menu.window.CommonMouseClickSound(), "common-click");
  struct TCase {
    const char* name;
    K kind;
    M music;
    bool ownSounds, ignoreCommon;
    Log enter, click;
  };
  const TCase cases[] = {
      {"none", K::aatNone, M::amcNone, true, false, {}, {"music 0"}},
      {"music only", K::aatNone, M::amcPlayBGMusic, false, false, {"sound common-enter"},
       {"sound common-click", "music 1"}},
      {"own", K::aatMinimize, M::amcNone, true, false, {"sound own-enter"}, {"sound own-click", "music 0", "minimize"}},
      {"common", K::aatMinimize, M::amcNone, false, false, {"sound common-enter"},
       {"sound common-click", "music 0", "minimize"}},
      {"ignore common", K::aatMinimize, M::amcNone, false, true, {}, {"music 0", "minimize"}},
      {"exit waits", K::aatExit, M::amcNone, false, false, {"sound common-enter"},
       {"sound common-click wait", "music 0", "close"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TKIVButton& button = Add(c.kind, "", std::string("B") + std::to_string(&c - cases));
    SetOrdinal(button, "BGMusicControl", static_cast<int64_t>(c.music));
    SetOrdinal(button, "IgnoreCommonSounds", c.ignoreCommon);
    if (c.ownSounds) {
      SetSound(*button.MouseEnterSound(), "own-enter");
      SetSound(*button.MouseClickSound(), "own-click");
    }
    menu.services.log.clear();
    button.MouseEnter();
    EXPECT_EQ(menu.services.log, c.enter);
    EXPECT_EQ(ClickOn(button), c.click);
    EXPECT_TRUE(button.Visited());
  }
}

TEST_F(ActionClick, PasswordIsAskedUntilItMatchesOncePerControl) {
  TKIVButton& first = Add(K::aatJumpToPage, "2", "First");
  TKIVButton& second = Add(K::aatJumpToPage, "1", "Second");
  SetString(first, "Password", ScramblePassword("sesame"));
  SetString(second, "Password", ScramblePassword("sesame"));
  SetSound(*first.MouseClickSound(), "click");

  menu.services.inputAnswers = {false};
  EXPECT_EQ(ClickOn(first), (Log{"sound click", "input Menu|&Enter Password:|masked"}))
      << "the sound comes first; cancel ends the click";
  EXPECT_FALSE(first.Visited());
  EXPECT_EQ(menu.window.ActivePage(), 0);

  menu.services.inputAnswers = {false, true, true};
  menu.services.inputTexts = {"", "wrong", "sesame"};
  ClickOn(first);
  EXPECT_EQ(menu.services.inputInitial, (Log{"", "", "wrong"})) << "each query starts from the last typed text";
  EXPECT_TRUE(first.PasswordAccepted());
  EXPECT_EQ(menu.window.ActivePage(), 2);

  EXPECT_EQ(ClickOn(first), (Log{"sound click", "music 0"})) << "not asked again";
  menu.services.inputAnswers.push_back(true);
  menu.services.inputTexts.push_back("sesame");
  ClickOn(second);
  EXPECT_EQ(menu.services.inputInitial.size(), 4u) << "another control asks for itself";
  EXPECT_EQ(menu.window.ActivePage(), 1);
}

TEST_F(ActionClick, StopAndResumeWaitsForTheProgram) {
  struct TCase {
    K kind;
    const char* parameter;
    bool exitAfter;
    Log expected;
  };
  const TCase cases[] = {
      {K::aatRunProgram, "%CDROM%\\setup.exe", false,
       {"music 2", "runAndWait %CDROM%\\setup.exe|-x|normal|wait", "music 1"}},
      {K::aatOpenDocument, "a.pdf", true, {"music 2", "runAndWait a.pdf|-x|normal|wait", "close"}},
      {K::aatRunProgram, "", false, {"music 3"}},
      {K::aatGotoWeb, "example.org", false, {"music 3", "shell open|http://example.org|||0"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.parameter);
    TKIVButton& button = Add(c.kind, c.parameter, std::string("B") + std::to_string(&c - cases));
    SetOrdinal(button, "BGMusicControl", static_cast<int64_t>(M::amcStopAndResume));
    SetOrdinal(button, "ExitAfterAction", c.exitAfter);
    SetString(button, "SecondParam", "-x");
    EXPECT_EQ(ClickOn(button), c.expected);
  }
}

TEST_F(ActionClick, MinimiseBeforeAndExitAfterTheAction) {
  struct TCase {
    K kind;
    bool minimize, exitAfter;
    Log expected;
  };
  const TCase cases[] = {
      {K::aatShowPicture, true, false, {"music 0", "hide", "picture B0", "show"}},
      {K::aatRunProgram, true, false, {"music 0", "minimize", "shell open|p|||0"}},
      {K::aatSlideShow, false, true, {"music 0", "slideshow B2", "close"}},
      {K::aatControlIA, false, false, {"music 0", "command B3"}},
      {K::aatExit, false, true, {"music 0", "close"}},
      {K::aatEject, false, true, {"music 0", "close", "eject "}},
      {K::aatNone, false, true, {"music 0"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    TKIVButton& button = Add(c.kind, "p", std::string("B") + std::to_string(&c - cases));
    SetOrdinal(button, "MinimizeBeforeAction", c.minimize);
    SetOrdinal(button, "ExitAfterAction", c.exitAfter);
    EXPECT_EQ(ClickOn(button), c.expected);
  }
}

TEST_F(ActionClick, AcceleratorNeedsAltAndAnEnabledVisibleControl) {
  TKIVButton& button = Add(K::aatJumpToPage, "NEXT");
  button.SetCaption("&Play && &print");
  EXPECT_FALSE(DispatchDialogChar(menu.window, U'p', 0)) << "without Alt";
  EXPECT_EQ(menu.window.ActivePage(), 0);
  EXPECT_TRUE(DispatchDialogChar(menu.window, U'P', ssAlt));
  EXPECT_EQ(menu.window.ActivePage(), 1);
  button.SetEnabled(false);
  EXPECT_FALSE(DispatchDialogChar(menu.window, U'p', ssAlt));

  struct TCase {
    char32_t character;
    const char* caption;
    bool accelerator;
  };
  const TCase cases[] = {{U'p', "&Play", true},   {U'l', "&Play", false}, {U'p', "&&Play", false},
                         {U'r', "&P&rint", true}, {U'p', "Play&", false}, {U'\u00E9', "&\u00E9t\u00E9", true}};
  for (const TCase& c : cases) EXPECT_EQ(IsAccelerator(c.character, c.caption), c.accelerator) << c.caption;
}

TEST_F(ActionClick, RightClickLocatesOnlyOnTheFollowingFace) {
  menu.window.Context().macroValues = {"/media/cd", "", "", ""};
  TKIVButton& button = Add(K::aatRunProgram, "%CDROM%\\bin\\tool", "Button");
  TKIVShape& shape = Add<TKIVShape>(K::aatRunProgram, "%CDROM%\\bin\\tool", "Shape");
  for (TKIVActionControl* control : {static_cast<TKIVActionControl*>(&button), static_cast<TKIVActionControl*>(&shape)})
    SetOrdinal(*control, "RightClickToLocate", 1);
  menu.services.log.clear();
  button.MouseDown(TMouseButton::mbRight, ssRight, 1, 1);
  shape.MouseDown(TMouseButton::mbRight, ssRight, 1, 1);
  EXPECT_EQ(menu.services.log, Log{"shell explore|/media/cd\\bin|||2"});
}

// A button that counts the ends of its clicks.
class TAfterActionButton : public TKIVButton {
 public:
  int afterActions = 0;
  void AfterAction() override { ++afterActions; }
};

// The failing action is reported where it runs; showing the window again, exit after the action
// and AfterAction still follow, so a hidden menu window comes back.
TEST_F(ActionClick, AFailingActionIsReportedAndTheClickGoesOn) {
  const std::string box = "box Menu|Numeric constant too large.|warning";
  struct TCase {
    const char* name;
    bool minimize, exitAfter;
    Log expected;
  };
  const TCase cases[] = {
      {"plain", false, false, {"music 0", box}},
      {"hidden before", true, false, {"music 0", "hide", box, "show"}},
      {"exit after", false, true, {"music 0", box, "close"}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    auto& button = Add<TAfterActionButton>(K::aatPopupMessage, "bad \\400", std::string("B") + std::to_string(&c - cases));
    SetOrdinal(button, "MinimizeBeforeAction", c.minimize);
    SetOrdinal(button, "ExitAfterAction", c.exitAfter);
    EXPECT_EQ(ClickOn(button), c.expected);
    EXPECT_EQ(button.afterActions, 1);
    EXPECT_FALSE(button.Pressed());
    EXPECT_EQ(ClickOn(button), c.expected) << "the next click works the same";
  }
}

}  // namespace
