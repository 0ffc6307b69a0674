#include "platform/cursor_table.h"

#include <algorithm>
#include <utility>

#include <QPixmap>

#include "graphics/qt_seam.h"

namespace {

std::vector<TQtCursorFrame> StillCursor(Qt::CursorShape shape) { return {TQtCursorFrame{QCursor(shape), 0}}; }

Qt::CursorShape SystemShapeOf(int16_t number) {
  return number == kCursorEdit ? Qt::IBeamCursor : Qt::ArrowCursor;
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
  for (int16_t number : {kCursorNormal, kCursorHot, kCursorEdit}) m_defined[number] = StillCursor(SystemShapeOf(number));
}

bool TQtCursorTable::Define(int16_t number, const std::vector<TCursorImage>& frames) {
  if (frames.empty()) {
    m_defined[number] = StillCursor(SystemShapeOf(number));
    return true;
  }
  std::vector<TQtCursorFrame> built;
  built.reserve(frames.size());
  for (const TCursorImage& frame : frames) {
    const int32_t width = frame.image.Width();
    const int32_t height = frame.image.Height();
    if (frame.image.Empty() || width > kMaxCursorSide || height > kMaxCursorSide) return false;
    const int hotX = std::clamp(frame.hotSpot.x, 0, width - 1);
    const int hotY = std::clamp(frame.hotSpot.y, 0, height - 1);
    QPixmap pixmap = QPixmap::fromImage(WrapAsQImage(frame.image.View()).copy());
    built.push_back({QCursor(pixmap, hotX, hotY), std::max(frame.delayMs, kMinCursorDelayMs)});
  }
  m_defined[number] = std::move(built);
  return true;
}

const std::vector<TQtCursorFrame>& TQtCursorTable::Frames(TCursor cursor) const {
  if (auto defined = m_defined.find(cursor); defined != m_defined.end()) return defined->second;
  if (cursor > 0) return m_arrow;
  auto standard = m_standard.find(cursor);
  if (standard == m_standard.end()) standard = m_standard.emplace(cursor, StillCursor(StandardCursorShape(cursor))).first;
  return standard->second;
}
