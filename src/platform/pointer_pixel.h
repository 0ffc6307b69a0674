#pragma once
// The pixel of a top-level window a pointer event lies in, on a window Qt scales.

#include <optional>

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QWidget>

// A window Qt scales by N gets pointer positions in its own pixels with fractions (device pixel
// 5 at scale 2 is 2.5); the pixel the pointer is over is the one whose N x N block holds it, so
// both coordinates round down. The widget never sees the fraction: Qt rounds an event's
// positions to the nearest whole pixel on its way from the window to the widget, which for half
// of each block gives the next pixel. This watches the events that reach the widget's window
// (the application's event filter sees them before the widget does) and keeps the exact
// position of the last one.
class TPointerPixels : public QObject {
 public:
  // window is a top-level widget that outlives this object.
  explicit TPointerPixels(const QWidget& window);
  ~TPointerPixels() override;
  TPointerPixels(const TPointerPixels&) = delete;
  TPointerPixels& operator=(const TPointerPixels&) = delete;

  // The pixel under the pointer of an event the widget got at position (window coordinates): the
  // exact position's pixel when the window's last pointer event rounds to position, position
  // rounded down otherwise (an event sent to the widget directly).
  QPoint PixelAt(const QPointF& position) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  const QWidget* m_window;
  std::optional<QPointF> m_exact;
};
