#include "controls/image.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>

#include "controls/window_drag.h"
#include "graphics/colors.h"
#include "graphics/raster.h"
#include "graphics/rect_frames.h"
#include "window/control_composite.h"
#include "window/menu_context.h"

const TClassInfo& TKIVImageControl::StaticClass() {
  using C = TKIVImageControl;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVImageControl", &TKIVStaticActionControl::StaticClass())
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Build();
  return *info;
}

TKIVImageControl::TKIVImageControl() {
  m_width = 105;
  m_height = 105;
}

void TKIVImageControl::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

const TClassInfo& TKIVImage::StaticClass() {
  using C = TKIVImage;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVImage", &TKIVImageControl::StaticClass())
          // The control's own AutoSize, on from construction and omitted by the writer while on.
          .Bool("AutoSize", Accessors(&C::AutoSize, &C::SetAutoSize), true)
          .Object("Pic", [](C& c) -> TPersistent* { return &c.m_pic; })
          .Bool("Tile", Accessors(&C::Tile, &C::SetTile))
          .Bool("Center", Accessors(&C::Center, &C::SetCenter))
          .Bool("Stretch", Accessors(&C::Stretch, &C::SetStretch), false)
          .Bool("KeepAspectRatio", Accessors(&C::KeepAspectRatio, &C::SetKeepAspectRatio))
          .Bool("Transparent", Accessors(&C::Transparent, &C::SetTransparent))
          .Bool("WMHandle", Field(&C::m_wmHandle))
          .String("IAName", Field(&C::m_iaName))
          .PublishAll("Align", "Constraints", "DragCursor", "DragKind", "DragMode", "ParentShowHint", "PopupMenu",
                      "OnContextPopup", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnStartDock",
                      "OnStartDrag")
          .Events("OnChange", "OnAnimate")
          .Build();
  return *info;
}

TKIVImage::TKIVImage() {
  m_autoSize = true;
  // Every change of the picture runs the picture change, a document's own included.
  m_pic.SetOnChange([this] { PictureChanged(); });
}

TKIVImage::~TKIVImage() = default;

void TKIVImage::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  TKIVImageControl::MouseDown(button, shift, x, y);
  if (m_wmHandle) DragMenuWindow(*this);
}

void TKIVImage::SetOpacity(int32_t percent) {
  const int32_t opacity = std::clamp(percent, 0, 100);
  if (opacity == m_opacity) return;
  m_opacity = opacity;
  SettingChanged();
}

bool TKIVImage::ChangeSetting(bool& setting, bool value) {
  if (setting == value) return false;
  setting = value;
  SettingChanged();
  return true;
}

void TKIVImage::SetTile(bool tile) { ChangeSetting(m_tile, tile); }
void TKIVImage::SetCenter(bool center) { ChangeSetting(m_center, center); }
void TKIVImage::SetStretch(bool stretch) { ChangeSetting(m_stretch, stretch); }
// The background behind the image is captured afresh by every paint, so a change of
// transparency needs nothing more than the repaint.
void TKIVImage::SetTransparent(bool transparent) { ChangeSetting(m_transparent, transparent); }

void TKIVImage::SetKeepAspectRatio(bool keepAspectRatio) {
  if (keepAspectRatio == m_keepAspectRatio) return;
  m_keepAspectRatio = keepAspectRatio;
  if (m_stretch) SettingChanged();
}

void TKIVImage::SetAutoSize(bool autoSize) { ChangeSetting(m_autoSize, autoSize); }

void TKIVImage::SettingChanged() {
  ApplyAutoSize();
  Invalidate();
}

void TKIVImage::SetPic(const TPicture& picture) { m_pic.Assign(&picture); }

bool TKIVImage::Animated() {
  // Only a GIF can animate: other pictures are not decoded to tell.
  if (m_pic.Format() != TPictureFormat::Gif) return false;
  const TDecodedPicture* decoded = m_picCache.Get(m_pic);
  return decoded && decoded->frames.size() > 1;
}

void TKIVImage::ApplyAutoSize() {
  if (!m_autoSize) return;
  const TDecodedPicture* decoded = m_picCache.Get(m_pic);
  if (!decoded) return;
  const bool animated = Animated();
  const int32_t width = animated ? decoded->screenWidth : decoded->bitmap.Width();
  const int32_t height = animated ? decoded->screenHeight : decoded->bitmap.Height();
  if (width > 0 && height > 0 && (width != m_width || height != m_height)) SetBounds(m_left, m_top, width, height);
}

void TKIVImage::PictureChanged() {
  StartTimer(0);
  m_animator.Reset();
  m_currentFrame = 0;
  if (Animated()) StartTimer(GifFrameDelayMs(*m_picCache.Get(m_pic), 0));
  SettingChanged();
  if (m_onChange) m_onChange(*this);
}

void TKIVImage::StartTimer(int32_t intervalMs) {
  m_timerIntervalMs = intervalMs;
  if (m_timer) m_timer->stop();
  if (m_controlTimer) m_controlTimer->Stop();
  if (intervalMs <= 0) return;
  const TMenuContext* context = MenuContextOf(*this);
  if (TTimerSource* source = context ? context->services.timers : nullptr) {
    if (source != m_timerSource) {
      m_controlTimer = source->MakeTimer([this] { AnimationTick(); });
      m_timerSource = source;
    }
    m_controlTimer->Start(static_cast<uint32_t>(intervalMs));
    return;
  }
  // Without an event loop (loading for a render or a dump) the interval is only recorded.
  if (!QCoreApplication::instance()) return;
  if (!m_timer) {
    m_timer = std::make_unique<QTimer>();
    QObject::connect(m_timer.get(), &QTimer::timeout, [this] { AnimationTick(); });
  }
  m_timer->start(intervalMs);
}

void TKIVImage::SetDesignMode(bool designMode) {
  TKIVImageControl::SetDesignMode(designMode);
  if (m_timerIntervalMs > 0) StartTimer(m_timerIntervalMs);
}

void TKIVImage::AnimationTick() {
  if (!Visible() || !Animated() || !Parent()) return;
  const TDecodedPicture& gif = *m_picCache.Get(m_pic);
  m_currentFrame = (m_currentFrame + 1) % static_cast<int32_t>(gif.frames.size());
  Invalidate();
  StartTimer(GifFrameDelayMs(gif, m_currentFrame));
}

void TKIVImage::Paint(TCanvas& canvas) {
  if (!Visible() || m_width <= 0 || m_height <= 0) return;
  TBitmap32 surface = CaptureBackground(*this);
  DrawImage(surface.View());
  CompositeOpacity(*this, m_opacity, surface, canvas);
  if (m_designMode) DrawDottedFrame(canvas, {0, 0, m_width, m_height});
}

namespace {

enum class TSourceLook : uint8_t { Opaque, Keyed, OwnAlpha };

// The source prepared for drawing: opaque, with the key colour's pixels transparent, or with its
// own alpha.
TBitmap32 PrepareSource(const TBitmap32& source, TSourceLook look, TColor key) {
  if (look == TSourceLook::OwnAlpha) return source;
  TBitmap32 prepared = source;
  const TPixel32 keyPixel = ColorToPixel(key) & 0x00FFFFFFu;
  for (TPixel32& p : prepared.Pixels()) {
    p |= 0xFF000000u;
    if (look == TSourceLook::Keyed && (p & 0x00FFFFFFu) == keyPixel) p &= 0x00FFFFFFu;
  }
  return prepared;
}

// Draws source stretched (nearest pixel) into rect; transparent pixels leave the target.
void PlaceSource(const TBitmapView& target, const TRect& rect, const TBitmap32& source, bool opaque) {
  const TRect visible = rect.Intersect(target.Bounds());
  if (visible.IsEmpty()) return;
  if (opaque) {
    StretchNearest(target, rect, source.View(), source.Bounds());
    return;
  }
  TBitmap32 part(visible.Width(), visible.Height(), 0);
  StretchNearest(part.View(), rect.Offset(-visible.left, -visible.top), source.View(), source.Bounds());
  AlphaBlend(target, {visible.left, visible.top}, part.View());
}

}  // namespace

void TKIVImage::DrawImage(const TBitmapView& target) {
  const TDecodedPicture* decoded = m_picCache.Get(m_pic);
  if (!decoded) return;
  const TBitmap32* source = &decoded->bitmap;
  TSourceLook look = TSourceLook::Opaque;
  TColor key = clBlack;
  using enum TPictureFormat;
  const TPictureFormat format = decoded->format;
  if (Animated()) {
    source = &m_animator.Compose(*decoded, m_currentFrame);
    if (source->Empty()) return;
    if (m_onAnimate) m_onAnimate(*this, *source);
    if (m_transparent && m_animator.KeyColor()) look = TSourceLook::Keyed, key = *m_animator.KeyColor();
  } else if (format == Icon || format == Metafile || format == Ani ||
             (format == Png && decoded->pngTransparency == TPngTransparency::Alpha)) {
    look = TSourceLook::OwnAlpha;  // these keep their own transparency whatever Transparent says
  } else if (m_transparent && (format == Png || format == Gif)) {
    look = TSourceLook::OwnAlpha;
  } else if (m_transparent && !m_tile && (format == Bitmap || format == Jpeg)) {
    look = TSourceLook::Keyed, key = PixelToColor(source->At(0, 0));
  } else if (m_transparent && m_tile && format == Bitmap) {
    look = TSourceLook::Keyed, key = PixelToColor(source->At(0, source->Height() - 1));
  }
  const TBitmap32 prepared = PrepareSource(*source, look, key);
  const bool opaque = look == TSourceLook::Opaque;
  const int32_t pw = prepared.Width(), ph = prepared.Height(), w = m_width, h = m_height;
  if (m_tile) {
    for (int32_t y = 0; y < h; y += ph)
      for (int32_t x = 0; x < w; x += pw) PlaceSource(target, TRect::FromSize(x, y, pw, ph), prepared, opaque);
    return;
  }
  TRect rect = TRect::FromSize(0, 0, pw, ph);
  if (m_stretch && m_keepAspectRatio) {
    // Compare pw / w with ph / h without division.
    if (int64_t{pw} * h > int64_t{ph} * w) {
      const auto height = static_cast<int32_t>(int64_t{ph} * w / pw);
      rect = TRect::FromSize(0, (h - height) / 2, w, height);
    } else {
      const auto width = static_cast<int32_t>(int64_t{pw} * h / ph);
      rect = TRect::FromSize((w - width) / 2, 0, width, h);
    }
  } else if (m_stretch) {
    rect = {0, 0, w, h};
  } else if (m_center) {
    rect = TRect::FromSize((w - pw) / 2, (h - ph) / 2, pw, ph);
  }
  PlaceSource(target, rect, prepared, opaque);
}
