// Fuzz target of the play-list readers: any bytes are read both as an M3U and as a PLS list,
// against a folder that does not exist, so no entry is found on disk.

#include <cstddef>
#include <cstdint>
#include <span>

#include "audio/play_list_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::span<const uint8_t> bytes(data, size);
  (void)ReadM3uEntries(bytes, "/nonexistent/lists");
  (void)ReadPlsEntries(bytes, "/nonexistent/lists");
  return 0;
}
