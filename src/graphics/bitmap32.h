#pragma once
// The one drawing surface: 32-bit pixels 0xAARRGGBB (blue in the lowest byte in memory, the
// same layout as QImage::Format_ARGB32), not premultiplied. Opaque surfaces keep alpha 255.

#include <cstdint>
#include <span>
#include <vector>

#include "graphics/geometry.h"

using TPixel32 = uint32_t;

constexpr TPixel32 MakePixel(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  return (TPixel32{a} << 24) | (TPixel32{r} << 16) | (TPixel32{g} << 8) | b;
}
constexpr uint8_t PixelA(TPixel32 p) { return static_cast<uint8_t>(p >> 24); }
constexpr uint8_t PixelR(TPixel32 p) { return static_cast<uint8_t>(p >> 16); }
constexpr uint8_t PixelG(TPixel32 p) { return static_cast<uint8_t>(p >> 8); }
constexpr uint8_t PixelB(TPixel32 p) { return static_cast<uint8_t>(p); }

// A non-owning view of a rectangle of pixels (a whole bitmap or part of one).
class TBitmapView {
 public:
  TBitmapView() = default;
  TBitmapView(TPixel32* pixels, int32_t width, int32_t height, int32_t stridePixels)
      : m_pixels(pixels), m_width(width), m_height(height), m_stride(stridePixels) {}

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  int32_t Stride() const { return m_stride; }  // in pixels
  TRect Bounds() const { return {0, 0, m_width, m_height}; }
  bool Empty() const { return m_width <= 0 || m_height <= 0; }
  TPixel32* Row(int32_t y) const { return m_pixels + static_cast<ptrdiff_t>(y) * m_stride; }
  TPixel32& At(int32_t x, int32_t y) const { return Row(y)[x]; }
  // The part of this view inside rect (clipped to the view).
  TBitmapView SubView(const TRect& rect) const;

 private:
  TPixel32* m_pixels = nullptr;
  int32_t m_width = 0;
  int32_t m_height = 0;
  int32_t m_stride = 0;
};

class TBitmap32 {
 public:
  TBitmap32() = default;
  // A bitmap of the given size filled with fill; negative sizes give an empty bitmap.
  TBitmap32(int32_t width, int32_t height, TPixel32 fill = MakePixel(0, 0, 0));

  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  bool Empty() const { return m_width == 0 || m_height == 0; }
  TRect Bounds() const { return {0, 0, m_width, m_height}; }
  void Resize(int32_t width, int32_t height, TPixel32 fill = MakePixel(0, 0, 0));
  void Fill(TPixel32 pixel);

  TPixel32* Row(int32_t y) { return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width); }
  const TPixel32* Row(int32_t y) const {
    return m_pixels.data() + static_cast<size_t>(y) * static_cast<size_t>(m_width);
  }
  TPixel32& At(int32_t x, int32_t y) { return Row(y)[x]; }
  TPixel32 At(int32_t x, int32_t y) const { return Row(y)[x]; }
  std::span<TPixel32> Pixels() { return m_pixels; }
  std::span<const TPixel32> Pixels() const { return m_pixels; }

  TBitmapView View() { return {m_pixels.data(), m_width, m_height, m_width}; }
  // A read-only use of View(): the pixels are not written through it.
  TBitmapView View() const { return {const_cast<TPixel32*>(m_pixels.data()), m_width, m_height, m_width}; }

  friend bool operator==(const TBitmap32& a, const TBitmap32& b) {
    return a.m_width == b.m_width && a.m_height == b.m_height && a.m_pixels == b.m_pixels;
  }

 private:
  int32_t m_width = 0;
  int32_t m_height = 0;
  std::vector<TPixel32> m_pixels;
};

// The largest width or height a bitmap may have; decoders refuse pictures beyond it so a
// hostile header cannot ask for gigabytes.
inline constexpr int32_t kMaxBitmapSide = 16384;
inline constexpr int64_t kMaxBitmapPixels = int64_t{1} << 26;  // 64 Mpixel
