#include "platform/picture_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "graphics/qt_seam.h"
#include "platform/opaque_picture.h"

namespace {

Qt::WindowFlags FlagsOf(const TPictureWindow::TStyle& style) {
  Qt::WindowFlags flags = style.dialogFrame ? Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                  Qt::WindowCloseButtonHint
                                            : Qt::Dialog | Qt::FramelessWindowHint;
  if (style.toolWindow) flags |= Qt::Tool;
  if (style.stayOnTop) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

}  // namespace

void RunUntil(const std::function<bool()>& done, const TPictureWindowServices& services) {
  // Every change of done() comes from an event (a tick, a key, a timer), after which
  // processEvents returns and the condition is looked at again.
  while (!done() && !(services.interrupted && services.interrupted()))
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

TPictureWindow::TPictureWindow(QWidget* owner, const TStyle& style)
    : QDialog(owner, FlagsOf(style)), m_translucent(style.translucent) {
  if (m_translucent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
  } else {
    // The picture covers every pixel: nothing is erased first, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
}

void TPictureWindow::Place(int32_t left, int32_t top, int32_t width, int32_t height) {
  setFixedSize(std::clamp(width, 1, kMaxBitmapSide), std::clamp(height, 1, kMaxBitmapSide));
  move(left, top);
}

void TPictureWindow::ShowPicture(TBitmap32 picture) {
  m_picture = std::move(picture);
  if (isVisible()) repaint();
}

void TPictureWindow::SetShape(const std::optional<TRegion>& region) {
  if (!region) {
    clearMask();
    return;
  }
  const QRegion mask = ToQRegion(*region);
  // An empty mask means "no mask" to Qt; a shape without pixels shows nothing at all.
  setMask(mask.isEmpty() ? QRegion(-1, -1, 1, 1) : mask);
}

void TPictureWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  DrawWindowPicture(painter, m_picture.View(), event->rect(), m_translucent);
}

void TPictureWindow::keyPressEvent(QKeyEvent* event) {
  // Esc is the routine's to handle: QDialog would reject and close the window on its own.
  if (event->key() == Qt::Key_Escape) {
    if (onEscape) onEscape();
    return;
  }
  QDialog::keyPressEvent(event);
}

void TPictureWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_leftDown = true;
}

void TPictureWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !m_leftDown) return;
  m_leftDown = false;
  if (rect().contains(m_pointerPixels.PixelAt(event->position())) && onClick) onClick();
}

void TPictureWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (onCloseRequest) onCloseRequest();
}
