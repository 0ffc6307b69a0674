#pragma once
// The window pixel a pointer position lies in.

#include <QPoint>
#include <QPointF>
#include <QtMath>

// A window Qt scales by N gets pointer positions in its own pixels with fractions (device pixel
// 5 at scale 2 is 2.5). The pixel the pointer is over is the one whose block holds it, so both
// coordinates round down; rounding to the nearest would give the next pixel for half of its
// block.
inline QPoint PixelAt(const QPointF& position) { return {qFloor(position.x()), qFloor(position.y())}; }
