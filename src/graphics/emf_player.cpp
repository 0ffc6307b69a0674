// Enhanced metafile records: pens, brushes, fonts, polygons, polylines, Bézier curves,
// rectangles, ellipses, arcs, lines, paths and text, with map modes, window and viewport
// mapping and the world transform. Records this player does not know (bitmaps, clipping,
// regions, palettes) are skipped.

#include <QString>

#include <cmath>
#include <cstring>

#include "graphics/metafile_canvas.h"
#include "graphics/metafile_player.h"
#include "graphics/picture_formats.h"

namespace {

constexpr uint32_t kStockObject = 0x80000000u;

QPointF ReadPointL(TByteReader& r) {
  double x = r.I32();
  double y = r.I32();
  return {x, y};
}

QRectF ReadRectL(TByteReader& r) {
  double left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();
  return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

QPointF ReadPoint(TByteReader& r, bool small) {
  if (!small) return ReadPointL(r);
  double x = r.I16();
  double y = r.I16();
  return {x, y};
}

std::vector<QPointF> ReadPoints(TByteReader& r, size_t count, bool small) {
  // The count is checked against the record before anything is reserved.
  if (count > r.Remaining() / (small ? 4 : 8)) r.Fail("point count beyond the record");
  std::vector<QPointF> points;
  points.reserve(count);
  for (size_t i = 0; i < count; ++i) points.push_back(ReadPoint(r, small));
  return points;
}

QTransform ReadXform(TByteReader& r) {
  float m[6];
  for (float& v : m) {
    uint32_t bits = r.U32();
    std::memcpy(&v, &bits, 4);
    if (!std::isfinite(v)) r.Fail("bad transform");
  }
  return QTransform(m[0], m[1], m[2], m[3], m[4], m[5]);
}

TGdiFont ReadLogFontW(TByteReader& r) {
  TGdiFont font;
  font.height = r.I32();
  r.Skip(4);  // width
  font.escapement = r.I32();
  r.Skip(4);  // orientation
  font.weight = r.I32();
  font.italic = r.U8() != 0;
  font.underline = r.U8() != 0;
  font.strikeOut = r.U8() != 0;
  r.Skip(5);
  for (size_t i = 0; i < 32 && r.Remaining() >= 2; ++i) {
    char16_t c = r.U16();
    if (c == 0) break;
    font.face.push_back(c);
  }
  return font;
}

// The polygon records (POLYGON, POLYLINE, POLYBEZIER and their "TO" and 16-bit forms): the
// bounds, the point count and the points.
void PlayPoly(TMetafileCanvas& canvas, uint32_t type, TByteReader& r) {
  bool small = type >= 85;
  uint32_t base = small ? type - 83 : type;  // 16-bit forms map onto 2..6
  r.Skip(16);
  std::vector<QPointF> points = ReadPoints(r, r.U32(), small);
  if (points.empty()) return;
  QPainterPath path;
  switch (base) {
    case 2:  // POLYBEZIER
      path.moveTo(points[0]);
      for (size_t i = 1; i + 2 < points.size(); i += 3) path.cubicTo(points[i], points[i + 1], points[i + 2]);
      canvas.DrawShape(path, false, true);
      break;
    case 3:  // POLYGON
    case 4:  // POLYLINE
      path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
      if (base == 3) path.closeSubpath();
      canvas.DrawShape(path, base == 3, true);
      break;
    case 5:  // POLYBEZIERTO
      for (size_t i = 0; i + 2 < points.size(); i += 3) canvas.BezierTo(points[i], points[i + 1], points[i + 2]);
      break;
    case 6:  // POLYLINETO
      for (const QPointF& p : points) canvas.LineTo(p);
      break;
  }
}

// POLYPOLYLINE and POLYPOLYGON, 32- and 16-bit.
void PlayPolyPoly(TMetafileCanvas& canvas, uint32_t type, TByteReader& r) {
  bool small = type >= 90, polygon = type == 8 || type == 91;
  r.Skip(16);
  uint32_t polygons = r.U32();
  uint32_t total = r.U32();
  if (polygons > r.Remaining() / 4) r.Fail("polygon count beyond the record");
  std::vector<uint32_t> counts;
  uint64_t sum = 0;
  for (uint32_t i = 0; i < polygons; ++i) sum += counts.emplace_back(r.U32());
  if (sum != total) r.Fail("polygon counts disagree");
  QPainterPath path;
  for (uint32_t count : counts) {
    std::vector<QPointF> points = ReadPoints(r, count, small);
    path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
    if (polygon) path.closeSubpath();
  }
  canvas.DrawShape(path, polygon, true);
}

void PlayText(TMetafileCanvas& canvas, uint32_t type, std::span<const uint8_t> record) {
  TByteReader r(record, 8 + 16 + 12);  // after type, size, bounds, graphics mode and scales
  QPointF at = ReadPointL(r);
  uint32_t chars = r.U32();
  uint32_t offset = r.U32();
  bool wide = type == 84;
  size_t bytes = static_cast<size_t>(chars) * (wide ? 2 : 1);
  if (offset > record.size() || bytes > record.size() - offset) r.Fail("text beyond the record");
  const uint8_t* p = record.data() + offset;
  QString text;
  for (size_t i = 0; i < chars; ++i)
    text.append(wide ? QChar(static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8))) : QChar(p[i]));
  canvas.DrawText(at, text, canvas.State().textAlign & 1);
}

void PlayRecord(TMetafileCanvas& canvas, uint32_t type, std::span<const uint8_t> record) {
  TByteReader r(record, 8);
  TDcState& s = canvas.State();
  switch (type) {
    case 2: case 3: case 4: case 5: case 6: case 85: case 86: case 87: case 88: case 89:
      PlayPoly(canvas, type, r);
      break;
    case 7: case 8: case 90: case 91: PlayPolyPoly(canvas, type, r); break;
    case 9: s.windowExt = ReadPointL(r); break;
    case 10: s.windowOrg = ReadPointL(r); break;
    case 11: s.viewportExt = ReadPointL(r); break;
    case 12: s.viewportOrg = ReadPointL(r); break;
    case 17: s.mapMode = r.I32(); break;
    case 19: s.polyFillMode = r.I32(); break;
    case 22: s.textAlign = r.U32(); break;
    case 24: s.textColor = static_cast<TColor>(r.U32() & 0xFFFFFF); break;
    case 27: canvas.MoveTo(ReadPointL(r)); break;
    case 33: canvas.SaveState(); break;
    case 34: canvas.RestoreState(r.I32()); break;
    case 35: s.world = ReadXform(r); break;
    case 36: {  // MODIFYWORLDTRANSFORM
      QTransform x = ReadXform(r);
      uint32_t mode = r.U32();
      if (mode == 1) s.world = QTransform();
      else if (mode == 2) s.world = x * s.world;
      else if (mode == 3) s.world = s.world * x;
      else if (mode == 4) s.world = x;
      break;
    }
    case 37: {  // SELECTOBJECT
      uint32_t index = r.U32();
      if (index & kStockObject) canvas.SelectStockObject(index & ~kStockObject);
      else canvas.SelectObject(index);
      break;
    }
    case 38: {  // CREATEPEN
      uint32_t index = r.U32();
      TGdiPen pen;
      pen.style = r.U32();
      pen.width = r.I32();
      r.Skip(4);
      pen.color = static_cast<TColor>(r.U32() & 0xFFFFFF);
      canvas.CreateObject(index, pen);
      break;
    }
    case 95: {  // EXTCREATEPEN
      uint32_t index = r.U32();
      r.Skip(16);  // pattern bitmap
      TGdiPen pen;
      pen.style = r.U32();
      pen.width = r.I32();
      r.Skip(4);  // brush style
      pen.color = static_cast<TColor>(r.U32() & 0xFFFFFF);
      if (!(pen.style & 0x10000)) pen.width = 0;  // cosmetic pens are one pixel wide
      canvas.CreateObject(index, pen);
      break;
    }
    case 39: {  // CREATEBRUSHINDIRECT
      uint32_t index = r.U32();
      TGdiBrush brush;
      brush.style = r.U32();
      brush.color = static_cast<TColor>(r.U32() & 0xFFFFFF);
      brush.hatch = r.U32();
      canvas.CreateObject(index, brush);
      break;
    }
    case 82: {  // EXTCREATEFONTINDIRECTW
      uint32_t index = r.U32();
      canvas.CreateObject(index, ReadLogFontW(r));
      break;
    }
    case 49: case 93: case 94: canvas.CreateObject(r.U32(), TGdiOther{}); break;
    case 40: canvas.DeleteObject(r.U32()); break;
    case 42: case 43: {  // ELLIPSE, RECTANGLE
      QRectF box = ReadRectL(r);
      QPainterPath path;
      if (type == 42) path.addEllipse(box); else path.addRect(box);
      canvas.DrawShape(path, true, true);
      break;
    }
    case 44: {  // ROUNDRECT
      QRectF box = ReadRectL(r);
      QPointF corner = ReadPointL(r);
      QPainterPath path;
      path.addRoundedRect(box, std::abs(corner.x()) / 2, std::abs(corner.y()) / 2);
      canvas.DrawShape(path, true, true);
      break;
    }
    case 45: case 46: case 47: {  // ARC, CHORD, PIE
      QRectF box = ReadRectL(r);
      QPointF start = ReadPointL(r), end = ReadPointL(r);
      canvas.DrawArc(box, start, end, type == 45 ? 0 : type == 46 ? 1 : 2);
      break;
    }
    case 54: canvas.LineTo(ReadPointL(r)); break;
    case 59: canvas.BeginPath(); break;
    case 60: canvas.EndPath(); break;
    case 61: canvas.CloseFigure(); break;
    case 62: canvas.FinishPath(true, false); break;
    case 63: canvas.FinishPath(true, true); break;
    case 64: canvas.FinishPath(false, true); break;
    case 68: canvas.AbortPath(); break;
    case 83: case 84: PlayText(canvas, type, record); break;
    default: break;
  }
}

}  // namespace

void PlayEmf(std::span<const uint8_t> file, TBitmap32& target) {
  TByteReader h(file, 8);
  QRectF bounds = ReadRectL(h);
  QRectF frame = ReadRectL(h);  // 0.01 mm
  h.Seek(72);
  QPointF devicePixels = ReadPointL(h), deviceMm = ReadPointL(h);

  // The frame in device pixels of the reference device is what fills the target.
  QPointF pixelsPerMm(1, 1);
  QRectF deviceFrame = bounds;
  if (devicePixels.x() > 0 && devicePixels.y() > 0 && deviceMm.x() > 0 && deviceMm.y() > 0) {
    pixelsPerMm = QPointF(devicePixels.x() / deviceMm.x(), devicePixels.y() / deviceMm.y());
    deviceFrame = QRectF(frame.left() * pixelsPerMm.x() / 100, frame.top() * pixelsPerMm.y() / 100,
                         frame.width() * pixelsPerMm.x() / 100, frame.height() * pixelsPerMm.y() / 100);
  }
  double fw = deviceFrame.width() > 0 ? deviceFrame.width() : 1, fh = deviceFrame.height() > 0 ? deviceFrame.height() : 1;
  QTransform deviceToOutput = QTransform::fromTranslate(-deviceFrame.left(), -deviceFrame.top()) *
                              QTransform::fromScale(target.Width() / fw, target.Height() / fh);
  TMetafileCanvas canvas(target, deviceToOutput, pixelsPerMm);

  size_t p = 0;
  while (p + 8 <= file.size()) {
    TByteReader header(file, p);
    uint32_t type = header.U32();
    uint32_t size = header.U32();
    if (size < 8 || size > file.size() - p || type == 14) break;  // 14: end of file
    try {
      PlayRecord(canvas, type, file.subspan(p, size));
    } catch (const TDecodeError&) {
      // A record shorter than its content is skipped; the picture keeps what was drawn.
    }
    p += size;
  }
}
