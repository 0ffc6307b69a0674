// PNG through libpng: every colour type and bit depth, converted by hand so that the
// transparency rules are exact: the alpha channel of grey-alpha and RGBA images, the tRNS alpha
// of each palette index (indices without an entry opaque, indices beyond the palette opaque
// black), and for grey and RGB images alpha 0 exactly where a pixel equals the tRNS key at the
// image's own bit depth. 16-bit samples keep their high byte; no gamma is applied.
//
// libpng reports errors by longjmp. The function that calls setjmp keeps nothing of its own that
// changes afterwards: all state lives in TPngContext, owned by the caller.

#include <png.h>

#include <csetjmp>
#include <cstring>

#include "graphics/colors.h"
#include "graphics/picture_formats.h"

namespace {

constexpr size_t kMaxInterlacedBytes = size_t{256} << 20;

struct TPngFormat {
  int colorType = 0;
  int bitDepth = 0;
  bool hasKey = false;
  uint16_t key[3] = {0, 0, 0};  // grey, or red, green, blue at the image's bit depth
  TPixel32 palette[256];        // palette colours with their tRNS alpha
};

struct TPngContext {
  std::span<const uint8_t> data;
  size_t position = 0;
  TPngFormat format;
  TPngImage result;
  std::vector<uint8_t> raw;  // one row, or the whole image when interlaced
};

void ReadData(png_structp png, png_bytep out, size_t length) {
  auto* context = static_cast<TPngContext*>(png_get_io_ptr(png));
  if (length > context->data.size() - context->position) png_error(png, "unexpected end of data");
  std::memcpy(out, context->data.data() + context->position, length);
  context->position += length;
}

void OnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void OnWarning(png_structp, png_const_charp) {}

uint8_t ScaleSample(uint32_t value, int bitDepth) {
  switch (bitDepth) {
    case 1: return value ? 255 : 0;
    case 2: return static_cast<uint8_t>(value * 85);
    case 4: return static_cast<uint8_t>(value * 17);
    case 16: return static_cast<uint8_t>(value >> 8);
    default: return static_cast<uint8_t>(value);
  }
}

void ConvertRow(const TPngFormat& f, const uint8_t* src, TPixel32* dst, int32_t width) {
  bool wide = f.bitDepth == 16;
  auto sample = [&](size_t i) -> uint32_t { return wide ? (uint32_t{src[2 * i]} << 8) | src[2 * i + 1] : src[i]; };
  for (int32_t x = 0; x < width; ++x) {
    size_t i = static_cast<size_t>(x);
    switch (f.colorType) {
      case PNG_COLOR_TYPE_PALETTE: dst[x] = f.palette[src[i]]; break;
      case PNG_COLOR_TYPE_GRAY: {
        uint32_t g = sample(i);
        uint8_t v = ScaleSample(g, f.bitDepth);
        dst[x] = MakePixel(v, v, v, f.hasKey && g == f.key[0] ? 0 : 255);
        break;
      }
      case PNG_COLOR_TYPE_GRAY_ALPHA: {
        uint8_t v = ScaleSample(sample(2 * i), f.bitDepth);
        dst[x] = MakePixel(v, v, v, ScaleSample(sample(2 * i + 1), f.bitDepth));
        break;
      }
      case PNG_COLOR_TYPE_RGB: {
        uint32_t r = sample(3 * i), g = sample(3 * i + 1), b = sample(3 * i + 2);
        bool keyed = f.hasKey && r == f.key[0] && g == f.key[1] && b == f.key[2];
        dst[x] = MakePixel(ScaleSample(r, f.bitDepth), ScaleSample(g, f.bitDepth), ScaleSample(b, f.bitDepth),
                           keyed ? 0 : 255);
        break;
      }
      case PNG_COLOR_TYPE_RGB_ALPHA:
        dst[x] = MakePixel(ScaleSample(sample(4 * i), f.bitDepth), ScaleSample(sample(4 * i + 1), f.bitDepth),
                           ScaleSample(sample(4 * i + 2), f.bitDepth), ScaleSample(sample(4 * i + 3), f.bitDepth));
        break;
    }
  }
}

// Fills the format (palette, key) from the header chunks and decides the transparency kind.
void ReadFormat(png_structp png, png_infop info, TPngContext& c) {
  TPngFormat& f = c.format;
  f.colorType = png_get_color_type(png, info);
  f.bitDepth = png_get_bit_depth(png, info);
  for (TPixel32& p : f.palette) p = MakePixel(0, 0, 0);

  png_bytep transAlpha = nullptr;
  int transCount = 0;
  png_color_16p transColor = nullptr;
  bool hasTrns = png_get_tRNS(png, info, &transAlpha, &transCount, &transColor) & PNG_INFO_tRNS;

  if (f.colorType == PNG_COLOR_TYPE_PALETTE) {
    png_colorp palette = nullptr;
    int count = 0;
    png_get_PLTE(png, info, &palette, &count);
    for (int i = 0; i < count && i < 256; ++i) {
      uint8_t alpha = hasTrns && transAlpha && i < transCount ? transAlpha[i] : 255;
      f.palette[i] = MakePixel(palette[i].red, palette[i].green, palette[i].blue, alpha);
    }
    bool partial = false, clear = false;
    int firstClear = -1;
    for (int i = 0; hasTrns && transAlpha && i < transCount && i < 256; ++i) {
      partial |= transAlpha[i] != 0 && transAlpha[i] != 255;
      if (transAlpha[i] == 0 && !clear) clear = true, firstClear = i;
    }
    if (partial) {
      c.result.transparency = TPngTransparency::Alpha;
    } else if (clear) {
      c.result.transparency = TPngTransparency::KeyColor;
      c.result.keyColor = PixelToColor(f.palette[firstClear]);
    }
  } else if (f.colorType == PNG_COLOR_TYPE_GRAY_ALPHA || f.colorType == PNG_COLOR_TYPE_RGB_ALPHA) {
    c.result.transparency = TPngTransparency::Alpha;
  } else if (hasTrns && transColor) {
    f.hasKey = true;
    if (f.colorType == PNG_COLOR_TYPE_GRAY) {
      f.key[0] = transColor->gray;
      uint8_t g = ScaleSample(transColor->gray, f.bitDepth);
      c.result.keyColor = PixelToColor(MakePixel(g, g, g));
    } else {
      f.key[0] = transColor->red, f.key[1] = transColor->green, f.key[2] = transColor->blue;
      c.result.keyColor = PixelToColor(MakePixel(ScaleSample(f.key[0], f.bitDepth), ScaleSample(f.key[1], f.bitDepth),
                                                 ScaleSample(f.key[2], f.bitDepth)));
    }
    c.result.transparency = TPngTransparency::KeyColor;
  }
}

// Runs every libpng call that can fail. No local here may need destruction: a failure longjmps
// straight back into ReadPng.
void ReadPngBody(png_structp png, png_infop info, TPngContext& c) {
  png_read_info(png, info);
  int32_t width = static_cast<int32_t>(png_get_image_width(png, info));
  int32_t height = static_cast<int32_t>(png_get_image_height(png, info));
  CheckPictureSize(width, height, c.position);
  ReadFormat(png, info, c);
  if (png_get_bit_depth(png, info) < 8) png_set_packing(png);
  int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);

  size_t rowBytes = png_get_rowbytes(png, info);
  if (passes > 1) {
    // Interlaced rows arrive in passes, so the whole raw image is kept; a raw image beyond
    // this is refused rather than allocated.
    if (rowBytes * static_cast<size_t>(height) > kMaxInterlacedBytes) png_error(png, "interlaced image too large");
    c.raw.assign(rowBytes * static_cast<size_t>(height), 0);
    for (int pass = 0; pass < passes; ++pass)
      for (int32_t y = 0; y < height; ++y) png_read_row(png, c.raw.data() + rowBytes * static_cast<size_t>(y), nullptr);
    c.result.image.Resize(width, height);
    for (int32_t y = 0; y < height; ++y)
      ConvertRow(c.format, c.raw.data() + rowBytes * static_cast<size_t>(y), c.result.image.Row(y), width);
  } else {
    c.raw.assign(rowBytes, 0);
    for (int32_t y = 0; y < height; ++y) {
      png_read_row(png, c.raw.data(), nullptr);
      // Allocated once the first row has decoded: a header alone costs nothing.
      if (y == 0) c.result.image.Resize(width, height);
      ConvertRow(c.format, c.raw.data(), c.result.image.Row(y), width);
    }
  }
}

bool ReadPng(png_structp png, png_infop info, TPngContext& context) {
  if (setjmp(png_jmpbuf(png))) return false;
  ReadPngBody(png, info, context);
  return true;
}

struct TPngStructs {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~TPngStructs() { png_destroy_read_struct(&png, info ? &info : nullptr, nullptr); }
};

}  // namespace

TPngImage DecodePng(std::span<const uint8_t> file) {
  if (file.size() < 8 || png_sig_cmp(file.data(), 0, 8) != 0) throw TDecodeError("not a PNG file", 0);
  TPngStructs s;
  s.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, OnError, OnWarning);
  if (!s.png) throw TDecodeError("libpng unavailable", 0);
  s.info = png_create_info_struct(s.png);
  if (!s.info) throw TDecodeError("libpng unavailable", 0);

  TPngContext context;
  context.data = file;
  png_set_read_fn(s.png, &context, ReadData);
  png_set_user_limits(s.png, kMaxBitmapSide, kMaxBitmapSide);
  if (!ReadPng(s.png, s.info, context)) throw TDecodeError("damaged PNG", context.position);
  return std::move(context.result);
}
