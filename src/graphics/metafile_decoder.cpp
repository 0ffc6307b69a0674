// Metafiles: a placeable old-style metafile (with the bounding box and units per inch in front)
// or an enhanced metafile. The picture's size in pixels at 96 dots per inch comes from the
// header, as the platform's metafile picture computes it; the records are then played onto a
// transparent bitmap of that size.

#include <cmath>
#include <cstdlib>

#include "graphics/metafile_player.h"
#include "graphics/picture_formats.h"

namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr uint32_t kEmfSignature = 0x464D4520u;  // " EMF"
constexpr int64_t kScreenDpi = 96;
constexpr int64_t kHundredthMmPerInch = 2540;
// Metafiles are drawn, not decoded: their pictures stay smaller than other formats' so a
// header that asks for a huge picture stays cheap to play.
constexpr int64_t kMaxMetafilePixels = kMaxBitmapPixels / 4;

bool IsPlaceableWmf(std::span<const uint8_t> file) {
  return file.size() >= 22 + 18 && TByteReader(file).U32() == kPlaceableKey;
}

bool IsEmf(std::span<const uint8_t> file) {
  if (file.size() < 88) return false;
  TByteReader r(file);
  uint32_t type = r.U32();
  r.Seek(40);
  return type == 1 && r.U32() == kEmfSignature;
}

// Reduces a size proportionally until it fits the metafile limits; at least 1 x 1.
TBitmap32 OutputBitmap(int64_t width, int64_t height) {
  width = std::llabs(width), height = std::llabs(height);
  if (width == 0 || height == 0) throw TDecodeError("metafile without a size", 0);
  double scale = std::min({1.0, double(kMaxBitmapSide) / width, double(kMaxBitmapSide) / height,
                           std::sqrt(double(kMaxMetafilePixels) / (double(width) * height))});
  int32_t w = std::max<int32_t>(1, static_cast<int32_t>(width * scale));
  int32_t h = std::max<int32_t>(1, static_cast<int32_t>(height * scale));
  return TBitmap32(w, h, 0);
}

}  // namespace

bool IsMetafile(std::span<const uint8_t> file) { return IsPlaceableWmf(file) || IsEmf(file); }

TBitmap32 DecodeMetafile(std::span<const uint8_t> file) {
  if (IsPlaceableWmf(file)) {
    TByteReader r(file, 6);
    int64_t left = r.I16(), top = r.I16(), right = r.I16(), bottom = r.I16();
    int64_t inch = r.U16();
    if (inch == 0) r.Fail("metafile without units");
    // The platform goes through hundredths of a millimetre, rounding at each step.
    int64_t width = MulDiv(MulDiv(right - left, kHundredthMmPerInch, inch), kScreenDpi, kHundredthMmPerInch);
    int64_t height = MulDiv(MulDiv(bottom - top, kHundredthMmPerInch, inch), kScreenDpi, kHundredthMmPerInch);
    TBitmap32 bitmap = OutputBitmap(width, height);
    r.Seek(22 + 2);
    size_t headerWords = r.U16();
    QRectF bounds(QPointF(left, top), QPointF(right, bottom));
    PlayWmf(file, 22 + headerWords * 2, bounds, bitmap);
    return bitmap;
  }
  if (IsEmf(file)) {
    TByteReader r(file, 24);
    int64_t left = r.I32(), top = r.I32(), right = r.I32(), bottom = r.I32();  // 0.01 mm
    TBitmap32 bitmap = OutputBitmap(MulDiv(right - left, kScreenDpi, kHundredthMmPerInch),
                                    MulDiv(bottom - top, kScreenDpi, kHundredthMmPerInch));
    PlayEmf(file, bitmap);
    return bitmap;
  }
  throw TDecodeError("not a placeable or enhanced metafile", 0);
}
