#include "graphics/bitmap_to_canvas.h"

#include <algorithm>

#include "graphics/raster.h"

void CopyToCanvas(TCanvas& canvas, TPoint at, const TBitmapView& bitmap) {
  const TCanvasArea area = canvas.Area();
  CopyRect(area.view, area.Place(at), bitmap);
}

void BlendBitmaps(const TBitmap32& top, const TBitmap32& bottom, TCanvas& canvas, uint8_t masterAlpha) {
  TBitmap32 result(std::min(top.Width(), bottom.Width()), std::min(top.Height(), bottom.Height()));
  BlendMaster(result.View(), top.View(), bottom.View(), masterAlpha);
  CopyToCanvas(canvas, {0, 0}, result.View());
}
