#pragma once
// The decoding of one stored picture, kept until the picture changes. Pictures tell their owner
// of a change but not what changed, and the same bytes may arrive again, so the cache compares
// the format and the bytes on each use: far cheaper than decoding. Each owner holds its own
// cache and uses it from one thread at a time.

#include <cstdint>
#include <optional>
#include <vector>

#include "graphics/picture_decoder.h"
#include "model/picture.h"

class TPictureCache {
 public:
  // The picture decoded, decoding it only when its format or bytes differ from the last call, so
  // a repaint on hover does not decode it anew. Null for an empty picture, one that does not
  // decode or one that decodes to no pixels. The result stays valid until the next call.
  const TDecodedPicture* Get(const TPicture& picture);
  // Counts the decodings, so users can tell when what they derived from the picture is stale.
  uint64_t Generation() const { return m_generation; }

 private:
  uint64_t m_generation = 0;
  bool m_filled = false;
  std::optional<TPictureFormat> m_format;
  std::vector<uint8_t> m_bytes;
  std::optional<TDecodedPicture> m_decoded;
};
