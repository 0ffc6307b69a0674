#include "controls/cool_button.h"

#include <algorithm>
#include <vector>

#include "controls/button_face.h"
#include "controls/legacy_bitmap.h"
#include "graphics/colors.h"
#include "graphics/nine_slice.h"
#include "graphics/picture_transparency.h"
#include "graphics/raster.h"
#include "graphics/rect_frames.h"
#include "graphics/transparent_stretch.h"
#include "window/control_composite.h"

namespace {

constexpr auto kSkinRule = TPictureKeyColor::TRule::Always;

}  // namespace

const TClassInfo& TKIVCoolButton::StaticClass() {
  using C = TKIVCoolButton;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVCoolButton", &TKIVActionControl::StaticClass())
          .Enum("Alignment", Field(&C::m_alignment))
          .Color("DownFontColor", Field(&C::m_downFontColor))
          .Object("Picture", [](C& c) -> TPersistent* { return &c.m_picture; })
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Integer("GlyphNumber", Accessors(&C::GlyphNumber, &C::SetGlyphNumber))
          .Object("ImgIcon", [](C& c) -> TPersistent* { return c.m_imgIcon.Picture(); })
          .Object("Image", [](C& c) -> TPersistent* { return &c.m_image; })
          .Enum("Layout", Field(&C::m_layout))
          .Integer("Margin", Accessors(&C::Margin, &C::SetMargin))
          .Color("OverFontColor", Field(&C::m_overFontColor))
          .Color("ShadowColor", Field(&C::m_shadowColor))
          .Enum("TextStyle", Field(&C::m_textStyle))
          .Color("TransparentColor", Accessors(&C::TransparentColor, &C::SetTransparentColor))
          .Color("ImageTransColor", Accessors(&C::ImageTransColor, &C::SetImageTransColor))
          .Integer("StretchMargin", Accessors(&C::StretchMargin, &C::SetStretchMargin))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVCoolButton::TKIVCoolButton() {
  m_width = kPushButtonWidth;
  m_height = kPushButtonHeight;
  SetPushButtonFont(m_font);
  // The change rules hold however a picture arrives: set, read from a document, or adopted.
  m_picture.SetOnChange([this] { SkinChanged(); });
  m_glyph.SetOnChange([this] { AdoptLegacyBitmap(m_glyph, m_picture); });
  m_image.SetOnChange([this] { AdoptLegacyBitmap(m_image, *m_imgIcon.Picture()); });
}

void TKIVCoolButton::SetGlyphNumber(int32_t count) {
  m_glyphNumber = std::clamp(count, 1, 3);
  if (IsLoading()) return;
  FitToSkin(m_glyphNumber);
  Invalidate();
}

void TKIVCoolButton::SetMargin(int32_t margin) { m_margin = std::max(margin, 0); }

void TKIVCoolButton::SetStretchMargin(int32_t margin) { m_stretchMargin = std::max(margin, 0); }

void TKIVCoolButton::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

TColor TKIVCoolButton::TransparentColor() const { return m_transparentColor.Get(m_skinCache, m_picture, kSkinRule); }

void TKIVCoolButton::SetTransparentColor(TColor color) {
  m_transparentColor.Set(color);
  Invalidate();
}

void TKIVCoolButton::SetImageTransColor(TColor color) {
  m_imgIcon.SetKeyColor(color);
  Invalidate();
}

void TKIVCoolButton::SkinChanged() {
  m_glyphNumber = 3;
  if (!IsLoading()) FitToSkin(3);
  m_transparentColor.PickLater();
  Invalidate();
}

void TKIVCoolButton::FitToSkin(int32_t frames) {
  const TDecodedPicture* skin = m_skinCache.Get(m_picture);
  if (!skin) return;
  const int32_t width = skin->bitmap.Width(), frameHeight = skin->bitmap.Height() / frames;
  if (width > 3 && frameHeight > 3) SetBounds(m_left, m_top, width, frameHeight);
}

void TKIVCoolButton::Paint(TCanvas& canvas) {
  if (!Visible() || m_width <= 0 || m_height <= 0) return;
  const TFaceState state = FaceState(*this);
  TBitmap32 surface(m_width, m_height);
  const TDecodedPicture* skin = m_skinCache.Get(m_picture);
  const int32_t frames = std::clamp(m_glyphNumber, 1, 3);
  if (skin && skin->bitmap.Width() >= 4 && skin->bitmap.Height() / frames >= 4) {
    surface = CaptureBackground(*this);
    PaintSkinFace(surface, *skin, state);
  } else {
    // The plain face covers the whole button.
    FillRect(surface.View(), {1, 1, m_width - 1, m_height - 1}, ColorToPixel(clBtnFace));
    if (state.pressed)
      DrawSunkenFrame(surface.View(), surface.Bounds());
    else
      DrawRaisedFrame(surface.View(), surface.Bounds());
  }
  TCanvas surfaceCanvas(surface.View());
  surfaceCanvas.SetFont(m_font);
  PaintCaptionAndIcon(surfaceCanvas, state);
  CompositeOpacity(*this, m_opacity, surface, canvas);
}

void TKIVCoolButton::PaintSkinFace(TBitmap32& surface, const TDecodedPicture& skin, const TFaceState& state) {
  const int32_t frames = std::clamp(m_glyphNumber, 1, 3);
  const int32_t frameHeight = skin.bitmap.Height() / frames;
  int32_t frame = 0;
  if (frames == 2 && state.pressed) frame = 1;
  if (frames == 3) frame = state.pressed ? 2 : state.hovered ? 1 : 0;
  const TRect source{0, frame * frameHeight, skin.bitmap.Width(), (frame + 1) * frameHeight};
  const auto pieces = NineSlicePieces(source, m_width, m_height, m_stretchMargin);
  const bool alpha = (skin.format == TPictureFormat::Gif && skin.transparentColor) ||
                     (skin.format == TPictureFormat::Png && skin.pngTransparency != TPngTransparency::None);
  if (alpha) {
    for (const TNineSlicePiece& piece : pieces) AlphaStretchBlend(surface.View(), piece.target, skin.bitmap.View(), piece.source);
    return;
  }
  if (m_opaqueSkin.Empty() || m_opaqueSkinGeneration != m_skinCache.Generation()) {
    m_opaqueSkin = OpaqueCopy(skin);
    m_opaqueSkinGeneration = m_skinCache.Generation();
  }
  for (const TNineSlicePiece& piece : pieces)
    KeyedStretchBlt(surface.View(), piece.target, m_opaqueSkin.View(), piece.source, TransparentColor());
}

void TKIVCoolButton::PaintCaptionAndIcon(TCanvas& surface, const TFaceState& state) {
  const bool antialias = m_textMode == TKIVTextRenderMode::atmAntiAlias;
  TCaptionLook look{};
  if (state.pressed) {
    look = {m_downFontColor, 1};
  } else {
    // The antialiased shadow stands farther off so it shows beside the smooth edges.
    look = {state.hovered ? m_overFontColor : m_font.Color(), 0, m_textStyle, m_shadowColor, antialias ? 2 : 1};
  }
  DrawCaptionAndIcon(surface, DecodedCaption(), m_caption.empty(), m_imgIcon, m_layout, antialias, look);
}
