#pragma once
// A menu window on Qt's offscreen platform, for the widget tests.

#include <gtest/gtest.h>

#include <QWindow>

#include "platform/menu_window_widget.h"
#include "support/test_application.h"

class MenuWindowTest : public ::testing::Test {
 protected:
  // Shows the window at a known place and size and waits until it is on screen.
  void ShowAt(int left, int top, int width, int height) {
    window.SetPosition(left, top);
    window.SetClientSize(width, height);
    window.show();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }));
  }

  QApplication& app = telvo_test::TestApplication("offscreen");
  TQtMenuWindow window;
};
