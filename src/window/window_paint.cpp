#include "window/window_paint.h"

#include <cstdlib>

#include "graphics/canvas.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/picture_decoder.h"
#include "graphics/raster.h"

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
// picture itself draws: transparent pixels keep the background.
void DrawPictureTiled(const TBitmapView& target, const TRect& rect, const TBitmap32& picture) {
  if (picture.Empty() || rect.IsEmpty()) return;
  if (IsOpaque(picture)) {
    DrawTiled(target, rect, picture.View());
    return;
  }
  const TBitmapView area = target.SubView(rect);
  for (int32_t y = 0; y < area.Height(); y += picture.Height())
    for (int32_t x = 0; x < area.Width(); x += picture.Width()) AlphaBlend(area, {x, y}, picture.View());
}

// A dot at every (i * GridX, j * GridY) for i = 0 .. client width / GridX and j likewise; the
// last row and column fall on the client's edge when the size is a multiple of the step and are
// then outside it.
void PaintGrid(TKIVForm& form, const TBitmapView& target, const TRect& visible) {
  const TPixel32 dot = GridDotPixel(form.Color());
  const TSize client = form.ClientSize();
  for (int32_t j = 0; j <= client.height / form.GridY(); ++j) {
    const int32_t y = j * form.GridY();
    if (y >= visible.bottom) break;
    for (int32_t i = 0; i <= client.width / form.GridX(); ++i) {
      const int32_t x = i * form.GridX();
      if (x >= visible.right) break;
      target.At(x, y) = dot;
    }
  }
}

void PaintWindowlessChildren(TKIVForm& form, const TBitmapView& target) {
  for (TControl* child : form.Controls()) {
    if (!child->Visible() || !child->InheritsFrom(TGraphicControl::StaticClass())) continue;
    const TRect bounds = TRect::FromSize(child->Left(), child->Top(), child->Width(), child->Height());
    if (!bounds.Intersects(target.Bounds())) continue;
    TCanvas canvas(target);
    canvas.SetOrigin({child->Left(), child->Top()});
    canvas.IntersectClip(TRect::FromSize(0, 0, child->Width(), child->Height()));
    canvas.SetFont(*child->Font());
    child->Paint(canvas);
  }
}

}  // namespace

void PaintMenuWindow(TKIVForm& form, const TBitmapView& target) {
  const TRect client = form.ClientRect().Intersect(target.Bounds());
  if (client.IsEmpty()) return;
  form.SetPainting(true);
  FillRect(target, client, ColorToPixel(form.Color()));
  const bool shaped = form.WindowStyle() == TKIVWindowStyle::awsShaped;
  if (!shaped && form.BackGround() == TKIVFillStyle::afsGradient)
    FillGradient(target, form.ClientRect(), form.GradBeginColor(), form.GradStyle(), form.GradEndColor());
  const TPictureKind kind = form.PictureKind();
  const bool tiled = !shaped && form.BackGround() == TKIVFillStyle::afsGlyph && kind != TPictureKind::Empty;
  const bool shapePicture = shaped && kind != TPictureKind::Empty && kind != TPictureKind::Jpeg;
  if (tiled || shapePicture) DrawPictureTiled(target, client, form.DecodedPicture()->bitmap);
  if (form.DesignMode() && form.ShowGrid()) PaintGrid(form, target, client);
  PaintWindowlessChildren(form, target);
  form.SetPainting(false);
}
