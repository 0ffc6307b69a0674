#include "controls/control_paint.h"

#include <cstring>

#include "graphics/picture_transparency.h"

TFaceState FaceState(const TKIVActionControl& control) {
  return {control.Hovered(), control.Pressed(), control.Visited()};
}

const TDecodedPicture* TPictureCache::Get(const TPicture& picture) {
  const auto bytes = picture.FileBytes();
  const bool same = m_filled && m_className == picture.GraphicClassName() && m_bytes.size() == bytes.size() &&
                    (bytes.empty() || std::memcmp(m_bytes.data(), bytes.data(), bytes.size()) == 0);
  if (!same) {
    m_filled = true;
    ++m_generation;
    m_className = picture.GraphicClassName();
    m_bytes.assign(bytes.begin(), bytes.end());
    m_decoded.reset();
    if (!picture.Empty()) m_decoded = DecodePicture(m_className, bytes);
    if (m_decoded && m_decoded->bitmap.Empty()) m_decoded.reset();
  }
  return m_decoded ? &*m_decoded : nullptr;
}

TColor TPictureKeyColor::Get(TPictureCache& cache, const TPicture& picture, TRule rule) {
  if (!m_pending) return m_color;
  m_pending = false;
  const TDecodedPicture* decoded = cache.Get(picture);
  if (rule == TRule::Always)
    m_color = decoded ? TopLeftColor(*decoded) : clBlack;
  else if (decoded && !HasOwnTransparency(*decoded))
    m_color = TopLeftColor(*decoded);
  return m_color;
}
