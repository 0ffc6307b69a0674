#include "platform/picture_stage.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/screen_capture.h"

QRect CentredArea(const QScreen* screen, const TSplashPicture& picture) {
  if (!screen) screen = QGuiApplication::primaryScreen();
  const QRect geometry = screen ? screen->geometry() : QRect(0, 0, 1920, 1080);
  const TPoint at = CentredOnScreen(geometry.width(), geometry.height(), picture.Width(), picture.Height());
  return QRect(geometry.x() + at.x, geometry.y() + at.y, picture.Width(), picture.Height());
}

TPictureStage::TPictureStage(QWidget* owner, TSplashPicture& picture, TPictureWindow::TStyle style,
                             const QRect& area, bool fades, const TPictureWindowServices& services)
    : m_picture(picture) {
  const bool perPixel = picture.Look() == TPictureWindowLook::PerPixelAlpha;
  style.translucent = perPixel && services.compositor;
  m_window = std::make_unique<TPictureWindow>(owner, style);
  m_window->Place(area.x(), area.y(), area.width(), area.height());
  // A window with per-pixel alpha is cut to the pixels it shows anything at, so its fully
  // transparent parts let the pointer through to what lies behind, as a layered window does.
  if (perPixel)
    m_window->SetShape(OpaqueRegion(picture.FadeForeground().View()));
  else if (picture.Look() == TPictureWindowLook::ShapeRegion)
    m_window->SetShape(picture.Shape(0));
  if (!style.translucent && (fades || perPixel)) m_background = CaptureScreen(area, services.menu, services.report);
  m_animation.setSingleShot(true);
  QObject::connect(&m_animation, &QTimer::timeout, [this] { ShowFrame((m_frame + 1) % m_picture.FrameCount()); });
}

void TPictureStage::ShowFrame(int32_t frame) {
  m_frame = frame;
  const TBitmap32& face = m_picture.Face(frame);
  if (m_picture.Look() == TPictureWindowLook::PerPixelAlpha) {
    if (m_window->Translucent()) {
      m_window->ShowPicture(face);
    } else {
      ComposeFade(m_work, m_background, face, 255);
      m_window->ShowPicture(m_work);
    }
    return;
  }
  if (m_picture.Look() == TPictureWindowLook::ShapeRegion) m_window->SetShape(m_picture.Shape(frame));
  m_window->ShowPicture(face);
  if (const int32_t delayMs = m_picture.FrameDelayMs(frame); delayMs > 0) m_animation.start(delayMs);
}

void TPictureStage::ShowFadeStep(uint8_t alpha) {
  if (m_window->Translucent()) {
    m_window->ShowPicture(ScaleAlpha(m_picture.FadeForeground(), alpha));
    return;
  }
  ComposeFade(m_work, m_background, m_picture.FadeForeground(), alpha);
  m_window->ShowPicture(m_work);
}
