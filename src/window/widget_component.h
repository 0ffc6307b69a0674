#pragma once
// A control's component: Qt widgets inside the menu window (a viewer module's PDF view, media
// player or web view; the text box's editor) that the control places, shows and drives, and
// that draw themselves on screen. The viewers' component interfaces cross their modules'
// boundary: the player and its modules are built from these headers by the same compiler, and
// each interface's kInterfaceVersion names its exact form (raise it with every change).

#include <QPainter>
#include <chrono>

#include "graphics/geometry.h"

class TWidgetComponent {
 public:
  virtual ~TWidgetComponent() = default;
  // Puts the component at rect (the menu window's client coordinates) and shows or hides it.
  virtual void Place(const TRect& rect, bool shown) = 0;
  // Draws the component with painter, whose origin is the component's top-left corner, when its
  // window is not on screen (an off-screen render); on screen the widgets draw themselves.
  virtual void Render(QPainter& painter) = 0;
  // Before a picture of a window that is not on screen: waits, until deadline at most, for
  // what the component shows to be ready to draw. Most components are ready at once.
  virtual void Settle(std::chrono::steady_clock::time_point deadline) { (void)deadline; }
};
