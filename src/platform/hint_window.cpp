#include "platform/hint_window.h"

#include <exception>

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

#include "graphics/qt_seam.h"
#include "platform/opaque_picture.h"
#include "platform/screen_capture.h"
#include "window/hint_balloon.h"

TKIVHintWindow::TKIVHintWindow(bool translucent, const TQtMenuWindow* menu,
                               std::function<void(const std::string&)> report)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus),
      m_translucent(translucent),
      m_menu(menu),
      m_report(std::move(report)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  if (m_translucent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
  } else {
    // The picture covers every pixel: nothing is erased first, so nothing flickers.
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
}

void TKIVHintWindow::ActivateHint(const THintSettings& settings, const std::string& text, QPoint pointer) {
  hide();
  // The one place a hint's failure is swallowed: the balloon is cosmetic, the menu goes on.
  try {
    Compose(settings, text, pointer);
  } catch (const std::exception& error) {
    m_picture = {};
    if (m_report) m_report(std::string("the hint could not be shown: ") + error.what());
    return;
  }
  if (m_picture.Empty()) return;
  setWindowTitle(QString::fromStdString(text));
  show();
}

void TKIVHintWindow::Compose(const THintSettings& settings, const std::string& text, QPoint pointer) {
  m_picture = {};
  const QScreen* screen = QGuiApplication::screenAt(pointer);
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen || text.empty()) return;
  const QRect geometry = screen->geometry();
  const TRect screenRect = TRect::FromSize(geometry.x(), geometry.y(), geometry.width(), geometry.height());
  const THintLayout layout = LayOutHint(settings, text, {pointer.x(), pointer.y()}, screenRect);
  const QRect area(layout.window.left, layout.window.top, layout.window.Width(), layout.window.Height());
  // A compositor blends the layer over the live screen itself; only the shadow, which darkens
  // the screen's own pixels, needs a copy of it then.
  TBitmap32 background(area.width(), area.height());
  if (!m_translucent || layout.shadowOffset > 0)
    background = CaptureScreen(area, m_menu, [this](const std::string&) {
      if (!m_report || m_toldUnreadable) return;
      m_toldUnreadable = true;
      m_report("the screen cannot be read here; hints show over the menu's own picture and black");
    });
  TBitmap32 layer = ComposeHintBalloon(settings, text, layout, background.View());
  m_picture = m_translucent ? std::move(layer) : HintOverBackground(layer, background.View());
  setFixedSize(area.size());
  move(area.topLeft());
}

void TKIVHintWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  DrawWindowPicture(painter, m_picture.View(), event->rect(), m_translucent);
}
