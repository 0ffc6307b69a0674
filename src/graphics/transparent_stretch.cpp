#include "graphics/transparent_stretch.h"

#include <optional>

#include "graphics/colors.h"
#include "graphics/raster.h"

namespace {

// The part of targetRect inside target, and the same part of a bitmap laid over targetRect.
struct TVisiblePart {
  TRect inTarget;
  TRect inPiece;
  // targetRect in the coordinates of a bitmap that holds just the visible part.
  TRect WholeInPart(const TRect& targetRect) const {
    return TRect::FromSize(-inPiece.left, -inPiece.top, targetRect.Width(), targetRect.Height());
  }
};

std::optional<TVisiblePart> VisiblePart(const TBitmapView& target, const TRect& targetRect) {
  const TRect visible = targetRect.Intersect(target.Bounds());
  if (visible.IsEmpty() || targetRect.Width() > kMaxStretchExtent || targetRect.Height() > kMaxStretchExtent)
    return std::nullopt;
  return TVisiblePart{visible, visible.Offset(-targetRect.left, -targetRect.top)};
}

}  // namespace

void KeyedStretchBlt(const TBitmapView& target, const TRect& targetRect, const TBitmapView& source,
                     const TRect& sourceRect, TColor key) {
  const TRect from = sourceRect.Intersect(source.Bounds());
  const auto part = VisiblePart(target, targetRect);
  if (from.IsEmpty() || !part) return;
  const TPixel32 keyPixel = ColorToPixel(key) & 0x00FFFFFFu;
  TBitmap32 mask(from.Width(), from.Height());
  TBitmap32 image(from.Width(), from.Height());
  for (int32_t y = 0; y < from.Height(); ++y) {
    const TPixel32* row = source.Row(from.top + y) + from.left;
    for (int32_t x = 0; x < from.Width(); ++x) {
      const bool keyed = (row[x] & 0x00FFFFFFu) == keyPixel;
      mask.At(x, y) = keyed ? 0xFFFFFFFFu : 0xFF000000u;
      image.At(x, y) = keyed ? 0xFF000000u : (row[x] | 0xFF000000u);
    }
  }
  // Only the visible part is resampled; the stretch keeps the geometry of the whole rectangle.
  const TRect whole = part->WholeInPart(targetRect);
  const int32_t w = part->inPiece.Width(), h = part->inPiece.Height();
  TBitmap32 stretchedMask(w, h), stretchedImage(w, h);
  StretchSmooth(stretchedMask.View(), whole, mask.View(), mask.Bounds());
  StretchSmooth(stretchedImage.View(), whole, image.View(), image.Bounds());
  for (int32_t y = 0; y < h; ++y) {
    TPixel32* out = target.Row(part->inTarget.top + y) + part->inTarget.left;
    const TPixel32* m = stretchedMask.Row(y);
    const TPixel32* i = stretchedImage.Row(y);
    for (int32_t x = 0; x < w; ++x) out[x] = (out[x] & m[x]) | i[x];
  }
}

void AlphaStretchBlend(const TBitmapView& target, const TRect& targetRect, const TBitmapView& source,
                       const TRect& sourceRect) {
  const TRect from = sourceRect.Intersect(source.Bounds());
  const auto part = VisiblePart(target, targetRect);
  if (from.IsEmpty() || !part) return;
  TBitmap32 piece(part->inPiece.Width(), part->inPiece.Height(), 0);
  StretchSmooth(piece.View(), part->WholeInPart(targetRect), source, from);
  AlphaBlend(target, {part->inTarget.left, part->inTarget.top}, piece.View());
}
