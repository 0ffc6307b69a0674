#include "controls/scroll_text_motion.h"

namespace {

bool PicturePresent(const TScrollTextFrame& frame) { return frame.picture.width > 0 && frame.picture.height > 0; }

int32_t AlignmentOffset(TAlignment alignment, int32_t areaWidth, int32_t textWidth) {
  switch (alignment) {
    case TAlignment::taRightJustify: return areaWidth - textWidth;
    case TAlignment::taCenter: return (areaWidth - textWidth) / 2;
    case TAlignment::taLeftJustify: break;
  }
  return 0;
}

}  // namespace

TRect ScrollTextArea(const TScrollTextFrame& frame) {
  const int32_t margin = frame.frameWidth + 2;
  TRect area{margin, margin, frame.control.width - margin, frame.control.height - margin};
  if (!PicturePresent(frame)) return area;
  const int32_t across = frame.picture.width + 6, down = frame.picture.height + 6;
  switch (frame.glyphLayout) {
    case TKIVGlyphLayout::aglGlyphLeft: area.left += across; break;
    case TKIVGlyphLayout::aglGlyphRight: area.right -= across; break;
    case TKIVGlyphLayout::aglGlyphTop: area.top += down; break;
    case TKIVGlyphLayout::aglGlyphBottom: area.bottom -= down; break;
  }
  return area;
}

TPoint ScrollPictureOrigin(const TScrollTextFrame& frame) {
  const int32_t inset = frame.frameWidth + 4;
  const TSize c = frame.control, p = frame.picture;
  switch (frame.glyphLayout) {
    case TKIVGlyphLayout::aglGlyphRight: return {c.width - inset - p.width, (c.height - p.height) / 2};
    case TKIVGlyphLayout::aglGlyphTop: return {(c.width - p.width) / 2, inset};
    case TKIVGlyphLayout::aglGlyphBottom: return {(c.width - p.width) / 2, c.height - inset - p.height};
    case TKIVGlyphLayout::aglGlyphLeft: break;
  }
  return {inset, (c.height - p.height) / 2};
}

TPoint ScrollRestartPosition(TKIVScrollTextDirection direction, bool active, TAlignment alignment, TSize area,
                             TSize text) {
  const int32_t aligned = AlignmentOffset(alignment, area.width, text.width);
  if (!active) return {aligned, 0};
  switch (direction) {
    case TKIVScrollTextDirection::asdBottomToTop: return {aligned, area.height};
    case TKIVScrollTextDirection::asdTopToBottom: return {aligned, -text.height};
    case TKIVScrollTextDirection::asdRightToLeft: return {area.width, 0};
    case TKIVScrollTextDirection::asdLeftToRight: return {-text.width, 0};
  }
  return {aligned, 0};
}

TPoint ScrollStep(TPoint position, TKIVScrollTextDirection direction, TAlignment alignment, TSize area, TSize text) {
  const int32_t x = position.x, y = position.y;
  switch (direction) {
    case TKIVScrollTextDirection::asdBottomToTop:
      if (y > -text.height) return {x, y - 1};
      break;
    case TKIVScrollTextDirection::asdTopToBottom:
      if (y < area.height) return {x, y + 1};
      break;
    case TKIVScrollTextDirection::asdRightToLeft:
      if (x > -text.width) return {x - 1, y};
      break;
    case TKIVScrollTextDirection::asdLeftToRight:
      if (x < area.width) return {x + 1, y};
      break;
  }
  return ScrollRestartPosition(direction, true, alignment, area, text);
}
