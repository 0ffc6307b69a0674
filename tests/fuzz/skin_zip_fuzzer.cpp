// Fuzz target of the zip reader of zipped skins: any bytes are listed as an archive, every
// entry extracted, and the skin's bitmaps looked up in it.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "audio/mini_zip.h"
#include "audio/skin_sources.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  if (const std::optional<TMiniZip> zip = TMiniZip::FromBytes(bytes, {}))
    for (const TZipEntry& entry : zip->Entries()) (void)zip->Extract(entry);
  TZipSkinSource skin(bytes, [](const std::string&) {});
  for (const char* name : {"main", "text", "volume"}) (void)skin.BitmapFile(name);
  return 0;
}
