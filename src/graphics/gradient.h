#pragma once
// Gradient fills: every gradient of the player (window, hint, labels, shapes, scroll text, text
// box) comes from FillGradient, so the bands look the same everywhere.

#include <array>
#include <cstdint>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/ident_tables.h"
#include "model/menu_enums.h"

// Fills rect of target with a gradient from beginColor to endColor in the given style: a
// 256-entry colour ramp (GradientRamp) is looked up by a small master bitmap whose size and
// index pattern are fixed per style (GradientMaster), and the master is stretched over the whole
// of rect with StretchNearest, so the result has at most 256 colours in blocks whose width depends
// on rect's size. rect may extend beyond target: the bands are laid out over the whole rect and
// only the part inside target is written. An empty rect draws nothing. Pixels are opaque.
void FillGradient(const TBitmapView& target, const TRect& rect, TColor beginColor, TKIVGradFillStyle style,
                  TColor endColor);

// Entry i, per channel: begin + (end - begin) * i / 255, the division truncating toward zero;
// entry 0 is beginColor and entry 255 endColor (system colours resolved), all opaque.
std::array<TPixel32, 256> GradientRamp(TColor beginColor, TColor endColor);

// A style's master bitmap as ramp indices, row by row.
struct TGradientMaster {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<uint8_t> indices;
  uint8_t At(int32_t x, int32_t y) const { return indices[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};

// The master of style (at most 512 x 512); an unknown style value gives the linear one.
TGradientMaster GradientMaster(TKIVGradFillStyle style);
