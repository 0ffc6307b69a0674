// Icon (.ico) and cursor (.cur) files: a directory of images, each a bitmap with an AND mask or
// a PNG file. The directory's sizes are not trusted: each image's own header gives its size.

#include <algorithm>
#include <cstdlib>

#include "graphics/picture_formats.h"

namespace {

// Real icons hold a handful of images; more entries than this are not read.
constexpr size_t kMaxEntries = 256;

TIconEntry DecodeEntry(std::span<const uint8_t> data) {
  if (StartsWith(data, "\x89PNG")) {
    TPngImage png = DecodePng(data);
    return {std::move(png.image), 32, {}};
  }
  TIconImage dib = DecodeIconDib(data);
  return {std::move(dib.image), dib.bitCount, {}};
}

}  // namespace

bool IsIconFile(std::span<const uint8_t> file, uint16_t type) {
  if (file.size() < 6 + 16) return false;
  TByteReader r(file);
  return r.U16() == 0 && r.U16() == type && r.U16() != 0;
}

TIconFile DecodeIconFile(std::span<const uint8_t> file) {
  TByteReader r(file);
  if (r.U16() != 0) r.Fail("not an icon file");
  TIconFile result;
  result.type = r.U16();
  if (result.type != 1 && result.type != 2) r.Fail("not an icon or cursor file");
  size_t count = std::min<size_t>(r.U16(), kMaxEntries);
  int64_t pixelBudget = kMaxBitmapPixels;
  for (size_t i = 0; i < count; ++i) {
    r.Seek(6 + 16 * i);
    r.Skip(4);  // width, height, colour count, reserved: the image itself says
    uint16_t planesOrHotX = r.U16();
    uint16_t bitsOrHotY = r.U16();
    uint32_t size = r.U32();
    uint32_t offset = r.U32();
    if (offset >= file.size()) continue;
    // A size beyond the end is cut to what is there; the image decoder decides whether it is enough.
    std::span<const uint8_t> data = file.subspan(offset, std::min<size_t>(size, file.size() - offset));
    try {
      TIconEntry entry = DecodeEntry(data);
      int64_t pixels = int64_t{entry.image.Width()} * entry.image.Height();
      if (pixels > pixelBudget) continue;
      pixelBudget -= pixels;
      entry.hotSpot = result.type == 2 ? TPoint{planesOrHotX, bitsOrHotY}
                                       : TPoint{entry.image.Width() / 2, entry.image.Height() / 2};
      result.entries.push_back(std::move(entry));
    } catch (const TDecodeError&) {
      // One damaged image does not spoil the others.
    }
  }
  if (result.entries.empty()) r.Fail("icon without a readable image");
  return result;
}

size_t NearestIconEntry(const std::vector<TIconEntry>& entries) {
  auto distance = [](const TIconEntry& e) { return std::abs(e.image.Width() - 32) + std::abs(e.image.Height() - 32); };
  auto area = [](const TIconEntry& e) { return int64_t{e.image.Width()} * e.image.Height(); };
  size_t best = 0;
  for (size_t i = 1; i < entries.size(); ++i) {
    const TIconEntry &a = entries[i], &b = entries[best];
    if (distance(a) != distance(b)) {
      if (distance(a) < distance(b)) best = i;
    } else if (area(a) != area(b)) {
      if (area(a) > area(b)) best = i;
    } else if (a.bitCount > b.bitCount) {
      best = i;
    }
  }
  return best;
}
