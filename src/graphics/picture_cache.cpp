#include "graphics/picture_cache.h"

#include <cstring>

const TDecodedPicture* TPictureCache::Get(const TPicture& picture) {
  const auto bytes = picture.FileBytes();
  const bool same = m_filled && m_format == picture.Format() && m_bytes.size() == bytes.size() &&
                    (bytes.empty() || std::memcmp(m_bytes.data(), bytes.data(), bytes.size()) == 0);
  if (!same) {
    m_filled = true;
    ++m_generation;
    m_format = picture.Format();
    m_bytes.assign(bytes.begin(), bytes.end());
    m_decoded.reset();
    if (m_format) m_decoded = DecodePicture(*m_format, bytes);
    // A picture without pixels counts as no picture.
    if (m_decoded && m_decoded->bitmap.Empty()) m_decoded.reset();
  }
  return m_decoded ? &*m_decoded : nullptr;
}
