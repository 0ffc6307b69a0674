#include "platform/cursor_table.h"

#include <algorithm>
#include <utility>

#include <QGuiApplication>
#include <QPixmap>

#include "graphics/qt_seam.h"
#include "graphics/raster.h"

namespace {

std::vector<TQtCursorFrame> StillCursor(Qt::CursorShape shape) { return {TQtCursorFrame{QCursor(shape), 0}}; }

Qt::CursorShape SystemShapeOf(int16_t number) {
  return number == kCursorEdit ? Qt::IBeamCursor : Qt::ArrowCursor;
}

// The hot spot to give QCursor for a picture blown up scale times. Qt takes it in
// device-independent pixels (the pixmap's own pixels over its ratio), except on X11: Qt's X11
// back end hands it to the server as it stands, in the picture's own pixels, and sends the
// pixmap unscaled whatever its ratio (seen on the server's cursor image with Qt 6.4).
QPoint HotSpotForQt(TPoint hotSpot, int32_t scale) {
  const int32_t factor = QGuiApplication::platformName() == QLatin1String("xcb") ? scale : 1;
  return {hotSpot.x * factor, hotSpot.y * factor};
}

// frame as a Qt cursor scale times as large, each pixel a block (nearest pixel, alpha too).
QCursor ScaledCursor(const TCursorImage& frame, int32_t scale) {
  TBitmap32 large(frame.image.Width() * scale, frame.image.Height() * scale);
  StretchNearest(large.View(), large.Bounds(), frame.image.View(), frame.image.Bounds());
  QImage image = WrapAsQImage(large.View()).copy();
  image.setDevicePixelRatio(scale);
  const QPoint hotSpot = HotSpotForQt(frame.hotSpot, scale);
  return QCursor(QPixmap::fromImage(std::move(image)), hotSpot.x(), hotSpot.y());
}

std::vector<TQtCursorFrame> ScaledFrames(const std::vector<TCursorImage>& images, int32_t scale) {
  std::vector<TQtCursorFrame> frames;
  frames.reserve(images.size());
  for (const TCursorImage& image : images) frames.push_back({ScaledCursor(image, scale), image.delayMs});
  return frames;
}

}  // namespace

Qt::CursorShape StandardCursorShape(TCursor cursor) {
  // The framework's standard cursor numbers, crDefault (0) down to crSizeAll (-22).
  static constexpr Qt::CursorShape kShapes[] = {
      Qt::ArrowCursor,          // 0 crDefault
      Qt::BlankCursor,          // -1 crNone
      Qt::ArrowCursor,          // -2 crArrow
      Qt::CrossCursor,          // -3 crCross
      Qt::IBeamCursor,          // -4 crIBeam
      Qt::SizeAllCursor,        // -5 crSize
      Qt::SizeBDiagCursor,      // -6 crSizeNESW
      Qt::SizeVerCursor,        // -7 crSizeNS
      Qt::SizeFDiagCursor,      // -8 crSizeNWSE
      Qt::SizeHorCursor,        // -9 crSizeWE
      Qt::UpArrowCursor,        // -10 crUpArrow
      Qt::WaitCursor,           // -11 crHourGlass
      Qt::DragCopyCursor,       // -12 crDrag
      Qt::ForbiddenCursor,      // -13 crNoDrop
      Qt::SplitHCursor,         // -14 crHSplit
      Qt::SplitVCursor,         // -15 crVSplit
      Qt::DragCopyCursor,       // -16 crMultiDrag
      Qt::WaitCursor,           // -17 crSQLWait
      Qt::ForbiddenCursor,      // -18 crNo
      Qt::BusyCursor,           // -19 crAppStart
      Qt::WhatsThisCursor,      // -20 crHelp
      Qt::PointingHandCursor,   // -21 crHandPoint
      Qt::SizeAllCursor,        // -22 crSizeAll
  };
  const int index = -cursor;
  if (index < 0 || index >= static_cast<int>(std::size(kShapes))) return Qt::ArrowCursor;
  return kShapes[index];
}

TQtCursorTable::TQtCursorTable() : m_arrow(StillCursor(Qt::ArrowCursor)) {
  for (int16_t number : {kCursorNormal, kCursorHot, kCursorEdit})
    m_defined[number] = {{}, StillCursor(SystemShapeOf(number))};
}

void TQtCursorTable::SetScale(int32_t scale) {
  scale = std::clamp(scale, 1, kMaxCursorScale);
  if (scale == m_scale) return;
  m_scale = scale;
  for (auto& [number, defined] : m_defined)
    if (!defined.images.empty()) defined.frames = ScaledFrames(defined.images, m_scale);
}

bool TQtCursorTable::Define(int16_t number, std::vector<TCursorImage> frames) {
  if (frames.empty()) {
    m_defined[number] = {{}, StillCursor(SystemShapeOf(number))};
    return true;
  }
  for (TCursorImage& frame : frames) {
    const int32_t width = frame.image.Width();
    const int32_t height = frame.image.Height();
    if (frame.image.Empty() || width > kMaxCursorSide || height > kMaxCursorSide) return false;
    frame.hotSpot = {std::clamp(frame.hotSpot.x, 0, width - 1), std::clamp(frame.hotSpot.y, 0, height - 1)};
    frame.delayMs = std::max(frame.delayMs, kMinCursorDelayMs);
  }
  std::vector<TQtCursorFrame> built = ScaledFrames(frames, m_scale);
  m_defined[number] = {std::move(frames), std::move(built)};
  return true;
}

const std::vector<TQtCursorFrame>& TQtCursorTable::Frames(TCursor cursor) const {
  if (auto defined = m_defined.find(cursor); defined != m_defined.end()) return defined->second.frames;
  if (cursor > 0) return m_arrow;
  auto standard = m_standard.find(cursor);
  if (standard == m_standard.end()) standard = m_standard.emplace(cursor, StillCursor(StandardCursorShape(cursor))).first;
  return standard->second;
}
