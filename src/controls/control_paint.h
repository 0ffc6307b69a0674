#pragma once
// What the drawing controls of a page share beyond the background capture and the opacity
// composite (window/control_composite.h): the pointer state a face is drawn in, the frames, and the
// cached decoding of the stored pictures they draw.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/action_control.h"
#include "graphics/bitmap32.h"
#include "graphics/canvas.h"
#include "graphics/picture_decoder.h"

// The pointer states an action control's face is drawn in.
struct TFaceState {
  bool hovered = false;
  bool pressed = false;
  bool visited = false;
};
TFaceState FaceState(const TKIVActionControl& control);

// One-pixel frame on rect: topLeft on the top row and the left column, bottomRight on the right
// column and the bottom row (both corners it meets included), as the platform's 3-D frames.
void DrawFrame3D(const TBitmapView& target, const TRect& rect, TColor topLeft, TColor bottomRight);
// Raised: button highlight above and left, button shadow below and right; sunken the reverse.
void DrawRaisedFrame(const TBitmapView& target, const TRect& rect);
void DrawSunkenFrame(const TBitmapView& target, const TRect& rect);
// The design-mode frame: a black dotted one-pixel rectangle, every other pixel set.
void DrawDottedFrame(const TBitmapView& target, const TRect& rect);
// The same on a canvas, rect in its logical coordinates, inside its clip.
void DrawDottedFrame(TCanvas& canvas, const TRect& rect);

// Whether a stored picture carries transparency of its own: a GIF with a transparent colour, a
// PNG with any transparency, or an icon. Such pictures draw themselves with it; the others are
// drawn opaque or with a key colour.
bool HasOwnTransparency(const TDecodedPicture& picture);
// The picture as an opaque bitmap, as the platform converts pictures: bitmaps, JPEGs and PNGs
// keep their colours (a PNG loses its alpha), anything else is drawn onto black.
TBitmap32 OpaqueCopy(const TDecodedPicture& picture);
// The key colour picked from a picture: the top-left pixel of its opaque copy (black when empty).
TColor TopLeftColor(const TDecodedPicture& picture);
// Draws picture with its top-left corner at `at`: with its own transparency when it has one,
// else its opaque copy leaving out keyColor.
void DrawIconPicture(const TBitmapView& target, TPoint at, const TDecodedPicture& picture, TColor keyColor);

// Decodes a stored picture once and again only when its bytes change, so a repaint on hover
// does not decode it anew. Get returns null for an empty or undecodable picture.
class TPictureCache {
 public:
  const TDecodedPicture* Get(const TPicture& picture);
  // Counts the decodings, so users can tell when what they derived from the picture is stale.
  uint64_t Generation() const { return m_generation; }

 private:
  uint64_t m_generation = 0;
  bool m_filled = false;
  std::string m_className;
  std::vector<uint8_t> m_bytes;
  std::optional<TDecodedPicture> m_decoded;
};

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
