// kiv links in a real web page inside the played menu window: clicks on the menu's own page
// turn its pages and open its documents (a recording xdg-open first on PATH), while a page
// served over the network, and a frame that page makes, cannot reach the menu at all.

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QWebEngineView>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/menu_window_binding.h"
#include "platform/qt_action_services.h"
#include "startup/menu_components.h"
#include "support/test_application.h"
#include "component_support.h"
#include "viewers/web_browser.h"
#include "window/pointer_dispatch.h"
#include "window/window_test_support.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kMenu = R"(object frmDesign: TfrmDesign
  ClientWidth = 420
  ClientHeight = 320
  Pages.Strings = ('Start' 'Main Page' 'Caf'#233)
  PageCount = 2
  DesignMode = True
  object Browser: TKIVWebBrowser
    Left = 0
    Top = 0
    Width = 420
    Height = 320
    URL = 'about:blank'
    ShowMenu = True
    Locked = False
    GroupIndex = 0
    DesignMode = True
    ControlBarStyle = awbNone
    IAName = ''
    Tag = -1
  end
end
)";

// Three links stacked 60 pixels high each, from the top of the page.
std::string LinkPage(const std::vector<std::string>& links, const std::string& script = {}) {
  std::string page = "<html><head><meta charset='utf-8'></head><body style='margin:0'>";
  for (const std::string& link : links)
    page += "<a href='" + link + "' style='display:block;height:60px;background:#cce'>" + link + "</a>";
  return page + "<script>" + script + "</script></body></html>";
}

// Answers every request with one page, over HTTP on the loopback interface.
class TLoopbackServer {
 public:
  explicit TLoopbackServer(std::string page) : m_page(std::move(page)) {
    m_server.listen(QHostAddress::LocalHost);
    QObject::connect(&m_server, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          socket->readAll();
          socket->write(("HTTP/1.0 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                         std::to_string(m_page.size()) + "\r\n\r\n" + m_page)
                            .c_str());
          socket->disconnectFromHost();
        });
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
      }
    });
  }
  std::string Address() const { return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) + "/"; }

 private:
  std::string m_page;
  QTcpServer m_server;
};

class WebLinks : public testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(disc.Folder() / "bin");
    std::ofstream(disc.Folder() / "bin" / "xdg-open")
        << "#!/bin/sh\nprintf '%s\\n' \"$@\" >> '" << RecordPath() << "'\n";
    fs::permissions(disc.Folder() / "bin" / "xdg-open", fs::perms::owner_all);
    const char* path = std::getenv("PATH");
    m_oldPath = path ? path : "";
    setenv("PATH", ((disc.Folder() / "bin").string() + ":" + m_oldPath).c_str(), 1);
    disc.Write("docs/a.pdf", "%PDF");
    menu->Context().macroValues = {disc.Cd().string(), "", "", ""};

    window.SetHandlers(MenuWindowHandlers(window, *menu, dispatcher));
    menu->SetHost(&window);
    viewers.emplace(*menu, &window, TELVO_MODULE_DIR, nullptr, TAttachedComponents::TUse::Play);
    menu->SetDesignMode(false);
    menu->SetActivePage(0);
    binding.emplace(menu->Context(), TMenuServices{.shell = &services, .dialogs = &services, .pictures = &services,
                                                   .showing = &services});
    window.show();
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return window.windowHandle() && window.windowHandle()->isExposed(); }));
    view = window.findChild<QWebEngineView*>();
    ASSERT_NE(view, nullptr) << "the web module gave the browser its view";
  }
  void TearDown() override {
    binding.reset();
    viewers.reset();
    menu->SetHost(nullptr);
    setenv("PATH", m_oldPath.c_str(), 1);
  }

  std::string RecordPath() const { return (disc.Folder() / "record.txt").string(); }
  std::string Recorded() const {
    std::ifstream in(RecordPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // Shows address in the browser and waits until it is loaded and drawn.
  void Show(const std::string& address) {
    bool loaded = false;
    const QMetaObject::Connection connection =
        QObject::connect(view, &QWebEngineView::loadFinished, [&](bool) { loaded = true; });
    static_cast<TKIVWebBrowser&>(menu.Control("Browser")).Navigate(address);
    ASSERT_TRUE(telvo_test::ProcessEventsUntil([&] { return loaded; }, 15000)) << address;
    QObject::disconnect(connection);
    telvo_test::ProcessEventsFor(300);
  }
  // Clicks the link at row (60 pixels each) through the view's focus proxy, as a user would.
  void ClickRow(int row) {
    QWidget* target = view->focusProxy() ? view->focusProxy() : view;
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(30, 60 * row + 30));
  }

  TMenuDisc disc{std::string("web_links_") + testing::UnitTest::GetInstance()->current_test_info()->name()};
  QApplication& app = telvo_test::TestApplication("offscreen");
  TTestMenu menu{kMenu};
  TQtMenuWindow window;
  TPointerDispatcher dispatcher{*menu};
  TQtActionServices services{window, *menu};
  std::optional<TAttachedComponents> viewers;
  std::optional<TServicesBinding> binding;
  QWebEngineView* view = nullptr;

 private:
  std::string m_oldPath;
};

}  // namespace

TEST_F(WebLinks, TheMenusOwnPageTurnsPagesAndOpensDocuments) {
  disc.Write("start.htm", LinkPage({"kiv://page/Main%20Page/", "kiv://open/%CDROM%\\docs\\a.pdf", "kiv://page/caf\xc3\xa9/"}));
  Show((disc.Cd() / "start.htm").string());

  ClickRow(0);
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return menu->ActivePage() == 1; })) << "Main Page, any case";
  ClickRow(1);
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return !Recorded().empty(); }));
  EXPECT_EQ(Recorded(), (disc.Cd() / "docs" / "a.pdf").string() + "\n") << "%CDROM% and the backslashes came back";
  ClickRow(2);
  EXPECT_TRUE(telvo_test::ProcessEventsUntil([&] { return menu->ActivePage() == 2; })) << "the accented name";
}

TEST_F(WebLinks, APageFromTheNetworkAndItsFramesCannotReachTheMenu) {
  // The page's own script makes an empty frame and sends it to a kiv link too.
  TLoopbackServer server(LinkPage({"kiv://run/%CDROM%\\docs\\a.pdf", "kiv://page/Main%20Page/"},
                                  "const f = document.createElement('iframe'); document.body.appendChild(f);"
                                  "f.contentWindow.location.href = 'kiv://exit';"
                                  "setTimeout(() => f.contentWindow.location.href = 'kiv://page/Main%20Page/', 50);"));
  int closes = 0;
  TMenuWindowHandlers handlers = MenuWindowHandlers(window, *menu, dispatcher);
  handlers.closed = [&] { ++closes; };
  window.SetHandlers(std::move(handlers));
  Show(server.Address());

  ClickRow(0);
  ClickRow(1);
  telvo_test::ProcessEventsFor(1500);
  EXPECT_EQ(Recorded(), "");
  EXPECT_EQ(menu->ActivePage(), 0);
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(window.isVisible());
}
