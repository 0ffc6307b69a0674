#pragma once
// The cursors a window shows, by cursor number: the menu's own three (1999 normal, 2999 hot,
// 3999 edit), built from decoded frames, and the framework's standard numbers (crArrow,
// crIBeam, crHandPoint, ...) as Qt's shapes.

#include <cstdint>
#include <map>
#include <vector>

#include <QCursor>

#include "model/ident_tables.h"
#include "window/window_host.h"

struct TQtCursorFrame {
  QCursor cursor;
  int32_t delayMs = 0;  // how long the frame shows in an animated cursor
};

// Frames larger than this on either side are refused: no pointer is that large, and the
// window system would be asked for the memory.
inline constexpr int32_t kMaxCursorSide = 256;
// Frame delays are kept at or above this, so a damaged animation cannot spin the timer.
inline constexpr int32_t kMinCursorDelayMs = 10;

class TQtCursorTable {
 public:
  // 1999 and 2999 start as the arrow, 3999 as the I-beam.
  TQtCursorTable();

  // Defines number from frames (one frame: a still cursor; more: an animation). Empty frames
  // give the number's system cursor. Returns false and keeps the old cursor when a frame is
  // empty or larger than kMaxCursorSide; hot spots outside a frame are moved to its edge.
  bool Define(int16_t number, const std::vector<TCursorImage>& frames);

  // The frames of cursor (at least one). crDefault and numbers nobody defined are the arrow.
  const std::vector<TQtCursorFrame>& Frames(TCursor cursor) const;

 private:
  std::map<TCursor, std::vector<TQtCursorFrame>> m_defined;
  std::vector<TQtCursorFrame> m_arrow;
  mutable std::map<TCursor, std::vector<TQtCursorFrame>> m_standard;  // built on first use
};

// Qt's shape for a standard cursor number (crArrow, crIBeam, ...); the arrow for any other.
Qt::CursorShape StandardCursorShape(TCursor cursor);
