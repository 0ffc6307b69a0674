#include "transitions/frame_mask.h"

#include <algorithm>
#include <cmath>
#include <cstring>

TFrameMask::TFrameMask(int32_t width, int32_t height)
    : m_width(std::max(0, width)),
      m_height(std::max(0, height)),
      m_bits(static_cast<size_t>(m_width) * static_cast<size_t>(m_height), 0) {}

void TFrameMask::AddRect(const TRect& rect) {
  const TRect r = rect.Intersect({0, 0, m_width, m_height});
  if (r.IsEmpty()) return;
  const size_t width = static_cast<size_t>(r.Width());
  uint8_t* row = &m_bits[Index(r.left, r.top)];
  for (int32_t y = r.top; y < r.bottom; ++y, row += m_width) {
    // The narrow bands of the column styles are set byte by byte: cheaper than a call per row.
    if (width <= 8) {
      for (size_t x = 0; x < width; ++x) row[x] = 1;
    } else {
      std::memset(row, 1, width);
    }
  }
}

void TFrameMask::AddSpan(int32_t y, double left, double right) {
  // Pixel x is inside when left <= x + 0.5 < right.
  const double first = std::ceil(left - 0.5);
  const double end = std::ceil(right - 0.5);
  const int32_t x0 = static_cast<int32_t>(std::clamp(first, 0.0, double(m_width)));
  const int32_t x1 = static_cast<int32_t>(std::clamp(end, 0.0, double(m_width)));
  if (x1 > x0) std::memset(&m_bits[Index(x0, y)], 1, static_cast<size_t>(x1 - x0));
}

void TFrameMask::AddRoundRect(const TRect& rect, int32_t cornerWidth, int32_t cornerHeight) {
  if (rect.IsEmpty()) return;
  const double rx = std::clamp<int64_t>(cornerWidth, 0, rect.Width()) / 2.0;
  const double ry = std::clamp<int64_t>(cornerHeight, 0, rect.Height()) / 2.0;
  const int32_t top = std::max(rect.top, 0);
  const int32_t bottom = std::min(rect.bottom, m_height);
  for (int32_t y = top; y < bottom; ++y) {
    const double centre = y + 0.5;
    double dy = 0;
    if (centre < rect.top + ry)
      dy = rect.top + ry - centre;
    else if (centre > rect.bottom - ry)
      dy = centre - (rect.bottom - ry);
    double inset = 0;
    if (dy > 0 && ry > 0) inset = rx - rx * std::sqrt(std::max(0.0, 1.0 - (dy / ry) * (dy / ry)));
    AddSpan(y, rect.left + inset, rect.right - inset);
  }
}

void TFrameMask::AddPolygon(std::span<const TPoint> points) {
  if (points.size() < 3) return;
  int32_t top = points[0].y;
  int32_t bottom = points[0].y;
  for (const TPoint& p : points) {
    top = std::min(top, p.y);
    bottom = std::max(bottom, p.y);
  }
  top = std::max(top, 0);
  bottom = std::min(bottom, m_height);
  struct TCrossing {
    double x;
    int32_t winding;
  };
  std::vector<TCrossing> crossings;
  for (int32_t y = top; y < bottom; ++y) {
    const double centre = y + 0.5;
    crossings.clear();
    for (size_t i = 0; i < points.size(); ++i) {
      const TPoint a = points[i];
      const TPoint b = points[(i + 1) % points.size()];
      if (a.y == b.y) continue;
      const bool down = a.y < b.y;
      const double low = down ? a.y : b.y;
      const double high = down ? b.y : a.y;
      if (centre < low || centre >= high) continue;
      const double x = a.x + (centre - a.y) * double(b.x - a.x) / double(b.y - a.y);
      crossings.push_back({x, down ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(), [](const TCrossing& l, const TCrossing& r) { return l.x < r.x; });
    int32_t winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
      winding += crossings[i].winding;
      if (winding != 0) AddSpan(y, crossings[i].x, crossings[i + 1].x);
    }
  }
}

void TFrameMask::IntersectWith(const TFrameMask& other) {
  for (size_t i = 0; i < m_bits.size() && i < other.m_bits.size(); ++i) m_bits[i] &= other.m_bits[i];
}

void TFrameMask::XorWith(const TFrameMask& other) {
  for (size_t i = 0; i < m_bits.size() && i < other.m_bits.size(); ++i) m_bits[i] ^= other.m_bits[i];
}

namespace {

// One row: each pixel under a set byte is taken from the source. A select rather than runs of
// copies, so that a mask of many narrow bands costs no more than a solid one and the loop
// vectorises.
void DrawRowThrough(TPixel32* __restrict out, const TPixel32* __restrict in, const uint8_t* __restrict bits,
                    int32_t width) {
  for (int32_t x = 0; x < width; ++x) out[x] = bits[x] ? in[x] : out[x];
}

}  // namespace

void TFrameMask::DrawThrough(const TBitmapView& display, const TBitmapView& source) const {
  const int32_t width = std::min({m_width, display.Width(), source.Width()});
  const int32_t height = std::min({m_height, display.Height(), source.Height()});
  for (int32_t y = 0; y < height; ++y) DrawRowThrough(display.Row(y), source.Row(y), &m_bits[Index(0, y)], width);
}
