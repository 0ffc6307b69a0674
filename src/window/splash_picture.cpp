#include "window/splash_picture.h"

#include <algorithm>

#include "graphics/colors.h"
#include "graphics/raster.h"
#include "model/picture.h"
#include "window/picture_fades.h"

namespace {

constexpr TPixel32 kWhite = MakePixel(255, 255, 255);

// Formats the image control draws with their own transparency even when it is not transparent.
bool KeepsOwnAlpha(const TDecodedPicture& picture) {
  using F = TPictureFormat;
  const F format = picture.format;
  return format == F::Icon || format == F::Metafile || format == F::Ani ||
         (format == F::Png && picture.pngTransparency == TPngTransparency::Alpha);
}

TBitmap32 Opaque(const TBitmap32& picture) {
  TBitmap32 opaque = picture;
  for (TPixel32& pixel : opaque.Pixels()) pixel |= 0xFF000000u;
  return opaque;
}

TBitmap32 OverWhite(const TBitmap32& picture) {
  TBitmap32 drawn(picture.Width(), picture.Height(), kWhite);
  AlphaBlend(drawn.View(), {0, 0}, picture.View());
  return drawn;
}

// Copies the pixels of picture inside shape (all of them without one) onto screen at `at`.
void PasteInside(const TBitmapView& screen, TPoint at, const TBitmap32& picture, const std::optional<TRegion>& shape) {
  if (!shape) {
    CopyRect(screen, at, picture.View());
    return;
  }
  for (const TRect& rect : shape->rects)
    CopyRect(screen, {at.x + rect.left, at.y + rect.top}, picture.View().SubView(rect));
}

}  // namespace

std::optional<TSplashPicture> TSplashPicture::Prepare(const TPicture& picture, bool shaped) {
  if (picture.Empty()) return std::nullopt;
  std::optional<TDecodedPicture> decoded = DecodePicture(*picture.Format(), picture.FileBytes());
  if (!decoded || decoded->bitmap.Empty()) return std::nullopt;
  TSplashPicture prepared;
  prepared.m_decoded = std::move(*decoded);
  const TDecodedPicture& d = prepared.m_decoded;
  const bool animated = prepared.Animated();
  prepared.m_width = animated ? d.screenWidth : d.bitmap.Width();
  prepared.m_height = animated ? d.screenHeight : d.bitmap.Height();
  if (prepared.m_width <= 0 || prepared.m_height <= 0) return std::nullopt;
  if (shaped && d.format != TPictureFormat::Jpeg && d.format != TPictureFormat::Icon) {
    const bool ownAlpha = d.format == TPictureFormat::Png && d.pngTransparency == TPngTransparency::Alpha;
    prepared.m_look = ownAlpha ? TPictureWindowLook::PerPixelAlpha : TPictureWindowLook::ShapeRegion;
  }
  if (prepared.m_look == TPictureWindowLook::PerPixelAlpha) {
    prepared.m_stillFace = d.bitmap;
    prepared.m_fadeForeground = d.bitmap;
  } else {
    prepared.m_stillFace = KeepsOwnAlpha(d) ? OverWhite(d.bitmap) : Opaque(d.bitmap);
    prepared.m_fadeForeground = OverWhite(d.bitmap);
  }
  return prepared;
}

bool TSplashPicture::Animated() const {
  return m_decoded.format == TPictureFormat::Gif && m_decoded.frames.size() > 1;
}

int32_t TSplashPicture::FrameCount() const {
  return Animated() ? static_cast<int32_t>(m_decoded.frames.size()) : 1;
}

int32_t TSplashPicture::FrameDelayMs(int32_t frame) const {
  return Animated() ? GifFrameDelayMs(m_decoded, frame) : 0;
}

int32_t TSplashPicture::FrameAt(int64_t elapsedMs) const {
  if (!Animated() || elapsedMs <= 0) return 0;
  const auto count = static_cast<int32_t>(m_decoded.frames.size());
  int64_t loop = 0;
  for (int32_t frame = 0; frame < count; ++frame) loop += FrameDelayMs(frame);
  if (loop <= 0) return 0;
  int64_t at = elapsedMs % loop;
  for (int32_t frame = 0; frame < count; ++frame) {
    at -= FrameDelayMs(frame);
    if (at < 0) return frame;
  }
  return 0;
}

const TBitmap32& TSplashPicture::Face(int32_t frame) {
  if (!Animated()) return m_stillFace;
  m_frameFace = Opaque(m_animator.Compose(m_decoded, frame));
  return m_frameFace;
}

std::optional<TRegion> TSplashPicture::Shape(int32_t frame) {
  if (m_look != TPictureWindowLook::ShapeRegion) return std::nullopt;
  if (!Animated()) return BitmapToRegion(ShapeBitmap(m_decoded).View(), ShapeColor(m_decoded));
  // Each composed frame is cut with its own transparent colour; a GIF without one keeps the
  // shape colour of the whole picture.
  const TBitmap32& composed = m_animator.Compose(m_decoded, frame);
  return BitmapToRegion(composed.View(), m_animator.KeyColor().value_or(ShapeColor(m_decoded)));
}

void ComposeFade(TBitmap32& work, const TBitmap32& background, const TBitmap32& foreground, uint8_t alpha) {
  work = background;
  AlphaBlend(work.View(), {0, 0}, foreground.View(), alpha);
}

TBitmap32 ScaleAlpha(const TBitmap32& picture, uint8_t alpha) {
  TBitmap32 scaled = picture;
  for (TPixel32& pixel : scaled.Pixels()) {
    const auto a = static_cast<uint8_t>((PixelA(pixel) * uint32_t{alpha} + 127) / 255);
    pixel = (pixel & 0x00FFFFFFu) | (TPixel32{a} << 24);
  }
  return scaled;
}

TRegion OpaqueRegion(const TBitmapView& picture) {
  TBitmap32 mask(picture.Width(), picture.Height());
  for (int32_t y = 0; y < picture.Height(); ++y)
    for (int32_t x = 0; x < picture.Width(); ++x)
      if (PixelA(picture.At(x, y)) != 0) mask.At(x, y) = kWhite;
  return BitmapToRegion(mask.View(), clBlack);
}

TPoint CentredOnScreen(int32_t screenWidth, int32_t screenHeight, int32_t width, int32_t height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

void DrawSplashMoment(const TBitmapView& screen, TSplashPicture& picture, const TSplashTiming& timing,
                      int64_t elapsedMs) {
  if (elapsedMs < 0 || elapsedMs >= timing.durationMs) return;
  const TPoint at = CentredOnScreen(screen.Width(), screen.Height(), picture.Width(), picture.Height());
  if (!timing.fade) {
    const int32_t frame = picture.FrameAt(elapsedMs);
    const TBitmap32& face = picture.Face(frame);
    if (picture.Look() == TPictureWindowLook::PerPixelAlpha)
      AlphaBlend(screen, at, face.View());
    else
      PasteInside(screen, at, face, picture.Shape(frame));
    return;
  }
  const int64_t tick = elapsedMs / kFadeStepMs * kFadeStepMs;
  if (tick == 0) return;  // shown, but still at opacity 0 (the background it was given)
  TBitmap32 background(picture.Width(), picture.Height());
  CopyRect(background.View(), {-at.x, -at.y}, screen);
  TBitmap32 work;
  ComposeFade(work, background, picture.FadeForeground(), SplashFadeAlpha(tick, timing.durationMs));
  PasteInside(screen, at, work, picture.Shape(0));
}
