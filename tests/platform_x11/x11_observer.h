#pragma once
// A second X connection for the tests: it looks at windows the way a window manager or a tray
// would (properties, map state, messages sent to the root window) without being one.

#include <sys/types.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where a window lies on the screen (root coordinates) and its size, in the server's pixels.
struct TWindowGeometry {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
};

class TX11Observer {
 public:
  explicit TX11Observer(const std::string& display);
  ~TX11Observer();
  TX11Observer(const TX11Observer&) = delete;
  TX11Observer& operator=(const TX11Observer&) = delete;

  bool Connected() const { return m_connection && !xcb_connection_has_error(m_connection); }
  xcb_window_t Root() const { return m_root; }
  xcb_atom_t Atom(const char* name);
  std::vector<uint32_t> Property32(xcb_window_t window, const char* property);
  bool HasState(xcb_window_t window, const char* state);  // in _NET_WM_STATE
  bool Viewable(xcb_window_t window);
  // Removes a property, as a window manager removes _NET_WM_STATE from a window that was hidden.
  void DeleteProperty(xcb_window_t window, const char* property);

  // From now on, collects the client messages sent to the root window (where clients send their
  // requests to the window manager).
  void WatchRoot();
  // Client messages of type (to the root, or to a window of this connection) received so far.
  std::vector<xcb_client_message_event_t> ClientMessages(const char* type);
  // Whether an UnmapNotify for window arrived so far.
  bool SawUnmap(xcb_window_t window);

  // The viewable top-level window (a child of the root) whose _NET_WM_PID is pid; 0 when none.
  xcb_window_t ViewableWindowOf(pid_t pid);
  std::optional<TWindowGeometry> Geometry(xcb_window_t window);
  // Sets property of window to text, of type STRING (as xrdb sets RESOURCE_MANAGER on the root).
  void SetStringProperty(xcb_window_t window, const char* property, const std::string& text);

  // Input as a user gives it, through the server's XTEST extension: the pointer moves to (x, y)
  // on the screen; a button is pressed and released where the pointer is. False when the server
  // has no XTEST.
  bool MovePointer(int16_t x, int16_t y);
  bool ClickButton(uint8_t button);

  // Plays a system tray: owns _NET_SYSTEM_TRAY_S0 and announces it, as a tray program does.
  void BecomeTray();

 private:
  void Drain();
  bool FakeInput(uint8_t type, uint8_t detail, int16_t x, int16_t y);

  xcb_connection_t* m_connection = nullptr;
  xcb_window_t m_root = 0;
  xcb_window_t m_trayWindow = 0;
  std::vector<xcb_client_message_event_t> m_messages;
  std::vector<xcb_window_t> m_unmapped;
};
