#include "platform/pic_show_widget.h"

#include <QCoreApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <chrono>

#include "platform/opaque_picture.h"
#include "window/thread_timer.h"

TPicShowWidget::TPicShowWidget(QWidget* parent) : QWidget(parent), m_control(std::make_unique<TPicShow>(*this)) {
  // The control paints every pixel itself; Qt never erases under it.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  m_control->SetBounds(0, 0, width(), height());
}

TPicShowWidget::~TPicShowWidget() { m_control.reset(); }

uint64_t TPicShowWidget::NowMs() {
  return static_cast<uint64_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
          .count());
}

void TPicShowWidget::WaitFor(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t ms,
                             const std::function<bool()>& woken) {
  cv.wait_for(lock, std::chrono::milliseconds(ms), woken);
}

void TPicShowWidget::PostToUiThread(std::function<void()> task) { m_dispatcher.PostToUiThread(std::move(task)); }

void TPicShowWidget::ProcessPendingMessages() { QCoreApplication::processEvents(); }

void TPicShowWidget::RequestPaint(const TRect& rect) {
  // Queued with the widget as context: dropped when the widget is gone.
  QMetaObject::invokeMethod(
      this,
      [this, rect] {
        const QWindow* shown = window()->windowHandle();
        if (isVisible() && shown && shown->isExposed())
          update(QRect(rect.left, rect.top, rect.Width(), rect.Height()));
        else
          m_control->FrameDone();
      },
      Qt::QueuedConnection);
}

void TPicShowWidget::SetWorkerPriority(TThreadPriority priority) { ApplyThreadPriority(priority); }

void TPicShowWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (!m_overlay) {
    DrawOpaque(painter, m_control->Paint().View(), event->rect());
    return;
  }
  DrawOpaque(painter, Picture().View(), event->rect());
}

TBitmap32 TPicShowWidget::Picture() {
  TBitmap32 picture = m_control->Paint();
  if (m_overlay) m_overlay(picture.View());
  return picture;
}

void TPicShowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_control->SetBounds(0, 0, width(), height());
}
