#include "x11_observer.h"

#include <sys/uio.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

TX11Observer::TX11Observer(const std::string& display) {
  m_connection = xcb_connect(display.c_str(), nullptr);
  if (!Connected()) return;
  m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
}

TX11Observer::~TX11Observer() {
  if (m_connection) xcb_disconnect(m_connection);
}

xcb_atom_t TX11Observer::Atom(const char* name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      m_connection, xcb_intern_atom(m_connection, 0, static_cast<uint16_t>(strlen(name)), name), nullptr);
  if (!reply) return XCB_ATOM_NONE;
  const xcb_atom_t atom = reply->atom;
  free(reply);
  return atom;
}

std::vector<uint32_t> TX11Observer::Property32(xcb_window_t window, const char* property) {
  std::vector<uint32_t> values;
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      m_connection, xcb_get_property(m_connection, 0, window, Atom(property), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
      nullptr);
  if (!reply) return values;
  if (reply->format == 32) {
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  free(reply);
  return values;
}

bool TX11Observer::HasState(xcb_window_t window, const char* state) {
  const std::vector<uint32_t> states = Property32(window, "_NET_WM_STATE");
  return std::find(states.begin(), states.end(), Atom(state)) != states.end();
}

bool TX11Observer::Viewable(xcb_window_t window) {
  xcb_get_window_attributes_reply_t* reply =
      xcb_get_window_attributes_reply(m_connection, xcb_get_window_attributes(m_connection, window), nullptr);
  if (!reply) return false;
  const bool viewable = reply->map_state == XCB_MAP_STATE_VIEWABLE;
  free(reply);
  return viewable;
}

void TX11Observer::DeleteProperty(xcb_window_t window, const char* property) {
  xcb_delete_property(m_connection, window, Atom(property));
  xcb_flush(m_connection);
}

void TX11Observer::WatchRoot() {
  const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &mask);
  // A round trip: the server has the selection before any other client's next request.
  free(xcb_get_input_focus_reply(m_connection, xcb_get_input_focus(m_connection), nullptr));
  Drain();
  m_messages.clear();
  m_unmapped.clear();
}

void TX11Observer::Drain() {
  xcb_flush(m_connection);
  while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
    switch (event->response_type & 0x7f) {
      case XCB_CLIENT_MESSAGE:
        m_messages.push_back(*reinterpret_cast<xcb_client_message_event_t*>(event));
        break;
      case XCB_UNMAP_NOTIFY:
        m_unmapped.push_back(reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window);
        break;
      default:
        break;
    }
    free(event);
  }
}

std::vector<xcb_client_message_event_t> TX11Observer::ClientMessages(const char* type) {
  Drain();
  const xcb_atom_t atom = Atom(type);
  std::vector<xcb_client_message_event_t> found;
  for (const xcb_client_message_event_t& message : m_messages)
    if (message.type == atom) found.push_back(message);
  return found;
}

bool TX11Observer::SawUnmap(xcb_window_t window) {
  Drain();
  return std::find(m_unmapped.begin(), m_unmapped.end(), window) != m_unmapped.end();
}

void TX11Observer::BecomeTray() {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data;
  m_trayWindow = xcb_generate_id(m_connection);
  xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_trayWindow, m_root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
  const xcb_atom_t selection = Atom("_NET_SYSTEM_TRAY_S0");
  xcb_set_selection_owner(m_connection, m_trayWindow, selection, XCB_CURRENT_TIME);

  xcb_client_message_event_t manager{};
  manager.response_type = XCB_CLIENT_MESSAGE;
  manager.format = 32;
  manager.window = m_root;
  manager.type = Atom("MANAGER");
  manager.data.data32[0] = XCB_CURRENT_TIME;
  manager.data.data32[1] = selection;
  manager.data.data32[2] = m_trayWindow;
  xcb_send_event(m_connection, 0, m_root, XCB_EVENT_MASK_STRUCTURE_NOTIFY, reinterpret_cast<const char*>(&manager));
  xcb_flush(m_connection);
}

xcb_window_t TX11Observer::ViewableWindowOf(pid_t pid) {
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(m_connection, xcb_query_tree(m_connection, m_root), nullptr);
  if (!tree) return 0;
  const xcb_window_t* children = xcb_query_tree_children(tree);
  xcb_window_t found = 0;
  for (int i = 0; i < xcb_query_tree_children_length(tree) && !found; ++i) {
    const std::vector<uint32_t> owner = Property32(children[i], "_NET_WM_PID");
    if (!owner.empty() && owner[0] == static_cast<uint32_t>(pid) && Viewable(children[i])) found = children[i];
  }
  free(tree);
  return found;
}

std::optional<TWindowGeometry> TX11Observer::Geometry(xcb_window_t window) {
  xcb_get_geometry_reply_t* size =
      xcb_get_geometry_reply(m_connection, xcb_get_geometry(m_connection, window), nullptr);
  if (!size) return std::nullopt;
  const TWindowGeometry geometry{0, 0, size->width, size->height};
  free(size);
  xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
      m_connection, xcb_translate_coordinates(m_connection, window, m_root, 0, 0), nullptr);
  if (!at) return std::nullopt;
  const TWindowGeometry placed{at->dst_x, at->dst_y, geometry.width, geometry.height};
  free(at);
  return placed;
}

void TX11Observer::SetStringProperty(xcb_window_t window, const char* property, const std::string& text) {
  xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, window, Atom(property), XCB_ATOM_STRING, 8,
                      static_cast<uint32_t>(text.size()), text.data());
  xcb_flush(m_connection);
}

bool TX11Observer::MovePointer(int16_t x, int16_t y) { return FakeInput(XCB_MOTION_NOTIFY, 0, x, y); }

bool TX11Observer::ClickButton(uint8_t button) {
  return FakeInput(XCB_BUTTON_PRESS, button, 0, 0) && FakeInput(XCB_BUTTON_RELEASE, button, 0, 0);
}

// XTEST's FakeInput request, written out as the protocol lays it down (no client library of the
// extension is needed): the event type, its detail (a button; 0 for an absolute motion), the time
// (0: now), the root (None: the pointer's), the position for a motion, and the device (0: core).
bool TX11Observer::FakeInput(uint8_t type, uint8_t detail, int16_t x, int16_t y) {
  static const char kName[] = "XTEST";
  xcb_query_extension_reply_t* extension = xcb_query_extension_reply(
      m_connection, xcb_query_extension(m_connection, sizeof kName - 1, kName), nullptr);
  if (!extension) return false;
  const bool present = extension->present;
  const uint8_t majorOpcode = extension->major_opcode;
  free(extension);
  if (!present) return false;
  constexpr uint8_t kFakeInput = 2;
  uint8_t request[36] = {};
  request[1] = kFakeInput;  // byte 0 (major opcode) and 2-3 (length) are filled in by xcb
  request[4] = type;
  request[5] = detail;
  std::memcpy(request + 24, &x, sizeof x);
  std::memcpy(request + 26, &y, sizeof y);
  iovec parts[3] = {};  // xcb_send_request needs two spare entries before the request
  parts[2].iov_base = request;
  parts[2].iov_len = sizeof request;
  const xcb_protocol_request_t protocol = {1, nullptr, majorOpcode, 1};
  const unsigned int sequence = xcb_send_request(m_connection, XCB_REQUEST_CHECKED, &parts[2], &protocol);
  xcb_generic_error_t* error = xcb_request_check(m_connection, {sequence});
  const bool done = error == nullptr;
  free(error);
  return done;
}
