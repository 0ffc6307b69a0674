#pragma once
// The custom hint window (TKIVHintWindow): a borderless top-most tool-tip window that neither
// takes the focus nor the pointer and shows the speech balloon of window/hint_balloon.h beside
// the pointer. Where a compositing manager runs (see CompositorRuns) it is a window with
// per-pixel alpha that shows the balloon's layer, and the compositor blends it over whatever
// lies behind; without one it shows the layer blended over a still copy of the screen taken
// before it opened. Both look the same over a still screen. User-interface thread only.

#include <functional>
#include <string>

#include <QPoint>
#include <QWidget>

#include "graphics/bitmap32.h"
#include "window/hint_settings.h"

class TQtMenuWindow;

class TKIVHintWindow : public QWidget {
 public:
  // translucent: per-pixel alpha, only where a compositor runs; fixed for the window's life.
  // menu (may be null) is the window whose own picture stands in for a screen that cannot be
  // read; it must outlive this window. report (may be empty) hears, once, when that happens, and
  // why a hint failed.
  TKIVHintWindow(bool translucent, const TQtMenuWindow* menu, std::function<void(const std::string&)> report);

  // Sizes and places the balloon of text for the pointer at pointer (screen coordinates) with
  // settings, copies the screen under it (when the look needs it), composes its picture once
  // and shows it without activating it. A window already open is hidden first, so the copy never
  // holds the old balloon. A failure while composing (such as memory running out) leaves the
  // window hidden: a hint is cosmetic and never ends the menu.
  void ActivateHint(const THintSettings& settings, const std::string& text, QPoint pointer);

  bool Translucent() const { return m_translucent; }
  // What the window shows: the layer with alpha when translucent, else the opaque picture.
  const TBitmap32& Picture() const { return m_picture; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Compose(const THintSettings& settings, const std::string& text, QPoint pointer);

  bool m_translucent;
  const TQtMenuWindow* m_menu;
  std::function<void(const std::string&)> m_report;
  bool m_toldUnreadable = false;  // report heard once that the screen cannot be read
  TBitmap32 m_picture;
};
