#include "platform/x11_window_state.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <QGuiApplication>
#include <QWindow>
#include <xcb/xcb.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
  xcb_intern_atom_reply_t* reply =
      xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
  if (!reply) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  free(reply);
  return atom;
}

std::vector<xcb_atom_t> CurrentStates(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
  std::vector<xcb_atom_t> states;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, property, XCB_ATOM_ATOM, 0, 1024), nullptr);
  if (!reply) return states;
  if (reply->format == 32) {
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    states.assign(atoms, atoms + xcb_get_property_value_length(reply) / 4);
  }
  free(reply);
  return states;
}

}  // namespace

void SetSkipTaskbar(QWindow* window, bool skip) {
  auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
  if (!window || !x11 || !x11->connection()) return;
  xcb_connection_t* connection = x11->connection();
  const auto id = static_cast<xcb_window_t>(window->winId());
  const xcb_atom_t state = Atom(connection, "_NET_WM_STATE");
  const xcb_atom_t skipped[] = {Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                Atom(connection, "_NET_WM_STATE_SKIP_PAGER")};

  if (!window->isVisible()) {
    std::vector<xcb_atom_t> states = CurrentStates(connection, id, state);
    for (xcb_atom_t atom : skipped) {
      auto found = std::find(states.begin(), states.end(), atom);
      if (skip && found == states.end()) states.push_back(atom);
      if (!skip && found != states.end()) states.erase(found);
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(states.size()), states.data());
  } else {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = state;
    message.data.data32[0] = skip ? 1 : 0;  // _NET_WM_STATE_ADD or _REMOVE
    message.data.data32[1] = skipped[0];
    message.data.data32[2] = skipped[1];
    message.data.data32[3] = 1;  // from a normal application
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
  }
  xcb_flush(connection);
}
