#pragma once
// Raster operations on 32-bit bitmaps: the fills and blits that the controls, the window and the
// transitions compose their pictures with. Every function clips first: it writes only inside its
// destination view and reads its sources only inside their bounds, whatever the rectangles and
// points it is given. Views passed as destination and source must not share pixels unless a
// function says otherwise. All arithmetic is integer; each function states its rounding.

#include <array>
#include <cstdint>
#include <span>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/ident_tables.h"

// Rectangles of a stretch wider or taller than this draw nothing, so that the fixed-point
// position arithmetic cannot overflow on absurd sizes from a damaged document.
inline constexpr int64_t kMaxStretchExtent = int64_t{1} << 24;

// Sets every pixel of rect (clipped to dst) to pixel.
void FillRect(const TBitmapView& dst, const TRect& rect, TPixel32 pixel);

// Copies src with its top-left corner at `at`, pixels unchanged (alpha included). dst and src
// may be views of the same bitmap, overlapping or not.
void CopyRect(const TBitmapView& dst, TPoint at, const TBitmapView& src);

// Stretches srcRect of src onto dstRect of dst, both axes independently, each destination pixel
// taking exactly one source pixel: destination column i (0 at dstRect.left) of a stretch from S
// source columns to D destination columns takes source column srcRect.left + (2i + 1) * S / (2D)
// (the source pixel under the centre of the destination pixel; the division truncates), rows
// alike. Every source pixel thus becomes a block of destination pixels. dstRect may extend beyond
// dst: the geometry is that of the whole rectangle, only the visible part is written. Destination
// pixels whose source pixel lies outside src stay unchanged. Empty or negative rectangles (no
// mirroring) and rectangles beyond kMaxStretchExtent draw nothing.
void StretchNearest(const TBitmapView& dst, const TRect& dstRect, const TBitmapView& src, const TRect& srcRect);

// Stretches like StretchNearest the whole of a width x height picture of palette indices (row by
// row, indices[y * width + x] the index of pixel (x, y)) whose pixels are palette[index].
void StretchNearestIndexed(const TBitmapView& dst, const TRect& dstRect, std::span<const uint8_t> indices,
                           int32_t width, int32_t height, const std::array<TPixel32, 256>& palette);

// Stretches like StretchNearest but filters bilinearly: the centre of destination pixel i maps to
// source position (2i + 1) * S / (2D) - 1/2, held with 8 fractional bits (rounded down); the four
// source pixels around it are weighted by their distance, and positions beyond the edges of
// srcRect (clipped to src) repeat the edge pixels. The filter is alpha-aware: colours are weighted
// by alpha as well, so fully transparent pixels lend no colour to their neighbours. Alpha and
// colour channels round to the nearest value (halves up). Where all four pixels are fully
// transparent the colours are mixed by distance alone, so transparent areas keep their colour.
void StretchSmooth(const TBitmapView& dst, const TRect& dstRect, const TBitmapView& src, const TRect& srcRect);

// Copies src with its top-left corner at `at`, leaving out every pixel whose red, green and blue
// equal keyColor's exactly (system colours resolved, alpha ignored): destination pixels under
// them keep their value. Other source pixels are copied whole, alpha included.
void DrawTransparentBitmap(const TBitmapView& dst, const TBitmapView& src, TPoint at, TColor keyColor);

// The classic two-pass mask blit at `at`: each destination pixel becomes (dst AND mask) OR src,
// bitwise over all 32 bits. A white mask pixel (0xFFFFFFFF) keeps the destination (src is black
// there), a black one (0xFF000000) lets the image through. The blit covers the part that src and
// mask have in common (both from their top-left corners).
void MaskBlit(const TBitmapView& dst, TPoint at, const TBitmapView& src, const TBitmapView& mask);

// dst = bottom + (top - bottom) * alpha / 255 for each channel, alpha included, computed as
// (bottom * (255 - alpha) + top * alpha + 127) / 255: the exact value rounded to the nearest
// integer (the division by 255 never lands on a half). alpha 0 gives bottom, 255 gives top. The
// three views are used from their top-left corners over the size they have in common; dst may
// be top or bottom itself.
void BlendMaster(const TBitmapView& dst, const TBitmapView& top, const TBitmapView& bottom, uint8_t alpha);

// Draws src over dst at `at` ("over" with straight, non-premultiplied alpha). The source alpha is
// first scaled by masterAlpha: sa = (srcAlpha * masterAlpha + 127) / 255. Then, with the
// destination alpha da, the result alpha is sa + da * (255 - sa) / 255 and each colour channel is
// (src * sa * 255 + dst * da * (255 - sa)) / (sa * 255 + da * (255 - sa)); both divisions round
// to the nearest integer, halves up. On an opaque destination this is dst + (src - dst) * sa / 255
// and the result stays opaque.
void AlphaBlend(const TBitmapView& dst, TPoint at, const TBitmapView& src, uint8_t masterAlpha = 255);
// The same for one pixel: src drawn over dst.
TPixel32 AlphaOverPixel(TPixel32 dst, TPixel32 src, uint8_t masterAlpha = 255);

// ANDs pixel, bitwise over all 32 bits, into every pixel of rect (clipped to dst) whose
// coordinates x + y (in dst) are even: the checkerboard of the 8 x 8 pattern whose rows alternate
// 0xAA and 0x55. Used for dithered shadows and disabled looks; pass an opaque pixel to keep alpha.
void CheckerboardAnd(const TBitmapView& dst, const TRect& rect, TPixel32 pixel);
// The same checker pixels of rect taken from src, which lies in dst's coordinates (the pattern's
// phase is theirs), and ANDed with pixel into dst; dst's other pixels stay as they are. src may be
// dst itself.
void CheckerboardAnd(const TBitmapView& dst, const TBitmapView& src, const TRect& rect, TPixel32 pixel);

// Fills rect with copies of tile laid side by side from rect's top-left corner, pixels copied
// unchanged; the copies along the right and bottom edges are cut off at rect (and at dst).
void DrawTiled(const TBitmapView& dst, const TRect& rect, const TBitmapView& tile);
