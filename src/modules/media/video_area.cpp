#include "modules/media/video_area.h"

#include <QPainter>

QRect VideoFrameRect(QSize frame, QSize area, bool stretch) {
  if (stretch || frame.isEmpty()) return QRect(QPoint(), area);
  QSize size = frame;
  if (size.width() > area.width() || size.height() > area.height()) size = frame.scaled(area, Qt::KeepAspectRatio);
  return QRect(QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size);
}

TVideoArea::TVideoArea(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void TVideoArea::SetFrame(QImage frame) {
  m_frame = std::move(frame);
  update();
}

void TVideoArea::SetStretch(bool stretch) {
  m_stretch = stretch;
  update();
}

void TVideoArea::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (m_frame.isNull()) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(VideoFrameRect(m_frame.size(), size(), m_stretch), m_frame);
}

void TVideoArea::mouseDoubleClickEvent(QMouseEvent*) {
  if (m_doubleClicked) m_doubleClicked();
}
