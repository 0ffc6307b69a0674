// The input window: what its edit box shows, and what confirming or cancelling hands back.

#include "platform/input_window.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

#include "support/test_application.h"

namespace {

void Key(QWidget& widget, int key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &press);
}

class InputWindow : public testing::Test {
 protected:
  QApplication& app = telvo_test::TestApplication("offscreen");

  // Asks with text as the initial value; once the window is up, hands its edit box to answer.
  bool Ask(std::string& text, bool masked, const std::function<void(QLineEdit&)>& answer) {
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      poll.stop();
      auto* edit = modal->findChild<QLineEdit*>("edtStr");
      if (!edit) {
        ADD_FAILURE() << "no edit box";
        static_cast<QDialog*>(modal)->reject();
        return;
      }
      answer(*edit);
    });
    poll.start(5);
    return InputQuery("Menu", "&Password:", text, masked);
  }
};

TEST_F(InputWindow, MaskedTextShowsAStarForEveryCharacter) {
  for (const bool masked : {true, false}) {
    SCOPED_TRACE(masked);
    std::string text = "pass word";
    Ask(text, masked, [&](QLineEdit& edit) {
      EXPECT_EQ(edit.displayText().toStdString(), masked ? "*********" : "pass word");
      Key(edit, Qt::Key_Escape);
    });
  }
}

TEST_F(InputWindow, ConfirmHandsBackTheTypedTextCancelLeavesItUnchanged) {
  struct TCase {
    Qt::Key key;
    bool confirmed;
    std::string text;
  };
  for (const TCase& c : {TCase{Qt::Key_Return, true, "typed"}, TCase{Qt::Key_Escape, false, "initial"}}) {
    SCOPED_TRACE(c.key);
    std::string text = "initial";
    const bool confirmed = Ask(text, true, [&](QLineEdit& edit) {
      edit.setText("typed");
      Key(edit, c.key);
    });
    EXPECT_EQ(confirmed, c.confirmed);
    EXPECT_EQ(text, c.text);
  }
}

}  // namespace
