#include "audio/wa2_skin.h"

#include <optional>

#include "graphics/picture_decoder.h"
#include "graphics/picture_transparency.h"
#include "graphics/raster.h"

namespace {

constexpr int32_t kMaxSkinSide = 4096;

// The picture of the source's bitmap name as an opaque bitmap; nothing when the source lacks it
// or it is no BMP or PNG that decodes.
std::optional<TBitmap32> LoadBitmap(TSkinSource& source, std::string_view name) {
  const std::optional<std::vector<uint8_t>> file = source.BitmapFile(name);
  if (!file) return std::nullopt;
  const std::optional<TDecodedPicture> picture = DecodePictureFile(*file);
  if (!picture || (picture->format != TPictureFormat::Bitmap && picture->format != TPictureFormat::Png))
    return std::nullopt;
  TBitmap32 bitmap = OpaqueCopy(*picture);
  if (bitmap.Empty() || bitmap.Width() > kMaxSkinSide || bitmap.Height() > kMaxSkinSide) return std::nullopt;
  return bitmap;
}

std::optional<TBitmap32> LoadEither(TSkinSource& source, std::string_view name, std::string_view fallback) {
  std::optional<TBitmap32> bitmap = LoadBitmap(source, name);
  return bitmap ? bitmap : LoadBitmap(source, fallback);
}

// Copies the width x height part of source at (x, y) to target at (toX, toY); what lies outside
// source is left as target held it.
void Cut(TBitmap32& target, const TBitmap32& source, int32_t x, int32_t y, int32_t width, int32_t height,
         int32_t toX = 0, int32_t toY = 0) {
  CopyRect(target.View(), {toX, toY}, source.View().SubView(TRect::FromSize(x, y, width, height)));
}

void Replace(TBitmap32& target, std::optional<TBitmap32> loaded) {
  if (loaded) target = std::move(*loaded);
}

}  // namespace

TWA2Skin::TWA2Skin()
    : optionsButton(9, 18), minimizeButton(9, 18), shadeButton(9, 18), closeButton(9, 18),
      previous(23, 36), play(23, 36), pause(23, 36), stop(23, 36), next(22, 36), eject(22, 32),
      shuffle(47, 60), repeat(28, 60), equalizer(23, 48), playList(23, 48), mono(29, 24), stereo(29, 24) {}

void TWA2Skin::Load(TSkinSource& source) {
  Replace(main, LoadBitmap(source, "main"));
  if (const std::optional<TBitmap32> titleBar = LoadBitmap(source, "titlebar")) {
    Cut(optionsButton, *titleBar, 0, 0, 9, 18);
    Cut(minimizeButton, *titleBar, 9, 0, 9, 18);
    Cut(shadeButton, *titleBar, 0, 18, 9, 9);
    Cut(shadeButton, *titleBar, 9, 18, 9, 9, 0, 9);
    Cut(closeButton, *titleBar, 18, 0, 9, 18);
    Cut(main, *titleBar, 27, 0, 275, 14);  // the active title bar
  }
  if (const std::optional<TBitmap32> buttons = LoadBitmap(source, "cbuttons")) {
    TBitmap32* transport[] = {&previous, &play, &pause, &stop, &next, &eject};
    const int32_t left[] = {0, 23, 46, 69, 92, 114};
    for (size_t i = 0; i < std::size(transport); ++i)
      Cut(*transport[i], *buttons, left[i], 0, transport[i]->Width(), transport[i]->Height());
  }
  if (const std::optional<TBitmap32> switches = LoadBitmap(source, "shufrep")) {
    Cut(shuffle, *switches, 28, 0, 47, 60);
    Cut(repeat, *switches, 0, 0, 28, 60);
    const TPoint equalizerRows[] = {{0, 61}, {46, 61}, {0, 73}, {46, 73}};
    const TPoint playListRows[] = {{23, 61}, {69, 61}, {23, 73}, {69, 73}};
    for (int32_t row = 0; row < 4; ++row) {
      Cut(equalizer, *switches, equalizerRows[row].x, equalizerRows[row].y, 23, 12, 0, 12 * row);
      Cut(playList, *switches, playListRows[row].x, playListRows[row].y, 23, 12, 0, 12 * row);
    }
  }
  if (const std::optional<TBitmap32> indicators = LoadBitmap(source, "monoster")) {
    // A lower strip makes both indicators lower; a narrower one narrows the mono indicator.
    if (indicators->Height() < 24) {
      mono.Resize(mono.Width(), indicators->Height());
      stereo.Resize(stereo.Width(), indicators->Height());
    }
    if (indicators->Width() - 29 < 29) mono.Resize(std::max(0, indicators->Width() - 29), mono.Height());
    Cut(mono, *indicators, 29, 0, 29, 24);
    Cut(stereo, *indicators, 0, 0, 29, 24);
  }
  Replace(volume, LoadBitmap(source, "volume"));
  Replace(balance, LoadEither(source, "balance", "volume"));
  Replace(seekBar, LoadBitmap(source, "posbar"));
  Replace(numbers, LoadEither(source, "nums_ex", "numbers"));
  Replace(playState, LoadBitmap(source, "playpaus"));
  Replace(font, LoadBitmap(source, "text"));
}
