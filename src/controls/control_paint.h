#pragma once
// What the drawing controls of a page share beyond the background capture and the opacity
// composite (window/control_composite.h): the pointer state a face is drawn in, and the cached
// decoding of the stored pictures they draw with the key colours picked from them.

#include <cstdint>

#include "controls/action_control.h"
#include "graphics/picture_cache.h"

// The pointer states an action control's face is drawn in.
struct TFaceState {
  bool hovered = false;
  bool pressed = false;
  bool visited = false;
};
TFaceState FaceState(const TKIVActionControl& control);

// A key colour that is set, or still to be picked from a picture: the top-left pixel of the
// picture's opaque copy. The pick waits until the colour is first read, so a document's
// pictures are not decoded while it loads, and reads the picture as it is then.
class TPictureKeyColor {
 public:
  enum class TRule : uint8_t {
    Always,                 // the picked colour, black when the picture does not decode
    UnlessOwnTransparency,  // pictures with transparency of their own (and none) keep the colour
  };

  explicit TPictureKeyColor(TColor initial) : m_color(initial) {}
  void Set(TColor color) {
    m_color = color;
    m_pending = false;
  }
  // The picture has changed: the colour is picked from it when next read. Under
  // UnlessOwnTransparency the colour may stay what it was, so read it (Get) before the picture
  // changes when a pick is still pending.
  void PickLater() { m_pending = true; }
  TColor Get(TPictureCache& cache, const TPicture& picture, TRule rule);

 private:
  TColor m_color;
  bool m_pending = false;
};
