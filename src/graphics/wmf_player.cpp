// Old-style metafile records: pens, brushes, fonts, polygons, polylines, rectangles, ellipses,
// arcs, lines and text, with the window origin and extent mapped onto the output. Records this
// player does not know (bitmaps, regions, clipping, palettes) are skipped.

#include <QString>

#include "graphics/metafile_canvas.h"
#include "graphics/metafile_player.h"
#include "graphics/picture_formats.h"

namespace {

QPointF ReadPointYX(TByteReader& r) {
  double y = r.I16();
  double x = r.I16();
  return {x, y};
}

QRectF ReadBoxBRTL(TByteReader& r) {
  double bottom = r.I16(), right = r.I16(), top = r.I16(), left = r.I16();
  return QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
}

QPolygonF ReadPoints(TByteReader& r, size_t count) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(count));
  for (size_t i = 0; i < count; ++i) {
    double x = r.I16();
    double y = r.I16();
    polygon << QPointF(x, y);
  }
  return polygon;
}

TGdiFont ReadWmfFont(TByteReader& r) {
  TGdiFont font;
  font.height = r.I16();
  r.Skip(2);  // width
  font.escapement = r.I16();
  r.Skip(2);  // orientation
  font.weight = r.I16();
  font.italic = r.U8() != 0;
  font.underline = r.U8() != 0;
  font.strikeOut = r.U8() != 0;
  r.Skip(5);  // character set, precisions, quality, pitch and family
  for (size_t i = 0; i < 32 && r.Remaining() > 0; ++i) {
    uint8_t c = r.U8();
    if (c == 0) break;
    font.face.push_back(c);
  }
  return font;
}

QString ReadAnsi(TByteReader& r, size_t count) {
  auto bytes = r.Bytes(std::min(count, r.Remaining()));
  return QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void AddObject(TMetafileCanvas& canvas, TGdiObject object) {
  int32_t slot = canvas.FreeSlot();
  if (slot >= 0) canvas.CreateObject(static_cast<uint32_t>(slot), std::move(object));
}

void PlayRecord(TMetafileCanvas& canvas, uint16_t function, TByteReader& r) {
  TDcState& s = canvas.State();
  switch (function) {
    case 0x001E: canvas.SaveState(); break;
    case 0x0127: canvas.RestoreState(r.I16()); break;
    case 0x0106: s.polyFillMode = r.U16(); break;
    case 0x012E: s.textAlign = r.U16(); break;
    case 0x0209: s.textColor = static_cast<TColor>(r.U32() & 0xFFFFFF); break;
    case 0x020B: s.windowOrg = ReadPointYX(r); break;
    case 0x020C: s.windowExt = ReadPointYX(r); break;
    case 0x0214: canvas.MoveTo(ReadPointYX(r)); break;
    case 0x0213: canvas.LineTo(ReadPointYX(r)); break;
    case 0x02FA: {  // CREATEPENINDIRECT
      TGdiPen pen;
      pen.style = r.U16();
      pen.width = r.I16();
      r.Skip(2);
      pen.color = static_cast<TColor>(r.U32() & 0xFFFFFF);
      AddObject(canvas, pen);
      break;
    }
    case 0x02FC: {  // CREATEBRUSHINDIRECT
      TGdiBrush brush;
      brush.style = r.U16();
      brush.color = static_cast<TColor>(r.U32() & 0xFFFFFF);
      brush.hatch = r.U16();
      AddObject(canvas, brush);
      break;
    }
    case 0x02FB: AddObject(canvas, ReadWmfFont(r)); break;
    case 0x00F7: case 0x01F9: case 0x0142: case 0x06FF: AddObject(canvas, TGdiOther{}); break;
    case 0x012D: canvas.SelectObject(r.U16()); break;
    case 0x01F0: canvas.DeleteObject(r.U16()); break;
    case 0x0324:
    case 0x0325: {  // POLYGON, POLYLINE
      size_t count = r.U16();
      QPolygonF points = ReadPoints(r, count);
      QPainterPath path;
      path.addPolygon(points);
      if (function == 0x0324) path.closeSubpath();
      canvas.DrawShape(path, function == 0x0324, true);
      break;
    }
    case 0x0538: {  // POLYPOLYGON
      size_t polygons = r.U16();
      std::vector<size_t> counts;
      for (size_t i = 0; i < polygons; ++i) counts.push_back(r.U16());
      QPainterPath path;
      for (size_t count : counts) {
        path.addPolygon(ReadPoints(r, count));
        path.closeSubpath();
      }
      canvas.DrawShape(path, true, true);
      break;
    }
    case 0x041B:
    case 0x0418: {  // RECTANGLE, ELLIPSE
      QRectF box = ReadBoxBRTL(r);
      QPainterPath path;
      if (function == 0x041B) path.addRect(box); else path.addEllipse(box);
      canvas.DrawShape(path, true, true);
      break;
    }
    case 0x061C: {  // ROUNDRECT
      double height = r.I16(), width = r.I16();
      QRectF box = ReadBoxBRTL(r);
      QPainterPath path;
      path.addRoundedRect(box, std::abs(width) / 2, std::abs(height) / 2);
      canvas.DrawShape(path, true, true);
      break;
    }
    case 0x0817: case 0x081A: case 0x0830: {  // ARC, PIE, CHORD
      QPointF end = ReadPointYX(r), start = ReadPointYX(r);
      QRectF box = ReadBoxBRTL(r);
      canvas.DrawArc(box, start, end, function == 0x0817 ? 0 : function == 0x081A ? 2 : 1);
      break;
    }
    case 0x0521: {  // TEXTOUT
      size_t count = r.U16();
      QString text = ReadAnsi(r, count);
      r.Skip(count & 1);
      canvas.DrawText(ReadPointYX(r), text, s.textAlign & 1);
      break;
    }
    case 0x0A32: {  // EXTTEXTOUT
      QPointF at = ReadPointYX(r);
      size_t count = r.U16();
      uint16_t options = r.U16();
      if (options & 0x0006) r.Skip(8);  // opaque or clipping rectangle
      canvas.DrawText(at, ReadAnsi(r, count), s.textAlign & 1);
      break;
    }
    default: break;
  }
}

}  // namespace

void PlayWmf(std::span<const uint8_t> file, size_t recordsOffset, const QRectF& bounds, TBitmap32& target) {
  QTransform identity;
  TMetafileCanvas canvas(target, identity, QPointF(1, 1));
  TDcState& s = canvas.State();
  // The window (logical coordinates) maps onto the whole picture; until the records set it, the
  // window is the header's bounding box.
  s.mapMode = 8;
  s.windowOrg = bounds.topLeft();
  s.windowExt = QPointF(bounds.width(), bounds.height());
  s.viewportExt = QPointF(target.Width(), target.Height());

  size_t p = recordsOffset;
  while (p + 6 <= file.size()) {
    TByteReader header(file, p);
    uint64_t words = header.U32();
    uint16_t function = header.U16();
    if (function == 0 || words < 3) break;
    size_t size = static_cast<size_t>(std::min<uint64_t>(words * 2, file.size() - p));
    TByteReader params(file.subspan(p + 6, size - 6));
    try {
      PlayRecord(canvas, function, params);
    } catch (const TDecodeError&) {
      // A record shorter than its content is skipped; the picture keeps what was drawn.
    }
    p += size;
  }
}
