// Pointer events of the client area reach the windowless controls: enter and leave, the
// topmost control under the pointer, capture while a button is held, presses on the
// background.

#include "window/pointer_dispatch.h"

#include <gtest/gtest.h>

#include <memory>

#include "window_test_support.h"

namespace {

// A windowless control that writes down every pointer event it gets.
class TRecordingControl : public TGraphicControl {
 public:
  std::vector<std::string>* log = nullptr;

  void MouseEnter() override { Note("enter"); }
  void MouseLeave() override { Note("leave"); }
  void MouseDown(TMouseButton, TShiftState, int32_t x, int32_t y) override { Note("down", x, y); }
  void MouseMove(TShiftState, int32_t x, int32_t y) override { Note("move", x, y); }
  void MouseUp(TMouseButton, TShiftState, int32_t x, int32_t y) override { Note("up", x, y); }

 private:
  void Note(const std::string& what) { log->push_back(Name() + " " + what); }
  void Note(const std::string& what, int32_t x, int32_t y) {
    log->push_back(Name() + " " + what + " " + std::to_string(x) + "," + std::to_string(y));
  }
};

class PointerDispatch : public testing::Test {
 protected:
  PointerDispatch() {
    menu->SetHost(&host);
    menu->SetMoveWithAnyPoint(true);
  }

  TRecordingControl& Add(const std::string& name, TRect bounds) {
    auto* control = static_cast<TRecordingControl*>(menu->InsertComponent(std::make_unique<TRecordingControl>()));
    control->SetName(name);
    control->SetParent(menu.window);
    control->SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
    control->log = &log;
    return *control;
  }
  std::vector<std::string> Take() { return std::exchange(log, {}); }

  TTestMenu menu{"object frmDesign: TfrmDesign\nend\n"};
  TRecordingHost host;
  TPointerDispatcher dispatcher{*menu};
  std::vector<std::string> log;
};

using Events = std::vector<std::string>;

TEST_F(PointerDispatch, EnterAndLeaveFollowTheTopmostControl) {
  Add("Low", {10, 10, 60, 60});
  Add("High", {40, 40, 100, 100});
  dispatcher.MouseMove(0, {20, 20});
  EXPECT_EQ(Take(), (Events{"Low enter", "Low move 10,10"}));
  dispatcher.MouseMove(0, {50, 50});
  EXPECT_EQ(Take(), (Events{"Low leave", "High enter", "High move 10,10"})) << "the later child is on top";
  dispatcher.MouseMove(0, {5, 5});
  EXPECT_EQ(Take(), (Events{"High leave"}));
  EXPECT_EQ(dispatcher.Hovered(), nullptr);
  dispatcher.MouseMove(0, {99, 99});
  dispatcher.MouseLeave();
  EXPECT_EQ(Take(), (Events{"High enter", "High move 59,59", "High leave"}));
}

TEST_F(PointerDispatch, HiddenDisabledAndWindowedControlsAreSkipped) {
  Add("Under", {0, 0, 100, 100});
  Add("Hidden", {0, 0, 100, 100}).SetVisible(false);
  Add("Disabled", {0, 0, 100, 100}).SetEnabled(false);
  auto* windowed = static_cast<TWinControl*>(menu->InsertComponent(std::make_unique<TCustomControl>()));
  windowed->SetParent(menu.window);
  windowed->SetBounds(0, 0, 100, 100);
  EXPECT_EQ(dispatcher.ControlAt({50, 50}), &menu.Control("Under"));
}

TEST_F(PointerDispatch, PressCapturesUntilTheLastButtonIsReleased) {
  Add("Button", {10, 10, 30, 30});
  Add("Other", {50, 10, 70, 30});
  dispatcher.MouseMove(0, {15, 15});
  EXPECT_EQ(dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, {15, 15}), TPointerTarget::Control);
  Take();
  // Dragged onto another control: hover changes, but the moves stay with the pressed control.
  dispatcher.MouseMove(ssLeft, {60, 20});
  EXPECT_EQ(Take(), (Events{"Button leave", "Other enter", "Button move 50,10"}));
  dispatcher.MouseDown(TMouseButton::mbRight, ssLeft | ssRight, {60, 20});
  dispatcher.MouseUp(TMouseButton::mbRight, ssLeft, {60, 20});
  EXPECT_EQ(Take(), (Events{"Button down 50,10", "Button up 50,10"}));
  EXPECT_NE(dispatcher.Captured(), nullptr) << "the left button is still down";
  dispatcher.MouseUp(TMouseButton::mbLeft, 0, {60, 20});
  EXPECT_EQ(Take(), (Events{"Button up 50,10"}));
  EXPECT_EQ(dispatcher.Captured(), nullptr);
  dispatcher.MouseMove(0, {61, 20});
  EXPECT_EQ(Take(), (Events{"Other move 11,10"}));
}

TEST_F(PointerDispatch, BackgroundPressesAreTheWindows) {
  Add("Button", {10, 10, 30, 30});
  dispatcher.MouseMove(0, {20, 20});
  EXPECT_EQ(dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, {100, 100}), TPointerTarget::Background);
  EXPECT_EQ(Take(), (Events{"Button enter", "Button move 10,10", "Button leave"}));
  EXPECT_EQ(dispatcher.Captured(), nullptr) << "the background captures nothing";
  dispatcher.MouseUp(TMouseButton::mbLeft, 0, {100, 100});
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, {20, 20}), TPointerTarget::Control);
}

TEST_F(PointerDispatch, ControlsThatGoAwayGetNoMoreEvents) {
  TRecordingControl& doomed = Add("Doomed", {0, 0, 50, 50});
  dispatcher.MouseMove(0, {10, 10});
  dispatcher.MouseDown(TMouseButton::mbLeft, ssLeft, {10, 10});
  Take();
  menu->DestroyComponent(&doomed);
  dispatcher.MouseMove(ssLeft, {12, 12});
  dispatcher.MouseUp(TMouseButton::mbLeft, 0, {12, 12});
  EXPECT_TRUE(Take().empty());
  EXPECT_EQ(dispatcher.Captured(), nullptr);
}

TEST_F(PointerDispatch, CursorIsTheHoveredControlsOrTheWindows) {
  Add("Button", {10, 10, 30, 30}).SetCursor(kCursorHot);
  menu->SetCursor(kCursorNormal);
  EXPECT_EQ(dispatcher.CurrentCursor(), kCursorNormal);
  dispatcher.MouseMove(0, {20, 20});
  EXPECT_EQ(dispatcher.CurrentCursor(), kCursorHot);
}

}  // namespace
