// JPEG through libjpeg: baseline and progressive, greyscale, YCbCr, RGB, CMYK and YCCK. The Exif
// orientation is not applied (the picture shows as stored, as the platform's JPEG picture does).
// A truncated file decodes what it holds (libjpeg fills the rest); an error part-way through the
// rows keeps the rows already decoded.
//
// libjpeg reports errors through the error manager, which longjmps back to ReadJpeg. Everything
// that changes after setjmp lives in TJpegContext, owned by the caller.

#include <bit>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

#include "graphics/picture_formats.h"

static_assert(std::endian::native == std::endian::little, "JCS_EXT_BGRA rows are TPixel32 rows");

namespace {

// Hostile progressive files can hold thousands of tiny scans that each cost a full pass.
constexpr int kMaxScans = 1000;
constexpr long kMaxLibraryMemory = 1L << 30;

struct TJpegErrors {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

struct TJpegContext {
  jpeg_decompress_struct info;
  TJpegErrors errors;
  jpeg_progress_mgr progress;
  TBitmap32 image;
  std::vector<uint8_t> row;  // CMYK samples of one row
  int32_t rowsDone = 0;
};

void OnError(j_common_ptr info) { std::longjmp(reinterpret_cast<TJpegErrors*>(info->err)->jump, 1); }
void OnMessage(j_common_ptr, int) {}
void OnOutput(j_common_ptr) {}

void OnProgress(j_common_ptr info) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(info);
  if (decompress->input_scan_number > kMaxScans) OnError(info);
}

uint8_t CmykChannel(uint8_t c, uint8_t k, bool inverted) {
  // Adobe's writers store CMYK inverted (0 = full ink).
  if (!inverted) c = 255 - c, k = 255 - k;
  return static_cast<uint8_t>((c * k + 127) / 255);
}

// Runs every libjpeg call that can fail. No local here may need destruction: a failure
// longjmps straight back into ReadJpeg.
void ReadJpegBody(TJpegContext& c, std::span<const uint8_t> file) {
  jpeg_decompress_struct& info = c.info;
  jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
  jpeg_read_header(&info, TRUE);
  CheckPictureSize(info.image_width, info.image_height);
  bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
  info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&info);
  if (info.output_width != info.image_width || info.output_height != info.image_height) OnError(reinterpret_cast<j_common_ptr>(&info));

  int32_t width = static_cast<int32_t>(info.output_width);
  c.image.Resize(width, static_cast<int32_t>(info.output_height));
  if (cmyk) c.row.resize(static_cast<size_t>(width) * 4);
  bool inverted = info.saw_Adobe_marker;
  while (info.output_scanline < info.output_height) {
    int32_t y = static_cast<int32_t>(info.output_scanline);
    JSAMPROW row = cmyk ? c.row.data() : reinterpret_cast<JSAMPROW>(c.image.Row(y));
    if (jpeg_read_scanlines(&info, &row, 1) != 1) break;
    if (cmyk) {
      TPixel32* dst = c.image.Row(y);
      const uint8_t* s = c.row.data();
      for (int32_t x = 0; x < width; ++x, s += 4)
        dst[x] = MakePixel(CmykChannel(s[0], s[3], inverted), CmykChannel(s[1], s[3], inverted),
                           CmykChannel(s[2], s[3], inverted));
    }
    c.rowsDone = y + 1;
  }
}

bool ReadJpeg(TJpegContext& context, std::span<const uint8_t> file) {
  if (setjmp(context.errors.jump)) return false;
  ReadJpegBody(context, file);
  return true;
}

struct TJpegGuard {
  jpeg_decompress_struct* info;
  ~TJpegGuard() { jpeg_destroy_decompress(info); }
};

}  // namespace

TBitmap32 DecodeJpeg(std::span<const uint8_t> file) {
  if (file.size() < 3 || file[0] != 0xFF || file[1] != 0xD8) throw TDecodeError("not a JPEG file", 0);
  TJpegContext c{};
  c.info.err = jpeg_std_error(&c.errors.manager);
  c.errors.manager.error_exit = OnError;
  c.errors.manager.emit_message = OnMessage;
  c.errors.manager.output_message = OnOutput;
  jpeg_create_decompress(&c.info);
  TJpegGuard guard{&c.info};
  c.info.mem->max_memory_to_use = kMaxLibraryMemory;
  c.progress.progress_monitor = OnProgress;
  c.info.progress = &c.progress;

  bool complete = ReadJpeg(c, file);
  if (c.rowsDone == 0 || (!complete && c.image.Empty())) throw TDecodeError("damaged JPEG", 0);
  return std::move(c.image);
}
