// GIF through giflib: every frame with its rectangle, delay, disposal method and transparent
// index. The records are walked one by one (not with DGifSlurp, which allocates whatever the
// image descriptors claim before reading a pixel), so each frame's size is checked before its
// pixels are allocated. A file that breaks off keeps the frames read so far; the frame that broke
// keeps its decoded rows, the rest of it transparent.

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "graphics/colors.h"
#include "graphics/picture_formats.h"

namespace {

constexpr size_t kMaxFrames = 10000;

struct TGifSource {
  std::span<const uint8_t> data;
  size_t position = 0;
};

int ReadData(GifFileType* gif, GifByteType* out, int length) {
  auto* source = static_cast<TGifSource*>(gif->UserData);
  size_t count = std::min(static_cast<size_t>(std::max(length, 0)), source->data.size() - source->position);
  std::memcpy(out, source->data.data() + source->position, count);
  source->position += count;
  return static_cast<int>(count);
}

struct TGifCloser {
  GifFileType* gif;
  ~TGifCloser() {
    int error = 0;
    DGifCloseFile(gif, &error);
  }
};

struct TControlBlock {
  int32_t delayMs = 0;
  uint8_t disposal = 0;
  int32_t transparentIndex = -1;
};

// Reads an extension record; a graphic control block sets control. False when the file broke.
bool ReadExtension(GifFileType* gif, TControlBlock& control) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block) {
    GraphicsControlBlock gcb;
    if (DGifExtensionToGCB(block[0], block + 1, &gcb) == GIF_OK) {
      control.delayMs = gcb.DelayTime * 10;
      control.disposal = static_cast<uint8_t>(gcb.DisposalMode);
      control.transparentIndex = gcb.TransparentColor;
    }
  }
  while (block) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

// Consumes the compressed data of an image that is not decoded.
bool SkipImageData(GifFileType* gif) {
  int codeSize = 0;
  GifByteType* block = nullptr;
  if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR) return false;
  while (block) {
    if (DGifGetCodeNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

// The colour of each index for this frame: its local map, else the global map; indices beyond
// the map are black.
void FramePalette(const GifFileType* gif, TPixel32 (&palette)[256]) {
  const ColorMapObject* map = gif->Image.ColorMap ? gif->Image.ColorMap : gif->SColorMap;
  for (int i = 0; i < 256; ++i) {
    if (map && i < map->ColorCount)
      palette[i] = MakePixel(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
    else
      palette[i] = MakePixel(0, 0, 0);
  }
}

// Decodes the pixels of the image just described into frame. False when the data broke off
// (the rows read so far stay in the frame, the rest transparent). The frame's bitmap is
// allocated once its first row has decoded; before that it stays empty.
bool ReadFramePixels(GifFileType* gif, TGifFrame& frame, const TPixel32 (&palette)[256]) {
  int32_t width = frame.area.Width(), height = frame.area.Height();
  std::vector<GifPixelType> line(static_cast<size_t>(width));
  // Interlaced images store rows 0, 8, 16 ... then 4, 12 ... then 2, 6 ... then 1, 3 ...
  static constexpr int kStart[4] = {0, 4, 2, 1};
  static constexpr int kStep[4] = {8, 8, 4, 2};
  int passes = gif->Image.Interlace ? 4 : 1;
  for (int pass = 0; pass < passes; ++pass) {
    int32_t start = gif->Image.Interlace ? kStart[pass] : 0, step = gif->Image.Interlace ? kStep[pass] : 1;
    for (int32_t y = start; y < height; y += step) {
      if (DGifGetLine(gif, line.data(), width) == GIF_ERROR) return false;
      if (frame.image.Empty()) frame.image = TBitmap32(width, height, 0);
      TPixel32* row = frame.image.Row(y);
      for (int32_t x = 0; x < width; ++x) {
        int index = line[static_cast<size_t>(x)];
        row[x] = index == frame.transparentIndex ? palette[index & 255] & 0x00FFFFFFu : palette[index & 255];
      }
    }
  }
  return true;
}

}  // namespace

TGifImage DecodeGif(std::span<const uint8_t> file) {
  if (!StartsWith(file, "GIF8")) throw TDecodeError("not a GIF file", 0);
  TGifSource source{file, 0};
  int error = 0;
  GifFileType* gif = DGifOpen(&source, ReadData, &error);
  if (!gif) throw TDecodeError("damaged GIF header", source.position);
  TGifCloser closer{gif};

  TGifImage result;
  result.screenWidth = gif->SWidth;
  result.screenHeight = gif->SHeight;
  CheckPictureSize(result.screenWidth, result.screenHeight, 6);
  if (gif->SColorMap && gif->SBackGroundColor < gif->SColorMap->ColorCount) {
    const GifColorType& c = gif->SColorMap->Colors[gif->SBackGroundColor];
    result.backgroundPixel = MakePixel(c.Red, c.Green, c.Blue);
  }

  int64_t pixelBudget = kMaxBitmapPixels;
  TControlBlock control;
  bool more = true;
  while (more && result.frames.size() < kMaxFrames) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &type) == GIF_ERROR) break;
    switch (type) {
      case EXTENSION_RECORD_TYPE:
        more = ReadExtension(gif, control);
        break;
      case IMAGE_DESC_RECORD_TYPE: {
        if (DGifGetImageDesc(gif) == GIF_ERROR) {
          more = false;
          break;
        }
        const GifImageDesc& desc = gif->Image;
        int64_t pixels = int64_t{desc.Width} * desc.Height;
        if (desc.Width <= 0 || desc.Height <= 0 || desc.Width > kMaxBitmapSide || desc.Height > kMaxBitmapSide ||
            pixels > pixelBudget) {
          // Nothing to show, or more than this program will hold: the frame is left out.
          more = SkipImageData(gif);
          control = {};
          break;
        }
        pixelBudget -= pixels;
        TGifFrame frame{TBitmap32(), TRect::FromSize(desc.Left, desc.Top, desc.Width, desc.Height),
                        control.delayMs, control.disposal, control.transparentIndex};
        TPixel32 palette[256];
        FramePalette(gif, palette);
        more = ReadFramePixels(gif, frame, palette);
        if (frame.image.Empty()) break;
        if (result.frames.empty() && frame.transparentIndex >= 0)
          result.transparentColor = PixelToColor(palette[frame.transparentIndex & 255]);
        result.frames.push_back(std::move(frame));
        control = {};  // a control block belongs to the one image after it
        break;
      }
      case TERMINATE_RECORD_TYPE:
      default:
        more = false;
        break;
    }
  }
  if (result.frames.empty()) throw TDecodeError("GIF without frames", source.position);
  return result;
}

TBitmap32 ComposeFirstGifFrame(const TGifImage& gif) {
  const TGifFrame& first = gif.frames.front();
  TPixel32 fill = first.transparentIndex >= 0 ? ColorToPixel(*gif.transparentColor) & 0x00FFFFFFu
                                              : gif.backgroundPixel.value_or(ColorToPixel(clWindow));
  TBitmap32 screen(gif.screenWidth, gif.screenHeight, fill);
  TRect visible = first.area.Intersect(screen.Bounds());
  for (int32_t y = visible.top; y < visible.bottom; ++y) {
    const TPixel32* src = first.image.Row(y - first.area.top);
    TPixel32* dst = screen.Row(y);
    for (int32_t x = visible.left; x < visible.right; ++x) {
      TPixel32 p = src[x - first.area.left];
      if (PixelA(p) != 0) dst[x] = p;
    }
  }
  return screen;
}
