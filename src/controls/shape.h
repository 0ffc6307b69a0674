#pragma once
// TKIVShape: a geometric figure (rectangle, rounded rectangle, ellipse, triangle, diamond,
// regular polygon or star) with a solid, gradient or picture fill, a border, an optional drop
// shadow and a centred caption. A static action control: it runs actions but keeps its face
// while hovered or pressed.

#include <cstdint>
#include <vector>

#include "controls/action_control.h"
#include "controls/control_paint.h"

class TKIVShape : public TKIVStaticActionControl {
 public:
  TKIVShape();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Squares the square figures, then draws the shadow and the body (fill, border, caption) over
  // what lies behind, faded by Opacity.
  void Paint(TCanvas& canvas) override;
  // WMHandle drags the menu window.
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  // The closed outline of the figure in shapeRect for a pen of width penWidth: for the
  // rectangles and ellipses the bounding rectangle through the edge pixels' centres (right and
  // bottom exclusive, as the canvas takes it), for the others the vertices.
  struct TOutline {
    TRect box;
    int32_t cornerDiameter = 0;  // rounded rectangles; 0 for square corners
    bool ellipse = false;
    std::vector<TPoint> vertices;  // triangles, diamond, polygon
  };
  TOutline Outline(const TRect& shapeRect, int32_t penWidth) const;

  TColor BorderColor() const { return m_borderColor; }
  int32_t BorderWidth() const { return m_borderWidth; }
  // A negative width is stored as 0 (no outline).
  void SetBorderWidth(int32_t width);
  TKIVFillStyle FillStyle() const { return m_fillStyle; }
  // The tile picture of afsGlyph; a change of it repaints the shape when that is the fill.
  TPicture* Glyph() { return &m_glyph; }
  const TPicture& Glyph() const { return m_glyph; }
  TColor GradBeginColor() const { return m_gradBeginColor; }
  TColor GradEndColor() const { return m_gradEndColor; }
  TKIVGradFillStyle GradStyle() const { return m_gradStyle; }
  int32_t IndentPersent() const { return m_indentPersent; }
  // Clamped to 0-100.
  void SetIndentPersent(int32_t percent);
  int32_t RoundRadius() const { return m_roundRadius; }
  // A negative radius is stored as 0.
  void SetRoundRadius(int32_t radius);
  TColor ShadowColor() const { return m_shadowColor; }
  int32_t ShadowOffset() const { return m_shadowOffset; }
  // A negative offset is stored as 0 (no shadow).
  void SetShadowOffset(int32_t offset);
  TKIVPosition ShadowPosition() const { return m_shadowPosition; }
  TKIVShapeShadowStyle ShadowStyle() const { return m_shadowStyle; }
  TKIVShapeStyle Shape() const { return m_shape; }
  int32_t StartAngle() const { return m_startAngle; }
  // Any angle is reduced into 0-359 degrees (-90 becomes 270).
  void SetStartAngle(int32_t degrees);
  bool Transparent() const { return m_transparent; }
  int32_t Vectors() const { return m_vectors; }
  // Clamped to 3-100 vertices.
  void SetVectors(int32_t count);
  bool WMHandle() const { return m_wmHandle; }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  bool AntiAlias() const { return m_antiAlias; }
  TKIVTextRenderMode TextMode() const { return m_textMode; }

 protected:
  TColor m_borderColor = clBlack;
  int32_t m_borderWidth = 1;
  TKIVFillStyle m_fillStyle = TKIVFillStyle::afsNormal;
  TPicture m_glyph;
  TColor m_gradBeginColor = clYellow;
  TColor m_gradEndColor = clRed;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  int32_t m_indentPersent = 50;
  int32_t m_roundRadius = 8;
  TColor m_shadowColor = clGray;
  int32_t m_shadowOffset = 0;
  TKIVPosition m_shadowPosition = TKIVPosition::apsRightBottom;
  TKIVShapeShadowStyle m_shadowStyle = TKIVShapeShadowStyle::astSolid;
  TKIVShapeStyle m_shape = TKIVShapeStyle::assRectangle;
  int32_t m_startAngle = 90;
  bool m_transparent = false;
  int32_t m_vectors = 10;
  bool m_wmHandle = false;
  int32_t m_opacity = 100;
  bool m_antiAlias = true;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;

 private:
  enum class TRenderer : uint8_t { Plain, Antialiased, PolygonFallback };
  TRenderer ChooseRenderer(bool shadowPass) const;
  void PaintPass(TBitmap32& surface, const TRect& shapeRect, bool shadowPass);
  // The fill of a pass over the whole surface (only its part inside the outline is used).
  TBitmap32 PassFill(const TBitmap32& surface, const TRect& shapeRect, bool shadowPass, TRenderer renderer);
  void PaintCaption(TBitmap32& surface, const TRect& bodyRect);

  TPictureCache m_glyphCache;
};
