#pragma once
// How a worker thread gets work done on the user-interface thread.

#include <functional>

class TTickDispatcher {
 public:
  virtual ~TTickDispatcher() = default;
  // Queues task to run once on the user-interface thread, from its event loop (nested loops of
  // modal waits included), and returns at once; callable from any thread, never runs task
  // inside the call. A task still queued when the dispatcher ends is dropped without running.
  virtual void PostToUiThread(std::function<void()> task) = 0;
};
