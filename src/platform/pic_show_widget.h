#pragma once
// TPicShowWidget: the window of a transition control (TPicShow). It is the control's host: it
// paints the control's offscreen picture, which ends by setting the control's frame-done event,
// hands the worker's messages to the user-interface thread and gives the control the steady
// clock. The worker's paint requests arrive as queued calls, so Qt is touched on the
// user-interface thread only.

#include <QWidget>
#include <functional>
#include <memory>

#include "transitions/pic_show.h"
#include "window/qt_tick_dispatcher.h"

class TPicShowWidget final : public QWidget, public TPicShowHost {
 public:
  // Construct on the user-interface thread. The control takes the widget's size whenever it
  // changes; the control's AutoSize does not resize the widget (its owner lays it out).
  explicit TPicShowWidget(QWidget* parent = nullptr);
  // Stops a running transition first.
  ~TPicShowWidget() override;

  TPicShow& Control() { return *m_control; }
  // Draws over the control's picture on its way to the screen (the slide show's text lines);
  // called on the user-interface thread with a copy of the picture.
  void SetOverlay(std::function<void(const TBitmapView&)> overlay) { m_overlay = std::move(overlay); }
  // What the widget puts on screen: the control's picture with the overlay drawn over it.
  TBitmap32 Picture();

  uint64_t NowMs() override;
  void WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t ms,
               const std::function<bool()>& woken) override;
  void PostToUiThread(std::function<void()> task) override;
  void ProcessPendingMessages() override;
  // A hidden or unexposed widget (its window minimised or covered) gets no paint, so it sets the
  // frame-done event at once and the worker never waits for a paint that does not come.
  void RequestPaint(const TRect& rect) override;
  void SetWorkerPriority(TThreadPriority priority) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TQtTickDispatcher m_dispatcher;
  std::unique_ptr<TPicShow> m_control;
  std::function<void(const TBitmapView&)> m_overlay;
};
