#include "platform/message_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "graphics/region.h"
#include "platform/opaque_picture.h"

TMessageWindow::TMessageWindow(QWidget* owner, const std::string& text, const TBitmap32& icon, int32_t screenWidth)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint), m_text(text), m_icon(icon) {
  setModal(true);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  TBitmap32 measuring(1, 1);
  TCanvas canvas(measuring.View());
  canvas.Font().name = "Tahoma";
  canvas.Font().height = -11;
  int32_t width = 0, height = 0;
  MeasureMessageText(canvas, m_text, screenWidth / 2, width, height);
  m_layout = LayoutMessageWindow(width, height);
  m_frame = StretchMessageFrame(MessageFramePicture().View(), m_layout.width, m_layout.height);
  for (TOkButtonFace face : {TOkButtonFace::Normal, TOkButtonFace::Hovered, TOkButtonFace::Pressed})
    m_faces[static_cast<int>(face)] = OkButtonPicture(face);
  setFixedSize(m_layout.width, m_layout.height);
  setMask(ToQRegion(BitmapToRegion(m_frame.View(), kMessageFrameKey)));
  if (const QScreen* screen = owner && owner->screen() ? owner->screen() : QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    move(area.left() + (area.width() - m_layout.width) / 2, area.top() + (area.height() - m_layout.height) / 2);
  }
  Repaint();
}

void TMessageWindow::Repaint() {
  m_picture = TBitmap32(m_layout.width, m_layout.height);
  TCanvas canvas(m_picture.View());
  canvas.Font().name = "Tahoma";
  canvas.Font().height = -11;
  TBitmap32 icon = m_icon;
  PaintMessageWindow(canvas, m_layout, m_frame.View(), icon.View(), m_text,
                     m_faces[static_cast<int>(m_face)].View());
  update();
}

void TMessageWindow::SetFace(TOkButtonFace face) {
  if (face == m_face) return;
  m_face = face;
  Repaint();
}

bool TMessageWindow::OverButton(const QPoint& at) const {
  return m_layout.button.Contains({at.x(), at.y()});
}

void TMessageWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  DrawOpaque(painter, m_picture.View(), event->rect());
}

void TMessageWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape: case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Space: accept(); return;
    default: QDialog::keyPressEvent(event);
  }
}

void TMessageWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = m_pointerPixels.PixelAt(event->position());
  if (OverButton(at)) {
    if (event->button() == Qt::LeftButton) {
      m_buttonHeld = true;
      SetFace(TOkButtonFace::Pressed);
    }
    return;
  }
  // Anywhere else (the background, the icon, the text) the window follows the pointer.
  if (windowHandle()) windowHandle()->startSystemMove();
}

void TMessageWindow::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      event->button() == Qt::LeftButton && m_buttonHeld && OverButton(m_pointerPixels.PixelAt(event->position()));
  if (event->button() == Qt::LeftButton) m_buttonHeld = false;
  SetFace(TOkButtonFace::Normal);
  if (click) accept();
}

void TMessageWindow::mouseMoveEvent(QMouseEvent* event) {
  const bool over = OverButton(m_pointerPixels.PixelAt(event->position()));
  if (over == m_overButton) return;
  m_overButton = over;
  if (over) {
    setCursor(m_buttonCursor);
    SetFace(m_buttonHeld ? TOkButtonFace::Pressed : TOkButtonFace::Hovered);
  } else {
    setCursor(m_windowCursor);
    SetFace(m_buttonHeld ? TOkButtonFace::Hovered : TOkButtonFace::Normal);
  }
}

void TMessageWindow::leaveEvent(QEvent*) {
  if (!m_overButton) return;
  m_overButton = false;
  SetFace(m_buttonHeld ? TOkButtonFace::Hovered : TOkButtonFace::Normal);
}
