// The message window: its size around the text, the OK button's faces under the pointer, and
// what closes it.

#include "platform/message_window.h"

#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QMouseEvent>

#include "support/test_application.h"

namespace {

void Mouse(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
  QMouseEvent event(type, QPointF(at), widget.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

class MessageWindow : public testing::Test {
 protected:
  QApplication& app = telvo_test::TestApplication("offscreen");
};

TEST_F(MessageWindow, SizeFollowsTheText) {
  TMessageWindow empty(nullptr, "", TBitmap32(), 1920);
  EXPECT_EQ(empty.size(), QSize(120, 109));
  std::string words;
  for (int i = 0; i < 5; ++i) words += std::string(40, 'x') + " ";
  TMessageWindow wrapped(nullptr, words, TBitmap32(), 800);
  TMessageWindow oneLine(nullptr, words, TBitmap32(), 4000);
  EXPECT_GT(wrapped.height(), oneLine.height()) << "wraps at half the screen width";
  EXPECT_LE(wrapped.Layout().text.Width(), 400);
  EXPECT_GT(oneLine.Layout().text.Width(), 400);
}

TEST_F(MessageWindow, ButtonFacesFollowThePointerAndAClickCloses) {
  TMessageWindow window(nullptr, "Hello", TBitmap32(), 1920);
  const TRect b = window.Layout().button;
  const QPoint on(b.left + 10, b.top + 10), off(5, 5);
  Mouse(window, QEvent::MouseMove, on, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(window.Face(), TOkButtonFace::Hovered);
  Mouse(window, QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton);
  EXPECT_EQ(window.Face(), TOkButtonFace::Pressed);
  Mouse(window, QEvent::MouseMove, off, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(window.Face(), TOkButtonFace::Hovered) << "held and outside";
  Mouse(window, QEvent::MouseMove, on, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(window.Face(), TOkButtonFace::Pressed);
  Mouse(window, QEvent::MouseMove, off, Qt::NoButton, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonRelease, off, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(window.Face(), TOkButtonFace::Normal);
  EXPECT_EQ(window.result(), 0) << "released outside: not closed";
  Mouse(window, QEvent::MouseMove, on, Qt::NoButton, Qt::NoButton);
  Mouse(window, QEvent::MouseButtonPress, on, Qt::LeftButton, Qt::LeftButton);
  Mouse(window, QEvent::MouseButtonRelease, on, Qt::LeftButton, Qt::NoButton);
  EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(MessageWindow, EscEnterAndSpaceClose) {
  for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
    TMessageWindow window(nullptr, "Hello", TBitmap32(), 1920);
    window.show();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(&window, &press);
    EXPECT_EQ(window.result(), QDialog::Accepted) << key;
    EXPECT_FALSE(window.isVisible());
  }
  TMessageWindow window(nullptr, "Hello", TBitmap32(), 1920);
  window.show();
  QKeyEvent other(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
  QCoreApplication::sendEvent(&window, &other);
  EXPECT_TRUE(window.isVisible());
}

}  // namespace
