#include "graphics/region.h"

#include <QRect>
#include <QRegion>
#include <algorithm>

#include "graphics/colors.h"

namespace {

bool SameSpans(const TRect* a, const TRect* b, size_t count) {
  for (size_t n = 0; n < count; ++n) {
    if (a[n].left != b[n].left || a[n].right != b[n].right) return false;
  }
  return true;
}

// Whether rects meet QRegion::setRects' rules: y-x sorted bands of equal height that do not
// overlap, with no two rectangles of a band touching side by side.
bool IsBanded(const std::vector<TRect>& rects) {
  for (size_t n = 0; n < rects.size(); ++n) {
    const TRect& r = rects[n];
    if (r.IsEmpty()) return false;
    if (n == 0) continue;
    const TRect& p = rects[n - 1];
    bool sameBand = r.top == p.top && r.bottom == p.bottom && r.left > p.right;
    bool nextBand = r.top >= p.bottom;
    if (!sameBand && !nextBand) return false;
  }
  return true;
}

QRect ToQRect(const TRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// Unites rects[from, to) by halves, so a long list costs n log n rather than n squared.
QRegion UniteRange(const std::vector<TRect>& rects, size_t from, size_t to) {
  if (to - from == 1) return QRegion(ToQRect(rects[from]));
  size_t middle = from + (to - from) / 2;
  return UniteRange(rects, from, middle).united(UniteRange(rects, middle, to));
}

}  // namespace

TRect TRegion::Bounds() const {
  if (rects.empty()) return {};
  TRect b = rects.front();
  for (const TRect& r : rects) {
    b = {std::min(b.left, r.left), std::min(b.top, r.top), std::max(b.right, r.right), std::max(b.bottom, r.bottom)};
  }
  return b;
}

bool TRegion::Contains(TPoint p) const {
  return std::any_of(rects.begin(), rects.end(), [p](const TRect& r) { return r.Contains(p); });
}

TRegion BitmapToRegion(const TBitmapView& bitmap, TColor color) {
  TRegion region;
  const TPixel32 key = ColorToPixel(color) & 0x00FFFFFFu;
  size_t previousFrom = 0;  // the previous row's rectangles are rects[previousFrom, previousTo)
  size_t previousTo = 0;
  for (int32_t y = 0; y < bitmap.Height(); ++y) {
    const TPixel32* row = bitmap.Row(y);
    size_t rowFrom = region.rects.size();
    for (int32_t x = 0; x < bitmap.Width();) {
      if ((row[x] & 0x00FFFFFFu) == key) {
        ++x;
        continue;
      }
      int32_t start = x;
      while (x < bitmap.Width() && (row[x] & 0x00FFFFFFu) != key) ++x;
      region.rects.push_back({start, y, x, y + 1});
    }
    size_t count = region.rects.size() - rowFrom;
    bool continues = count > 0 && count == previousTo - previousFrom &&
                     region.rects[previousFrom].bottom == y &&
                     SameSpans(&region.rects[previousFrom], &region.rects[rowFrom], count);
    if (continues) {
      region.rects.resize(rowFrom);
      for (size_t n = previousFrom; n < previousTo; ++n) region.rects[n].bottom = y + 1;
    } else {
      previousFrom = rowFrom;
      previousTo = region.rects.size();
    }
  }
  return region;
}

QRegion ToQRegion(const TRegion& region) {
  std::vector<TRect> rects;
  rects.reserve(region.rects.size());
  std::copy_if(region.rects.begin(), region.rects.end(), std::back_inserter(rects),
               [](const TRect& r) { return !r.IsEmpty(); });
  if (rects.empty()) return {};
  if (!IsBanded(rects)) return UniteRange(rects, 0, rects.size());
  std::vector<QRect> qrects;
  qrects.reserve(rects.size());
  for (const TRect& r : rects) qrects.push_back(ToQRect(r));
  QRegion result;
  result.setRects(qrects.data(), static_cast<int>(qrects.size()));
  return result;
}
