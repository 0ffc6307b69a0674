#include "window/qt_tick_dispatcher.h"

#include <QMetaObject>
#include <QObject>

TQtTickDispatcher::TQtTickDispatcher() : m_receiver(std::make_unique<QObject>()) {}

TQtTickDispatcher::~TQtTickDispatcher() = default;

void TQtTickDispatcher::PostToUiThread(std::function<void()> task) {
  // Queued even when called on the user-interface thread itself, so the task never runs
  // inside this call; a blocking connection is avoided on purpose: the caller waits for the
  // task in a way the timer can cancel.
  QMetaObject::invokeMethod(m_receiver.get(), std::move(task), Qt::QueuedConnection);
}
