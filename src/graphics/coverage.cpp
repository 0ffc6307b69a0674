#include "graphics/coverage.h"

#include <algorithm>

#include "graphics/bitmap32.h"

TCoverage::TCoverage(int32_t width, int32_t height) {
  if (width <= 0 || height <= 0) return;
  m_width = width;
  m_height = height;
  m_values.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
}

namespace {

// Running maxima over a sequence of n lines of `width` bytes each (line i at in + i * width):
// out line j, for j from 0 to n + 2r - 1, is the element-wise maximum of input lines j - 2r to
// j, lines outside the input counting as 0. The van Herk / Gil-Werman scheme: the input padded
// with 2r empty lines on both sides is cut into blocks of k = 2r + 1 lines; `ahead` holds the
// maxima from each block's start up to a line, `behind` those from a line to its block's end, and
// every window of k lines is the maximum of one `behind` line and one `ahead` line.
struct TScratch {
  std::vector<uint8_t> ahead, behind;  // (n + 4r) * width bytes each
  std::vector<uint8_t> none;           // width zero bytes
};

void RunningMaxLines(const uint8_t* in, int32_t n, int32_t width, int32_t r, uint8_t* out, TScratch& scratch) {
  const int64_t k = 2 * int64_t{r} + 1, lines = n + 4 * int64_t{r};
  const auto w = static_cast<size_t>(width);
  std::vector<uint8_t>& ahead = scratch.ahead;
  std::vector<uint8_t>& behind = scratch.behind;
  auto padded = [&](int64_t t) {
    t -= 2 * int64_t{r};
    return t >= 0 && t < n ? in + static_cast<size_t>(t) * w : scratch.none.data();
  };
  auto line = [w](std::vector<uint8_t>& v, int64_t t) { return v.data() + static_cast<size_t>(t) * w; };
  for (int64_t t = 0; t < lines; ++t) {
    const uint8_t* p = padded(t);
    uint8_t* a = line(ahead, t);
    if (t % k == 0) {
      std::copy_n(p, w, a);
    } else {
      const uint8_t* previous = a - w;
      for (size_t i = 0; i < w; ++i) a[i] = std::max(previous[i], p[i]);
    }
  }
  for (int64_t t = lines - 1; t >= 0; --t) {
    const uint8_t* p = padded(t);
    uint8_t* b = line(behind, t);
    if (t == lines - 1 || (t + 1) % k == 0) {
      std::copy_n(p, w, b);
    } else {
      const uint8_t* next = b + w;
      for (size_t i = 0; i < w; ++i) b[i] = std::max(next[i], p[i]);
    }
  }
  for (int64_t j = 0; j < n + 2 * int64_t{r}; ++j) {
    const uint8_t* b = line(behind, j);
    const uint8_t* a = line(ahead, j + 2 * int64_t{r});
    uint8_t* o = out + static_cast<size_t>(j) * w;
    for (size_t i = 0; i < w; ++i) o[i] = std::max(b[i], a[i]);
  }
}

}  // namespace

TCoverage DilateSquare(const TCoverage& source, int32_t radius) {
  radius = std::max(radius, 0);
  if (source.Empty()) return {};
  const int64_t width = source.Width() + 2 * int64_t{radius}, height = source.Height() + 2 * int64_t{radius};
  if (width > kMaxBitmapSide || height > kMaxBitmapSide || width * height > kMaxBitmapPixels) return {};
  if (radius == 0) return source;

  // Rows first: each source row becomes a row of the wider plane.
  TCoverage wide(static_cast<int32_t>(width), source.Height());
  TScratch scratch;
  auto sizeFor = [&scratch](int64_t lines, int64_t lineWidth) {
    scratch.ahead.resize(static_cast<size_t>(lines * lineWidth));
    scratch.behind.resize(scratch.ahead.size());
    scratch.none.assign(static_cast<size_t>(lineWidth), 0);
  };
  sizeFor(width + 2 * int64_t{radius}, 1);
  for (int32_t y = 0; y < source.Height(); ++y)
    RunningMaxLines(source.Row(y), source.Width(), 1, radius, wide.Row(y), scratch);

  // Then columns, all at once: the rows of the wider plane are the lines.
  TCoverage result(static_cast<int32_t>(width), static_cast<int32_t>(height));
  sizeFor(height + 2 * int64_t{radius}, width);
  RunningMaxLines(wide.Row(0), wide.Height(), wide.Width(), radius, result.Row(0), scratch);
  return result;
}
