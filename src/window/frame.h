#pragma once
// The decisions behind the menu window's frame, full-screen layout and translucency, as pure
// functions of the window's settings (TKIVForm carries them out).

#include <cstdint>
#include <optional>

#include "graphics/geometry.h"
#include "window/menu_form.h"
#include "window/window_host.h"

// Outer size minus client size for each border kind. Documents were laid out on Windows with its
// classic frame measurements, so stored outer sizes (Width, Height) convert with them: a
// sizeable frame is 4 pixels on each side plus a 19-pixel caption, a single fixed frame 3 pixels
// plus the caption, no border nothing. The Linux window manager's frame comes on top of this.
TSize FrameExtent(TBorderKind border);

// The border kind a stored BorderStyle stands for.
TBorderKind StoredBorderKind(TFormBorderStyle style);

// Border kind of the window in a style and mode. In run mode: awsNormal single fixed; no border
// for awsNoBorder and awsFullScreen, and for awsShaped with a picture that can give a shape
// (not empty, not a JPEG, not an icon); single fixed otherwise. In design mode: sizeable, except
// awsShaped with a usable picture, which is single fixed.
TBorderKind FrameBorder(TKIVWindowStyle style, bool designMode, TPictureKind picture);

// Whether a picture of this kind can cut a window into shape.
constexpr bool IsShapePicture(TPictureKind kind) { return kind == TPictureKind::Other; }

// How far the full-screen layout moves the controls: ((screen + 2 - window) / 2) on each axis,
// the divisions truncating toward zero, window = the outer window size before enlarging. The
// window itself goes to (-1, -1) with a client size of screen + 2, so it overlaps each screen
// edge by one pixel and the stored layout stays centred.
TPoint FullScreenShift(TSize screen, TSize window);

// The opacity level of the window: AlphaValue * 255 / 100 (truncating) when AlphaValue < 100
// outside design mode; nothing (opaque) otherwise.
std::optional<uint8_t> AlphaLevel(int32_t alphaValue, bool designMode);
