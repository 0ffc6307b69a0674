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
// The largest scale a cursor is blown up by: a frame of kMaxCursorSide then takes 16 MiB.
inline constexpr int32_t kMaxCursorScale = 8;
// Frame delays are kept at or above this, so a damaged animation cannot spin the timer.
inline constexpr int32_t kMinCursorDelayMs = 10;

class TQtCursorTable {
 public:
  // 1999 and 2999 start as the arrow, 3999 as the I-beam; the scale starts at 1.
  TQtCursorTable();

  // The whole number the windows showing these cursors are scaled by (see WindowScale). A
  // defined cursor shows scale times as large, each of its pixels (alpha included) a scale x
  // scale block, with its hot spot on the top-left device pixel of its hot spot pixel's block.
  // Cursors already defined are built again for a new scale; scale is kept within 1 to
  // kMaxCursorScale.
  void SetScale(int32_t scale);

  // Defines number from frames (one frame: a still cursor; more: an animation). Empty frames
  // give the number's system cursor. Returns false and keeps the old cursor when a frame is
  // empty or larger than kMaxCursorSide; hot spots outside a frame are moved to its edge.
  bool Define(int16_t number, std::vector<TCursorImage> frames);

  // The frames of cursor (at least one). crDefault and numbers nobody defined are the arrow.
  const std::vector<TQtCursorFrame>& Frames(TCursor cursor) const;

 private:
  // A number's decoded frames, kept to build the cursors again at another scale, and the
  // cursors built from them (a system cursor: no images, one frame).
  struct TDefinedCursor {
    std::vector<TCursorImage> images;
    std::vector<TQtCursorFrame> frames;
  };

  std::map<TCursor, TDefinedCursor> m_defined;
  std::vector<TQtCursorFrame> m_arrow;
  mutable std::map<TCursor, std::vector<TQtCursorFrame>> m_standard;  // built on first use
  int32_t m_scale = 1;
};

// Qt's shape for a standard cursor number (crArrow, crIBeam, ...); the arrow for any other.
Qt::CursorShape StandardCursorShape(TCursor cursor);
