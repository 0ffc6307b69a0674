#include "platform/qt_platform_choice.h"

#include <cstdlib>

#include <xcb/xcb.h>

namespace {

bool IsSet(const std::optional<std::string>& value) { return value && !value->empty(); }

std::optional<std::string> Variable(const char* name) {
  const char* value = std::getenv(name);
  if (!value) return std::nullopt;
  return std::string(value);
}

}  // namespace

std::optional<std::string> QtPlatformFor(const TPlatformEnvironment& environment) {
  if (IsSet(environment.qpaPlatform)) return std::nullopt;
  if (IsSet(environment.waylandDisplay) && IsSet(environment.display)) return "xcb";
  return std::nullopt;
}

TPlatformEnvironment CurrentPlatformEnvironment() {
  return {Variable("WAYLAND_DISPLAY"), Variable("DISPLAY"), Variable("QT_QPA_PLATFORM")};
}

void ChooseQtPlatform() {
  TPlatformEnvironment environment = CurrentPlatformEnvironment();
  if (std::optional<std::string> platform = QtPlatformFor(environment))
    setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
}

std::optional<std::string> X11DisplayFor(const TPlatformEnvironment& environment) {
  if (!IsSet(environment.display)) return std::nullopt;
  if (IsSet(environment.qpaPlatform)) {
    // "xcb", "xcb:option=value" or a fallback list "xcb;wayland": the first plug-in is tried first.
    const std::string& platform = *environment.qpaPlatform;
    const std::string first = platform.substr(0, platform.find_first_of(";:"));
    if (first != "xcb") return std::nullopt;
    return environment.display;
  }
  if (IsSet(environment.waylandDisplay)) return std::nullopt;
  return environment.display;
}

TX11Connection::TX11Connection(const std::string& display) : m_connection(xcb_connect(display.c_str(), nullptr)) {}

TX11Connection::~TX11Connection() { xcb_disconnect(m_connection); }

bool TX11Connection::Answers() const { return xcb_connection_has_error(m_connection) == 0; }
