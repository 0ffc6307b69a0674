#pragma once
// Internal to the metafile players: the drawing state that old-style (WMF) and enhanced (EMF)
// metafile records change (objects, current pen, brush and font, mapping, current position,
// path bracket) and the drawing itself, done with QPainter on the output bitmap. Shapes are
// drawn without antialiasing, as the platform's metafile playback draws them.

#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "graphics/bitmap32.h"
#include "model/ident_tables.h"

struct TGdiPen {
  uint32_t style = 0;  // PS_* with end cap and join bits; PS_NULL = 5
  int32_t width = 0;   // logical units; 0 is one device pixel
  TColor color = 0;
};
struct TGdiBrush {
  uint32_t style = 0;  // BS_SOLID 0, BS_NULL 1, BS_HATCHED 2; other styles fill solid
  TColor color = 0xFFFFFF;
  uint32_t hatch = 0;
};
struct TGdiFont {
  int32_t height = 0;      // logical units; negative = character height, positive = cell height
  int32_t escapement = 0;  // tenths of a degree, counter-clockwise
  int32_t weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  std::u16string face;
};
// An object slot: empty, or a pen, brush or font; objects this player does not draw with
// (palettes, regions, pattern brushes) hold a slot as TGdiOther.
struct TGdiOther {};
using TGdiObject = std::variant<std::monostate, TGdiPen, TGdiBrush, TGdiFont, TGdiOther>;

// The state that SaveDC and RestoreDC keep.
struct TDcState {
  TGdiPen pen;
  TGdiBrush brush;
  TGdiFont font;
  TColor textColor = 0;
  uint32_t textAlign = 0;
  int32_t polyFillMode = 1;  // ALTERNATE 1, WINDING 2
  QPointF position;          // logical
  int32_t mapMode = 1;       // MM_TEXT
  QPointF windowOrg, windowExt{1, 1}, viewportOrg, viewportExt{1, 1};
  QTransform world;
};

class TMetafileCanvas {
 public:
  // Draws onto target; deviceToOutput maps device coordinates (after the page mapping) to
  // output pixels; pixelsPerMm is the device resolution the fixed map modes use.
  TMetafileCanvas(TBitmap32& target, const QTransform& deviceToOutput, QPointF pixelsPerMm);

  TDcState& State() { return m_state; }
  void SaveState();
  // Restores the state saved |relative| levels back (a negative count) or level relative (a
  // positive count); nothing happens when there is no such level.
  void RestoreState(int32_t relative);

  // Object table: Create puts obj at index (growing the table within its limit); Select makes a
  // pen, brush or font current; Delete empties the slot.
  void CreateObject(uint32_t index, TGdiObject object);
  // The lowest free slot, as old-style metafiles number their objects; -1 when full.
  int32_t FreeSlot() const;
  void SelectObject(uint32_t index);
  void SelectStockObject(uint32_t stock);
  void DeleteObject(uint32_t index);

  // Draws a shape given in logical coordinates: filled with the current brush and outlined with
  // the current pen. Inside a path bracket the shape is added to the path instead.
  void DrawShape(const QPainterPath& logical, bool fill, bool stroke);
  // The current position and line drawing from it; inside a path bracket they build the path.
  void MoveTo(QPointF logical);
  void LineTo(QPointF logical);
  void BezierTo(QPointF c1, QPointF c2, QPointF end);
  // An elliptic arc of the box from the radial through start to the radial through end,
  // counter-clockwise on the output. kind: 0 arc (outline only), 1 chord, 2 pie.
  void DrawArc(const QRectF& box, QPointF start, QPointF end, int kind);
  void DrawText(QPointF logical, const QString& text, bool useCurrentPosition);

  void BeginPath();
  void EndPath() { m_inPath = false; }
  void CloseFigure();
  void AbortPath();
  // Draws the closed path with brush and/or pen and discards it.
  void FinishPath(bool fill, bool stroke);

 private:
  QTransform LogicalToOutput() const;
  double OutputScale() const;
  QPen OutputPen() const;
  QBrush OutputBrush() const;
  void Paint(const QPainterPath& output, bool fill, bool stroke);

  TBitmap32& m_target;
  QImage m_image;
  QPainter m_painter;
  QTransform m_deviceToOutput;
  QPointF m_pixelsPerMm;
  TDcState m_state;
  std::vector<TDcState> m_saved;
  std::vector<TGdiObject> m_objects;
  bool m_inPath = false;
  QPainterPath m_path;  // output coordinates
};
