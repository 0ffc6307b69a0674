#pragma once
// How the window composes its windowless controls: each is painted in its place, and a control
// composes its own picture with what lies behind it: it captures the background (its parent's own
// picture and the siblings below it), draws its layers over that in an off-screen surface, and
// shows the surface faded by its opacity.

#include <cstdint>

#include "graphics/bitmap32.h"
#include "graphics/canvas.h"
#include "model/control.h"

// Paints child into canvas as its parent shows it: child's top-left corner at the canvas's
// logical (child left, child top), clipped to the child's bounds, with the child's font.
// Invisible children are skipped. The canvas's state is the same afterwards.
void PaintChildControl(TCanvas& canvas, TControl& child);

// Paints what lies behind control into canvas, whose logical (0, 0) is the control's top-left
// corner: the parent's own picture (its background, not its children), clipped to the
// parent's client area, then every visible windowless sibling that comes before control in the
// parent's child order and overlaps it. Each of them is marked as painting a copy while it
// paints. A control without a parent gets nothing drawn.
void CopyParentBackground(TControl& control, TCanvas& canvas);

// Shows surface, the control's finished picture (which already holds its background), on the
// control's canvas faded by opacity (a percentage, clamped to 0..100): unchanged at 100;
// otherwise the background captured again is blended over it with master alpha
// (100 - opacity) * 255 / 100 (integer division), so 0 shows only the background.
void CompositeOpacity(TControl& control, int32_t opacity, const TBitmap32& surface, TCanvas& canvas);

// Fills the control-sized area of canvas with color mixed half and half (master alpha 128 for
// the background) with what lies behind control.
void BlendColorOverBackground(TCanvas& canvas, TControl& control, TColor color);

// A control-sized surface holding what lies behind control: where each paint starts.
TBitmap32 CaptureBackground(TControl& control);

// While a scope lives, CaptureBackground remembers each control's capture and hands out copies
// of it: a control's capture paints the siblings below it, whose paints capture in turn, so
// without it a stack of overlapping controls would cost twice as much for each control added.
// The window holds one scope for each paint, during which nothing a capture shows changes.
// Scopes nest (the outermost one keeps the captures); one thread's scope serves that thread.
class TCaptureScope {
 public:
  TCaptureScope();
  ~TCaptureScope();
  TCaptureScope(const TCaptureScope&) = delete;
  TCaptureScope& operator=(const TCaptureScope&) = delete;

 private:
  bool m_outermost;
};
