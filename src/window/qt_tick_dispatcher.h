#pragma once
// The dispatcher of a Qt application: tasks become queued calls on an object of the
// user-interface thread, so they run from its event loop, nested loops included.

#include <memory>

#include "window/tick_dispatcher.h"

class QObject;

class TQtTickDispatcher final : public TTickDispatcher {
 public:
  // Construct on the user-interface thread (the thread of the QCoreApplication).
  TQtTickDispatcher();
  // Tasks still queued are dropped. Destroy on the user-interface thread, after every timer
  // that uses it.
  ~TQtTickDispatcher() override;

  void PostToUiThread(std::function<void()> task) override;

 private:
  std::unique_ptr<QObject> m_receiver;
};
