#pragma once
// The hints of the menu window's windowless controls: when one opens and closes, and which
// window shows it. A hint opens when the pointer has stayed on a control for the hint delay (the
// shorter pause between hints when another control's hint was open), stays for the display
// time, and closes when the pointer leaves the control or a button is pressed. The timing and
// the look come from the menu's hint settings as they are when needed, so a change takes effect
// at the next hint. While the menu uses its custom hint, TKIVHintWindow shows the hint; otherwise
// Qt's standard tool tip does, in the system's tool-tip colours (clInfoBk, clInfoText) of the
// fixed colour table, as on the documents' platform.

#include <functional>
#include <memory>
#include <string>

#include <QPointer>
#include <QRect>
#include <QTimer>

#include "model/control.h"
#include "platform/hint_window.h"
#include "platform/menu_window_widget.h"
#include "window/hint_settings.h"

class TControlHints {
 public:
  // window shows the controls; it must outlive this object or hints simply no longer open.
  // settings hands out the menu's hint settings; it is the only way they are read. report (may
  // be empty) hears what the custom hint window reports (see TKIVHintWindow).
  TControlHints(TQtMenuWindow& window, std::function<const THintSettings&()> settings,
                std::function<void(const std::string&)> report = {});

  // The pointer is at client point at, over control (null: the window's background). A new
  // control closes an open hint and starts the wait for its own; the same control only moves the
  // point the hint opens at.
  void PointerOver(const TControl* control, QPoint at);
  // A press: an open hint closes and none opens until the pointer reaches another control.
  void Cancel();

  // The custom hint window once one was needed (tests look at it); null before.
  const TKIVHintWindow* HintWindow() const { return m_hintWindow.get(); }

 private:
  void Open();
  void Close();
  bool HintOpen() const;
  // The custom hint window, made anew when a compositor has come or gone since the last one.
  TKIVHintWindow& CustomHintWindow();

  QPointer<TQtMenuWindow> m_window;
  std::function<const THintSettings&()> m_settings;
  std::function<void(const std::string&)> m_report;
  QTimer m_wait;
  QTimer m_display;  // the custom hint's display time
  std::unique_ptr<TKIVHintWindow> m_hintWindow;
  const TControl* m_control = nullptr;
  std::string m_text;
  QRect m_area;  // the control's rectangle in client coordinates
  QPoint m_at;
};
