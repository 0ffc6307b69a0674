#pragma once
// The standard tool tip of the menu window's windowless controls (Qt's QToolTip), used while the
// custom hint window is off. Its timing comes from the hint settings of the menu the control
// lies on, at each pointer change: the tip opens when the pointer has stayed on a control for
// the hint delay (the shorter pause between hints when another control's tip was open), stays
// for the display time, and closes when the pointer leaves the control. Its colours are the system's tool-tip
// colours (clInfoBk, clInfoText) of the fixed colour table, as on the documents' platform.

#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>
#include <QWidget>

#include "model/control.h"

class TStandardHint {
 public:
  // window shows the controls; it must outlive this object or the tip simply no longer opens.
  explicit TStandardHint(QWidget& window);

  // The pointer is at client point at, over control (null: the window's background). A new
  // control closes an open tip and starts the wait for its own; the same control only moves the
  // point the tip opens at.
  void PointerOver(const TControl* control, QPoint at);
  // A press: an open tip closes and none opens until the pointer reaches another control.
  void Cancel();

 private:
  void Open();

  QPointer<QWidget> m_window;
  QTimer m_wait;
  const TControl* m_control = nullptr;
  QString m_text;
  QRect m_area;  // the control's rectangle in client coordinates
  QPoint m_at;
};
