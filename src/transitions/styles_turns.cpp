// Styles drawn through polygons and grids: the diagonal reveals and sweeps (110 to 116), the
// triangular and rectangular shreds (117, 142), the sweeps round the centre (143, 144) and the
// rotating rectangle and star (149, 150).

#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>

#include "transitions/frame_mask.h"
#include "transitions/transition_styles.h"

namespace {

using TTriangle = std::array<TPoint, 3>;

void DrawTriangles(const TFrame& f, std::initializer_list<TTriangle> triangles) {
  TFrameMask mask(f.W, f.H);
  for (const TTriangle& triangle : triangles) mask.AddPolygon(triangle);
  f.DrawThrough(mask);
}

// The size unit halved for the grid styles (when above 1).
int32_t GridCount(const TFrame& f) { return f.S > 1 ? f.S / 2 : f.S; }

void TriangularShred(const TFrame& f) {
  const int32_t s = GridCount(f);
  const int32_t w = f.W / s;
  const int32_t h = f.H / s;
  const int32_t x = f.X / s;
  const int32_t y = f.Y / s;
  TFrameMask mask(f.W, f.H);
  for (int32_t i = 0; i <= s; ++i)
    for (int32_t j = 0; j <= s; ++j) {
      const TTriangle triangle{{{i * w - x, j * h - y}, {i * w + x, j * h - y}, {i * w - x, j * h + y}}};
      mask.AddPolygon(triangle);
    }
  f.DrawThrough(mask);
}

void RectangularShred(const TFrame& f) {
  const int32_t x = f.X / f.S;
  const int32_t y = f.Y / f.S;
  const int32_t s = GridCount(f);
  const int32_t w = f.W / s;
  const int32_t h = f.H / s;
  TFrameMask mask(f.W, f.H);
  for (int32_t i = 0; i <= s; ++i)
    for (int32_t j = 0; j <= s; ++j) mask.AddRect({i * w - x, j * h - y, i * w + x, j * h + y});
  f.DrawThrough(mask);
}

// The centre and `progress` points on the circle round it that holds the whole picture, the
// first straight above the centre and each next 3.6 degrees further: a sector of
// 3.6 * (progress - 1) degrees. Coordinates round to the nearest integer, halves to even.
void Sweep(const TFrame& f, bool clockwise) {
  const TPoint c{f.W / 2, f.H / 2};
  const double radius = std::ceil(std::sqrt(double(c.x) * c.x + double(c.y) * c.y));
  std::vector<TPoint> polygon{c};
  for (int32_t k = 0; k < f.progress; ++k) {
    const double degrees = -90.0 + (clockwise ? 3.6 : -3.6) * k;
    const double radians = degrees * std::numbers::pi / 180.0;
    polygon.push_back({c.x + static_cast<int32_t>(std::nearbyint(radius * std::cos(radians))),
                       c.y + static_cast<int32_t>(std::nearbyint(radius * std::sin(radians)))});
  }
  TFrameMask mask(f.W, f.H);
  mask.AddPolygon(polygon);
  f.DrawThrough(mask);
}

// The polygon turned about the centre by progress * pi / 50 (a full turn at 100), each vertex
// rounded to the nearest integer, halves to even.
void DrawTurned(const TFrame& f, std::span<const TPoint> polygon) {
  const TPoint c{f.W / 2, f.H / 2};
  const double angle = f.progress * std::numbers::pi / 50.0;
  const double cosine = std::cos(angle);
  const double sine = std::sin(angle);
  std::vector<TPoint> turned;
  for (const TPoint& p : polygon) {
    const double dx = p.x - c.x;
    const double dy = p.y - c.y;
    turned.push_back({c.x + static_cast<int32_t>(std::nearbyint(dx * cosine - dy * sine)),
                      c.y + static_cast<int32_t>(std::nearbyint(dx * sine + dy * cosine))});
  }
  TFrameMask mask(f.W, f.H);
  mask.AddPolygon(turned);
  f.DrawThrough(mask);
}

void RotationalRectangle(const TFrame& f) {
  const TPoint c{f.W / 2, f.H / 2};
  const int32_t x = f.X / 2;
  const int32_t y = f.Y / 2;
  const std::array<TPoint, 4> corners{{{c.x - x, c.y - y}, {c.x + x, c.y - y}, {c.x + x, c.y + y}, {c.x - x, c.y + y}}};
  DrawTurned(f, corners);
}

void RotationalStar(const TFrame& f) {
  const TPoint c{f.W / 2, f.H / 2};
  const int32_t x = f.X / 2;
  const int32_t y = f.Y / 2;
  const std::array<TPoint, 8> star{{{c.x - 2 * f.X, c.y},
                                    {c.x - x, c.y - y},
                                    {c.x, c.y - 2 * f.Y},
                                    {c.x + x, c.y - y},
                                    {c.x + 2 * f.X, c.y},
                                    {c.x + x, c.y + y},
                                    {c.x, c.y + 2 * f.Y},
                                    {c.x - x, c.y + y}}};
  DrawTurned(f, star);
}

}  // namespace

void AddTurnStyles(TStyleProcedures& t) {
  t[110] = [](const TFrame& f) { DrawTriangles(f, {{{{0, 0}, {2 * f.X, 0}, {0, 2 * f.Y}}}}); };
  t[111] = [](const TFrame& f) { DrawTriangles(f, {{{{f.W, 0}, {f.W - 2 * f.X, 0}, {f.W, 2 * f.Y}}}}); };
  t[112] = [](const TFrame& f) { DrawTriangles(f, {{{{0, f.H}, {2 * f.X, f.H}, {0, f.H - 2 * f.Y}}}}); };
  t[113] = [](const TFrame& f) { DrawTriangles(f, {{{{f.W, f.H}, {f.W - 2 * f.X, f.H}, {f.W, f.H - 2 * f.Y}}}}); };
  t[114] = [](const TFrame& f) {
    DrawTriangles(f, {{{{0, f.H}, {0, 0}, {f.X, f.H}}}, {{{f.W, f.H}, {f.W, 0}, {f.W - f.X, 0}}}});
  };
  t[115] = [](const TFrame& f) {
    DrawTriangles(f, {{{{f.W, 0}, {0, 0}, {f.W, f.Y}}}, {{{f.W, f.H}, {0, f.H}, {0, f.H - f.Y}}}});
  };
  t[116] = [](const TFrame& f) {
    const TPoint c{f.W / 2, f.H / 2};
    DrawTriangles(f, {{{c, {0, f.H}, {0, f.H - f.Y}}},
                      {{{0, 0}, {f.X, 0}, c}},
                      {{{f.W - f.X, f.H}, c, {f.W, f.H}}},
                      {{c, {f.W, 0}, {f.W, f.Y}}}});
  };
  t[117] = TriangularShred;
  t[142] = RectangularShred;
  t[143] = [](const TFrame& f) { Sweep(f, true); };
  t[144] = [](const TFrame& f) { Sweep(f, false); };
  t[149] = RotationalRectangle;
  t[150] = RotationalStar;
}
