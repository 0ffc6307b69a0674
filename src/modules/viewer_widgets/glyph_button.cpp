#include "modules/viewer_widgets/glyph_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionToolButton>

namespace {

constexpr int kGlyphSide = 16;
const QColor kInk(0x20, 0x50, 0xA0);

QPainterPath Triangle(QPointF a, QPointF b, QPointF c) {
  QPainterPath path;
  path.moveTo(a);
  path.lineTo(b);
  path.lineTo(c);
  path.closeSubpath();
  return path;
}

// An arrow pointing left (right when mirrored): a head and a shaft.
QPainterPath Arrow(bool right) {
  QPainterPath path = Triangle({2, 8}, {8, 2}, {8, 14});
  path.addRect(QRectF(8, 6, 6, 4));
  if (!right) return path;
  QTransform mirror(-1, 0, 0, 1, kGlyphSide, 0);
  return mirror.map(path);
}

void DrawGlyph(QPainter& painter, TGlyph glyph) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kInk);
  switch (glyph) {
    case TGlyph::Back: painter.drawPath(Arrow(false)); break;
    case TGlyph::Forward: painter.drawPath(Arrow(true)); break;
    case TGlyph::Go:
      painter.setBrush(QColor(0x20, 0x90, 0x30));
      painter.drawPath(Arrow(true));
      break;
    case TGlyph::Play: painter.drawPath(Triangle({4, 2}, {14, 8}, {4, 14})); break;
    case TGlyph::Pause:
      painter.drawRect(QRectF(3, 2, 4, 12));
      painter.drawRect(QRectF(9, 2, 4, 12));
      break;
    case TGlyph::Stop: painter.drawRect(QRectF(3, 3, 10, 10)); break;
    case TGlyph::PreviousPage: painter.drawPath(Triangle({4, 10}, {8, 5}, {12, 10})); break;
    case TGlyph::NextPage: painter.drawPath(Triangle({4, 6}, {8, 11}, {12, 6})); break;
    case TGlyph::ZoomOut:
    case TGlyph::ZoomIn:
      painter.setBrush(Qt::NoBrush);
      painter.setPen(QPen(kInk, 1.5));
      painter.drawEllipse(QRectF(2, 2, 9, 9));
      painter.drawLine(QPointF(4.5, 6.5), QPointF(8.5, 6.5));
      if (glyph == TGlyph::ZoomIn) painter.drawLine(QPointF(6.5, 4.5), QPointF(6.5, 8.5));
      painter.setPen(QPen(kInk, 2.5));
      painter.drawLine(QPointF(10, 10), QPointF(14, 14));
      break;
    case TGlyph::Print:
      painter.drawRect(QRectF(1, 6, 14, 6));
      painter.setBrush(Qt::white);
      painter.setPen(QPen(kInk, 1));
      painter.drawRect(QRectF(4.5, 1.5, 7, 5));
      painter.drawRect(QRectF(4.5, 10.5, 7, 4));
      break;
  }
}

// The glyph in grey, for a disabled button.
QPixmap GreyPixmap(const QPixmap& pixmap) {
  QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb pixel = image.pixel(x, y);
      const int grey = qGray(pixel);
      image.setPixel(x, y, qRgba(grey, grey, grey, qAlpha(pixel) / 2));
    }
  return QPixmap::fromImage(image);
}

}  // namespace

QPixmap GlyphPixmap(TGlyph glyph) {
  QImage image(kGlyphSide, kGlyphSide, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  DrawGlyph(painter, glyph);
  painter.end();
  return QPixmap::fromImage(image);
}

TGlyphButton::TGlyphButton(TGlyph glyph, QWidget* parent)
    : QToolButton(parent), m_glyph(GlyphPixmap(glyph)), m_disabledGlyph(GreyPixmap(m_glyph)) {
  setAutoRaise(true);
  setFocusPolicy(Qt::NoFocus);
}

void TGlyphButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionToolButton option;
  initStyleOption(&option);
  option.icon = QIcon();
  option.text.clear();
  style()->drawComplexControl(QStyle::CC_ToolButton, &option, &painter, this);
  const int shift = isDown() ? 1 : 0;
  painter.drawPixmap((width() - kGlyphSide) / 2 + shift, (height() - kGlyphSide) / 2 + shift,
                     isEnabled() ? m_glyph : m_disabledGlyph);
}
