#include "graphics/balloon_shape.h"

#include <algorithm>

#include "graphics/antialiased_outline.h"

namespace {

constexpr int32_t kBodyPointerDepth = 12;
constexpr int32_t kBodyCornerSize = 10;
constexpr int32_t kShadowCornerSize = 8;
// How far P1 and P2 lie from the end of the balloon the pointer is at.
constexpr int32_t kPointerNear = 10;
constexpr int32_t kPointerFar = 18;

TBalloonShape Balloon(const TRect& rect, TKIVPosition placement, int32_t depth, int32_t cornerSize, bool tipAtCorner) {
  TBalloonShape shape{placement, rect, cornerSize, {}};
  const bool right = PointerAtRight(placement);
  int32_t baseY = 0;
  int32_t tipY = 0;
  if (PointerBelow(placement)) {
    shape.body.bottom = rect.bottom - depth;
    baseY = shape.body.bottom - 1;
    tipY = rect.bottom;
  } else {
    shape.body.top = rect.top + depth;
    baseY = shape.body.top;
    tipY = rect.top;
  }
  const int32_t x1 = right ? rect.right - kPointerFar : rect.left + kPointerNear;
  const int32_t x2 = right ? rect.right - kPointerNear : rect.left + kPointerFar;
  const int32_t tipX = tipAtCorner ? (right ? rect.right : rect.left) : (right ? x2 : x1);
  shape.pointer = {TPoint{x1, baseY}, TPoint{x2, baseY}, TPoint{tipX, tipY}};
  return shape;
}

// Whether pixel (x, y) lies in the rounded rectangle: inside body (right and bottom exclusive),
// and inside the corner circle where it lies beyond a corner circle's centre on both axes.
bool InRoundedBody(const TRect& body, int32_t cornerSize, int64_t x, int64_t y) {
  if (x < body.left || x >= body.right || y < body.top || y >= body.bottom) return false;
  const double radius = cornerSize / 2.0;
  const double leftCentre = body.left + radius;
  const double rightCentre = body.right - 1 - radius;
  const double topCentre = body.top + radius;
  const double bottomCentre = body.bottom - 1 - radius;
  const double cx = x < leftCentre ? leftCentre : (x > rightCentre ? rightCentre : double(x));
  const double cy = y < topCentre ? topCentre : (y > bottomCentre ? bottomCentre : double(y));
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// Whether pixel (x, y) lies inside or on the triangle.
bool InTriangle(const std::array<TPoint, 3>& p, int64_t x, int64_t y) {
  auto side = [&](const TPoint& a, const TPoint& b) {
    return (int64_t{b.x} - a.x) * (y - a.y) - (int64_t{b.y} - a.y) * (x - a.x);
  };
  const int64_t d1 = side(p[0], p[1]);
  const int64_t d2 = side(p[1], p[2]);
  const int64_t d3 = side(p[2], p[0]);
  return (d1 >= 0 && d2 >= 0 && d3 >= 0) || (d1 <= 0 && d2 <= 0 && d3 <= 0);
}

}  // namespace

bool PointerAtRight(TKIVPosition placement) {
  return placement == TKIVPosition::apsLeftTop || placement == TKIVPosition::apsLeftBottom;
}

bool PointerBelow(TKIVPosition placement) {
  return placement == TKIVPosition::apsLeftTop || placement == TKIVPosition::apsRightTop;
}

TBalloonShape HintBalloonBody(const TRect& rect, TKIVPosition placement) {
  return Balloon(rect, placement, kBodyPointerDepth, kBodyCornerSize, true);
}

TBalloonShape HintBalloonShadow(const TRect& rect, TKIVPosition placement, int32_t depth) {
  return Balloon(rect, placement, depth, kShadowCornerSize, false);
}

TRegion BalloonRegion(const TBalloonShape& shape) {
  const TRect& body = shape.body;
  int32_t left = body.left, top = body.top, right = body.right, bottom = body.bottom;
  for (const TPoint& p : shape.pointer) {
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x + 1);
    bottom = std::max(bottom, p.y + 1);
  }
  TRegion region;
  for (int32_t y = top; y < bottom; ++y) {
    int32_t x = left;
    while (x < right) {
      auto inside = [&](int32_t at) {
        return InRoundedBody(body, shape.cornerSize, at, y) || InTriangle(shape.pointer, at, y);
      };
      if (!inside(x)) {
        ++x;
        continue;
      }
      const int32_t runStart = x;
      while (x < right && inside(x)) ++x;
      region.rects.push_back({runStart, y, x, y + 1});
    }
  }
  return region;
}

void DrawBalloonOutline(const TBitmapView& view, const TBalloonShape& shape, TPixel32 colour) {
  const int32_t l = shape.body.left, t = shape.body.top;
  const int32_t r = shape.body.right, b = shape.body.bottom;
  const int32_t size = shape.cornerSize;
  const int32_t radius = size / 2;
  const auto& [p1, p2, p3] = shape.pointer;
  auto line = [&](TPoint from, TPoint to) { DrawAntialiasedLine(view, from, to, colour); };
  if (PointerBelow(shape.placement)) {
    line({l + radius, t}, {r - 1 - radius, t});
    line({l + radius, b - 1}, {p1.x - 1, p1.y});
    line(p2, {r - 1 - radius, b - 1});
  } else {
    line({l + radius, t}, {p1.x - 1, p1.y});
    line(p2, {r - 1 - radius, t});
    line({l + radius, b - 1}, {r - 1 - radius, b - 1});
  }
  line({l, t + radius}, {l, b - 1 - radius});
  line({r - 1, t + radius}, {r - 1, b - 1 - radius});
  DrawAntialiasedArc(view, {l, t, l + size, t + size}, 180, 270, colour);
  DrawAntialiasedArc(view, {r - 1 - size, t, r - 1, t + size}, 270, 360, colour);
  DrawAntialiasedArc(view, {l, b - 1 - size, l + size, b - 1}, 90, 180, colour);
  DrawAntialiasedArc(view, {r - 1 - size, b - 1 - size, r - 1, b - 1}, 0, 90, colour);
  line(p1, p3);
  line(p2, p3);
}
