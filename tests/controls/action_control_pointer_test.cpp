// The pointer state of action controls: hovered, pressed, the drag out and back in, what a
// design-mode switch clears, and which variant repaints its face.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/button.h"
#include "controls/shape.h"

namespace {

// A parent that counts the repaints its children ask for.
struct TCountingParent {
  TWinControl window;
  int invalidations = 0;
  TCountingParent() {
    window.SetOnInvalidate([this](int32_t, int32_t, int32_t, int32_t) { ++invalidations; });
  }
};

// A button that counts its clicks.
class TCountingButton : public TKIVButton {
 public:
  int clicks = 0;
  int afterActions = 0;
  void Click() override {
    ++clicks;
    TKIVButton::Click();
  }
  void AfterAction() override { ++afterActions; }
};

testing::AssertionResult Is(const TKIVActionControl& c, bool hovered, bool pressed) {
  if (c.Hovered() == hovered && c.Pressed() == pressed) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "hovered " << c.Hovered() << " pressed " << c.Pressed() << ", wanted hovered "
                                     << hovered << " pressed " << pressed;
}

}  // namespace

TEST(ActionControlPointer, PressDragOutAndBackThenReleaseInsideClicks) {
  TCountingParent parent;
  TCountingButton button;
  button.SetParent(&parent.window);
  button.SetBounds(10, 10, 80, 30);

  button.MouseEnter();
  EXPECT_TRUE(Is(button, true, false));
  button.MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
  EXPECT_TRUE(Is(button, true, true));
  button.MouseLeave();
  EXPECT_TRUE(Is(button, false, false)) << "looks released while the held pointer is outside";
  button.MouseEnter();
  EXPECT_TRUE(Is(button, true, true)) << "pressed again when it comes back";
  button.MouseUp(TMouseButton::mbLeft, 0, 40, 15);
  EXPECT_TRUE(Is(button, true, false));
  EXPECT_EQ(button.clicks, 1);
  EXPECT_EQ(button.afterActions, 1);
  EXPECT_TRUE(button.Visited());
  button.SetParent(nullptr);
}

TEST(ActionControlPointer, ReleaseOutsideOrWithAnotherButtonDoesNotClick) {
  TCountingParent parent;
  TCountingButton button;
  button.SetParent(&parent.window);
  button.SetBounds(0, 0, 80, 30);

  button.MouseEnter();
  button.MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
  button.MouseLeave();
  button.MouseUp(TMouseButton::mbLeft, 0, 120, 15);
  EXPECT_TRUE(Is(button, false, false));
  button.MouseEnter();
  EXPECT_TRUE(Is(button, true, false)) << "the press ended outside: entering again does not press";

  button.MouseDown(TMouseButton::mbRight, ssRight, 5, 5);
  button.MouseUp(TMouseButton::mbRight, 0, 5, 5);
  button.MouseUp(TMouseButton::mbLeft, 0, 5, 5);  // a release without a press here
  EXPECT_EQ(button.clicks, 0);
  EXPECT_FALSE(button.Visited());
  button.SetParent(nullptr);
}

// A double click is one click, whether its second press comes only as a double-click press or
// first as an ordinary press followed by the double-click press; the face still goes down.
TEST(ActionControlPointer, DoubleClickClicksOnce) {
  enum TStep : uint8_t { Down, DoubleDown, Up };
  struct TCase {
    const char* name;
    std::vector<TStep> steps;
  };
  const TCase cases[] = {
      {"double-click press only", {Down, Up, DoubleDown, Up}},
      {"press, then double-click press", {Down, Up, Down, DoubleDown, Up}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.name);
    TCountingParent parent;
    TCountingButton button;
    button.SetParent(&parent.window);
    button.SetBounds(0, 0, 80, 30);
    button.MouseEnter();
    for (TStep step : c.steps) {
      if (step == Up) {
        button.MouseUp(TMouseButton::mbLeft, 0, 5, 5);
        continue;
      }
      button.MouseDown(TMouseButton::mbLeft, ssLeft | (step == DoubleDown ? ssDouble : 0), 5, 5);
      EXPECT_TRUE(button.Pressed());
    }
    EXPECT_EQ(button.clicks, 1);
    EXPECT_FALSE(button.Pressed());
    button.MouseDown(TMouseButton::mbLeft, ssLeft, 5, 5);
    button.MouseUp(TMouseButton::mbLeft, 0, 5, 5);
    EXPECT_EQ(button.clicks, 2) << "the next single click counts again";
    button.SetParent(nullptr);
  }
}

TEST(ActionControlPointer, DesignModeHasNoHoverAndItsSwitchClearsTheState) {
  TCountingParent parent;
  TCountingButton button;
  button.SetParent(&parent.window);
  button.SetBounds(0, 0, 80, 30);
  button.MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
  button.MouseUp(TMouseButton::mbLeft, 0, 1, 1);
  ASSERT_TRUE(button.Visited());
  button.MouseEnter();
  button.MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
  ASSERT_TRUE(Is(button, true, true));

  const int before = parent.invalidations;
  button.SetDesignMode(true);
  EXPECT_TRUE(Is(button, false, false));
  EXPECT_FALSE(button.Visited());
  EXPECT_GT(parent.invalidations, before);
  const int afterSwitch = parent.invalidations;
  button.SetDesignMode(true);
  EXPECT_EQ(parent.invalidations, afterSwitch) << "the same value changes nothing";

  button.MouseUp(TMouseButton::mbLeft, 0, 1, 1);
  button.MouseLeave();
  button.MouseEnter();
  EXPECT_FALSE(button.Hovered()) << "no hover in design mode";
  button.MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
  button.MouseUp(TMouseButton::mbLeft, 0, 1, 1);
  EXPECT_EQ(button.clicks, 3) << "the held press and the new one both click";
  EXPECT_EQ(button.afterActions, 1) << "a design-mode click stops before the action";
  EXPECT_FALSE(button.Visited());
  button.SetParent(nullptr);
}

TEST(ActionControlPointer, OnlyTheFollowingFaceRepaintsOnPointerEvents) {
  struct Case {
    const char* name;
    std::unique_ptr<TKIVActionControl> control;
    bool repaints;
  };
  Case cases[] = {{"button", std::make_unique<TKIVButton>(), true}, {"shape", std::make_unique<TKIVShape>(), false}};
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    TCountingParent parent;
    c.control->SetParent(&parent.window);
    c.control->SetBounds(0, 0, 50, 50);
    c.control->MouseEnter();
    c.control->MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
    EXPECT_TRUE(Is(*c.control, true, true)) << "the state is kept by both variants";
    c.control->MouseLeave();
    EXPECT_EQ(parent.invalidations > 0, c.repaints);
    c.control->SetParent(nullptr);
  }
}
