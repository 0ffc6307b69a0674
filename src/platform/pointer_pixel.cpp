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
  // The window handle is looked up at each event: Qt makes a new one when the window's flags
  // change.
  if (!watched->isWindowType() || watched != m_window->windowHandle()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      m_exact = static_cast<QMouseEvent*>(event)->position();
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
