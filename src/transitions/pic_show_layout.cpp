#include "transitions/pic_show_layout.h"

#include "graphics/raster.h"

TRect PictureRect(const TPicShowLayout& layout, int32_t pictureWidth, int32_t pictureHeight, int32_t clientWidth,
                  int32_t clientHeight) {
  const TRect rect{0, 0, pictureWidth, pictureHeight};
  if (!layout.center) return rect;
  return rect.Offset((clientWidth - pictureWidth) / 2, (clientHeight - pictureHeight) / 2);
}

TRect TargetRect(const TPicShowLayout& layout, const TRect& pictureRect, int32_t clientWidth, int32_t clientHeight) {
  if (!layout.stretch) return pictureRect;
  const int64_t w = pictureRect.Width();
  const int64_t h = pictureRect.Height();
  if (!layout.stretchFine || w <= 0 || h <= 0) return {0, 0, clientWidth, clientHeight};
  // client height / h > client width / w, compared exactly as cross products.
  int64_t fitWidth = clientWidth;
  int64_t fitHeight = clientHeight;
  if (int64_t{clientHeight} * w > int64_t{clientWidth} * h)
    fitHeight = h * clientWidth / w;
  else
    fitWidth = w * clientHeight / h;
  return TRect::FromSize(static_cast<int32_t>((clientWidth - fitWidth) / 2),
                         static_cast<int32_t>((clientHeight - fitHeight) / 2), static_cast<int32_t>(fitWidth),
                         static_cast<int32_t>(fitHeight));
}

void PaintPicShowBackground(const TBitmapView& dst, const TRect& rect, TPixel32 color, const TBitmap32& background,
                            TBackgroundMode mode) {
  FillRect(dst, rect, color);
  if (background.Empty()) return;
  const TBitmapView area = dst.SubView(rect);
  switch (mode) {
    case TBackgroundMode::bmNone:
      break;
    case TBackgroundMode::bmTiled:
      DrawTiled(dst, rect, background.View());
      break;
    case TBackgroundMode::bmStretched:
      StretchNearest(dst, rect, background.View(), background.Bounds());
      break;
    case TBackgroundMode::bmCentered:
      CopyRect(area, {(rect.Width() - background.Width()) / 2, (rect.Height() - background.Height()) / 2},
               background.View());
      break;
  }
}
