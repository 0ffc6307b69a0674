#include <QMouseEvent>
#include <QSystemTrayIcon>

#include "graphics/region.h"
#include "real_screen.h"
#include "window/tray.h"
#include "x11_fixture.h"

namespace {

constexpr QRgb kRed = qRgb(255, 0, 0);

class Shape : public X11WindowTest {
 protected:
  void SetUp() override {
    X11WindowTest::SetUp();
    if (IsSkipped()) return;
    TMenuWindowHandlers handlers;
    handlers.paint = [](const TBitmapView& surface, const TRect&) {
      for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x) surface.At(x, y) = MakePixel(255, 0, 0);
    };
    window->SetHandlers(handlers);
    window->SetPosition(kArea.x(), kArea.y());
    window->SetClientSize(kArea.width(), kArea.height());
    background = GrabScreen(kArea);
  }

  // The window's pixel at client (x, y) as the screen shows it.
  QRgb Shown(const QImage& screen, int x, int y) const { return screen.pixel(x, y); }
  bool ShowsBackground(const QImage& screen, int x, int y) const { return screen.pixel(x, y) == background.pixel(x, y); }

  static inline const QRect kArea{100, 120, 120, 80};
  QImage background;
};

// The shape cuts the window on screen: inside it the window's pixels, outside it whatever lies
// beneath (here the X server's root pattern).
TEST_F(Shape, PixelsOutsideTheRegionShowTheRootWindow) {
  const TRegion region{{{0, 0, 60, 40}, {60, 40, 120, 80}}};
  window->SetShape(region);
  ShowAndWaitMapped();
  QImage screen;
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
    screen = GrabScreen(kArea);
    return Shown(screen, 10, 10) == kRed && Shown(screen, 110, 70) == kRed;
  }));
  for (int y = 0; y < kArea.height(); y += 3) {
    for (int x = 0; x < kArea.width(); x += 3) {
      SCOPED_TRACE(testing::Message() << x << "," << y);
      if (region.Contains({x, y}))
        ASSERT_EQ(Shown(screen, x, y), kRed);
      else
        ASSERT_TRUE(ShowsBackground(screen, x, y));
    }
  }
  ASSERT_FALSE(background.pixel(10, 10) == kRed);  // the check above could tell them apart
}

TEST_F(Shape, EmptyRegionShowsNothingAndNoShapeShowsAll) {
  window->SetShape(TRegion{});
  ShowAndWaitMapped(false);
  telvo_test::ProcessEventsFor(200);
  QImage screen = GrabScreen(kArea);
  for (int y = 0; y < kArea.height(); y += 3)
    for (int x = 0; x < kArea.width(); x += 3) ASSERT_TRUE(ShowsBackground(screen, x, y)) << x << "," << y;

  window->SetShape(std::nullopt);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
    screen = GrabScreen(kArea);
    return Shown(screen, 0, 0) == kRed && Shown(screen, 119, 79) == kRed && Shown(screen, 90, 10) == kRed;
  }));
}

using Stacking = X11WindowTest;

TEST_F(Stacking, TopMostWindowIsMappedAboveOthers) {
  window->SetTopMost(true);
  ShowAndWaitMapped();
  EXPECT_TRUE(observer->HasState(Id(), "_NET_WM_STATE_ABOVE"));
}

// A shown window asks the window manager to change its band: it is not unmapped, moved or
// made again on the way.
TEST_F(Stacking, ShownWindowChangesBandInPlace) {
  window->SetPosition(50, 60);
  window->SetClientSize(80, 40);
  ShowAndWaitMapped();
  const xcb_window_t id = Id();
  EXPECT_FALSE(observer->HasState(id, "_NET_WM_STATE_ABOVE"));
  observer->WatchRoot();

  window->SetTopMost(true);
  const xcb_atom_t above = observer->Atom("_NET_WM_STATE_ABOVE");
  auto requested = [&](uint32_t action) {
    for (const xcb_client_message_event_t& message : observer->ClientMessages("_NET_WM_STATE"))
      if (message.window == id && message.data.data32[0] == action &&
          (message.data.data32[1] == above || message.data.data32[2] == above))
        return true;
    return false;
  };
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return requested(1); }));  // _NET_WM_STATE_ADD
  window->SetTopMost(false);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return requested(0); }));  // _NET_WM_STATE_REMOVE

  EXPECT_EQ(Id(), id);
  EXPECT_TRUE(observer->Viewable(id));
  EXPECT_FALSE(observer->SawUnmap(id));
  EXPECT_EQ(window->geometry(), QRect(50, 60, 80, 40));
}

using WindowState = X11WindowTest;

TEST_F(WindowState, OpacityIsTheWindowsOpacityProperty) {
  window->SetOpacity(uint8_t{127});
  ShowAndWaitMapped();
  std::vector<uint32_t> value;
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
    value = observer->Property32(Id(), "_NET_WM_WINDOW_OPACITY");
    return !value.empty();
  }));
  EXPECT_NEAR(value[0] / double(0xFFFFFFFFu), 127 / 255.0, 1e-6);
}

// Kept out of the taskbar from the first show, and again after being hidden and shown (a window
// manager drops a hidden window's states).
TEST_F(WindowState, HiddenFromTaskbarAcrossShows) {
  window->HideFromTaskbar();
  ShowAndWaitMapped();
  EXPECT_TRUE(observer->HasState(Id(), "_NET_WM_STATE_SKIP_TASKBAR"));
  window->hide();
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return !observer->Viewable(Id()); }));
  observer->DeleteProperty(Id(), "_NET_WM_STATE");
  ShowAndWaitMapped();
  EXPECT_TRUE(observer->HasState(Id(), "_NET_WM_STATE_SKIP_TASKBAR"));
  EXPECT_TRUE(observer->HasState(Id(), "_NET_WM_STATE_SKIP_PAGER"));
}

TEST_F(WindowState, ShownWindowAsksToLeaveTheTaskbar) {
  ShowAndWaitMapped();
  observer->WatchRoot();
  window->HideFromTaskbar();
  const xcb_atom_t skip = observer->Atom("_NET_WM_STATE_SKIP_TASKBAR");
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
    for (const xcb_client_message_event_t& message : observer->ClientMessages("_NET_WM_STATE"))
      if (message.window == Id() && message.data.data32[0] == 1 && message.data.data32[1] == skip) return true;
    return false;
  }));
  EXPECT_TRUE(observer->Viewable(Id()));
}

// The title buttons reach the window manager as the window's Motif hints: the functions it
// offers (close, minimise, maximise) are the buttons asked for, also after a change on the shown
// window. (With no button at all, Qt leaves only moving and resizing.)
TEST_F(WindowState, TitleButtonsAreTheMotifHints) {
  constexpr uint32_t kFunctions = 1, kMinimize = 8, kMaximize = 16, kClose = 32;
  constexpr uint32_t kButtons = kClose | kMinimize | kMaximize;
  auto offered = [&] {
    const std::vector<uint32_t> hints = observer->Property32(Id(), "_MOTIF_WM_HINTS");
    return hints.size() >= 2 && (hints[0] & kFunctions) ? hints[1] & kButtons : ~0u;
  };
  window->SetBorder(TBorderKind::SingleFixed);
  window->SetTitleButtons({true, false, false});
  ShowAndWaitMapped();
  EXPECT_EQ(offered(), kClose);
  struct TCase {
    TTitleButtons buttons;
    uint32_t expected;
  };
  const TCase cases[] = {{{false, false, false}, 0}, {{true, true, true}, kButtons}, {{true, true, false}, kClose | kMinimize}};
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.expected);
    window->SetTitleButtons(c.buttons);
    EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return offered() == c.expected; })) << offered();
  }
}

// Without a tray a window kept out of the taskbar asks for its taskbar button while minimised,
// so it can be found again, and leaves the taskbar once restored.
TEST_F(WindowState, WithoutATrayTheMinimisedWindowKeepsATaskbarButton) {
  ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
  window->SetBorder(TBorderKind::SingleFixed);
  window->HideFromTaskbar();
  TMenuWindowHandlers handlers;
  handlers.minimized = [&] { EXPECT_FALSE(window->ShowTrayIcon(true)); };  // as the window logic does
  window->SetHandlers(handlers);
  ShowAndWaitMapped();
  observer->WatchRoot();
  const xcb_atom_t skip = observer->Atom("_NET_WM_STATE_SKIP_TASKBAR");
  auto asked = [&](uint32_t action) {
    for (const xcb_client_message_event_t& message : observer->ClientMessages("_NET_WM_STATE"))
      if (message.window == Id() && message.data.data32[0] == action && message.data.data32[1] == skip) return true;
    return false;
  };
  window->MinimizeApplication();
  EXPECT_EQ(window->TrayIcon(), nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return asked(0); })) << "_NET_WM_STATE_REMOVE";
  window->RestoreApplication();
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return asked(1); })) << "_NET_WM_STATE_ADD";
}

// With a tray (the observer plays one) minimising puts the menu into it: the window leaves the
// screen and the taskbar, the icon docks with the caption's first 63 characters as its tip, and
// a double click on the icon reaches the handler, which brings the window back.
TEST_F(WindowState, MinimisedIntoTheTrayAndBackByDoubleClick) {
  observer->BecomeTray();
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([] { return QSystemTrayIcon::isSystemTrayAvailable(); }));
  const std::string caption(100, 'c');
  window->SetCaption(caption);
  window->SetBorder(TBorderKind::SingleFixed);
  int doubleClicks = 0;
  TMenuWindowHandlers handlers;
  handlers.minimized = [&] { window->ShowTrayIcon(true); };  // as the window logic does
  handlers.trayDoubleClicked = [&] {
    ++doubleClicks;
    window->ShowTrayIcon(false);
    window->RestoreApplication();
  };
  window->SetHandlers(handlers);
  ShowAndWaitMapped();
  const xcb_window_t id = Id();

  window->MinimizeApplication();
  ASSERT_NE(window->TrayIcon(), nullptr);
  EXPECT_EQ(window->TrayIcon()->toolTip().toStdString(), TrayTipText(caption));
  EXPECT_EQ(window->TrayIcon()->toolTip().size(), 63);
  EXPECT_FALSE(window->isVisible());
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return !observer->Viewable(id); }));
  // The icon asks the tray to dock its own window (SYSTEM_TRAY_REQUEST_DOCK); that window gets
  // the double click, as the tray would pass it on.
  QWidget* icon = nullptr;
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] {
    for (const xcb_client_message_event_t& message : observer->ClientMessages("_NET_SYSTEM_TRAY_OPCODE"))
      for (QWidget* widget : QApplication::topLevelWidgets())
        if (message.data.data32[1] == 0 && widget != window.get() &&
            static_cast<xcb_window_t>(widget->winId()) == message.data.data32[2])
          icon = widget;
    return icon != nullptr;
  }));
  const QPoint middle = icon->rect().center();
  QMouseEvent press(QEvent::MouseButtonPress, middle, icon->mapToGlobal(middle), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QMouseEvent doubleClick(QEvent::MouseButtonDblClick, middle, icon->mapToGlobal(middle), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(icon, &press);
  QCoreApplication::sendEvent(icon, &doubleClick);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return doubleClicks == 1; }));
  EXPECT_EQ(window->TrayIcon(), nullptr);
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return observer->Viewable(Id()); }));
  EXPECT_FALSE(window->isMinimized());
}

}  // namespace
