#include "graphics/gradient.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <iterator>

#include "graphics/colors.h"
#include "graphics/raster.h"

namespace {

// Round(√n) for an integer n >= 0. √n lies halfway between m and m + 1 only if
// n = m² + m + 1/4, which no integer is, so the half-to-even rule never comes into play: the
// result is the m with m² - m < n <= m² + m.
int32_t RoundedSqrt(int32_t n) {
  // The double root is exact enough for the floor: a non-square n lies at least 1 below the
  // next square, far more than the root's rounding error.
  auto m = static_cast<int32_t>(std::sqrt(static_cast<double>(n)));
  return n > m * m + m ? m + 1 : m;
}

int32_t RoundedDistance(int32_t dx, int32_t dy) { return RoundedSqrt(dx * dx + dy * dy); }

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
// The centred radial measures x from column 181 but y from row 180 on the far halves, so its
// halves are not mirror images by one pixel; stored gradients look like this, so it stays.
int32_t RadialC(int32_t x, int32_t y) { return RoundedDistance(FromMiddle362(x, 181), FromMiddle362(y, 180)); }
int32_t RadialL(int32_t x, int32_t y) { return RoundedDistance(x, FromMiddle362(y, 181)); }
int32_t RadialR(int32_t x, int32_t y) { return RoundedDistance(180 - x, FromMiddle362(y, 181)); }
int32_t RadialT(int32_t x, int32_t y) { return RoundedDistance(FromMiddle362(x, 181), y); }
int32_t RadialB(int32_t x, int32_t y) { return RoundedDistance(FromMiddle362(x, 181), 180 - y); }
int32_t RadialLT(int32_t x, int32_t y) { return RoundedDistance(x, y); }
int32_t RadialLB(int32_t x, int32_t y) { return RoundedDistance(x, 180 - y); }
int32_t RadialRT(int32_t x, int32_t y) { return RoundedDistance(180 - x, y); }
int32_t RadialRB(int32_t x, int32_t y) { return RoundedDistance(180 - x, 180 - y); }
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
    {256, 256, &Paint<RectangleRB>},  {362, 362, &Paint<RadialC>},      {181, 362, &Paint<RadialL>},
    {181, 362, &Paint<RadialR>},      {362, 181, &Paint<RadialT>},      {362, 181, &Paint<RadialB>},
    {181, 181, &Paint<RadialLT>},     {181, 181, &Paint<RadialLB>},     {181, 181, &Paint<RadialRT>},
    {181, 181, &Paint<RadialRB>},     {128, 129, &Paint<DiagonalLF>},   {128, 129, &Paint<DiagonalLB>},
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
  TGradientMaster master = GradientMaster(style);
  TBitmap32 pixels(master.width, master.height);
  std::span<TPixel32> out = pixels.Pixels();
  for (size_t n = 0; n < out.size(); ++n) out[n] = ramp[master.indices[n]];
  StretchNearest(target, rect, pixels.View(), pixels.Bounds());
}
