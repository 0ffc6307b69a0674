#pragma once
// Where the bitmaps of a music player skin come from: the built-in artwork, a folder of BMP
// files, or a zipped skin (a file, or the bytes a document stores). A skin is loaded by asking
// its source for each bitmap by name ("main", "titlebar", "cbuttons", ...) and decoding what
// comes back; a source that has no such bitmap, or cannot read it, answers with nothing, and the
// skin keeps the image it had.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

class TSkinSource {
 public:
  virtual ~TSkinSource() = default;
  // The encoded file (BMP for folders and zipped skins, PNG for the built-in artwork) of the
  // bitmap called name, lower-case and without extension; nothing when there is none.
  virtual std::optional<std::vector<uint8_t>> BitmapFile(std::string_view name) = 0;
};
