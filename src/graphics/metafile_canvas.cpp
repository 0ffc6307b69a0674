#include "graphics/metafile_canvas.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

#include "graphics/qt_seam.h"

namespace {

// Bounds that keep hostile records cheap: objects, saved states, pen widths and font sizes.
constexpr size_t kMaxObjects = 65536;
constexpr size_t kMaxSavedStates = 1024;
constexpr double kMaxFontPixels = 1024;
constexpr uint32_t kPsNull = 5;
constexpr uint32_t kBsNull = 1;
constexpr uint32_t kBsHatched = 2;

QColor ToQColor(TColor color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

}  // namespace

TMetafileCanvas::TMetafileCanvas(TBitmap32& target, const QTransform& deviceToOutput, QPointF pixelsPerMm)
    : m_target(target),
      m_image(WrapAsQImage(target.View())),
      m_deviceToOutput(deviceToOutput),
      m_pixelsPerMm(pixelsPerMm) {
  m_painter.begin(&m_image);
  m_painter.setRenderHint(QPainter::Antialiasing, false);
}

void TMetafileCanvas::SaveState() {
  if (m_saved.size() < kMaxSavedStates) m_saved.push_back(m_state);
}

void TMetafileCanvas::RestoreState(int32_t relative) {
  int64_t level = relative < 0 ? static_cast<int64_t>(m_saved.size()) + relative : int64_t{relative} - 1;
  if (level < 0 || level >= static_cast<int64_t>(m_saved.size())) return;
  m_state = m_saved[static_cast<size_t>(level)];
  m_saved.resize(static_cast<size_t>(level));
}

void TMetafileCanvas::CreateObject(uint32_t index, TGdiObject object) {
  if (index >= kMaxObjects) return;
  if (index >= m_objects.size()) m_objects.resize(index + 1);
  m_objects[index] = std::move(object);
}

int32_t TMetafileCanvas::FreeSlot() const {
  for (size_t i = 0; i < m_objects.size(); ++i)
    if (std::holds_alternative<std::monostate>(m_objects[i])) return static_cast<int32_t>(i);
  return m_objects.size() < kMaxObjects ? static_cast<int32_t>(m_objects.size()) : -1;
}

void TMetafileCanvas::SelectObject(uint32_t index) {
  if (index >= m_objects.size()) return;
  const TGdiObject& object = m_objects[index];
  if (auto* pen = std::get_if<TGdiPen>(&object)) m_state.pen = *pen;
  if (auto* brush = std::get_if<TGdiBrush>(&object)) m_state.brush = *brush;
  if (auto* font = std::get_if<TGdiFont>(&object)) m_state.font = *font;
}

void TMetafileCanvas::SelectStockObject(uint32_t stock) {
  static constexpr TColor kBrushGreys[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
  if (stock <= 4) m_state.brush = {0, kBrushGreys[stock], 0};
  if (stock == 5) m_state.brush = {kBsNull, 0, 0};
  if (stock == 6) m_state.pen = {0, 0, 0xFFFFFF};
  if (stock == 7) m_state.pen = {0, 0, 0};
  if (stock == 8) m_state.pen = {kPsNull, 0, 0};
}

void TMetafileCanvas::DeleteObject(uint32_t index) {
  if (index < m_objects.size()) m_objects[index] = std::monostate{};
}

QTransform TMetafileCanvas::LogicalToOutput() const {
  const TDcState& s = m_state;
  double sx = 1, sy = 1;
  // Fixed map modes: millimetres per logical unit, y up.
  static constexpr double kMmPerUnit[] = {0, 0, 0.1, 0.01, 0.254, 0.0254, 25.4 / 1440};
  if (s.mapMode >= 2 && s.mapMode <= 6) {
    sx = kMmPerUnit[s.mapMode] * m_pixelsPerMm.x();
    sy = -kMmPerUnit[s.mapMode] * m_pixelsPerMm.y();
  } else if (s.mapMode == 7 || s.mapMode == 8) {
    double wx = s.windowExt.x() ? s.windowExt.x() : 1, wy = s.windowExt.y() ? s.windowExt.y() : 1;
    sx = s.viewportExt.x() / wx, sy = s.viewportExt.y() / wy;
    if (s.mapMode == 7) {  // isotropic: the smaller scale on both axes
      double m = std::min(std::abs(sx), std::abs(sy));
      sx = std::copysign(m, sx), sy = std::copysign(m, sy);
    }
  }
  QTransform page = QTransform::fromTranslate(-s.windowOrg.x(), -s.windowOrg.y()) * QTransform::fromScale(sx, sy) *
                    QTransform::fromTranslate(s.viewportOrg.x(), s.viewportOrg.y());
  return s.world * page * m_deviceToOutput;
}

double TMetafileCanvas::OutputScale() const { return std::sqrt(std::abs(LogicalToOutput().determinant())); }

QPen TMetafileCanvas::OutputPen() const {
  const TGdiPen& p = m_state.pen;
  uint32_t style = p.style & 0x0F;
  if (style == kPsNull) return Qt::NoPen;
  // Never thinner than one output pixel, never wider than the picture.
  double limit = std::max(m_target.Width(), m_target.Height()) + 1.0;
  double width = std::clamp(std::abs(p.width) * OutputScale(), 1.0, limit);
  QPen pen(ToQColor(p.color), std::round(width));
  static constexpr Qt::PenStyle kStyles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
  pen.setStyle(style < 5 ? kStyles[style] : Qt::SolidLine);
  uint32_t cap = p.style & 0x0F00, join = p.style & 0xF000;
  pen.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
  pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
  return pen;
}

QBrush TMetafileCanvas::OutputBrush() const {
  const TGdiBrush& b = m_state.brush;
  if (b.style == kBsNull) return Qt::NoBrush;
  if (b.style == kBsHatched) {
    static constexpr Qt::BrushStyle kHatches[] = {Qt::HorPattern, Qt::VerPattern, Qt::FDiagPattern,
                                                  Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    return QBrush(ToQColor(b.color), b.hatch < 6 ? kHatches[b.hatch] : Qt::SolidPattern);
  }
  return QBrush(ToQColor(b.color));
}

void TMetafileCanvas::Paint(const QPainterPath& output, bool fill, bool stroke) {
  if (fill) m_painter.fillPath(output, OutputBrush());
  if (stroke) m_painter.strokePath(output, OutputPen());
}

void TMetafileCanvas::DrawShape(const QPainterPath& logical, bool fill, bool stroke) {
  QPainterPath output = LogicalToOutput().map(logical);
  output.setFillRule(m_state.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
  if (m_inPath) {
    m_path.addPath(output);
    return;
  }
  Paint(output, fill, stroke);
}

void TMetafileCanvas::MoveTo(QPointF logical) {
  m_state.position = logical;
  if (m_inPath) m_path.moveTo(LogicalToOutput().map(logical));
}

void TMetafileCanvas::LineTo(QPointF logical) {
  QTransform t = LogicalToOutput();
  if (m_inPath) {
    m_path.lineTo(t.map(logical));
  } else {
    QPainterPath line(t.map(m_state.position));
    line.lineTo(t.map(logical));
    Paint(line, false, true);
  }
  m_state.position = logical;
}

void TMetafileCanvas::BezierTo(QPointF c1, QPointF c2, QPointF end) {
  QTransform t = LogicalToOutput();
  if (m_inPath) {
    m_path.cubicTo(t.map(c1), t.map(c2), t.map(end));
  } else {
    QPainterPath curve(t.map(m_state.position));
    curve.cubicTo(t.map(c1), t.map(c2), t.map(end));
    Paint(curve, false, true);
  }
  m_state.position = end;
}

void TMetafileCanvas::DrawArc(const QRectF& box, QPointF start, QPointF end, int kind) {
  QTransform t = LogicalToOutput();
  QRectF r = t.mapRect(box);
  if (r.width() <= 0 || r.height() <= 0) return;
  QPointF c = r.center(), s = t.map(start) - c, e = t.map(end) - c;
  // Angles on the ellipse of the points where the radials cross it (y up, as Qt counts).
  auto angle = [&](QPointF p) { return std::atan2(-p.y() / r.height(), p.x() / r.width()) * 180 / M_PI; };
  double a0 = angle(s), sweep = angle(e) - a0;
  if (sweep <= 0) sweep += 360;
  QPainterPath path;
  if (kind == 2) {
    path.moveTo(c);
    path.arcTo(r, a0, sweep);
    path.closeSubpath();
  } else {
    path.arcMoveTo(r, a0);
    path.arcTo(r, a0, sweep);
    if (kind == 1) path.closeSubpath();
  }
  if (m_inPath) {
    m_path.addPath(path);
    return;
  }
  Paint(path, kind != 0, true);
}

void TMetafileCanvas::DrawText(QPointF logical, const QString& text, bool useCurrentPosition) {
  // Fonts need the application object; without one (a bare decoder run) text is left out.
  if (!QGuiApplication::instance() || text.isEmpty()) return;
  const TGdiFont& f = m_state.font;
  QTransform t = LogicalToOutput();
  double scale = OutputScale();
  double pixels = f.height ? std::abs(f.height) * scale : 16.0;
  QFont font(QString::fromStdU16String(f.face));
  font.setPixelSize(static_cast<int>(std::clamp(std::round(pixels), 1.0, kMaxFontPixels)));
  if (f.height > 0) {  // a cell height: scale so that ascent and descent fill it
    QFontMetricsF cell(font);
    double ratio = cell.height() > 0 ? pixels / cell.height() : 1;
    font.setPixelSize(static_cast<int>(std::clamp(std::round(pixels * ratio), 1.0, kMaxFontPixels)));
  }
  font.setWeight(static_cast<QFont::Weight>(std::clamp(f.weight ? f.weight : 400, 100, 900)));
  font.setItalic(f.italic);
  font.setUnderline(f.underline);
  font.setStrikeOut(f.strikeOut);
  font.setStyleStrategy(QFont::NoAntialias);

  QFontMetricsF metrics(font);
  double width = metrics.horizontalAdvance(text);
  uint32_t align = m_state.textAlign;
  double dx = (align & 6) == 6 ? -width / 2 : (align & 6) == 2 ? -width : 0;
  double dy = (align & 24) == 24 ? 0 : (align & 8) ? -metrics.descent() : metrics.ascent();

  m_painter.save();
  m_painter.translate(t.map(useCurrentPosition ? m_state.position : logical));
  m_painter.rotate(-f.escapement / 10.0);
  m_painter.setFont(font);
  m_painter.setPen(ToQColor(m_state.textColor));
  m_painter.drawText(QPointF(dx, dy), text);
  m_painter.restore();
  if (useCurrentPosition && scale > 0) m_state.position += QPointF(width / scale, 0);
}

void TMetafileCanvas::BeginPath() {
  m_inPath = true;
  m_path = QPainterPath();
}

void TMetafileCanvas::CloseFigure() {
  if (m_inPath) m_path.closeSubpath();
}

void TMetafileCanvas::AbortPath() {
  m_inPath = false;
  m_path = QPainterPath();
}

void TMetafileCanvas::FinishPath(bool fill, bool stroke) {
  m_inPath = false;
  m_path.setFillRule(m_state.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill);
  Paint(m_path, fill, stroke);
  m_path = QPainterPath();
}
