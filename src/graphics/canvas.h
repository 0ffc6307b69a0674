#pragma once
// TCanvas: drawing state over a bitmap it does not own, in place of a platform device context:
// font, pen, brush, a clip rectangle and an origin, with Save and Restore of all of it, and the
// shape routines a control paints with. Shapes draw in one of two renderers: plain (hard edges,
// pixel for pixel like the platform's GDI) or antialiased.
//
// Coordinates are logical: a point (x, y) is the pixel (x + origin.x, y + origin.y) of the
// bitmap. Every routine draws only inside the clip rectangle. Geometry follows GDI: a rectangle's
// right and bottom are exclusive, a figure's outline runs through the centres of its edge
// pixels, a pen wider than one pixel is centred on the outline, and the fill under a missing pen
// stops one pixel short of the right and bottom edges.

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/font_resolver.h"
#include "graphics/geometry.h"

// Whether antialiased text and shapes may be used. They always can, unless the environment
// variable TELVO_NO_ANTIALIAS is set (to anything but "" or "0"): then every caller takes its
// plain path, as on a system without the antialiasing library.
bool AntialiasAvailable();

// The pixels a canvas may draw into, for the bitmap routines (raster.h), which take a view and
// rectangles in its pixels: the clip's part of the canvas's view, and where the canvas's logical
// (0, 0) lies in that view.
struct TCanvasArea {
  TBitmapView view;
  TPoint origin;
  // A logical rectangle in the view's pixels.
  TRect Place(const TRect& logical) const { return logical.Offset(origin.x, origin.y); }
  TPoint Place(TPoint logical) const { return {logical.x + origin.x, logical.y + origin.y}; }
};

enum class TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum class TBrushStyle : uint8_t { bsSolid, bsClear };

struct TCanvasPen {
  TColor color = clBlack;
  int32_t width = 1;  // 0 draws as 1; dashed styles draw solid when wider than 1
  TPenStyle style = TPenStyle::psSolid;
};

struct TCanvasBrush {
  TColor color = clWhite;
  TBrushStyle style = TBrushStyle::bsSolid;
};

class TCanvas {
 public:
  // The canvas draws into view's pixels, which must outlive it. The clip starts as the whole
  // view, the origin at (0, 0).
  explicit TCanvas(TBitmapView view);

  const TBitmapView& View() const { return m_view; }

  TCanvasFont& Font() { return m_state.font; }
  const TCanvasFont& Font() const { return m_state.font; }
  void SetFont(const TFont& font) { m_state.font = TCanvasFont::From(font); }
  TCanvasPen& Pen() { return m_state.pen; }
  const TCanvasPen& Pen() const { return m_state.pen; }
  TCanvasBrush& Brush() { return m_state.brush; }
  const TCanvasBrush& Brush() const { return m_state.brush; }

  // Shapes (not text) are antialiased while this is on; the caller decides, see
  // AntialiasAvailable(). Off at the start.
  bool Antialiased() const { return m_state.antialiased; }
  void SetAntialiased(bool on) { m_state.antialiased = on; }

  // The bitmap position of logical (0, 0).
  TPoint Origin() const { return m_state.origin; }
  void SetOrigin(TPoint origin) { m_state.origin = origin; }
  void OffsetOrigin(int32_t dx, int32_t dy) { m_state.origin = {m_state.origin.x + dx, m_state.origin.y + dy}; }

  // The clip in bitmap coordinates.
  TRect ClipRect() const { return m_state.clip; }
  // Narrows the clip to a logical rectangle (taken at the current origin).
  void IntersectClip(const TRect& logical);
  // The part of the view inside the clip, for the bitmap routines.
  TCanvasArea Area() const {
    return {m_view.SubView(m_state.clip), {m_state.origin.x - m_state.clip.left, m_state.origin.y - m_state.clip.top}};
  }
  // Widens the clip to the whole view again.
  void ResetClip() { m_state.clip = m_view.Bounds(); }

  // Saves font, pen, brush, renderer, origin, clip and pen position; Restore brings back the
  // last saved state (nothing happens without one).
  void Save() { m_saved.push_back(m_state); }
  void Restore();

  // Fills the rectangle with the brush, no outline (a clear brush draws nothing).
  void FillRect(const TRect& rect);
  // Outline with the pen, inside filled with the brush.
  void Rectangle(const TRect& rect);
  void Ellipse(const TRect& rect);
  // Corners are quarter ellipses of the given full width and height.
  void RoundRect(const TRect& rect, int32_t cornerWidth, int32_t cornerHeight);
  // Closed, filled with the alternate (even-odd) rule.
  void Polygon(std::span<const TPoint> points);
  // Open; like LineTo, the last point itself is not drawn by a one-pixel pen.
  void Polyline(std::span<const TPoint> points);
  void MoveTo(int32_t x, int32_t y) { m_state.penPos = {x, y}; }
  // A line from the pen position to (x, y), leaving out (x, y) itself; the pen position moves.
  void LineTo(int32_t x, int32_t y);
  TPoint PenPos() const { return m_state.penPos; }

  // The pixel at a logical point, or nothing outside the view.
  std::optional<TPixel32> Pixel(int32_t x, int32_t y) const;
  // Sets one pixel when it lies inside the clip.
  void SetPixel(int32_t x, int32_t y, TPixel32 pixel);

 private:
  struct TState {
    TCanvasFont font;
    TCanvasPen pen;
    TCanvasBrush brush;
    bool antialiased = false;
    TPoint origin;
    TRect clip;
    TPoint penPos;
  };
  void DrawFigure(const QPainterPath& outline, bool fill);

  TBitmapView m_view;
  TState m_state;
  std::vector<TState> m_saved;
};

// What a TCanvasPainter is set up for.
enum class TPaintKind : uint8_t {
  pkPlainShapes,   // no antialiasing, GDI geometry (see below)
  pkSmoothShapes,  // antialiasing, the same geometry
  pkText,          // Qt's own coordinates; whether glyphs are smoothed follows the font
};

// A QPainter over a canvas for one drawing: it wraps the canvas's pixels and honours the
// canvas's clip and origin. For shapes, coordinates are pixel centres: the integer point (x, y)
// is the centre of pixel (x, y), so filling the square (x - 0.5, y - 0.5)-(x + 0.5, y + 0.5)
// covers exactly that pixel in both renderers, and an outline is drawn by filling its pen's
// band (QPainterPathStroker) rather than with a QPen.
class TCanvasPainter {
 public:
  TCanvasPainter(const TCanvas& canvas, TPaintKind kind);
  TCanvasPainter(const TCanvasPainter&) = delete;
  TCanvasPainter& operator=(const TCanvasPainter&) = delete;

  QPainter& operator*() { return m_painter; }
  QPainter* operator->() { return &m_painter; }
  // False when the view or the clip is empty: nothing would show.
  bool Active() const { return m_active; }

 private:
  QImage m_image;
  QPainter m_painter;
  bool m_active = false;
};

// The opaque QColor of a stored colour, system colours resolved.
QColor ToQColor(TColor color);
