#pragma once
// The custom hint window's balloon, worked out without a window: its size from the text, the side
// of the pointer it opens on, its window rectangle, and its picture. All of it takes the hint
// settings, the text, the pointer's position and the screen as plain values, so the same balloon
// is drawn on a screen and off-screen. Measuring and drawing text needs a QGuiApplication.

#include <cstdint>
#include <string_view>

#include "graphics/bitmap32.h"
#include "graphics/geometry.h"
#include "model/control.h"
#include "model/menu_enums.h"
#include "window/hint_settings.h"

// The shadow offset the balloon uses: the setting kept within 0 to kMaxHintShadowOffset, so a
// damaged document cannot ask for a window of absurd size.
inline constexpr int32_t kMaxHintShadowOffset = 32;
int32_t HintShadowOffset(const THintSettings& settings);

// The balloon's own size (shadow not included) for text in the hint font: the text measured as
// the platform's DrawText measures it, word-wrapped at half the screen's width less 16 pixels
// (at least 1), without prefix processing; then 16 pixels wider and 24 taller. The balloon is kept
// within the screen with its shadow beside it (and at least 1 x 1), so a text of very many lines
// cannot ask for a window taller than the screen.
TSize HintBalloonSize(const THintSettings& settings, std::string_view text, const TSize& screen);

// The side of the pointer the balloon opens on: the direction, flipped to the other side across
// where the balloon would leave the screen (to the right if it is wider than the room to the
// left, and so on; above and below count 10 pixels of distance from the pointer).
TKIVPosition ChooseHintPlacement(TKIVPosition direction, const TSize& balloon, TPoint pointer, const TRect& screen);

// The window's rectangle (screen coordinates) for a balloon of that size beside pointer, its tip
// 10 pixels above or below the pointer, widened by the shadow offset, and made taller by it when
// the balloon lies below the pointer.
TRect HintWindowRect(TKIVPosition placement, const TSize& balloon, int32_t shadowOffset, TPoint pointer);

// Where and how a hint balloon shows.
struct THintLayout {
  TKIVPosition placement = TKIVPosition::apsRightTop;
  TSize balloon;
  int32_t shadowOffset = 0;
  TRect window;  // screen coordinates
};

// The layout of a hint showing text for the pointer at pointer on screen (screen coordinates).
THintLayout LayOutHint(const THintSettings& settings, std::string_view text, TPoint pointer, const TRect& screen);

// The balloon's picture, the window's size, as a layer of straight (not premultiplied) alpha
// over the screen: transparent where the screen shows unchanged. In order:
// - the shadow (offset above 0): every second pixel in a checkerboard (its phase from the
//   picture's own (0, 0)) of HintBalloonShadow's region, in the rectangle from (offset, offset)
//   to the picture's corner and with a pointer depth of 12 (12 less the offset where the pointer
//   is below), takes background's pixel ANDed with the shadow colour, opaque;
// - the body (HintBalloonBody of the picture less the shadow's strip at the right, and at the
//   bottom where the pointer is on top): inside BalloonRegion, the fill colour, the gradient,
//   or the fill picture tiled from the body's corner over what lies there (the fill colour when
//   the picture is empty or cannot be decoded);
// - the antialiased outline in the border colour;
// - the text in the hint font, inside the body 8 pixels in at the left and right and 6 down from
//   its top, word-wrapped, no prefix processing, no background;
// - the opacity: every pixel's alpha scaled by (255 - M) / 255, M = (100 - opacity) * 255 / 100.
// background holds the screen under the window (the window's size, opaque).
TBitmap32 ComposeHintBalloon(const THintSettings& settings, std::string_view text, const THintLayout& layout,
                             const TBitmapView& background);

// What the window shows where no compositor blends it: the layer drawn over the background.
TBitmap32 HintOverBackground(const TBitmap32& layer, const TBitmapView& background);
