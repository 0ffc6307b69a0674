#pragma once
// Which Qt platform plug-in the player asks for. Menus rely on window position, shape and
// stacking, which Wayland does not give to clients; where XWayland runs, the X11 plug-in does.

#include <optional>
#include <string>

struct xcb_connection_t;

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

// The environment as the process has it now.
TPlatformEnvironment CurrentPlatformEnvironment();

// The X server Qt will connect to when it shows windows through its X11 plug-in with this
// environment (QT_QPA_PLATFORM names "xcb" first, or is unset while DISPLAY is set and
// WAYLAND_DISPLAY is not); nothing when Qt uses another plug-in or chooses one itself.
std::optional<std::string> X11DisplayFor(const TPlatformEnvironment& environment);

// A connection to the X server named display, open for as long as the object lives. Qt aborts
// the process when its X11 plug-in cannot connect, so the player connects first and says what
// is wrong; holding this connection until Qt has its own keeps a server that resets when its
// last client leaves (Xvfb does) from dropping Qt's connection in the middle of a reset.
class TX11Connection {
 public:
  explicit TX11Connection(const std::string& display);
  ~TX11Connection();
  TX11Connection(const TX11Connection&) = delete;
  TX11Connection& operator=(const TX11Connection&) = delete;

  // Whether the server accepted the connection.
  bool Answers() const;

 private:
  xcb_connection_t* m_connection;
};
