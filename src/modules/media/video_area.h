#pragma once
// Where the media player shows its video: the latest frame drawn over black, stretched over the
// area or kept in proportion and made smaller only when it does not fit. The player draws the
// frames itself (rather than through a native video window), so grabs, prints and page
// transitions see them.

#include <QImage>
#include <QWidget>
#include <functional>

class TVideoArea : public QWidget {
 public:
  explicit TVideoArea(QWidget* parent);

  void SetFrame(QImage frame);
  void SetStretch(bool stretch);
  // Called on a double click (the full-screen view closes on it).
  void SetDoubleClicked(std::function<void()> doubleClicked) { m_doubleClicked = std::move(doubleClicked); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  QImage m_frame;
  bool m_stretch = false;
  std::function<void()> m_doubleClicked;
};

// Where the frame goes in an area of size: all of it when stretched, else the frame's own size
// shrunk in proportion to fit, centred.
QRect VideoFrameRect(QSize frame, QSize area, bool stretch);
