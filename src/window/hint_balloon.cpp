#include "window/hint_balloon.h"

#include <algorithm>
#include <optional>

#include "graphics/balloon_shape.h"
#include "graphics/canvas.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/picture_decoder.h"
#include "graphics/raster.h"
#include "graphics/text_render.h"

namespace {

constexpr uint32_t kHintTextFlags = DT_WORDBREAK | DT_NOPREFIX;
// The balloon's room around its text, and the tip's distance from the pointer.
constexpr int32_t kTextMarginX = 8;
constexpr int32_t kTextMarginTop = 6;
constexpr int32_t kExtraWidth = 16;
constexpr int32_t kExtraHeight = 24;
constexpr int32_t kTipDistance = 10;
constexpr int32_t kPointerDepth = 12;

// The fill picture as it tiles, or nothing when there is none that decodes.
std::optional<TBitmap32> FillPicture(const TPicture& picture) {
  if (picture.Empty()) return std::nullopt;
  std::optional<TDecodedPicture> decoded = DecodePicture(*picture.Format(), picture.FileBytes());
  if (!decoded || decoded->bitmap.Empty()) return std::nullopt;
  return std::move(decoded->bitmap);
}

// The body's fill over the whole of rect (a bitmap of rect's size): colour, gradient or the tiled
// picture, whose transparent pixels stay transparent.
TBitmap32 BodyFill(const THintSettings& settings, const TRect& rect) {
  TBitmap32 fill(rect.Width(), rect.Height(), ColorToPixel(settings.color));
  const TRect whole = fill.Bounds();
  if (settings.fillStyle == TKIVFillStyle::afsGradient) {
    FillGradient(fill.View(), whole, settings.gradBeginColor, settings.gradStyle, settings.gradEndColor);
  } else if (settings.fillStyle == TKIVFillStyle::afsGlyph) {
    if (std::optional<TBitmap32> tile = FillPicture(settings.picture)) {
      fill.Fill(0);
      DrawTiled(fill.View(), whole, tile->View());
    }
  }
  return fill;
}

void DrawShadow(TBitmap32& layer, const THintLayout& layout, const THintSettings& settings,
                const TBitmapView& background) {
  const int32_t offset = layout.shadowOffset;
  // Where the pointer is below, the shadow's pointer is shorter by the offset, so its tip stays on
  // the window's last row.
  const int32_t depth = PointerBelow(layout.placement) ? kPointerDepth - offset : kPointerDepth;
  const TRect area{offset, offset, layer.Width(), layer.Height()};
  const TPixel32 colour = ColorToPixel(settings.shadowColor);
  // The checkerboard's phase is the picture's own (0, 0): background and layer share it.
  for (const TRect& run : BalloonRegion(HintBalloonShadow(area, layout.placement, depth)).rects)
    CheckerboardAnd(layer.View(), background, run, colour);
}

void DrawBody(TBitmap32& layer, const TBalloonShape& body, const TRect& rect, const THintSettings& settings) {
  const TBitmap32 fill = BodyFill(settings, rect);
  for (const TRect& run : BalloonRegion(body).rects) {
    const TRect part = run.Intersect(rect);
    if (part.IsEmpty()) continue;
    AlphaBlend(layer.View().SubView(part), {0, 0}, fill.View().SubView(part.Offset(-rect.left, -rect.top)));
  }
  DrawBalloonOutline(layer.View(), body, ColorToPixel(settings.borderColor));
}

void DrawText(TBitmap32& layer, const TRect& body, const THintSettings& settings, std::string_view text) {
  TCanvas canvas(layer.View());
  canvas.SetFont(settings.font);
  canvas.Brush().style = TBrushStyle::bsClear;
  const TRect area{body.left + kTextMarginX, body.top + kTextMarginTop, body.right - kTextMarginX, body.bottom};
  DrawTextRect(canvas, text, area, false, kHintTextFlags);
}

void ApplyOpacity(TBitmap32& layer, int32_t opacityPercent) {
  const uint32_t hidden = static_cast<uint32_t>(100 - std::clamp(opacityPercent, 0, 100)) * 255 / 100;
  const uint32_t kept = 255 - hidden;
  if (kept == 255) return;
  for (TPixel32& pixel : layer.Pixels())
    pixel = (pixel & 0x00FFFFFFu) | (((PixelA(pixel) * kept + 127) / 255) << 24);
}

}  // namespace

int32_t HintShadowOffset(const THintSettings& settings) {
  return std::clamp(settings.shadowOffset, 0, kMaxHintShadowOffset);
}

TSize HintBalloonSize(const THintSettings& settings, std::string_view text, const TSize& screen) {
  TBitmap32 scratch(1, 1);
  TCanvas canvas(scratch.View());
  canvas.SetFont(settings.font);
  const int32_t wrapWidth = std::max(screen.width / 2 - 16, 1);
  const TRect extent = CalcTextRectPlain(canvas, text, {0, 0, wrapWidth, 0}, DT_CALCRECT | kHintTextFlags);
  const int32_t offset = HintShadowOffset(settings);
  auto within = [offset](int64_t size, int32_t screenSide) {
    const int32_t room = std::max(std::min(screenSide, kMaxBitmapSide) - offset, 1);
    return static_cast<int32_t>(std::clamp<int64_t>(size, 1, room));
  };
  return {within(int64_t{extent.Width()} + kExtraWidth, screen.width),
          within(int64_t{extent.Height()} + kExtraHeight, screen.height)};
}

TKIVPosition ChooseHintPlacement(TKIVPosition direction, const TSize& balloon, TPoint pointer, const TRect& screen) {
  const int64_t x = int64_t{pointer.x} - screen.left;
  const int64_t y = int64_t{pointer.y} - screen.top;
  bool left = direction == TKIVPosition::apsLeftTop || direction == TKIVPosition::apsLeftBottom;
  bool top = direction == TKIVPosition::apsLeftTop || direction == TKIVPosition::apsRightTop;
  if (left ? balloon.width > x : screen.Width() < x + balloon.width) left = !left;
  if (top ? balloon.height + kTipDistance > y : screen.Height() < y + balloon.height + kTipDistance) top = !top;
  if (left) return top ? TKIVPosition::apsLeftTop : TKIVPosition::apsLeftBottom;
  return top ? TKIVPosition::apsRightTop : TKIVPosition::apsRightBottom;
}

TRect HintWindowRect(TKIVPosition placement, const TSize& balloon, int32_t shadowOffset, TPoint pointer) {
  const bool above = PointerBelow(placement);
  const int32_t left = PointerAtRight(placement) ? pointer.x - balloon.width : pointer.x;
  const int32_t top = above ? pointer.y - kTipDistance - balloon.height : pointer.y + kTipDistance;
  TRect rect = TRect::FromSize(left, top, balloon.width, balloon.height);
  rect.right += shadowOffset;
  if (!above) rect.bottom += shadowOffset;
  return rect;
}

THintLayout LayOutHint(const THintSettings& settings, std::string_view text, TPoint pointer, const TRect& screen) {
  THintLayout layout;
  layout.shadowOffset = HintShadowOffset(settings);
  layout.balloon = HintBalloonSize(settings, text, {screen.Width(), screen.Height()});
  layout.placement = ChooseHintPlacement(settings.direction, layout.balloon, pointer, screen);
  layout.window = HintWindowRect(layout.placement, layout.balloon, layout.shadowOffset, pointer);
  return layout;
}

TBitmap32 ComposeHintBalloon(const THintSettings& settings, std::string_view text, const THintLayout& layout,
                             const TBitmapView& background) {
  TBitmap32 layer(layout.window.Width(), layout.window.Height(), 0);
  if (layout.shadowOffset > 0) DrawShadow(layer, layout, settings, background);
  const TRect rect = TRect::FromSize(0, 0, layout.balloon.width, layout.balloon.height);
  const TBalloonShape body = HintBalloonBody(rect, layout.placement);
  DrawBody(layer, body, rect, settings);
  DrawText(layer, body.body, settings, text);
  ApplyOpacity(layer, settings.opacityPercent);
  return layer;
}

TBitmap32 HintOverBackground(const TBitmap32& layer, const TBitmapView& background) {
  TBitmap32 picture(layer.Width(), layer.Height());
  CopyRect(picture.View(), {0, 0}, background);
  AlphaBlend(picture.View(), {0, 0}, layer.View());
  return picture;
}
