#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSystemTrayIcon>
#include <QTimer>

#include "platform/about_box.h"
#include "platform/menu_window_fixture.h"

namespace {

using Input = MenuWindowTest;

// What the handlers heard, one line per call.
struct Recorder {
  std::vector<std::string> calls;
  TMenuWindowHandlers Handlers() {
    auto button = [](TMouseButton b) { return std::to_string(static_cast<int>(b)); };
    auto at = [](int32_t x, int32_t y) { return std::to_string(x) + "," + std::to_string(y); };
    TMenuWindowHandlers handlers;
    handlers.mouseDown = [=, this](TMouseButton b, TShiftState s, int32_t x, int32_t y) {
      calls.push_back("down " + button(b) + " " + std::to_string(s) + " " + at(x, y));
    };
    handlers.mouseUp = [=, this](TMouseButton b, TShiftState s, int32_t x, int32_t y) {
      calls.push_back("up " + button(b) + " " + std::to_string(s) + " " + at(x, y));
    };
    handlers.mouseMove = [=, this](TShiftState s, int32_t x, int32_t y) {
      calls.push_back("move " + std::to_string(s) + " " + at(x, y));
    };
    handlers.mouseLeave = [this] { calls.push_back("leave"); };
    handlers.minimized = [this] { calls.push_back("minimized"); };
    handlers.closed = [this] { calls.push_back("closed"); };
    return handlers;
  }
};

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QMouseEvent event(type, at, widget.mapToGlobal(at), button, buttons, modifiers);
  QCoreApplication::sendEvent(&widget, &event);
}

TEST_F(Input, MouseEventsReachTheHandlersWithButtonShiftAndPosition) {
  Recorder recorder;
  window.SetHandlers(recorder.Handlers());
  SendMouse(window, QEvent::MouseMove, {5, 6}, Qt::NoButton, Qt::NoButton);
  SendMouse(window, QEvent::MouseButtonPress, {10, 20}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
  SendMouse(window, QEvent::MouseMove, {12, 22}, Qt::NoButton, Qt::LeftButton, Qt::ControlModifier);
  SendMouse(window, QEvent::MouseButtonRelease, {13, 23}, Qt::LeftButton, Qt::NoButton, Qt::AltModifier);
  SendMouse(window, QEvent::MouseButtonDblClick, {1, 2}, Qt::RightButton, Qt::RightButton);
  SendMouse(window, QEvent::MouseButtonPress, {3, 4}, Qt::MiddleButton, Qt::MiddleButton | Qt::LeftButton);
  SendMouse(window, QEvent::MouseButtonPress, {3, 4}, Qt::BackButton, Qt::BackButton);  // not passed on
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(&window, &leave);

  const std::vector<std::string> expected = {
      "move 0 5,6",
      "down 0 " + std::to_string(ssShift | ssLeft) + " 10,20",
      "move " + std::to_string(ssCtrl | ssLeft) + " 12,22",
      "up 0 " + std::to_string(ssAlt) + " 13,23",
      "down 1 " + std::to_string(ssRight | ssDouble) + " 1,2",
      "down 2 " + std::to_string(ssLeft | ssMiddle) + " 3,4",
      "leave",
  };
  EXPECT_EQ(recorder.calls, expected);
}

TEST_F(Input, KeysReachTheWindowBeforeAFocusedWidgetAndOnlyOnce) {
  auto* edit = new QLineEdit(&window);
  ShowAt(0, 0, 200, 100);
  window.activateWindow();
  edit->setFocus();
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return QApplication::focusWidget() == edit; }));

  std::vector<char32_t> seen;
  bool consume = false;
  TMenuWindowHandlers handlers;
  handlers.keyPress = [&](char32_t c) {
    seen.push_back(c);
    return consume;
  };
  window.SetHandlers(handlers);
  auto press = [&](int key, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(edit, &event);
  };
  press(Qt::Key_A, "a");
  press(Qt::Key_Escape, QString());  // the line edit ignores Esc, so Qt passes it up to the window
  consume = true;
  press(Qt::Key_B, "b");
  EXPECT_EQ(seen, (std::vector<char32_t>{U'a', U'\x1b', U'b'}));
  EXPECT_EQ(edit->text(), "a");
}

TEST_F(Input, RightClickOnTheBackgroundOffersAboutWhichShowsTheVersion) {
  ShowAt(0, 0, 200, 100);
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), window.mapToGlobal(QPoint(20, 20)));
  QCoreApplication::sendEvent(&window, &event);
  QMenu* menu = window.OpenMenu();
  ASSERT_NE(menu, nullptr);
  ASSERT_EQ(menu->actions().size(), 1);
  EXPECT_EQ(menu->actions()[0]->text(), "&About...");

  menu->actions()[0]->trigger();
  QMessageBox* box = window.findChild<QMessageBox*>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->text(), AboutText());
  EXPECT_TRUE(box->text().startsWith(QStringLiteral("Telvo \u2014 plays autorun menus on Linux.\n")));
  EXPECT_TRUE(box->text().contains(QRegularExpression("Version \\d+\\.\\d+")));
  box->close();
}

TEST_F(Input, NoAboutMenuWhenHiddenOrOverAControl) {
  ShowAt(0, 0, 200, 100);
  auto rightClick = [&](QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
    QCoreApplication::sendEvent(&window, &event);
    const bool opened = window.OpenMenu() != nullptr;
    if (opened) window.OpenMenu()->close();
    telvo_test::ProcessEventsUntil([&] { return window.OpenMenu() == nullptr; });
    return opened;
  };
  window.SetAboutItem(false);
  EXPECT_FALSE(rightClick({20, 20}));
  window.SetAboutItem(true);
  TMenuWindowHandlers handlers;
  handlers.isBackground = [](int32_t x, int32_t) { return x >= 100; };
  window.SetHandlers(handlers);
  EXPECT_FALSE(rightClick({20, 20}));
  EXPECT_TRUE(rightClick({150, 20}));
}

// Offscreen has no tray, as a desktop without one: the tray icon cannot show, so minimising
// stays an ordinary minimise and the window does not vanish.
TEST_F(Input, WithoutATrayMinimisingMinimisesNormally) {
  ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());
  Recorder recorder;
  window.SetHandlers(recorder.Handlers());
  ShowAt(0, 0, 100, 100);
  window.MinimizeApplication();
  window.ShowTrayIcon(true);
  EXPECT_EQ(window.TrayIcon(), nullptr);
  EXPECT_TRUE(window.isMinimized());
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(recorder.calls, std::vector<std::string>{"minimized"});

  window.ShowTrayIcon(false);
  window.RestoreApplication();
  EXPECT_FALSE(window.isMinimized());
  EXPECT_TRUE(window.isVisible());
}

TEST_F(Input, CloseClosesTheWindowAndTellsTheHandler) {
  Recorder recorder;
  window.SetHandlers(recorder.Handlers());
  ShowAt(0, 0, 100, 100);
  window.Close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(recorder.calls, std::vector<std::string>{"closed"});
}

TEST_F(Input, MessageBoxIsModalAndReturnsWhenClosed) {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  // Reads and closes the box once it is up; the call below returns only then.
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    poll.stop();
    title = box->windowTitle();
    text = box->text();
    icon = box->icon();
    box->accept();
  });
  poll.start(10);
  window.ShowMessageBox("Menu", "Only for administrators.", TMessageBoxIcon::Warning);
  EXPECT_EQ(title, "Menu");
  EXPECT_EQ(text, "Only for administrators.");
  EXPECT_EQ(icon, QMessageBox::Warning);
}

}  // namespace
