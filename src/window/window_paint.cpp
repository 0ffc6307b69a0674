#include "window/window_paint.h"

#include <cstdlib>

#include "graphics/canvas.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/picture_decoder.h"
#include "graphics/raster.h"
#include "window/control_composite.h"

TPixel32 GridDotPixel(TColor background) {
  const TPixel32 pixel = ColorToPixel(background);
  const int r = PixelR(pixel), g = PixelG(pixel), b = PixelB(pixel);
  if (std::abs(127 - r) * std::abs(127 - g) * std::abs(127 - b) > 4095)
    return MakePixel(static_cast<uint8_t>(255 - r), static_cast<uint8_t>(255 - g), static_cast<uint8_t>(255 - b));
  return MakePixel(0, 0, 0);
}

namespace {

bool IsOpaque(const TBitmap32& bitmap) {
  for (TPixel32 p : bitmap.Pixels())
    if (PixelA(p) != 255) return false;
  return true;
}

// Draws picture repeatedly from rect's top-left corner, each copy at its own size, as the
// picture itself draws: transparent pixels keep the background. rect may extend beyond target.
void DrawPictureTiled(const TBitmapView& target, const TRect& rect, const TBitmap32& picture) {
  if (picture.Empty() || rect.IsEmpty()) return;
  if (IsOpaque(picture)) {
    DrawTiled(target, rect, picture.View());
    return;
  }
  const TRect visible = rect.Intersect(target.Bounds());
  const int32_t firstColumn = rect.left + (visible.left - rect.left) / picture.Width() * picture.Width();
  const int32_t firstRow = rect.top + (visible.top - rect.top) / picture.Height() * picture.Height();
  const TBitmapView area = target.SubView(visible);
  for (int32_t y = firstRow; y < visible.bottom; y += picture.Height())
    for (int32_t x = firstColumn; x < visible.right; x += picture.Width())
      AlphaBlend(area, {x - visible.left, y - visible.top}, picture.View());
}

// A dot at every (i * GridX, j * GridY) for i = 0 .. client width / GridX and j likewise; the
// last row and column fall on the client's edge when the size is a multiple of the step and are
// then outside it.
void PaintGrid(TKIVForm& form, const TCanvasArea& area, const TRect& client) {
  const TPixel32 dot = GridDotPixel(form.Color());
  const TRect visible = client.Intersect(area.view.Bounds());
  for (int32_t j = 0; j <= form.ClientSize().height / form.GridY(); ++j) {
    const int32_t y = client.top + j * form.GridY();
    if (y < visible.top) continue;
    if (y >= visible.bottom) break;
    for (int32_t i = 0; i <= form.ClientSize().width / form.GridX(); ++i) {
      const int32_t x = client.left + i * form.GridX();
      if (x < visible.left) continue;
      if (x >= visible.right) break;
      area.view.At(x, y) = dot;
    }
  }
}

}  // namespace

void TKIVForm::Paint(TCanvas& canvas) {
  const TCanvasArea area = canvas.Area();
  const TRect client = area.Place(ClientRect());
  const TRect visible = client.Intersect(area.view.Bounds());
  if (visible.IsEmpty()) return;
  FillRect(area.view, visible, ColorToPixel(Color()));
  const bool shaped = WindowStyle() == TKIVWindowStyle::awsShaped;
  if (!shaped && BackGround() == TKIVFillStyle::afsGradient)
    FillGradient(area.view, client, GradBeginColor(), GradStyle(), GradEndColor());
  const TPictureKind kind = PictureKind();
  const bool tiled = !shaped && BackGround() == TKIVFillStyle::afsGlyph && kind != TPictureKind::Empty;
  const bool shapePicture = shaped && kind != TPictureKind::Empty && kind != TPictureKind::Jpeg;
  if (tiled || shapePicture) DrawPictureTiled(area.view, client, DecodedPicture()->bitmap);
  if (DesignMode() && ShowGrid()) PaintGrid(*this, area, client);
}

void PaintMenuWindow(TKIVForm& form, const TBitmapView& target) {
  if (form.ClientRect().Intersect(target.Bounds()).IsEmpty()) return;
  form.SetPainting(true);
  const TCaptureScope captures;
  TCanvas canvas(target);
  canvas.IntersectClip(form.ClientRect());
  form.Paint(canvas);
  // The windowless controls first; the windowed ones the window paints lie above them all.
  for (TControl* child : form.Controls())
    if (child->InheritsFrom(TGraphicControl::StaticClass())) PaintChildControl(canvas, *child);
  for (TControl* child : form.Controls())
    if (child->PaintedByWindow()) PaintChildControl(canvas, *child);
  form.SetPainting(false);
}
