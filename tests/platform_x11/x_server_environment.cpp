// Starts the process's private X server before the first test and stops it after the last,
// with the one QApplication of the process living in between, made as the player makes it for a
// menu with a web browser: after the web module has prepared the process.

#include <unistd.h>

#include <cstdlib>

#include "modules/module_loader.h"
#include "viewers/web_component.h"
#include "x11_fixture.h"
#include "xvfb_server.h"

namespace {

std::unique_ptr<TXvfbServer>& Server() {
  static std::unique_ptr<TXvfbServer> server;
  return server;
}

std::string& SkipReason() {
  static std::string reason;
  return reason;
}

class XServerEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    Server() = TXvfbServer::Start(&SkipReason());
    if (!Server()) return;
    setenv("DISPLAY", Server()->Display().c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    // No session bus: the tray is then found the X11 way, through its selection. The address
    // names a socket that does not exist rather than none, since without one the bus library
    // tries to start a bus for the display and leaks what it read when that fails.
    setenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/telvo-tests-have-no-session-bus", 1);
    std::string notInstalled;
    if (const TWebComponent::TFactory* web = LoadModuleInterface<TWebComponent>(TELVO_MODULE_DIR, notInstalled)) {
      TWebComponent::TProcessSetup setup;
      setup.sandbox = geteuid() != 0;
      web->prepareProcess(setup);
    }
    telvo_test::TestApplication("xcb");
  }
  // The application goes first: Qt ends the process when its X server disappears under it.
  void TearDown() override {
    telvo_test::DestroyTestApplication();
    Server().reset();
  }
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new XServerEnvironment);

}  // namespace

const std::string& XServerDisplay() {
  static const std::string none;
  return Server() ? Server()->Display() : none;
}

const std::string& XServerSkipReason() { return SkipReason(); }
