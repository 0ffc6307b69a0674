#pragma once
// The window-manager tests: a private X server for the whole process, Qt on its X11 platform
// there, and an observer connection to look at the windows from outside.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <QWindow>

#include "platform/menu_window_widget.h"
#include "support/test_application.h"
#include "x11_observer.h"

// The display of the process's X server, or empty (with the reason) when there is none.
const std::string& XServerDisplay();
const std::string& XServerSkipReason();

class X11WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (XServerDisplay().empty()) GTEST_SKIP() << XServerSkipReason();
    observer = std::make_unique<TX11Observer>(XServerDisplay());
    ASSERT_TRUE(observer->Connected());
    window = std::make_unique<TQtMenuWindow>();
    window->SetBorder(TBorderKind::None);
  }
  void TearDown() override {
    window.reset();
    telvo_test::ProcessEventsFor(20);
  }

  xcb_window_t Id() const { return static_cast<xcb_window_t>(window->winId()); }

  // Shows the window and waits until the X server maps it and, unless nothing of it can show,
  // until Qt knows it is on screen.
  void ShowAndWaitMapped(bool visiblePart = true) {
    window->show();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
      return observer->Viewable(Id()) && (!visiblePart || window->windowHandle()->isExposed());
    }));
  }

  std::unique_ptr<TX11Observer> observer;
  std::unique_ptr<TQtMenuWindow> window;
};
