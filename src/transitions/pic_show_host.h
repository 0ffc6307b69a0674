#pragma once
// What the transition control needs from the platform around it: a millisecond clock, a way for
// its worker to wait, the user-interface thread's message loop, and the painting of its frames.
// A Qt host implements it with the steady clock and its event loop; tests implement it with a
// clock they advance by hand and a paint that ends at once.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

#include "graphics/geometry.h"
#include "model/thread_priority.h"

class TPicShowHost {
 public:
  virtual ~TPicShowHost() = default;
  // Milliseconds of a steady clock; callable from any thread.
  virtual uint64_t NowMs() = 0;
  // Blocks on cv until woken() holds or ms have passed; lock is held on entry and on return and
  // woken() is evaluated under it. Called on the worker thread.
  virtual void WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t ms,
                       const std::function<bool()>& woken) = 0;
  // Queues task to run once on the user-interface thread and returns at once; callable from any
  // thread, never runs task inside the call. A task still queued when the host ends is dropped.
  virtual void PostToUiThread(std::function<void()> task) = 0;
  // Handles the user-interface thread's pending messages and posted tasks once; called there.
  virtual void ProcessPendingMessages() = 0;
  // rect of the control's client area changed: the host paints the control (on the
  // user-interface thread, through TCustomPicShow::Paint, which ends by setting the frame-done
  // event). A host that cannot paint now (a hidden window) calls TCustomPicShow::FrameDone
  // instead, or a threaded transition waits for the paint. Callable from any thread.
  virtual void RequestPaint(const TRect& rect) = 0;
  // Called on a new worker thread before it builds its first frame: gives that thread priority
  // as far as the host can. A host without priorities leaves the thread as it is.
  virtual void SetWorkerPriority(TThreadPriority priority) { (void)priority; }
};
