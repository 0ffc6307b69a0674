#include "controls/shape.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "controls/window_drag.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/raster.h"
#include "graphics/text_render.h"
#include "window/control_composite.h"

const TClassInfo& TKIVShape::StaticClass() {
  using C = TKIVShape;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVShape", &TKIVStaticActionControl::StaticClass())
          .Color("BorderColor", Field(&C::m_borderColor))
          .Integer("BorderWidth", Accessors(&C::BorderWidth, &C::SetBorderWidth))
          // The fill colour is the control's own Color, which starts white here.
          .Publish("Color")
          .Enum("FillStyle", Field(&C::m_fillStyle))
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Color("GradBeginColor", Field(&C::m_gradBeginColor))
          .Color("GradEndColor", Field(&C::m_gradEndColor))
          .Enum("GradStyle", Field(&C::m_gradStyle))
          .Integer("IndentPersent", Accessors(&C::IndentPersent, &C::SetIndentPersent))
          .Integer("RoundRadius", Accessors(&C::RoundRadius, &C::SetRoundRadius))
          .Color("ShadowColor", Field(&C::m_shadowColor))
          .Integer("ShadowOffset", Accessors(&C::ShadowOffset, &C::SetShadowOffset))
          .Enum("ShadowPosition", Field(&C::m_shadowPosition))
          .Enum("ShadowStyle", Field(&C::m_shadowStyle))
          .Enum("Shape", Field(&C::m_shape))
          .Integer("StartAngle", Accessors(&C::StartAngle, &C::SetStartAngle))
          .Bool("Transparent", Field(&C::m_transparent))
          .Integer("Vectors", Accessors(&C::Vectors, &C::SetVectors))
          .Bool("WMHandle", Field(&C::m_wmHandle))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Bool("AntiAlias", Field(&C::m_antiAlias), true)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVShape::TKIVShape() {
  m_width = 33;
  m_height = 33;
  m_color = clWhite;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(8);
  m_font.SetColor(clBlack);
  // A new tile picture shows at once where it is the fill.
  m_glyph.SetOnChange([this] {
    if (m_fillStyle == TKIVFillStyle::afsGlyph) Invalidate();
  });
}

void TKIVShape::SetBorderWidth(int32_t width) { m_borderWidth = std::max(width, 0); }

void TKIVShape::SetIndentPersent(int32_t percent) { m_indentPersent = std::clamp(percent, 0, 100); }

void TKIVShape::SetRoundRadius(int32_t radius) { m_roundRadius = std::max(radius, 0); }

void TKIVShape::SetShadowOffset(int32_t offset) { m_shadowOffset = std::max(offset, 0); }

void TKIVShape::SetStartAngle(int32_t degrees) {
  int32_t reduced = degrees % 360;
  m_startAngle = reduced < 0 ? reduced + 360 : reduced;
}

void TKIVShape::SetVectors(int32_t count) { m_vectors = std::clamp(count, 3, 100); }

void TKIVShape::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

namespace {

// Rounds to the nearest integer, a half to the even neighbour.
int32_t Nearest(double v) { return static_cast<int32_t>(std::nearbyint(v)); }

bool IsSquareFigure(TKIVShapeStyle shape) {
  return shape == TKIVShapeStyle::assSquare || shape == TKIVShapeStyle::assRoundSquare ||
         shape == TKIVShapeStyle::assCircle || shape == TKIVShapeStyle::assPolygon;
}

bool IsCurvedFigure(TKIVShapeStyle shape) {
  return shape == TKIVShapeStyle::assRoundRect || shape == TKIVShapeStyle::assRoundSquare ||
         shape == TKIVShapeStyle::assEllipse || shape == TKIVShapeStyle::assCircle;
}

void DrawOutline(TCanvas& canvas, const TKIVShape::TOutline& outline) {
  if (!outline.vertices.empty())
    canvas.Polygon(outline.vertices);
  else if (outline.ellipse)
    canvas.Ellipse(outline.box);
  else if (outline.cornerDiameter > 0)
    canvas.RoundRect(outline.box, outline.cornerDiameter, outline.cornerDiameter);
  else
    canvas.Rectangle(outline.box);
}

// base + (over - base) * coverage / 255 per channel, coverage from mask's red channel.
void MixByCoverage(TBitmap32& base, const TBitmap32& over, const TBitmap32& mask) {
  for (int32_t y = 0; y < base.Height(); ++y)
    for (int32_t x = 0; x < base.Width(); ++x) {
      const uint32_t c = PixelR(mask.At(x, y));
      if (c == 0) continue;
      TPixel32& out = base.At(x, y);
      const TPixel32 above = over.At(x, y);
      if (c == 255) {
        out = above;
        continue;
      }
      auto mix = [c](uint32_t below, uint32_t top) { return static_cast<uint8_t>((below * (255 - c) + top * c + 127) / 255); };
      out = MakePixel(mix(PixelR(out), PixelR(above)), mix(PixelG(out), PixelG(above)), mix(PixelB(out), PixelB(above)));
    }
}

// Copies of tile drawn with their own transparency from `from`, repeated to cover rect.
void TilePicture(const TBitmapView& target, const TRect& rect, TPoint from, const TBitmap32& tile) {
  if (tile.Empty()) return;
  const TBitmapView area = target.SubView(rect);
  const TPoint start{from.x - rect.left, from.y - rect.top};
  for (int32_t y = start.y; y < area.Height(); y += tile.Height())
    for (int32_t x = start.x; x < area.Width(); x += tile.Width()) AlphaBlend(area, {x, y}, tile.View());
}

}  // namespace

void TKIVShape::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TKIVStaticActionControl::MouseDown(button, shift, x, y);
  if (m_wmHandle) DragMenuWindow(*this);
}

TKIVShape::TOutline TKIVShape::Outline(const TRect& shapeRect, int32_t penWidth) const {
  const int32_t w = shapeRect.Width(), h = shapeRect.Height(), p = penWidth, q = p / 2;
  const int32_t x0 = shapeRect.left + q, y0 = shapeRect.top + q, x1 = x0 + w - p, y1 = y0 + h - p;
  const int32_t mx = shapeRect.left + w / 2, my = shapeRect.top + h / 2;
  TOutline outline;
  outline.box = {x0, y0, x1 + 1, y1 + 1};
  switch (m_shape) {
    case TKIVShapeStyle::assRoundRect:
    case TKIVShapeStyle::assRoundSquare:
      outline.cornerDiameter = std::min({2 * m_roundRadius, w - p, h - p});
      break;
    case TKIVShapeStyle::assEllipse:
    case TKIVShapeStyle::assCircle: outline.ellipse = true; break;
    case TKIVShapeStyle::assTriangleLeft: outline.vertices = {{x0, my}, {x1, y0}, {x1, y1}}; break;
    case TKIVShapeStyle::assTriangleRight: outline.vertices = {{x0, y0}, {x1, my}, {x0, y1}}; break;
    case TKIVShapeStyle::assTriangleUp: outline.vertices = {{mx, y0}, {x1, y1}, {x0, y1}}; break;
    case TKIVShapeStyle::assTriangleDown: outline.vertices = {{x0, y0}, {x1, y0}, {mx, y1}}; break;
    case TKIVShapeStyle::assDiamond: outline.vertices = {{mx, y0}, {x1, my}, {mx, y1}, {x0, my}}; break;
    case TKIVShapeStyle::assPolygon: {
      const int32_t radius = (w - p + 1) / 2 - 1;
      const bool star = m_indentPersent > 0 && m_vectors % 2 == 0;
      for (int32_t k = 0; k < m_vectors; ++k) {
        const double angle = m_startAngle * std::numbers::pi / 180.0 + k * 2 * std::numbers::pi / m_vectors;
        const double r = star && k % 2 == 1 ? radius * (100 - m_indentPersent) / 100.0 : radius;
        outline.vertices.push_back({mx + Nearest(std::cos(angle) * r), my - Nearest(std::sin(angle) * r)});
      }
      break;
    }
    default: break;
  }
  return outline;
}

TKIVShape::TRenderer TKIVShape::ChooseRenderer(bool shadowPass) const {
  const bool rectangle = m_shape == TKIVShapeStyle::assRectangle || m_shape == TKIVShapeStyle::assSquare;
  if (!m_antiAlias || (!shadowPass && rectangle)) return TRenderer::Plain;
  if (AntialiasAvailable()) return TRenderer::Antialiased;
  return IsCurvedFigure(m_shape) ? TRenderer::Plain : TRenderer::PolygonFallback;
}

void TKIVShape::Paint(TCanvas& canvas) {
  if (IsSquareFigure(m_shape) && m_width != m_height) {
    const int32_t side = std::min(m_width, m_height);
    SetBounds(m_left, m_top, side, side);
    canvas.ResetClip();
    canvas.IntersectClip({0, 0, m_width, m_height});
    Invalidate();
  }
  if (!Visible() || m_width <= 0 || m_height <= 0) return;
  TBitmap32 surface = CaptureBackground(*this);
  const int32_t d = m_shadowOffset, w = m_width, h = m_height;
  TRect body{0, 0, w, h};
  if (d > 0) {
    TRect shadow;
    switch (m_shadowPosition) {
      case TKIVPosition::apsLeftTop: shadow = {0, 0, w - d, h - d}, body = {d, d, w, h}; break;
      case TKIVPosition::apsLeftBottom: shadow = {0, d, w - d, h}, body = {d, 0, w, h - d}; break;
      case TKIVPosition::apsRightTop: shadow = {d, 0, w, h - d}, body = {0, d, w - d, h}; break;
      case TKIVPosition::apsRightBottom: shadow = {d, d, w, h}, body = {0, 0, w - d, h - d}; break;
    }
    PaintPass(surface, shadow, true);
  }
  PaintPass(surface, body, false);
  PaintCaption(surface, body);
  CompositeOpacity(*this, m_opacity, surface, canvas);
}

void TKIVShape::PaintPass(TBitmap32& surface, const TRect& shapeRect, bool shadowPass) {
  if (shapeRect.IsEmpty()) return;
  const TRenderer renderer = ChooseRenderer(shadowPass);
  const int32_t penWidth = shadowPass ? 1 : m_borderWidth;
  const TOutline outline = Outline(shapeRect, std::max(penWidth, 1));
  if (shadowPass || !m_transparent) {
    // The outline's coverage, filled through with the pass's fill.
    TBitmap32 mask(surface.Width(), surface.Height(), MakePixel(0, 0, 0));
    TCanvas maskCanvas(mask.View());
    maskCanvas.SetAntialiased(renderer != TRenderer::Plain);
    maskCanvas.Pen() = {clWhite, 1, TPenStyle::psSolid};
    maskCanvas.Brush() = {clWhite, TBrushStyle::bsSolid};
    DrawOutline(maskCanvas, Outline(shapeRect, penWidth));
    MixByCoverage(surface, PassFill(surface, shapeRect, shadowPass, renderer), mask);
  }
  if (shadowPass || m_borderWidth <= 0) return;
  TCanvas border(surface.View());
  border.SetAntialiased(renderer != TRenderer::Plain);
  border.Pen() = {m_borderColor, m_borderWidth, TPenStyle::psSolid};
  border.Brush().style = TBrushStyle::bsClear;
  DrawOutline(border, outline);
}

TBitmap32 TKIVShape::PassFill(const TBitmap32& surface, const TRect& shapeRect, bool shadowPass, TRenderer renderer) {
  TBitmap32 fill = surface;
  const TBitmapView view = fill.View();
  if (shadowPass) {
    const TPixel32 colour = ColorToPixel(m_shadowColor);
    if (m_shadowStyle == TKIVShapeShadowStyle::astSolid) {
      fill.Fill(colour);
    } else if (renderer == TRenderer::Plain) {
      CheckerboardAnd(view, view.Bounds(), colour);
    } else {
      // Half the pixels in the shadow colour, the others left as they are.
      for (int32_t y = 0; y < fill.Height(); ++y)
        for (int32_t x = (y & 1); x < fill.Width(); x += 2) fill.At(x, y) = colour;
    }
    return fill;
  }
  const TDecodedPicture* glyph = m_fillStyle == TKIVFillStyle::afsGlyph ? m_glyphCache.Get(m_glyph) : nullptr;
  if (glyph) {
    const TPoint from = renderer == TRenderer::Plain ? TPoint{shapeRect.left, shapeRect.top} : TPoint{0, 0};
    TilePicture(view, view.Bounds(), from, glyph->bitmap);
  } else if (m_fillStyle == TKIVFillStyle::afsGradient) {
    FillGradient(view, shapeRect, m_gradBeginColor, m_gradStyle, m_gradEndColor);
  } else {
    fill.Fill(ColorToPixel(m_color));
  }
  return fill;
}

void TKIVShape::PaintCaption(TBitmap32& surface, const TRect& bodyRect) {
  if (m_caption.empty()) return;
  const bool antialias = m_textMode == TKIVTextRenderMode::atmAntiAlias;
  TCanvas canvas(surface.View());
  canvas.SetFont(m_font);
  canvas.Brush().style = TBrushStyle::bsClear;
  const std::string text = DecodedCaption();
  const TTextSize size = MeasureText(canvas, text, antialias, DT_CENTER);
  const int32_t left = bodyRect.left + (bodyRect.Width() - size.width) / 2;
  const int32_t top = bodyRect.top + (bodyRect.Height() - size.height) / 2;
  DrawTextRect(canvas, text, TRect::FromSize(left, top, size.width, size.height), antialias, DT_CENTER | DT_NOCLIP);
}
