#include "platform/qt_platform_choice.h"

#include <cstdlib>

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

void ChooseQtPlatform() {
  TPlatformEnvironment environment{Variable("WAYLAND_DISPLAY"), Variable("DISPLAY"), Variable("QT_QPA_PLATFORM")};
  if (std::optional<std::string> platform = QtPlatformFor(environment))
    setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
}
