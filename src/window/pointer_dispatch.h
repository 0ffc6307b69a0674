#pragma once
// Pointer events of the menu window's client area, handed to the controls placed directly on the
// window: the windowless ones and the windowed ones the window paints (TControl::PaintedByWindow,
// the skinned music player), which lie above them. Other windowed controls get theirs from the
// windowing system. The host calls these from its widget's mouse events.

#include <cstdint>

#include "graphics/geometry.h"
#include "model/control.h"
#include "window/menu_form.h"

// Where a press landed.
enum class TPointerTarget : uint8_t { Control, Background };

class TPointerDispatcher {
 public:
  explicit TPointerDispatcher(TKIVForm& form) : m_form(form) {}

  // Positions are in client coordinates; shift holds the keys and buttons down during the event
  // (for MouseUp: the buttons still down after the release).
  //
  // The control under the pointer is the topmost visible, enabled control the window drives,
  // placed directly on it, whose bounds hold the point: the last windowed one it paints in child
  // order, else the last windowless one. When it
  // changes, the old one gets MouseLeave and the new one MouseEnter. A press on a control
  // captures the pointer: that control gets every move and the release, in its own coordinates,
  // until no button is down any more, wherever the pointer goes. Without a capture, moves go to
  // the control under the pointer.
  void MouseMove(TShiftState shift, TPoint at);
  // The result tells where the press landed. A press on the background is the window's own:
  // the host hands it to TKIVForm::BackgroundMouseDown (dragging with MoveWithAnyPoint) and
  // shows the background menu on a right press there.
  TPointerTarget MouseDown(TMouseButton button, TShiftState shift, TPoint at);
  void MouseUp(TMouseButton button, TShiftState shift, TPoint at);
  // The pointer left the client area.
  void MouseLeave();

  // The control under the pointer (null: the background), and the control holding the capture.
  TControl* Hovered() const { return m_hovered; }
  TControl* Captured() const { return m_captured; }
  // The cursor to show: the hovered control's, or the window's own on the background.
  TCursor CurrentCursor() const;

  // The topmost visible, enabled direct child the window drives at a client point, or null.
  TControl* ControlAt(TPoint at) const;

 private:
  // Drops hovered or captured controls that are no longer children of the window (destroyed
  // or moved), so no event reaches a control that is gone.
  void ForgetLostControls();
  void SetHovered(TControl* control);

  TKIVForm& m_form;
  TControl* m_hovered = nullptr;
  TControl* m_captured = nullptr;
};
