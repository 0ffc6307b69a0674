// Every window the player opens, shown again and again on the real X server: each time, once the
// server has mapped it and Qt has painted it, the server's image of it is the picture its paint
// code renders off-screen.

#include <QApplication>
#include <QContextMenuEvent>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include "graphics/qt_seam.h"
#include "platform/about_box.h"
#include "platform/menu_window_binding.h"
#include "platform/message_window.h"
#include "platform/qt_action_services.h"
#include "real_screen.h"
#include "window/pointer_dispatch.h"
#include "window/window_paint.h"
#include "window/window_test_support.h"
#include "x11_fixture.h"

namespace {

constexpr int kShows = 20;

// A page with the kinds of drawing a menu does: a gradient, antialiased and shadowed text, a
// gradient-filled antialiased shape, a button, and the skinned music player above them. It lies in the screen's top-left corner, away
// from the pointer (in the middle of the screen), so no control turns hot on its own.
constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  Left = 0
  Top = 0
  Caption = 'Menu'
  ClientWidth = 360
  ClientHeight = 240
  BackGround = afsGradient
  GradBeginColor = $007F3F00
  GradEndColor = $00F0C890
  GradStyle = agsDiagonalLF
  object Title: TKIVCoolLabel
    Left = 16
    Top = 8
    Caption = 'Welcome'
    Font.Color = clWhite
    Font.Height = -28
    Font.Name = 'Times New Roman'
    Font.Style = [fsBold]
    GradBeginColor = clWhite
    GradEndColor = clYellow
    GradStyle = agsLinearV
    ShadowOffset = 3
    ShadowStyle = acsSoft
    ShadowColor = clNavy
  end
  object Star: TKIVShape
    Left = 220
    Top = 60
    Width = 120
    Height = 120
    Shape = assPolygon
    FillStyle = afsGradient
    GradStyle = agsRadialC
    GradBeginColor = clYellow
    GradEndColor = $000080FF
    BorderColor = clMaroon
    BorderWidth = 2
    ShadowOffset = 5
    ShadowStyle = astSemiTransparent
    ShadowColor = clNavy
    Caption = 'Star'
    TextMode = atmAntiAlias
  end
  object Go: TKIVButton
    Left = 16
    Top = 80
    Width = 150
    Height = 28
    Caption = 'Show a &message'
    ActionType = aatPopupMessage
    Parameter = 'Hello'
  end
  object Readme: TKIVHotLabel
    Left = 16
    Top = 130
    Caption = 'Open the README'
    Font.Color = clWhite
    Font.Style = [fsBold]
    Style = aalUnderLine
    TextMode = atmAntiAlias
  end
  object Player: TKIVAudierePlayer
    Left = 80
    Top = 120
    IdleTitle = 'Telvo on a real screen'
  end
end
)";

QImage Copy(const TBitmap32& picture) { return WrapAsQImage(picture.View()).copy(); }

// The menu of kMenu in run mode, played in a real menu window with the player's action services.
class RealScreen : public X11WindowTest {
 protected:
  void SetUp() override {
    X11WindowTest::SetUp();
    if (IsSkipped()) return;
    menu = std::make_unique<TTestMenu>(kMenu);
    dispatcher = std::make_unique<TPointerDispatcher>(**menu);
    services = std::make_unique<TQtActionServices>(*window, **menu);
    window->SetHandlers(MenuWindowHandlers(*window, **menu, *dispatcher));
    (*menu)->SetHost(window.get());
    (*menu)->SetDesignMode(false);
  }
  void TearDown() override {
    if (menu) (*menu)->SetHost(nullptr);
    X11WindowTest::TearDown();
  }

  QImage OffscreenMenu() {
    const TSize client = Form().ClientSize();
    TBitmap32 picture(client.width, client.height);
    PaintMenuWindow(Form(), picture.View());
    return Copy(picture);
  }

  // Runs open (which opens a window over the menu and returns once it is closed); once the window
  // is up, hands it to look, then closes it.
  void WhileOpen(const std::function<void()>& open, const std::function<void(QWidget&)>& look) {
    bool looked = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* opened = QApplication::activePopupWidget() ? QApplication::activePopupWidget()
                                                          : QApplication::activeModalWidget();
      if (!opened || looked) return;
      looked = true;
      look(*opened);
      opened->close();
    });
    poll.start(5);
    open();
    ASSERT_TRUE(looked) << "no window came up";
  }

  TfrmMain& Form() { return **menu; }

  std::unique_ptr<TTestMenu> menu;
  std::unique_ptr<TPointerDispatcher> dispatcher;
  std::unique_ptr<TQtActionServices> services;
};

TEST_F(RealScreen, MenuWindowShowsItsOffscreenRender) {
  for (int show = 0; show < kShows; ++show) {
    TPaintWatch watch;
    window->show();
    ASSERT_TRUE(ShowsItsPicture(*window, watch, *observer, [&] { return OffscreenMenu(); }, "menu")) << "show " << show;
    window->hide();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return !observer->Viewable(Id()); }));
  }
}

// The windows the menu opens over itself, each shown again and again: the message window (as a
// click opens it, with texts of several sizes), the password window with its masked text, the
// system message box, the About box and the background menu that offers it. The message window's
// picture is its own off-screen paint; the others' is Qt's rendering of the widget off-screen.
TEST_F(RealScreen, WindowsOpenedOverTheMenuShowTheirPictures) {
  window->show();
  std::string wrapped;
  for (int i = 0; i < 40; ++i) wrapped += "words\tthat wrap ";
  const std::string texts[] = {"", "Hello from the menu.\nPress OK to close.", wrapped, std::string(200, 'x')};
  const QPoint background(350, 30);
  struct TCase {
    std::string name;
    std::function<void(int show)> open;
  };
  const TCase cases[] = {
      {"message", [&](int show) { services->ShowMessageWindow(Form(), texts[show % std::size(texts)]); }},
      {"input",
       [&](int) {
         std::string typed = "wrong guess";
         services->InputQuery("Menu", "&Password:", typed, true);
       }},
      {"message-box",
       [&](int) { services->ShowMessageBox("Menu", "The file cannot be opened.", TMessageBoxIcon::Warning); }},
      {"about",
       [&](int) {
         const QPointer<QMessageBox> box = OpenAboutBox(window.get());
         telvo_test::ProcessEventsUntil([&] { return box.isNull(); });
       }},
      {"about-menu",
       [&](int) {
         QContextMenuEvent event(QContextMenuEvent::Mouse, background, window->mapToGlobal(background));
         QCoreApplication::sendEvent(window.get(), &event);
         telvo_test::ProcessEventsUntil([&] { return !window->OpenMenu(); });
       }},
  };
  auto picture = [](QWidget& opened) {
    if (auto* message = dynamic_cast<TMessageWindow*>(&opened)) return Copy(message->Picture());
    return opened.grab().toImage();
  };
  // A blinking text cursor would make two looks differ; it stays on.
  const int flashTimeMs = QApplication::cursorFlashTime();
  QApplication::setCursorFlashTime(0);
  for (const TCase& c : cases) {
    for (int show = 0; show < kShows && !HasFailure(); ++show) {
      TPaintWatch watch;
      WhileOpen([&] { c.open(show); },
                [&](QWidget& opened) {
                  EXPECT_TRUE(ShowsItsPicture(opened, watch, *observer, [&] { return picture(opened); }, c.name))
                      << "show " << show;
                });
    }
  }
  QApplication::setCursorFlashTime(flashTimeMs);
}

// Whatever alpha the painted pixels carry, the window shows their colours: transparent and
// translucent pixels neither turn black nor let through what the window held before.
TEST_F(RealScreen, MenuWindowShowsColoursWhateverTheirAlpha) {
  Form().SetHost(nullptr);
  TMenuWindowHandlers handlers;
  handlers.paint = [](const TBitmapView& surface, const TRect& area) {
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x)
        surface.At(x, y) = MakePixel(200, static_cast<uint8_t>(x), static_cast<uint8_t>(y), static_cast<uint8_t>(x * 4));
  };
  window->SetHandlers(handlers);
  window->SetPosition(40, 40);
  window->SetClientSize(128, 64);
  TPaintWatch watch;
  window->show();
  EXPECT_TRUE(ShowsItsPicture(*window, watch, *observer, [&] { return Copy(window->Surface()); }, "alpha"));
}

}  // namespace
