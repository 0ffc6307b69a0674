#include "graphics/raster.h"

#include <algorithm>
#include <cassert>
#include <cstring>
#include <vector>

#include "graphics/colors.h"

namespace {

// Where a width x height source placed at `at` lands inside dst, in both coordinate systems.
struct TBlitArea {
  int32_t dstX = 0;
  int32_t dstY = 0;
  int32_t srcX = 0;
  int32_t srcY = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool Empty() const { return width <= 0 || height <= 0; }
};

// 64-bit so that a point near the int32 limits cannot overflow when the size is added.
TBlitArea ClipBlit(const TBitmapView& dst, TPoint at, int32_t width, int32_t height) {
  int64_t left = std::max<int64_t>(at.x, 0);
  int64_t top = std::max<int64_t>(at.y, 0);
  int64_t right = std::min<int64_t>(int64_t{at.x} + width, dst.Width());
  int64_t bottom = std::min<int64_t>(int64_t{at.y} + height, dst.Height());
  if (right <= left || bottom <= top) return {};
  return {static_cast<int32_t>(left),         static_cast<int32_t>(top),
          static_cast<int32_t>(left - at.x),  static_cast<int32_t>(top - at.y),
          static_cast<int32_t>(right - left), static_cast<int32_t>(bottom - top)};
}

int64_t Extent(int32_t from, int32_t to) { return int64_t{to} - from; }

bool StretchExtentsUsable(const TRect& dstRect, const TRect& srcRect) {
  for (int64_t extent : {Extent(dstRect.left, dstRect.right), Extent(dstRect.top, dstRect.bottom),
                         Extent(srcRect.left, srcRect.right), Extent(srcRect.top, srcRect.bottom)}) {
    if (extent <= 0 || extent > kMaxStretchExtent) return false;
  }
  return true;
}

// Source index (from srcFrom) of destination index dstIndex (from the destination rectangle's
// start) for the nearest-pixel rule: the source pixel under the destination pixel's centre.
int64_t NearestIndex(int64_t dstIndex, int64_t srcExtent, int64_t dstExtent, int64_t srcFrom) {
  return srcFrom + (2 * dstIndex + 1) * srcExtent / (2 * dstExtent);
}

// The source index of each visible destination index [visibleFrom, visibleTo), or -1 where
// the source index falls outside [0, srcLimit).
std::vector<int32_t> NearestMap(int32_t rectFrom, int32_t rectTo, int32_t srcFrom, int32_t srcTo, int32_t visibleFrom,
                                int32_t visibleTo, int32_t srcLimit) {
  std::vector<int32_t> map(static_cast<size_t>(visibleTo - visibleFrom));
  int64_t dstExtent = Extent(rectFrom, rectTo);
  int64_t srcExtent = Extent(srcFrom, srcTo);
  for (int32_t v = visibleFrom; v < visibleTo; ++v) {
    int64_t s = NearestIndex(int64_t{v} - rectFrom, srcExtent, dstExtent, srcFrom);
    map[static_cast<size_t>(v - visibleFrom)] = (s >= 0 && s < srcLimit) ? static_cast<int32_t>(s) : -1;
  }
  return map;
}

// One axis of the bilinear filter: the two source indices and the weight (0..256) of the second.
struct TFilterTap {
  int32_t first = 0;
  int32_t second = 0;
  uint32_t weight = 0;
};

// Taps of the visible destination indices [visibleFrom, visibleTo). Positions are clamped to
// [clampFrom, clampTo - 1], so the pixels beyond the edges repeat the edge pixel.
std::vector<TFilterTap> FilterTaps(int32_t rectFrom, int32_t rectTo, int32_t srcFrom, int32_t srcTo,
                                   int32_t visibleFrom, int32_t visibleTo, int32_t clampFrom, int32_t clampTo) {
  std::vector<TFilterTap> taps(static_cast<size_t>(visibleTo - visibleFrom));
  int64_t dstExtent = Extent(rectFrom, rectTo);
  int64_t srcExtent = Extent(srcFrom, srcTo);
  for (int32_t v = visibleFrom; v < visibleTo; ++v) {
    int64_t i = int64_t{v} - rectFrom;
    // Position in 1/256 source pixels relative to srcFrom; floor division keeps the fraction
    // non-negative for the positions left of the first pixel centre.
    int64_t numerator = (2 * i + 1) * srcExtent * 128 - 128 * dstExtent;
    int64_t position = numerator >= 0 ? numerator / dstExtent : -((-numerator + dstExtent - 1) / dstExtent);
    int64_t whole = srcFrom + (position >> 8);
    auto weight = static_cast<uint32_t>(position & 255);
    int64_t first = std::clamp<int64_t>(whole, clampFrom, clampTo - 1);
    int64_t second = std::clamp<int64_t>(whole + 1, clampFrom, clampTo - 1);
    taps[static_cast<size_t>(v - visibleFrom)] = {static_cast<int32_t>(first), static_cast<int32_t>(second), weight};
  }
  return taps;
}

// Alpha-weighted mix of four pixels with weights summing to 65536.
TPixel32 MixFour(const TPixel32 (&p)[4], const uint32_t (&w)[4]) {
  uint64_t alphaSum = 0;
  uint64_t r = 0, g = 0, b = 0;
  for (int n = 0; n < 4; ++n) {
    uint64_t wa = uint64_t{w[n]} * PixelA(p[n]);
    alphaSum += wa;
    r += wa * PixelR(p[n]);
    g += wa * PixelG(p[n]);
    b += wa * PixelB(p[n]);
  }
  if (alphaSum == 0) {
    // Nothing visible: keep the plain mix of the colours so that transparent areas keep their
    // colour (a key colour stays a key colour).
    for (int n = 0; n < 4; ++n) {
      r += uint64_t{w[n]} * PixelR(p[n]);
      g += uint64_t{w[n]} * PixelG(p[n]);
      b += uint64_t{w[n]} * PixelB(p[n]);
    }
    auto plain = [](uint64_t sum) { return static_cast<uint8_t>((sum + 32768) >> 16); };
    return MakePixel(plain(r), plain(g), plain(b), 0);
  }
  auto round = [alphaSum](uint64_t sum) { return static_cast<uint8_t>((sum + alphaSum / 2) / alphaSum); };
  auto alpha = static_cast<uint8_t>((alphaSum + 32768) >> 16);
  return MakePixel(round(r), round(g), round(b), alpha);
}

uint32_t BlendChannel(uint32_t bottom, uint32_t top, uint32_t alpha) {
  return (bottom * (255 - alpha) + top * alpha + 127) / 255;
}

}  // namespace

void FillRect(const TBitmapView& dst, const TRect& rect, TPixel32 pixel) {
  TRect r = rect.Intersect(dst.Bounds());
  for (int32_t y = r.top; y < r.bottom; ++y) std::fill_n(dst.Row(y) + r.left, r.Width(), pixel);
}

void CopyRect(const TBitmapView& dst, TPoint at, const TBitmapView& src) {
  TBlitArea a = ClipBlit(dst, at, src.Width(), src.Height());
  if (a.Empty()) return;
  auto bytes = static_cast<size_t>(a.width) * sizeof(TPixel32);
  // Rows go bottom-up when the destination lies after the source in memory, so that a copy
  // within one bitmap never reads a row it has already overwritten; memmove handles each row.
  bool bottomUp = dst.Row(a.dstY) + a.dstX > src.Row(a.srcY) + a.srcX;
  for (int32_t n = 0; n < a.height; ++n) {
    int32_t row = bottomUp ? a.height - 1 - n : n;
    std::memmove(dst.Row(a.dstY + row) + a.dstX, src.Row(a.srcY + row) + a.srcX, bytes);
  }
}

namespace {

// The nearest stretch of StretchNearest over a source of srcWidth x srcHeight pixels whose row y
// is sourceRow(y) and whose pixel is convert(element), so that a source of another element type
// needs no converted copy.
template <class TSourceRow, class TConvert>
void StretchNearestFrom(const TBitmapView& dst, const TRect& dstRect, int32_t srcWidth, int32_t srcHeight,
                        const TRect& srcRect, TSourceRow sourceRow, TConvert convert) {
  if (srcWidth <= 0 || srcHeight <= 0 || !StretchExtentsUsable(dstRect, srcRect)) return;
  TRect visible = dstRect.Intersect(dst.Bounds());
  if (visible.IsEmpty()) return;
  std::vector<int32_t> columns = NearestMap(dstRect.left, dstRect.right, srcRect.left, srcRect.right, visible.left,
                                            visible.right, srcWidth);
  std::vector<int32_t> rows = NearestMap(dstRect.top, dstRect.bottom, srcRect.top, srcRect.bottom, visible.top,
                                         visible.bottom, srcHeight);
  bool allColumns = std::find(columns.begin(), columns.end(), -1) == columns.end();
  auto rowBytes = columns.size() * sizeof(TPixel32);
  int32_t previousY = -1;  // the last destination row written, when a whole row was
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    int32_t sy = rows[static_cast<size_t>(y - visible.top)];
    if (sy < 0) continue;
    TPixel32* out = dst.Row(y) + visible.left;
    // A source row met again (a vertical block) is copied from the row just made.
    if (previousY >= 0 && rows[static_cast<size_t>(previousY - visible.top)] == sy) {
      std::memcpy(out, dst.Row(previousY) + visible.left, rowBytes);
      previousY = y;
      continue;
    }
    const auto* in = sourceRow(sy);
    if (allColumns) {
      for (size_t n = 0; n < columns.size(); ++n) out[n] = convert(in[columns[n]]);
      previousY = y;
    } else {
      for (size_t n = 0; n < columns.size(); ++n) {
        if (columns[n] >= 0) out[n] = convert(in[columns[n]]);
      }
    }
  }
}

}  // namespace

void StretchNearest(const TBitmapView& dst, const TRect& dstRect, const TBitmapView& src, const TRect& srcRect) {
  StretchNearestFrom(
      dst, dstRect, src.Width(), src.Height(), srcRect, [&src](int32_t y) { return src.Row(y); },
      [](TPixel32 pixel) { return pixel; });
}

void StretchNearestIndexed(const TBitmapView& dst, const TRect& dstRect, std::span<const uint8_t> indices,
                           int32_t width, int32_t height, const std::array<TPixel32, 256>& palette) {
  assert(width >= 0 && height >= 0 && indices.size() == static_cast<size_t>(width) * static_cast<size_t>(height));
  StretchNearestFrom(
      dst, dstRect, width, height, TRect{0, 0, width, height},
      [&indices, width](int32_t y) { return indices.data() + static_cast<ptrdiff_t>(y) * width; },
      [&palette](uint8_t index) { return palette[index]; });
}

void StretchSmooth(const TBitmapView& dst, const TRect& dstRect, const TBitmapView& src, const TRect& srcRect) {
  if (!StretchExtentsUsable(dstRect, srcRect)) return;
  TRect readable = srcRect.Intersect(src.Bounds());
  TRect visible = dstRect.Intersect(dst.Bounds());
  if (readable.IsEmpty() || visible.IsEmpty()) return;
  std::vector<TFilterTap> columns = FilterTaps(dstRect.left, dstRect.right, srcRect.left, srcRect.right,
                                               visible.left, visible.right, readable.left, readable.right);
  std::vector<TFilterTap> rows = FilterTaps(dstRect.top, dstRect.bottom, srcRect.top, srcRect.bottom, visible.top,
                                            visible.bottom, readable.top, readable.bottom);
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    const TFilterTap& ty = rows[static_cast<size_t>(y - visible.top)];
    const TPixel32* upper = src.Row(ty.first);
    const TPixel32* lower = src.Row(ty.second);
    TPixel32* out = dst.Row(y) + visible.left;
    for (size_t n = 0; n < columns.size(); ++n) {
      const TFilterTap& tx = columns[n];
      const TPixel32 p[4] = {upper[tx.first], upper[tx.second], lower[tx.first], lower[tx.second]};
      const uint32_t w[4] = {(256 - tx.weight) * (256 - ty.weight), tx.weight * (256 - ty.weight),
                             (256 - tx.weight) * ty.weight, tx.weight * ty.weight};
      out[n] = MixFour(p, w);
    }
  }
}

void DrawTransparentBitmap(const TBitmapView& dst, const TBitmapView& src, TPoint at, TColor keyColor) {
  TBlitArea a = ClipBlit(dst, at, src.Width(), src.Height());
  TPixel32 key = ColorToPixel(keyColor) & 0x00FFFFFFu;
  for (int32_t row = 0; row < a.height; ++row) {
    const TPixel32* in = src.Row(a.srcY + row) + a.srcX;
    TPixel32* out = dst.Row(a.dstY + row) + a.dstX;
    for (int32_t n = 0; n < a.width; ++n) {
      if ((in[n] & 0x00FFFFFFu) != key) out[n] = in[n];
    }
  }
}

void MaskBlit(const TBitmapView& dst, TPoint at, const TBitmapView& src, const TBitmapView& mask) {
  TBlitArea a = ClipBlit(dst, at, std::min(src.Width(), mask.Width()), std::min(src.Height(), mask.Height()));
  for (int32_t row = 0; row < a.height; ++row) {
    const TPixel32* in = src.Row(a.srcY + row) + a.srcX;
    const TPixel32* and_ = mask.Row(a.srcY + row) + a.srcX;
    TPixel32* out = dst.Row(a.dstY + row) + a.dstX;
    for (int32_t n = 0; n < a.width; ++n) out[n] = (out[n] & and_[n]) | in[n];
  }
}

void BlendMaster(const TBitmapView& dst, const TBitmapView& top, const TBitmapView& bottom, uint8_t alpha) {
  int32_t width = std::min({dst.Width(), top.Width(), bottom.Width()});
  int32_t height = std::min({dst.Height(), top.Height(), bottom.Height()});
  for (int32_t y = 0; y < height; ++y) {
    const TPixel32* t = top.Row(y);
    const TPixel32* b = bottom.Row(y);
    TPixel32* out = dst.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      TPixel32 tp = t[x];
      TPixel32 bp = b[x];
      out[x] = MakePixel(static_cast<uint8_t>(BlendChannel(PixelR(bp), PixelR(tp), alpha)),
                         static_cast<uint8_t>(BlendChannel(PixelG(bp), PixelG(tp), alpha)),
                         static_cast<uint8_t>(BlendChannel(PixelB(bp), PixelB(tp), alpha)),
                         static_cast<uint8_t>(BlendChannel(PixelA(bp), PixelA(tp), alpha)));
    }
  }
}

TPixel32 AlphaOverPixel(TPixel32 dst, TPixel32 src, uint8_t masterAlpha) {
  uint32_t sa = (PixelA(src) * uint32_t{masterAlpha} + 127) / 255;
  if (sa == 255) return src;
  if (sa == 0) return dst;
  uint32_t da = PixelA(dst);
  uint32_t srcWeight = sa * 255;
  uint32_t dstWeight = da * (255 - sa);
  uint32_t total = srcWeight + dstWeight;  // > 0 since sa > 0
  auto channel = [&](uint8_t s, uint8_t d) {
    return static_cast<uint8_t>((s * srcWeight + d * dstWeight + total / 2) / total);
  };
  return MakePixel(channel(PixelR(src), PixelR(dst)), channel(PixelG(src), PixelG(dst)),
                   channel(PixelB(src), PixelB(dst)), static_cast<uint8_t>((total + 127) / 255));
}

void AlphaBlend(const TBitmapView& dst, TPoint at, const TBitmapView& src, uint8_t masterAlpha) {
  TBlitArea a = ClipBlit(dst, at, src.Width(), src.Height());
  for (int32_t row = 0; row < a.height; ++row) {
    const TPixel32* in = src.Row(a.srcY + row) + a.srcX;
    TPixel32* out = dst.Row(a.dstY + row) + a.dstX;
    for (int32_t n = 0; n < a.width; ++n) out[n] = AlphaOverPixel(out[n], in[n], masterAlpha);
  }
}

void CheckerboardAnd(const TBitmapView& dst, const TRect& rect, TPixel32 pixel) {
  CheckerboardAnd(dst, dst, rect, pixel);
}

void CheckerboardAnd(const TBitmapView& dst, const TBitmapView& src, const TRect& rect, TPixel32 pixel) {
  TRect r = rect.Intersect(dst.Bounds()).Intersect(src.Bounds());
  for (int32_t y = r.top; y < r.bottom; ++y) {
    const TPixel32* in = src.Row(y);
    TPixel32* out = dst.Row(y);
    for (int32_t x = r.left + ((r.left + y) & 1); x < r.right; x += 2) out[x] = in[x] & pixel;
  }
}

void DrawTiled(const TBitmapView& dst, const TRect& rect, const TBitmapView& tile) {
  if (tile.Empty()) return;
  TRect visible = rect.Intersect(dst.Bounds());
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    auto ty = static_cast<int32_t>((int64_t{y} - rect.top) % tile.Height());
    auto tx = static_cast<int32_t>((int64_t{visible.left} - rect.left) % tile.Width());
    const TPixel32* in = tile.Row(ty);
    TPixel32* out = dst.Row(y);
    for (int32_t x = visible.left; x < visible.right;) {
      int32_t run = std::min(tile.Width() - tx, visible.right - x);
      std::memcpy(out + x, in + tx, static_cast<size_t>(run) * sizeof(TPixel32));
      x += run;
      tx = 0;
    }
  }
}
