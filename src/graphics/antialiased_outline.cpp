#include "graphics/antialiased_outline.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numbers>
#include <utility>

#include "graphics/raster.h"

namespace {

constexpr TPixel32 kOpaque = 0xFF000000u;

// numerator / denominator rounded to the nearest integer, a half to the even neighbour.
uint64_t RoundHalfEven(uint64_t numerator, uint64_t denominator) {
  const uint64_t quotient = numerator / denominator;
  const uint64_t twiceRest = 2 * (numerator % denominator);
  if (twiceRest > denominator || (twiceRest == denominator && (quotient & 1) != 0)) return quotient + 1;
  return quotient;
}

// Points farther out draw nothing, which keeps the arithmetic within 64 bits.
constexpr int64_t kReach = kMaxStretchExtent;

bool WithinReach(TPoint p) { return std::llabs(p.x) <= kReach && std::llabs(p.y) <= kReach; }

bool Inside(const TBitmapView& view, int64_t x, int64_t y) {
  return x >= 0 && y >= 0 && x < view.Width() && y < view.Height();
}

// floor(numerator / denominator) for a positive denominator.
int64_t FloorDiv(int64_t numerator, int64_t denominator) {
  const int64_t quotient = numerator / denominator;
  return quotient * denominator > numerator ? quotient - 1 : quotient;
}

// An arc's coverage fractions are held in this many parts.
constexpr uint32_t kArcWhole = 1u << 16;

// Gathers an arc's pixels, each with the largest coverage given to it.
class TArcCoverage {
 public:
  void Add(double x, double y, double fraction) {
    const auto part = static_cast<uint32_t>(std::lround(std::clamp(fraction, 0.0, 1.0) * kArcWhole));
    if (part == 0) return;
    uint32_t& held = m_parts[{static_cast<int32_t>(y), static_cast<int32_t>(x)}];
    held = std::max(held, part);
  }
  // Covers the exact point (x, y) between the two pixels around it along y (alongY) or along x.
  void AddPoint(double x, double y, bool alongY) {
    const double across = alongY ? y : x;
    const double n = std::floor(across);
    const double f = across - n;
    if (alongY) {
      Add(x, n, 1 - f);
      Add(x, n + 1, f);
    } else {
      Add(n, y, 1 - f);
      Add(n + 1, y, f);
    }
  }
  void Draw(const TBitmapView& view, TPixel32 colour) const {
    for (const auto& [at, part] : m_parts) CoverPixel(view, at.second, at.first, colour, part, kArcWhole);
  }

 private:
  std::map<std::pair<int32_t, int32_t>, uint32_t> m_parts;  // (y, x) -> coverage
};

}  // namespace

void CoverPixel(const TBitmapView& view, int32_t x, int32_t y, TPixel32 colour, uint32_t part, uint32_t whole) {
  if (!Inside(view, x, y) || part == 0 || whole == 0) return;
  part = std::min(part, whole);
  TPixel32& pixel = view.At(x, y);
  if (PixelA(pixel) != 255) {
    const auto alpha = static_cast<uint8_t>(RoundHalfEven(uint64_t{255} * part, whole));
    pixel = AlphaOverPixel(pixel, (colour & 0x00FFFFFFu) | (TPixel32{alpha} << 24));
    return;
  }
  auto channel = [&](uint8_t old, uint8_t paint) {
    const uint64_t value = RoundHalfEven(uint64_t{old} * (whole - part), whole) + RoundHalfEven(uint64_t{paint} * part, whole);
    return static_cast<uint8_t>(std::min<uint64_t>(value, 255));
  };
  pixel = MakePixel(channel(PixelR(pixel), PixelR(colour)), channel(PixelG(pixel), PixelG(colour)),
                    channel(PixelB(pixel), PixelB(colour)));
}

void DrawAntialiasedLine(const TBitmapView& view, TPoint from, TPoint to, TPixel32 colour) {
  if (!WithinReach(from) || !WithinReach(to)) return;
  for (TPoint end : {from, to})
    if (Inside(view, end.x, end.y)) view.At(end.x, end.y) = colour | kOpaque;
  const int64_t dx = int64_t{to.x} - from.x;
  const int64_t dy = int64_t{to.y} - from.y;
  const bool alongX = std::llabs(dx) >= std::llabs(dy);
  const int64_t major = alongX ? dx : dy;
  const int64_t minor = alongX ? dy : dx;
  const int64_t steps = std::llabs(major);
  const int64_t step = major < 0 ? -1 : 1;
  const int64_t alongStart = alongX ? from.x : from.y;
  const int64_t acrossStart = alongX ? from.y : from.x;
  // Only the steps whose pixels lie within the view along the major axis.
  const int64_t extent = alongX ? view.Width() : view.Height();
  const int64_t first = std::max<int64_t>(1, step > 0 ? -alongStart : alongStart - extent + 1);
  const int64_t last = std::min<int64_t>(steps - 1, step > 0 ? extent - 1 - alongStart : alongStart);
  for (int64_t i = first; i <= last; ++i) {
    // The exact position across is acrossStart + minor * i / steps: whole part n, fraction
    // rest / steps.
    const int64_t n = FloorDiv(minor * i, steps);
    const auto rest = static_cast<uint32_t>(minor * i - n * steps);
    const int64_t along = alongStart + step * i;
    auto cover = [&](int64_t across, uint32_t part) {
      const int64_t x = alongX ? along : across;
      const int64_t y = alongX ? across : along;
      if (Inside(view, x, y))
        CoverPixel(view, static_cast<int32_t>(x), static_cast<int32_t>(y), colour, part, static_cast<uint32_t>(steps));
    };
    cover(acrossStart + n, static_cast<uint32_t>(steps) - rest);
    if (rest != 0) cover(acrossStart + n + 1, rest);
  }
}

void DrawAntialiasedArc(const TBitmapView& view, const TRect& box, int32_t startDegrees, int32_t endDegrees,
                        TPixel32 colour) {
  if (!WithinReach({box.left, box.top}) || !WithinReach({box.right, box.bottom})) return;
  const double a = (static_cast<double>(box.right) - box.left) / 2;
  const double b = (static_cast<double>(box.bottom) - box.top) / 2;
  if (a <= 0 || b <= 0) return;
  const double cx = (static_cast<double>(box.left) + box.right) / 2;
  const double cy = (static_cast<double>(box.top) + box.bottom) / 2;
  constexpr double kSlack = 1e-9;
  auto onArc = [&](double x, double y) {
    double degrees = std::atan2((y - cy) / b, (x - cx) / a) * 180 / std::numbers::pi;
    if (degrees < 0) degrees += 360;
    return (degrees >= startDegrees - kSlack && degrees <= endDegrees + kSlack) ||
           degrees + 360 <= endDegrees + kSlack;
  };
  TArcCoverage coverage;
  // Where the curve is flatter than 45 degrees (|x - cx| up to a^2 / sqrt(a^2 + b^2)) one pixel
  // per column, elsewhere one per row; only the columns and rows of the view.
  const double diagonal = std::sqrt(a * a + b * b);
  const double xReach = a * a / diagonal;
  const double lastColumn = std::min(cx + xReach, static_cast<double>(view.Width()) - 1);
  for (double x = std::max(std::ceil(cx - xReach), 0.0); x <= lastColumn; ++x) {
    const double u = (x - cx) / a;
    const double half = b * std::sqrt(std::max(0.0, 1 - u * u));
    for (double y : {cy - half, cy + half})
      if (onArc(x, y)) coverage.AddPoint(x, y, true);
  }
  const double yReach = b * b / diagonal;
  const double lastRow = std::min(cy + yReach, static_cast<double>(view.Height()) - 1);
  for (double y = std::max(std::ceil(cy - yReach), 0.0); y <= lastRow; ++y) {
    const double v = (y - cy) / b;
    const double half = a * std::sqrt(std::max(0.0, 1 - v * v));
    for (double x : {cx - half, cx + half})
      if (onArc(x, y)) coverage.AddPoint(x, y, false);
  }
  coverage.Draw(view, colour);
}
