#include "controls/legacy_bitmap.h"

#include <cstdint>
#include <vector>

void AdoptLegacyBitmap(TBitmap& legacy, TPicture& target) {
  if (legacy.Empty()) return;
  if (target.Empty()) {
    auto bytes = legacy.FileBytes();
    target.SetGraphic(TPictureFormat::Bitmap, std::vector<uint8_t>(bytes.begin(), bytes.end()));
  }
  legacy.Assign(nullptr);
}
