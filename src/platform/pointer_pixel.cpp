#include "platform/pointer_pixel.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWindow>
#include <QtMath>

TPointerPixels::TPointerPixels(const QWidget& window) : m_window(&window) {
  QCoreApplication::instance()->installEventFilter(this);
}

TPointerPixels::~TPointerPixels() { QCoreApplication::instance()->removeEventFilter(this); }

bool TPointerPixels::eventFilter(QObject* watched, QEvent* event) {
  // The filter sees every event of the application, also those sent to objects in the middle of
  // their destruction, so the watched object is only compared, never called. The window handle
  // is looked up at each event: Qt makes a new one when the window's flags change.
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      if (watched == m_window->windowHandle()) m_exact = static_cast<QMouseEvent*>(event)->position();
      break;
    default:
      break;
  }
  return false;
}

QPoint TPointerPixels::PixelAt(const QPointF& position) const {
  const QPointF at = m_exact && m_exact->toPoint() == position.toPoint() ? *m_exact : position;
  return {qFloor(at.x()), qFloor(at.y())};
}
