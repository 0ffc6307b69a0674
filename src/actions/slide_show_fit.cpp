#include "actions/slide_show_fit.h"

#include <algorithm>

#include "graphics/raster.h"

namespace {

// a * b / c in 64 bits, truncated, at least 1.
int32_t MulDivAtLeastOne(int32_t a, int32_t b, int32_t c) {
  return static_cast<int32_t>(std::max<int64_t>(1, int64_t{a} * b / c));
}

TBitmap32 Stretched(const TBitmap32& picture, int32_t width, int32_t height) {
  TBitmap32 result(width, height);
  StretchSmooth(result.View(), result.Bounds(), picture.View(), picture.Bounds());
  return result;
}

// picture centred on a canvas of the given size filled with background (halves toward zero).
TBitmap32 Centred(const TBitmap32& picture, int32_t width, int32_t height, TPixel32 background) {
  TBitmap32 canvas(width, height, background);
  CopyRect(canvas.View(), {(width - picture.Width()) / 2, (height - picture.Height()) / 2}, picture.View());
  return canvas;
}

}  // namespace

TFittedSlide FitSlidePicture(TBitmap32 picture, TSlideSize area, const TSlideFitRules& rules,
                             TSlideSize previousVisible) {
  const int32_t w = picture.Width(), h = picture.Height();
  if (rules.exactFit) {
    if (w != area.width || h != area.height) picture = Stretched(picture, area.width, area.height);
  } else {
    const bool larger = w > area.width || h > area.height;
    const bool smaller = w < area.width && h < area.height;
    if (larger || (rules.enlarge && smaller)) {
      // w / W > h / H, compared without rounding as w * H > h * W.
      const bool widthBound = int64_t{w} * area.height > int64_t{h} * area.width;
      const int32_t width = widthBound ? area.width : MulDivAtLeastOne(w, area.height, h);
      const int32_t height = widthBound ? MulDivAtLeastOne(h, area.width, w) : area.height;
      picture = Centred(Stretched(picture, width, height), area.width, area.height, rules.background);
    }
  }
  const TSlideSize visible{std::min(picture.Width(), area.width), std::min(picture.Height(), area.height)};
  if (picture.Width() < previousVisible.width || picture.Height() < previousVisible.height)
    picture = Centred(picture, std::max(picture.Width(), previousVisible.width),
                      std::max(picture.Height(), previousVisible.height), rules.background);
  return {std::move(picture), visible};
}
