// Fuzz target of the picture decoders: the input is a picture, icon or cursor file. It goes
// through every public entry (the format recognised by content, the cursor reader, the icon
// reader). No picture is the expected outcome of bad input; a crash, a hang, a huge allocation
// or a decoded picture that breaks the size limits is a finding.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "graphics/picture_decoder.h"
#include "support/gui_application.h"

namespace {

void Check(const TBitmap32& bitmap) {
  if (bitmap.Width() <= 0 || bitmap.Height() <= 0 || bitmap.Width() > kMaxBitmapSide ||
      bitmap.Height() > kMaxBitmapSide || int64_t{bitmap.Width()} * bitmap.Height() > kMaxBitmapPixels)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Metafile text is drawn only with an application object (fonts need one).
  EnsureGuiApplication();
  std::span<const uint8_t> file(data, size);
  if (auto picture = DecodePictureFile(file)) {
    Check(picture->bitmap);
    for (const TGifFrame& frame : picture->frames) {
      Check(frame.image);
      if (frame.image.Width() != frame.area.Width() || frame.image.Height() != frame.area.Height()) std::abort();
    }
  }
  if (auto frames = DecodeCursor(file))
    for (const TCursorFrame& frame : *frames) Check(frame.image);
  if (auto images = DecodeIcon(file))
    for (const TBitmap32& image : *images) Check(image);
  return 0;
}
