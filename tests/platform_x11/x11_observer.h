#pragma once
// A second X connection for the tests: it looks at windows the way a window manager or a tray
// would (properties, map state, messages sent to the root window) without being one.

#include <xcb/xcb.h>

#include <cstdint>
#include <string>
#include <vector>

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

  // Plays a system tray: owns _NET_SYSTEM_TRAY_S0 and announces it, as a tray program does.
  void BecomeTray();

 private:
  void Drain();

  xcb_connection_t* m_connection = nullptr;
  xcb_window_t m_root = 0;
  xcb_window_t m_trayWindow = 0;
  std::vector<xcb_client_message_event_t> m_messages;
  std::vector<xcb_window_t> m_unmapped;
};
