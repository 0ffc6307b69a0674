#pragma once
// Controls whose face is a component of Qt widgets in the menu window (the viewers, the text box
// and the rich edit): what the player's start-up and shutdown reach them through, and the slot
// that keeps a component over its control's place while the control shows.

#include <memory>

#include "graphics/canvas.h"
#include "model/control.h"
#include "window/widget_component.h"

// Implemented by such controls beside their control base.
class TComponentHost {
 public:
  virtual ~TComponentHost() = default;
  // The attached component; null before one is attached and after it was freed.
  virtual TWidgetComponent* Component() const = 0;
  // Frees the component, before the window that holds its widgets goes.
  virtual void DetachComponent() = 0;
  // The menu window was shown for the first time.
  virtual void FirstShow() {}
};

// A control's component and where it goes: the control's place in the window's client area (or
// a part of it), shown while the control and all its parents are visible.
class TWidgetSlot {
 public:
  explicit TWidgetSlot(TControl& owner) : m_owner(owner) {}

  TWidgetComponent* Get() const { return m_component.get(); }
  // Takes component and places it at area (control coordinates).
  void Adopt(std::unique_ptr<TWidgetComponent> component, const TRect& area);
  void Reset() { m_component.reset(); }
  // Places the component again, at area: call it whenever the control moves, resizes or shows.
  void Place(const TRect& area);
  // Draws the component into canvas at area (control coordinates), where its window is not on
  // screen.
  void Render(TCanvas& canvas, const TRect& area);

 private:
  TControl& m_owner;
  std::unique_ptr<TWidgetComponent> m_component;
};
