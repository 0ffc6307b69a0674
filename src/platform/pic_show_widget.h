#pragma once
// TPicShowWidget: the window of a transition control (TPicShow). It is the control's host: it
// paints the control's offscreen picture, which ends by setting the control's frame-done event,
// hands the worker's messages to the user-interface thread and gives the control the steady
// clock. The worker's paint requests arrive as queued calls, so Qt is touched on the
// user-interface thread only.

#include <QWidget>
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

  uint64_t NowMs() override;
  void WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t ms,
               const std::function<bool()>& woken) override;
  void PostToUiThread(std::function<void()> task) override;
  void ProcessPendingMessages() override;
  // A hidden widget gets no paint, so it sets the frame-done event at once.
  void RequestPaint(const TRect& rect) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TQtTickDispatcher m_dispatcher;
  std::unique_ptr<TPicShow> m_control;
};
