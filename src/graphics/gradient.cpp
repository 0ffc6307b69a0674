#include "graphics/gradient.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <iterator>

#include "graphics/colors.h"
#include "graphics/raster.h"

namespace {

// Distance from the middle of a 512-pixel axis: 255 at both ends, 0 at the two middle pixels.
int32_t FromMiddle512(int32_t v) { return v < 256 ? 255 - v : v - 256; }
// Distance from the middle of a 362-pixel axis: 180 - v up to v = 180, then v - secondFrom (181
// for the x axes, 180 for the y axis of the centred radial).
int32_t FromMiddle362(int32_t v, int32_t secondFrom) { return v <= 180 ? 180 - v : v - secondFrom; }

// The ramp index of each style's master pixel (x, y).
int32_t LinearH(int32_t, int32_t y) { return y; }
int32_t LinearV(int32_t x, int32_t) { return x; }
int32_t ReflectedH(int32_t, int32_t y) { return FromMiddle512(y); }
int32_t ReflectedV(int32_t x, int32_t) { return FromMiddle512(x); }
int32_t RectangleC(int32_t x, int32_t y) { return std::max(FromMiddle512(x), FromMiddle512(y)); }
int32_t RectangleL(int32_t x, int32_t y) { return std::max(x, FromMiddle512(y)); }
int32_t RectangleR(int32_t x, int32_t y) { return std::max(255 - x, FromMiddle512(y)); }
int32_t RectangleT(int32_t x, int32_t y) { return std::max(FromMiddle512(x), y); }
int32_t RectangleB(int32_t x, int32_t y) { return std::max(FromMiddle512(x), 255 - y); }
int32_t RectangleLT(int32_t x, int32_t y) { return std::max(x, y); }
int32_t RectangleLB(int32_t x, int32_t y) { return std::max(x, 255 - y); }
int32_t RectangleRT(int32_t x, int32_t y) { return std::max(255 - x, y); }
int32_t RectangleRB(int32_t x, int32_t y) { return std::max(255 - x, 255 - y); }
// The radial styles: k = Round(√(dx² + dy²)), dx from the column and dy from the row.
int32_t Same(int32_t v) { return v; }
int32_t Flip180(int32_t v) { return 180 - v; }
int32_t Middle362(int32_t v) { return FromMiddle362(v, 181); }
// The centred radial measures y from row 180 on its lower half (x from column 181 on its right
// half), so its halves are not mirror images by one pixel; stored gradients look like this.
int32_t Middle362Rows(int32_t v) { return FromMiddle362(v, 180); }
int32_t DiagonalLF(int32_t x, int32_t y) { return y - x + 127; }
int32_t DiagonalLB(int32_t x, int32_t y) { return x + y; }
int32_t DiagonalRF(int32_t x, int32_t y) { return std::abs(x - y); }
int32_t DiagonalRB(int32_t x, int32_t y) { return x + y > 254 ? x + y - 255 : 255 - (x + y); }
int32_t ArrowL(int32_t x, int32_t y) { return y < 128 ? 255 - y - x : y - x; }
int32_t ArrowR(int32_t x, int32_t y) { return y < 128 ? x - y + 127 : x + y - 128; }
int32_t ArrowU(int32_t x, int32_t y) { return x < 128 ? 255 - y - x : x - y; }
int32_t ArrowD(int32_t x, int32_t y) { return x < 128 ? y - x + 127 : y + x - 128; }
int32_t Diamond(int32_t x, int32_t y) {
  if (y < 128) return x < 128 ? 255 - y - x : x - y;
  return x < 128 ? y - x : y + x - 255;
}
int32_t Butterfly(int32_t x, int32_t y) {
  if (y < 128) return x < 128 ? x - y + 128 : 383 - y - x;
  return x < 128 ? x + y - 128 : y - x + 128;
}

using TPaintMaster = void (*)(TGradientMaster& master);
using TAxis = int32_t (*)(int32_t);

// Fills the master with one style's formula, inlined into its own loop.
template <int32_t (*Index)(int32_t, int32_t)>
void Paint(TGradientMaster& master) {
  uint8_t* out = master.indices.data();
  for (int32_t y = 0; y < master.height; ++y) {
    for (int32_t x = 0; x < master.width; ++x) {
      int32_t k = Index(x, y);
      assert(k >= 0 && k <= 255);
      *out++ = static_cast<uint8_t>(k);
    }
  }
}

// Fills a radial master row by row. For one row's dy the rounded distance over dx = 0..180 is
// found by stepping: Round(√n) is the smallest m with n <= m² + m (√n is never a half, as
// n = m² + m + 1/4 is no integer, so the half-to-even rule never comes into play), and it never
// decreases as dx grows. Starting at m = dy, the root costs no square root at all. A row depends
// on its dy alone, so a row whose dy came before is a copy of that row.
template <TAxis Dx, TAxis Dy>
void PaintRadial(TGradientMaster& master) {
  std::array<uint8_t, 181> distance{};
  std::array<const uint8_t*, 182> rowOfDy{};  // the row made for each dy, once made
  const auto width = static_cast<size_t>(master.width);
  uint8_t* out = master.indices.data();
  for (int32_t y = 0; y < master.height; ++y) {
    int32_t dy = Dy(y);
    assert(dy >= 0 && dy < static_cast<int32_t>(rowOfDy.size()));
    const uint8_t*& made = rowOfDy[static_cast<size_t>(dy)];
    if (made) {
      std::memcpy(out, made, width);
      out += width;
      continue;
    }
    made = out;
    int32_t m = dy;
    for (int32_t dx = 0; dx < static_cast<int32_t>(distance.size()); ++dx) {
      int32_t n = dx * dx + dy * dy;
      while (n > m * m + m) ++m;
      assert(m <= 255);
      distance[static_cast<size_t>(dx)] = static_cast<uint8_t>(m);
    }
    for (int32_t x = 0; x < master.width; ++x) *out++ = distance[static_cast<size_t>(Dx(x))];
  }
}

struct TMasterStyle {
  int32_t width;
  int32_t height;
  TPaintMaster paint;
};

// Indexed by TKIVGradFillStyle. The one-row styles are one pixel high: the stretch makes them
// as tall as the target.
constexpr TMasterStyle kMasterStyles[] = {
    {1, 256, &Paint<LinearH>},        {256, 1, &Paint<LinearV>},        {1, 512, &Paint<ReflectedH>},
    {512, 1, &Paint<ReflectedV>},     {512, 512, &Paint<RectangleC>},   {256, 512, &Paint<RectangleL>},
    {256, 512, &Paint<RectangleR>},   {512, 256, &Paint<RectangleT>},   {512, 256, &Paint<RectangleB>},
    {256, 256, &Paint<RectangleLT>},  {256, 256, &Paint<RectangleLB>},  {256, 256, &Paint<RectangleRT>},
    {256, 256, &Paint<RectangleRB>},  {362, 362, &PaintRadial<Middle362, Middle362Rows>},      {181, 362, &PaintRadial<Same, Middle362>},
    {181, 362, &PaintRadial<Flip180, Middle362>},      {362, 181, &PaintRadial<Middle362, Same>},      {362, 181, &PaintRadial<Middle362, Flip180>},
    {181, 181, &PaintRadial<Same, Same>},     {181, 181, &PaintRadial<Same, Flip180>},     {181, 181, &PaintRadial<Flip180, Same>},
    {181, 181, &PaintRadial<Flip180, Flip180>},     {128, 129, &Paint<DiagonalLF>},   {128, 129, &Paint<DiagonalLB>},
    {256, 256, &Paint<DiagonalRF>},   {256, 256, &Paint<DiagonalRB>},   {129, 256, &Paint<ArrowL>},
    {129, 256, &Paint<ArrowR>},       {256, 129, &Paint<ArrowU>},       {256, 129, &Paint<ArrowD>},
    {256, 256, &Paint<Diamond>},      {256, 256, &Paint<Butterfly>},
};
static_assert(std::size(kMasterStyles) == 32);

}  // namespace

std::array<TPixel32, 256> GradientRamp(TColor beginColor, TColor endColor) {
  TPixel32 begin = ColorToPixel(beginColor);
  TPixel32 end = ColorToPixel(endColor);
  auto channel = [](int32_t from, int32_t to, int32_t i) { return static_cast<uint8_t>(from + (to - from) * i / 255); };
  std::array<TPixel32, 256> ramp{};
  for (int32_t i = 0; i < 256; ++i) {
    ramp[static_cast<size_t>(i)] = MakePixel(channel(PixelR(begin), PixelR(end), i),
                                             channel(PixelG(begin), PixelG(end), i),
                                             channel(PixelB(begin), PixelB(end), i));
  }
  return ramp;
}

TGradientMaster GradientMaster(TKIVGradFillStyle style) {
  auto ordinal = static_cast<size_t>(style);
  const TMasterStyle& shape = kMasterStyles[ordinal < std::size(kMasterStyles) ? ordinal : 0];
  TGradientMaster master;
  master.width = shape.width;
  master.height = shape.height;
  master.indices.resize(static_cast<size_t>(shape.width) * static_cast<size_t>(shape.height));
  shape.paint(master);
  return master;
}

void FillGradient(const TBitmapView& target, const TRect& rect, TColor beginColor, TKIVGradFillStyle style,
                  TColor endColor) {
  if (rect.IsEmpty() || rect.Intersect(target.Bounds()).IsEmpty()) return;
  std::array<TPixel32, 256> ramp = GradientRamp(beginColor, endColor);
  const TGradientMaster master = GradientMaster(style);
  StretchNearestIndexed(target, rect, master.indices, master.width, master.height, ramp);
}
