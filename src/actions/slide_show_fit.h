#pragma once
// How the slide show fits a picture to its picture area before the transition brings it in.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"

struct TSlideSize {
  int32_t width = 0;
  int32_t height = 0;
  friend bool operator==(const TSlideSize&, const TSlideSize&) = default;
};

struct TSlideFitRules {
  bool exactFit = false;  // stretch to exactly the area, ignoring proportions
  bool enlarge = false;   // enlarge pictures smaller than the area in both directions
  TPixel32 background;    // fills the bands around a fitted picture
};

struct TFittedSlide {
  TBitmap32 picture;
  // The size of the picture as it is seen in the area, for the next picture's fitting.
  TSlideSize visible;
};

// Fits picture (not empty) to an area:
// - exact fit stretches it to the area's size;
// - otherwise a picture larger than the area in either direction, or with enlarge one smaller in
//   both, is scaled with its proportions kept (each side a multiply-then-divide in integers, at
//   least one pixel) and centred on an area-sized bitmap filled with the background;
// - a result smaller than previousVisible in either direction is centred on a canvas as large
//   as both, so the transition covers all of the previous picture; visible stays the result's
//   own size within the area.
TFittedSlide FitSlidePicture(TBitmap32 picture, TSlideSize area, const TSlideFitRules& rules, TSlideSize previousVisible);
