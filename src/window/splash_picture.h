#pragma once
// What a splash screen, an end screen or the picture viewer shows: the picture decoded once, how
// its window is cut (a plain rectangle, the region of the picture's shape colour, or the picture's
// own per-pixel alpha), the faces its window paints, frame by frame for an animated GIF, and the
// fade's blending over a still copy of what lay behind the window. Pure pixel work: the Qt
// windows and the off-screen renders (telvo --render-splash, golden images) both draw from here.

#include <cstdint>
#include <optional>

#include "graphics/bitmap32.h"
#include "graphics/gif_animator.h"
#include "graphics/picture_decoder.h"
#include "graphics/region.h"

class TPicture;

enum class TPictureWindowLook : uint8_t {
  Rectangle,      // the whole rectangle shows the picture
  ShapeRegion,    // the window is cut to the pixels that differ from the picture's shape colour
  PerPixelAlpha,  // the picture's own alpha blends it over whatever lies behind the window
};

class TSplashPicture {
 public:
  // The picture prepared for a window that is cut to its shape when shaped is set. A shaped PNG
  // with per-pixel alpha shows through that alpha (windows with per-pixel alpha are always
  // available here: a compositor blends them, or the window blends over a copy of the screen); a
  // shaped JPEG or icon stays a rectangle; any other shaped picture is cut to its shape colour.
  // Nothing when the picture does not decode or has no area.
  static std::optional<TSplashPicture> Prepare(const TPicture& picture, bool shaped);

  // The window's size: the picture's (an animated GIF's logical screen).
  int32_t Width() const { return m_width; }
  int32_t Height() const { return m_height; }
  TPictureWindowLook Look() const { return m_look; }
  // A GIF with more than one frame: the plain window plays it.
  bool Animated() const;
  // The frames an animation steps through (after the last comes the first); 1 when still.
  int32_t FrameCount() const;
  // How long frame shows (the image control's delays: 50 to 10000 ms); 0 when still.
  int32_t FrameDelayMs(int32_t frame) const;
  // The frame an animation started at 0 shows at elapsedMs (it loops); 0 when still.
  int32_t FrameAt(int64_t elapsedMs) const;

  // The plain window's face for frame: the picture as an image control draws it at its natural
  // size on the white window (opaque; only icons, metafiles, animated cursors and PNGs with an
  // alpha channel keep their own transparency, over white), or, for PerPixelAlpha, the picture's
  // own pixels with their alpha.
  const TBitmap32& Face(int32_t frame);
  // The window's region for frame (ShapeRegion only, else nothing): the pixels that differ from
  // the shape colour; an animated GIF's frames are cut each with its own transparent colour, so
  // the outline follows the animation.
  std::optional<TRegion> Shape(int32_t frame);

  // The fade's foreground, drawn once (an animated picture fades as its first frame): the picture
  // drawn with its own transparency on white (opaque), or, for PerPixelAlpha, the picture's own
  // pixels with their alpha.
  const TBitmap32& FadeForeground() const { return m_fadeForeground; }

 private:
  TSplashPicture() = default;

  TDecodedPicture m_decoded;
  TPictureWindowLook m_look = TPictureWindowLook::Rectangle;
  int32_t m_width = 0, m_height = 0;
  TBitmap32 m_stillFace;
  TBitmap32 m_fadeForeground;
  TGifAnimator m_animator;
  TBitmap32 m_frameFace;
};

// work := background with foreground drawn over it at (0, 0), its alpha scaled by alpha (see
// AlphaBlend). The three are of one size; work is resized to background's.
void ComposeFade(TBitmap32& work, const TBitmap32& background, const TBitmap32& foreground, uint8_t alpha);

// picture with every alpha scaled by alpha, rounded to the nearest: (a * alpha + 127) / 255, the
// source alpha AlphaBlend uses. A window with per-pixel alpha showing it over a background looks
// as ComposeFade of that background.
TBitmap32 ScaleAlpha(const TBitmap32& picture, uint8_t alpha);

// The pixels of picture whose alpha is not 0: what a window with per-pixel alpha can be clicked
// on and shows anything at.
TRegion OpaqueRegion(const TBitmapView& picture);

// The top-left corner that centres a width x height window on a screen of the given size
// (halves truncated toward zero; negative when the window is larger than the screen).
TPoint CentredOnScreen(int32_t screenWidth, int32_t screenHeight, int32_t width, int32_t height);

// How a splash shows: fading over durationMs, or plainly for durationMs of wall-clock time.
struct TSplashTiming {
  bool fade = false;
  int64_t durationMs = 0;
};

// Draws onto screen (the whole screen) what it shows elapsedMs after a splash of picture was
// shown centred on it: a plain splash shows its face (the animation's frame of that moment) for
// its whole duration; a fading splash shows the screen until its first 100 ms tick, then the
// picture blended over the screen as it was when the splash opened, at the opacity of the last
// tick. From the duration on, the splash is gone and the screen shows as it was.
void DrawSplashMoment(const TBitmapView& screen, TSplashPicture& picture, const TSplashTiming& timing,
                      int64_t elapsedMs);
