// Animated cursors (.ani): a RIFF "ACON" file with a header chunk ("anih"), optional per-step
// rates ("rate") and frame order ("seq "), and the frames as icon or cursor files in a
// LIST "fram". Delays are in jiffies of 1/60 second.

#include <algorithm>
#include <optional>

#include "graphics/picture_formats.h"

namespace {

constexpr uint32_t kAniIconFrames = 1;  // frames are icon or cursor files, not raw bitmaps
// All steps together; real cursors hold a few dozen frames of at most 256 x 256.
constexpr int64_t kMaxAniPixels = kMaxBitmapPixels / 4;

struct TAniChunks {
  std::optional<std::span<const uint8_t>> header;
  std::vector<uint32_t> rates;
  std::vector<uint32_t> sequence;
  std::vector<std::span<const uint8_t>> frames;
};

std::vector<uint32_t> ReadWords(std::span<const uint8_t> data) {
  TByteReader r(data);
  std::vector<uint32_t> words;
  while (r.Remaining() >= 4) words.push_back(r.U32());
  return words;
}

// Walks the chunks in [begin, end) of the file; a "LIST" chunk of type "fram" is walked for its
// "icon" chunks. A chunk whose size runs past the end is cut to what is there.
void WalkChunks(std::span<const uint8_t> file, size_t begin, size_t end, bool inFrames, TAniChunks& out) {
  size_t p = begin;
  while (p + 8 <= end) {
    TByteReader r(file, p);
    auto id = r.Bytes(4);
    size_t size = std::min<size_t>(r.U32(), end - (p + 8));
    std::span<const uint8_t> data = file.subspan(p + 8, size);
    std::string_view name(reinterpret_cast<const char*>(id.data()), 4);
    if (inFrames) {
      if (name == "icon") out.frames.push_back(data);
    } else if (name == "anih") {
      out.header = data;
    } else if (name == "rate") {
      out.rates = ReadWords(data);
    } else if (name == "seq ") {
      out.sequence = ReadWords(data);
    } else if (name == "LIST" && size >= 4 && StartsWith(data, "fram")) {
      WalkChunks(file, p + 12, p + 8 + size, true, out);
    }
    p += 8 + size + (size & 1);
  }
}

}  // namespace

bool IsAniFile(std::span<const uint8_t> file) {
  return file.size() >= 12 && StartsWith(file, "RIFF") && std::string_view(reinterpret_cast<const char*>(file.data() + 8), 4) == "ACON";
}

std::vector<TCursorFrame> DecodeAni(std::span<const uint8_t> file) {
  if (!IsAniFile(file)) throw TDecodeError("not an animated cursor", 0);
  TByteReader riff(file, 4);
  size_t end = std::min<size_t>(size_t{riff.U32()} + 8, file.size());
  TAniChunks chunks;
  WalkChunks(file, 12, end, false, chunks);
  if (!chunks.header) throw TDecodeError("animated cursor without header", 12);

  TByteReader h(*chunks.header);
  h.Skip(4);  // header size
  uint32_t frameCount = h.U32();
  uint32_t stepCount = h.U32();
  h.Skip(16);  // width, height, bit count, planes: the frames say
  uint32_t defaultRate = h.U32();
  uint32_t flags = h.U32();
  if (!(flags & kAniIconFrames)) h.Fail("raw bitmap frames are not read");

  size_t frames = std::min<size_t>(frameCount ? frameCount : chunks.frames.size(), chunks.frames.size());
  size_t steps = chunks.sequence.empty() ? frames : chunks.sequence.size();
  if (stepCount > 0) steps = std::min<size_t>(steps, stepCount);

  std::vector<std::optional<TCursorFrame>> decoded(frames);
  std::vector<bool> failed(frames, false);
  std::vector<TCursorFrame> result;
  int64_t pixelBudget = kMaxAniPixels;
  for (size_t step = 0; step < steps; ++step) {
    size_t index = chunks.sequence.empty() ? step : chunks.sequence[step];
    if (index >= frames || failed[index]) continue;
    if (!decoded[index]) {
      try {
        TIconFile icon = DecodeIconFile(chunks.frames[index]);
        TIconEntry& entry = icon.entries[NearestIconEntry(icon.entries)];
        decoded[index] = TCursorFrame{std::move(entry.image), entry.hotSpot, 0};
      } catch (const TDecodeError&) {
        failed[index] = true;  // a damaged frame drops out of the animation
        continue;
      }
    }
    int64_t pixels = int64_t{decoded[index]->image.Width()} * decoded[index]->image.Height();
    if (pixels > pixelBudget) break;
    pixelBudget -= pixels;
    uint32_t jiffies = step < chunks.rates.size() ? chunks.rates[step] : defaultRate;
    TCursorFrame frame = *decoded[index];
    frame.delayMs = static_cast<int32_t>(std::min<int64_t>((int64_t{jiffies} * 1000 + 30) / 60, INT32_MAX));
    result.push_back(std::move(frame));
  }
  if (result.empty()) throw TDecodeError("animated cursor without readable frames", 12);
  return result;
}
