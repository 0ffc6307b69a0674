#include "graphics/canvas.h"

#include <QPainterPathStroker>
#include <QPolygonF>
#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "graphics/colors.h"
#include "graphics/qt_seam.h"

namespace {

QPen MakePen(const TCanvasPen& pen) {
  if (pen.style == TPenStyle::psClear) return Qt::NoPen;
  const int width = std::max(1, pen.width);
  QPen result(ToQColor(pen.color), width);
  if (width > 1) {
    // Wide pens are solid with round ends and joins, whatever dash style they were given.
    result.setCapStyle(Qt::RoundCap);
    result.setJoinStyle(Qt::RoundJoin);
    return result;
  }
  result.setCapStyle(Qt::FlatCap);
  result.setJoinStyle(Qt::MiterJoin);
  switch (pen.style) {
    case TPenStyle::psDash: result.setDashPattern({18, 6}); break;
    case TPenStyle::psDot: result.setDashPattern({3, 3}); break;
    case TPenStyle::psDashDot: result.setDashPattern({9, 6, 3, 6}); break;
    case TPenStyle::psDashDotDot: result.setDashPattern({9, 3, 3, 3, 3, 3}); break;
    default: break;
  }
  return result;
}

TRect Normalized(const TRect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right), std::max(r.top, r.bottom)};
}

// The outline rectangle of a figure bounded by rect, through the centres of its edge pixels;
// an inside-frame pen moves it inwards so that the whole pen stays inside rect.
std::optional<QRectF> OutlineBox(const TRect& rect, const TCanvasPen& pen) {
  const TRect r = Normalized(rect);
  if (r.IsEmpty()) return std::nullopt;
  double inset = 0;
  if (pen.style == TPenStyle::psInsideFrame && pen.width > 1)
    inset = std::min((pen.width - 1) / 2.0, (std::min(r.Width(), r.Height()) - 1) / 2.0);
  return QRectF(QPointF(r.left + inset, r.top + inset), QPointF(r.right - 1 - inset, r.bottom - 1 - inset));
}

QPolygonF ToPolygon(std::span<const TPoint> points) {
  QPolygonF polygon;
  polygon.reserve(static_cast<qsizetype>(points.size()));
  for (const TPoint& p : points) polygon << QPointF(p.x, p.y);
  return polygon;
}

}  // namespace

bool AntialiasAvailable() {
  const char* value = std::getenv("TELVO_NO_ANTIALIAS");
  return value == nullptr || value[0] == '\0' || std::strcmp(value, "0") == 0;
}

QColor ToQColor(TColor color) {
  const TColor rgb = ResolveColor(color);
  return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

TCanvas::TCanvas(TBitmapView view) : m_view(view) { m_state.clip = m_view.Bounds(); }

void TCanvas::IntersectClip(const TRect& logical) {
  m_state.clip = m_state.clip.Intersect(logical.Offset(m_state.origin.x, m_state.origin.y));
}

void TCanvas::Restore() {
  if (m_saved.empty()) return;
  m_state = m_saved.back();
  m_saved.pop_back();
}

void TCanvas::FillRect(const TRect& rect) {
  if (m_state.brush.style == TBrushStyle::bsClear) return;
  const TRect area = rect.Offset(m_state.origin.x, m_state.origin.y).Intersect(m_state.clip).Intersect(m_view.Bounds());
  const TPixel32 pixel = ColorToPixel(m_state.brush.color);
  for (int32_t y = area.top; y < area.bottom; ++y) std::fill(m_view.Row(y) + area.left, m_view.Row(y) + area.right, pixel);
}

void TCanvas::DrawFigure(const QPainterPath& outline, bool fill) {
  TCanvasPainter painter(*this, m_state.antialiased ? TPaintKind::pkSmoothShapes : TPaintKind::pkPlainShapes);
  if (!painter.Active()) return;
  if (fill && m_state.brush.style == TBrushStyle::bsSolid) painter->fillPath(outline, ToQColor(m_state.brush.color));
  const QPen pen = MakePen(m_state.pen);
  if (pen.style() == Qt::NoPen) return;
  // The pen's band around the outline is filled rather than stroked: both renderers then cover
  // the same pixels (a one-pixel band around a pixel centre covers that pixel exactly), and a
  // flat end stops before the end point as the platform's thin lines do.
  QPainterPathStroker stroker(pen);
  painter->fillPath(stroker.createStroke(outline), pen.color());
}

void TCanvas::Rectangle(const TRect& rect) {
  const auto box = OutlineBox(rect, m_state.pen);
  if (!box) return;
  QPainterPath path;
  path.addRect(*box);
  DrawFigure(path, true);
}

void TCanvas::Ellipse(const TRect& rect) {
  const auto box = OutlineBox(rect, m_state.pen);
  if (!box) return;
  QPainterPath path;
  path.addEllipse(*box);
  DrawFigure(path, true);
}

void TCanvas::RoundRect(const TRect& rect, int32_t cornerWidth, int32_t cornerHeight) {
  const auto box = OutlineBox(rect, m_state.pen);
  if (!box) return;
  QPainterPath path;
  path.addRoundedRect(*box, std::max(0, cornerWidth) / 2.0, std::max(0, cornerHeight) / 2.0);
  DrawFigure(path, true);
}

void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  QPainterPath path;
  path.setFillRule(Qt::OddEvenFill);
  path.addPolygon(ToPolygon(points));
  path.closeSubpath();
  DrawFigure(path, true);
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  QPainterPath path;
  path.addPolygon(ToPolygon(points));
  DrawFigure(path, false);
}

void TCanvas::LineTo(int32_t x, int32_t y) {
  const TPoint points[] = {m_state.penPos, {x, y}};
  Polyline(points);
  m_state.penPos = {x, y};
}

std::optional<TPixel32> TCanvas::Pixel(int32_t x, int32_t y) const {
  const TPoint p{x + m_state.origin.x, y + m_state.origin.y};
  if (!m_view.Bounds().Contains(p)) return std::nullopt;
  return m_view.At(p.x, p.y);
}

void TCanvas::SetPixel(int32_t x, int32_t y, TPixel32 pixel) {
  const TPoint p{x + m_state.origin.x, y + m_state.origin.y};
  if (m_state.clip.Contains(p) && m_view.Bounds().Contains(p)) m_view.At(p.x, p.y) = pixel;
}

TCanvasPainter::TCanvasPainter(const TCanvas& canvas, TPaintKind kind) {
  const TRect clip = canvas.ClipRect().Intersect(canvas.View().Bounds());
  if (clip.IsEmpty()) return;
  m_image = WrapAsQImage(canvas.View());
  if (!m_painter.begin(&m_image)) return;
  m_painter.setClipRect(QRect(clip.left, clip.top, clip.Width(), clip.Height()));
  m_painter.setRenderHint(QPainter::Antialiasing, kind == TPaintKind::pkSmoothShapes);
  // Qt samples pixel (x, y) at (x + 0.5, y + 0.5). Smooth shapes move by that half pixel.
  // Plain shapes keep whole coordinates, so a pixel's own square lies half a pixel around its
  // sample point, plus a tiny shift so that a figure's rightmost and lowest points (which meet
  // sample points exactly) fall inside, as its leftmost and topmost do.
  double shift = 0;
  if (kind == TPaintKind::pkSmoothShapes) shift = 0.5;
  if (kind == TPaintKind::pkPlainShapes) shift = 1.0 / 64;
  m_painter.translate(canvas.Origin().x + shift, canvas.Origin().y + shift);
  m_active = true;
}
