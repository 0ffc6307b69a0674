// The Qt menu window driven by the real window logic: pointer to the windowless controls, the
// cursor following them, the About menu only on the background, Esc, painting.

#include "platform/menu_window_binding.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "model/component.h"
#include "platform/menu_window_fixture.h"

namespace {

class TNotingControl : public TGraphicControl {
 public:
  std::vector<std::string> events;
  void MouseMove(TShiftState, int32_t x, int32_t y) override {
    events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
  }
  void MouseDown(TMouseButton, TShiftState, int32_t x, int32_t y) override {
    events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
  }
};

class Binding : public MenuWindowTest {
 protected:
  Binding() {
    form = static_cast<TKIVForm*>(application.InsertComponent(std::make_unique<TKIVForm>()));
    control = static_cast<TNotingControl*>(form->InsertComponent(std::make_unique<TNotingControl>()));
    control->SetParent(form);
    control->SetBounds(10, 10, 50, 30);
    control->SetCursor(crHandPoint);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    dispatcher = std::make_unique<TPointerDispatcher>(*form);
    window.SetHandlers(MenuWindowHandlers(window, *form, *dispatcher));
    form->SetHost(&window);
  }
  ~Binding() override { form->SetHost(nullptr); }

  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent event(type, at, window.mapToGlobal(at), button, button, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &event);
  }
  bool AboutMenuAt(QPoint at) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
    QCoreApplication::sendEvent(&window, &event);
    const bool opened = window.OpenMenu() != nullptr;
    if (opened) window.OpenMenu()->close();
    telvo_test::ProcessEventsUntil([&] { return window.OpenMenu() == nullptr; });
    return opened;
  }

  TComponent application;
  TKIVForm* form = nullptr;
  TNotingControl* control = nullptr;
  std::unique_ptr<TPointerDispatcher> dispatcher;
};

TEST_F(Binding, PointerReachesTheControlAndTheCursorFollowsIt) {
  Send(QEvent::MouseMove, {20, 25});
  EXPECT_EQ(window.cursor().shape(), Qt::PointingHandCursor);
  Send(QEvent::MouseButtonPress, {21, 26}, Qt::LeftButton);
  EXPECT_EQ(control->events, (std::vector<std::string>{"move 10,15", "down 11,16"}));
  Send(QEvent::MouseButtonRelease, {21, 26}, Qt::LeftButton);
  Send(QEvent::MouseMove, {150, 80});
  EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
}

TEST_F(Binding, AboutMenuOnlyOnTheBackground) {
  ShowAt(0, 0, 200, 100);
  EXPECT_FALSE(AboutMenuAt({20, 20}));
  EXPECT_TRUE(AboutMenuAt({150, 80}));
  form->SetHideAboutMenu(true);
  EXPECT_FALSE(AboutMenuAt({150, 80}));
}

TEST_F(Binding, EscClosesTheWindowOnlyWithExitWithEsc) {
  ShowAt(0, 0, 200, 100);
  auto esc = [&] {
    QKeyEvent event(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QCoreApplication::sendEvent(&window, &event);
  };
  esc();
  EXPECT_TRUE(window.isVisible());
  form->SetExitWithESC(true);
  esc();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(Binding, TheFormPaintsTheWindow) {
  form->SetColor(clLime);
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(shown.size(), QSize(200, 100));
  EXPECT_EQ(shown.pixel(150, 80), qRgb(0, 255, 0));
}

}  // namespace
