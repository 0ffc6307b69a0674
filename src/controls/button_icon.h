#pragma once
// The icon of the push buttons: a picture drawn beside the caption, with the key colour of
// pictures that have no transparency of their own.

#include <functional>

#include "controls/control_paint.h"
#include "model/picture.h"

class TButtonIcon {
 public:
  // changed runs after every change of the picture: set, read from a document, or adopted. Each
  // change makes the key colour the picture's top-left pixel when the picture has no
  // transparency of its own (a key colour set afterwards, as one stored after the icon, wins).
  explicit TButtonIcon(std::function<void()> changed);
  TButtonIcon(const TButtonIcon&) = delete;
  TButtonIcon& operator=(const TButtonIcon&) = delete;

  TPicture* Picture() { return &m_picture; }
  const TPicture& Picture() const { return m_picture; }
  void Set(const TPicture& icon);
  TColor KeyColor() const;
  void SetKeyColor(TColor color);
  // The decoded picture; null when it is empty or does not decode.
  const TDecodedPicture* Decoded() const { return m_cache.Get(m_picture); }

 private:
  TPicture m_picture;
  // The key colour waits to be picked until it is first needed, so a document's icons are not
  // decoded while it loads (mutable: reading it picks it).
  mutable TPictureKeyColor m_keyColor{clBlack};
  mutable TPictureCache m_cache;
};
