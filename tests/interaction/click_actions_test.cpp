// The real menu window driven by synthetic pointer and key events: what each click starts (a
// recording xdg-open first on PATH), the message window's text for a missing file, page jumps,
// the password asked once per control, and exit after an action closing the menu once.

#include <gtest/gtest.h>

#include <QClipboard>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "actions/password.h"
#include "actions/test_desktop.h"
#include "controls/action_control.h"
#include "platform/menu_window_binding.h"
#include "platform/message_window.h"
#include "platform/qt_action_services.h"
#include "support/test_application.h"
#include "window/pointer_dispatch.h"
#include "window/window_test_support.h"

namespace fs = std::filesystem;

namespace {

// One button per row, 20 pixels high, 200 wide, at y = 20 * row.
std::string Button(const std::string& name, int row, const std::string& settings, int page = 0) {
  return "  object " + name + ": TKIVButton\n    Left = 0\n    Top = " + std::to_string(row * 20) +
         "\n    Width = 200\n    Height = 20\n    Tag = " + std::to_string(page) + "\n" + settings + "  end\n";
}

std::string Document(const std::string& password) {
  return "object frmDesign: TfrmDesign\n  Caption = 'Menu'\n  ClientWidth = 300\n  ClientHeight = 300\n"
         "  AlwaysShowPageZero = True\n  PageCount = 2\n" +
         Button("Manual", 0, "    ActionType = aatOpenDocument\n    Parameter = '%CDROM%\\DOCS\\manual.PDF'\n") +
         Button("Missing", 1, "    ActionType = aatRunProgram\n    Parameter = '%CDROM%\\setup\\nothing.exe'\n") +
         Button("Web", 2, "    ActionType = aatGotoWeb\n    Parameter = 'example.org/a b'\n") +
         Button("Mail", 3, "    ActionType = aatMail\n    Parameter = 'me@example.org'\n    SecondParam = 'Hello there'\n") +
         Button("Folder", 4, "    ActionType = aatExplore\n") +
         Button("Next", 5, "    Caption = '&Next'\n    ActionType = aatJumpToPage\n    Parameter = 'NEXT'\n") +
         Button("Prev", 6, "    ActionType = aatJumpToPage\n    Parameter = 'PREV'\n") +
         Button("Bad", 7, "    ActionType = aatJumpToPage\n    Parameter = 'twelve'\n") +
         Button("Secret", 8, "    ActionType = aatPopupMessage\n    Parameter = 'Inside\\nthe vault'\n    Password = '" +
                                 password + "'\n") +
         Button("Quit", 9, "    ActionType = aatOpenDocument\n    Parameter = '%CDROM%\\docs\\manual.pdf'\n"
                           "    ExitAfterAction = True\n") +
         Button("Leave", 10, "    ActionType = aatExit\n    ExitAfterAction = True\n") +
         Button("Escape", 11, "    ActionType = aatPopupMessage\n    Parameter = 'bad \\400'\n") +
         Button("Copy", 12, "    ActionType = aatCopy\n    Parameter = 'CONLY'\n") +
         Button("Notes", 13, "    ActionType = aatOpenDocument\n    Parameter = '%CDROM%\\notes.txt'\n"
                             "    BGMusicControl = amcStopAndResume\n") +
         Button("Hidden", 14, "    ActionType = aatPopupMessage\n    Parameter = 'bad \\400'\n"
                              "    MinimizeBeforeAction = True\n") +
         "end\n";
}

// Plays no sound and writes down the music commands.
class TRecordedMusic : public TSounds {
 public:
  std::vector<TKIVBGMusicControl> music;
  void PlaySound(const TWaveData&, bool) override {}
  void ControlBGMusic(TKIVBGMusicControl control) override { music.push_back(control); }
};

class ClickActions : public testing::Test {
 protected:
  void SetUp() override {
    m_folder = fs::path(testing::TempDir()) /
               ("interaction_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_folder);
    fs::create_directories(m_folder / "bin");
    fs::create_directories(m_folder / "Disc" / "Docs");
    std::ofstream(m_folder / "Disc" / "Docs" / "manual.pdf") << "%PDF";
    std::ofstream(m_folder / "bin" / "xdg-open") << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << RecordPath() << "'\n";
    fs::permissions(m_folder / "bin" / "xdg-open", fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    m_oldPath = path ? path : "";
    setenv("PATH", ((m_folder / "bin").string() + ":" + m_oldPath).c_str(), 1);
    menu->Context().macroValues = {(m_folder / "Disc").string(), "", "", ""};

    TMenuWindowHandlers handlers = MenuWindowHandlers(window, *menu, dispatcher);
    handlers.closed = [this] { ++closes; };
    handlers.paint = [this, paint = std::move(handlers.paint)](const TBitmapView& surface, const TRect& area) {
      paint(surface, area);
      ++paints;
    };
    handlers.dialogChar = [this](char32_t c, TShiftState shift) { return DispatchDialogChar(*menu, c, shift); };
    window.SetHandlers(std::move(handlers));
    menu->SetHost(&window);
    menu->SetDesignMode(false);
    binding.emplace(menu->Context(), TMenuServices{.shell = &services,
                                                   .dialogs = &services,
                                                   .pictures = &services,
                                                   .sounds = &sounds,
                                                   .showing = &services});
    window.show();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }));
  }
  void TearDown() override {
    binding.reset();
    menu->SetHost(nullptr);
    setenv("PATH", m_oldPath.c_str(), 1);
  }

  std::string RecordPath() const { return (m_folder / "record.txt").string(); }
  // What the stand-in wrote, once it has written a whole line (it runs on while the menu goes on).
  std::string Record() {
    std::string text;
    telvo_test::ProcessEventsUntil([&] {
      std::ifstream in(RecordPath());
      std::stringstream read;
      read << in.rdbuf();
      text = read.str();
      return !text.empty() && text.back() == '\n';
    }, 3000);
    fs::remove(RecordPath());
    return text;
  }
  std::string Disc() const { return (m_folder / "Disc").string(); }

  // Moves onto the row's button and clicks it, as the user does.
  void ClickRow(int row) {
    const QPoint at(100, row * 20 + 10);
    QTest::mouseMove(&window, at);
    QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, at);
  }
  // One left-button event of the given type on the row's button.
  void SendLeft(QEvent::Type type, int row) {
    const QPointF at(100, row * 20 + 10);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, window.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  }
  // Runs until a modal window is up, hands it to handle, and returns what handle said.
  template <class THandle>
  void WhenModal(THandle handle) {
    auto* poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, [poll, handle] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        poll->stop();
        poll->deleteLater();
        handle(modal);
      }
    });
    poll->start(10);
  }
  // Once the message window is up, writes its text to shown and closes it.
  void WhenMessageWindow(std::string& shown) {
    WhenModal([&shown](QWidget* modal) {
      auto* message = dynamic_cast<TMessageWindow*>(modal);
      ASSERT_NE(message, nullptr);
      shown = message->Text();
      QTest::keyClick(message, Qt::Key_Space);
    });
  }

  QApplication& app = telvo_test::TestApplication("offscreen");
  TTestMenu menu{Document(ScramblePassword("open sesame"))};
  TQtMenuWindow window;
  TPointerDispatcher dispatcher{*menu};
  TQtActionServices services{window, *menu};
  TRecordedMusic sounds;
  std::optional<TServicesBinding> binding;
  int closes = 0;
  int paints = 0;
  fs::path m_folder;
  std::string m_oldPath;
};

TEST_F(ClickActions, ClicksOpenTheirTargetsThroughXdgOpen) {
  struct TCase {
    int row;
    std::string opened;
  };
  const TCase cases[] = {
      {0, Disc() + "/Docs/manual.pdf\n"},
      {2, "http://example.org/a b\n"},
      {3, "mailto:me@example.org?subject=Hello%20there\n"},
      {4, Disc() + "/\n"},  // the menu's own folder, "%CDROM%\\"
  };
  for (const TCase& c : cases) {
    ClickRow(c.row);
    EXPECT_EQ(Record(), c.opened) << c.row;
  }
  EXPECT_TRUE(static_cast<TKIVActionControl&>(menu.Control("Manual")).Visited());
}

TEST_F(ClickActions, AMissingFileShowsTheMessageWindowWithTheExpandedPath) {
  std::string shown;
  WhenMessageWindow(shown);
  ClickRow(1);
  EXPECT_EQ(shown, "Can't open " + Disc() + "\\setup\\nothing.exe. The file or path doesn't exist.");
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(closes, 0) << "the menu keeps running";
}

TEST_F(ClickActions, TheMenuGoesOnWhileXdgOpenIsStillToAnswerAndItsFailureShowsLater) {
  // An xdg-open that answers "no application" only once the test lets it.
  const fs::path release = m_folder / "release";
  std::ofstream(m_folder / "bin" / "xdg-open")
      << "#!/bin/sh\nwhile [ ! -e '" << release.string() << "' ]; do sleep 0.02; done\nexit 3\n";
  const auto& manual = static_cast<TKIVActionControl&>(menu.Control("Manual"));
  ClickRow(0);
  const int paintsAfterClick = paints;
  EXPECT_FALSE(manual.Pressed());
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return paints > paintsAfterClick; })) << "drawn released meanwhile";
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "no message before the answer";
  std::string shown;
  WhenMessageWindow(shown);
  std::ofstream{release};
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return !shown.empty(); }));
  EXPECT_EQ(shown, "Can't open " + Disc() +
                       "\\DOCS\\manual.PDF. There is no application associated with the given file name extension or "
                       "protocol.");
}

TEST_F(ClickActions, StopAndResumeWaitsForTheDocumentsViewerWhileTheWindowIsDrawn) {
  const telvo_test::TTestDesktop& desktop = telvo_test::UseTestDesktop();
  desktop.Reset();
  std::ofstream(m_folder / "Disc" / "notes.txt") << "plain words\n";
  using M = TKIVBGMusicControl;
  const std::vector<M>& music = sounds.music;
  // Once the viewer runs, the window is asked to draw; once it has, the viewer is let go. The
  // click can only return after that if the window went on meanwhile.
  bool drawnWhileTheViewerRan = false;
  int paintsWhenTheViewerRan = -1;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (desktop.RecordText().empty()) return;
    if (paintsWhenTheViewerRan < 0) {
      paintsWhenTheViewerRan = paints;
      window.update();
    } else if (paints > paintsWhenTheViewerRan) {
      drawnWhileTheViewerRan = music == std::vector<M>{M::amcStopBGMusic};
      std::ofstream{desktop.Release()};
      watch.stop();
    }
  });
  watch.start(10);
  ClickRow(13);
  watch.stop();
  std::ofstream{desktop.Release()};
  EXPECT_TRUE(drawnWhileTheViewerRan);
  EXPECT_EQ(desktop.RecordText(), "viewer " + Disc() + "/notes.txt\nviewer done\n");
  EXPECT_EQ(music, (std::vector<M>{M::amcStopBGMusic, M::amcPlayBGMusic})) << "the music comes back after the viewer";
}

TEST_F(ClickActions, PageJumpsByButtonAndByAccelerator) {
  ClickRow(5);
  EXPECT_EQ(menu->ActivePage(), 1);
  ClickRow(7);  // "twelve" does not parse
  EXPECT_EQ(menu->ActivePage(), 1);
  QTest::keyClick(&window, Qt::Key_N);
  EXPECT_EQ(menu->ActivePage(), 1) << "N alone is no accelerator";
  QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
  EXPECT_EQ(menu->ActivePage(), 2);
  ClickRow(6);
  ClickRow(6);
  EXPECT_EQ(menu->ActivePage(), 1) << "PREV stops at 1 with page zero always shown";
}

TEST_F(ClickActions, PasswordIsAskedOncePerControl) {
  int asked = 0;
  std::string message;
  std::function<void(QWidget*)> handle = [&](QWidget* modal) {
    if (auto* shownMessage = dynamic_cast<TMessageWindow*>(modal)) {
      message = shownMessage->Text();
      QTest::keyClick(shownMessage, Qt::Key_Escape);
      return;
    }
    auto* edit = modal->findChild<QLineEdit*>("edtStr");
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    edit->setText(++asked == 1 ? "wrong" : "open sesame");
    QTest::keyClick(edit, Qt::Key_Return);
    WhenModal(handle);
  };
  WhenModal(handle);
  ClickRow(8);
  EXPECT_EQ(asked, 2) << "asked again after a wrong password";
  EXPECT_EQ(message, "Inside\nthe vault");
  message.clear();
  WhenModal(handle);
  ClickRow(8);
  EXPECT_EQ(asked, 2) << "not asked a second time";
  EXPECT_EQ(message, "Inside\nthe vault");
}

TEST_F(ClickActions, ExitAfterActionClosesTheMenuOnce) {
  ClickRow(9);
  EXPECT_EQ(Record(), Disc() + "/Docs/manual.pdf\n");
  EXPECT_EQ(closes, 1);
  window.show();
  ClickRow(10);
  EXPECT_EQ(closes, 2) << "an exit action with exit after it closes once";
}

TEST_F(ClickActions, AnUndecodableMessageIsReportedAndTheMenuGoesOn) {
  QString text;
  WhenModal([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    ASSERT_NE(box, nullptr);
    text = box->text();
    box->accept();
  });
  ClickRow(11);
  EXPECT_EQ(text, "Numeric constant too large.");
  ClickRow(5);
  EXPECT_EQ(menu->ActivePage(), 1);
}

// Qt delivers the second press of a double click as a press followed by a double-click press on
// some platforms, and as the double-click press alone on others: either way NEXT turns one page.
TEST_F(ClickActions, ADoubleClickIsOneClick) {
  for (bool secondPlainPress : {true, false}) {
    SCOPED_TRACE(secondPlainPress ? "press, then double-click press" : "double-click press only");
    menu->SetActivePage(0);
    QTest::mouseMove(&window, QPoint(100, 5 * 20 + 10));
    SendLeft(QEvent::MouseButtonPress, 5);
    SendLeft(QEvent::MouseButtonRelease, 5);
    if (secondPlainPress) SendLeft(QEvent::MouseButtonPress, 5);
    SendLeft(QEvent::MouseButtonDblClick, 5);
    SendLeft(QEvent::MouseButtonRelease, 5);
    EXPECT_EQ(menu->ActivePage(), 1);
  }
}

// The message is hidden behind before the action; its escape does not decode, and the window
// comes back after the report all the same.
TEST_F(ClickActions, AFailedMessageBringsTheHiddenMenuBack) {
  std::optional<bool> visibleDuringReport;
  WhenModal([&](QWidget* modal) {
    visibleDuringReport = window.isVisible();
    ASSERT_NE(qobject_cast<QMessageBox*>(modal), nullptr);
    qobject_cast<QMessageBox*>(modal)->accept();
  });
  ClickRow(14);
  EXPECT_EQ(visibleDuringReport, false);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(closes, 0);
}

TEST_F(ClickActions, CopyPutsTheClientAreaOnTheClipboardAMomentLater) {
  QApplication::clipboard()->clear();
  ClickRow(12);
  EXPECT_TRUE(QApplication::clipboard()->image().isNull()) << "not at once";
  ASSERT_TRUE(telvo_test::ProcessEventsUntil([] { return !QApplication::clipboard()->image().isNull(); }));
  EXPECT_EQ(QApplication::clipboard()->image().size(), window.size());
  EXPECT_EQ(window.size(), QSize(300, 300));
}

}  // namespace
