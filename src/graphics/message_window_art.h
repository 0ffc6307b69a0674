#pragma once
// The message window's look: its frame picture, the three faces of its OK button, and the layout
// around a measured text. The pictures are the player's own artwork, drawn here at the sizes the
// window is built for: a 48 x 48 frame (pale yellow, a black outline, rounded corners, magenta
// outside them) and 75 x 23 button faces.

#include <cstdint>
#include <string_view>

#include "graphics/bitmap32.h"
#include "graphics/canvas.h"
#include "graphics/geometry.h"

inline constexpr TColor kMessageWindowColor = 0xE7FFFF;
inline constexpr TColor kMessageFrameKey = 0xFF00FF;  // magenta: outside the window's shape
inline constexpr int32_t kMessageFrameBorder = 16;
inline constexpr int32_t kOkButtonWidth = 75;
inline constexpr int32_t kOkButtonHeight = 23;

enum class TOkButtonFace : uint8_t { Normal, Hovered, Pressed };

TBitmap32 MessageFramePicture();
TBitmap32 OkButtonPicture(TOkButtonFace face);

// The frame at width x height: a nine-part stretch of picture with fixed 16-pixel borders (the
// corners copied, the bands stretched along the edges, the centre stretched to fill).
TBitmap32 StretchMessageFrame(const TBitmapView& picture, int32_t width, int32_t height);

struct TMessageLayout {
  int32_t width = 0;  // the window
  int32_t height = 0;
  TRect icon;         // 32 x 32 at (16, 16)
  TRect text;
  TRect button;
};

// The layout around a text of measured size (taken as at least 40 x 32): the text at (64, 22),
// the window 80 wider and 77 higher than the text, the button centred across, its top at the
// text height + 38.
TMessageLayout LayoutMessageWindow(int32_t textWidth, int32_t textHeight);

// The flags the message text is measured and drawn with: word-wrapped, tabs expanded, no
// ampersand prefixes.
inline constexpr uint32_t kMessageTextFlags = 0x10 | 0x40 | 0x800;

// The size of text wrapped within maxWidth (half the screen width) with canvas's font.
void MeasureMessageText(const TCanvas& canvas, std::string_view text, int32_t maxWidth, int32_t& width, int32_t& height);

// The whole window's picture: the frame, the icon (may be empty; drawn over with its alpha), the
// text in black and the button face.
void PaintMessageWindow(TCanvas& canvas, const TMessageLayout& layout, const TBitmapView& frame,
                        const TBitmapView& icon, std::string_view text, const TBitmapView& buttonFace);
