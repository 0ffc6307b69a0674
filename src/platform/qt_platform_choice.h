#pragma once
// Which Qt platform plug-in the player asks for. Menus rely on window position, shape and
// stacking, which Wayland does not give to clients; where XWayland runs, the X11 plug-in does.

#include <optional>
#include <string>

struct TPlatformEnvironment {
  std::optional<std::string> waylandDisplay;  // WAYLAND_DISPLAY
  std::optional<std::string> display;         // DISPLAY
  std::optional<std::string> qpaPlatform;     // QT_QPA_PLATFORM
};

// The platform to put into QT_QPA_PLATFORM, or nothing to leave Qt's own choice: "xcb" in a
// Wayland session that has an X server (XWayland), unless the user chose a platform. Empty
// variables count as unset.
std::optional<std::string> QtPlatformFor(const TPlatformEnvironment& environment);

// Reads the environment and sets QT_QPA_PLATFORM as QtPlatformFor decides. Call before the
// QApplication is created.
void ChooseQtPlatform();
