#include "controls/control_paint.h"

#include "graphics/picture_transparency.h"

TFaceState FaceState(const TKIVActionControl& control) {
  return {control.Hovered(), control.Pressed(), control.Visited()};
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
