#include "controls/button.h"

#include <algorithm>
#include <vector>

#include "controls/button_face.h"
#include "controls/themed_button.h"
#include "graphics/colors.h"
#include "graphics/composite.h"
#include "graphics/raster.h"

const TClassInfo& TKIVButton::StaticClass() {
  using C = TKIVButton;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVButton", &TKIVActionControl::StaticClass())
          .Publish("Color")
          .Color("BorderColor", Field(&C::m_borderColor))
          .Color("OverColor", Field(&C::m_overColor))
          .Color("DownColor", Field(&C::m_downColor))
          .Color("OverFontColor", Field(&C::m_overFontColor))
          .Color("DownFontColor", Field(&C::m_downFontColor))
          .Object("ImgIcon", [](C& c) -> TPersistent* { return &c.m_imgIcon; })
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Enum("Layout", Field(&C::m_layout))
          .Enum("Style", Field(&C::m_style))
          .Color("TransparentColor", Accessors(&C::TransparentColor, &C::SetTransparentColor))
          .Color("ShadowColor", Field(&C::m_shadowColor))
          .Enum("TextStyle", Field(&C::m_textStyle))
          .Bool("XPThemesSupport", Field(&C::m_xpThemesSupport))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
          .Build();
  return *info;
}

TKIVButton::TKIVButton() {
  m_width = 121;
  m_height = 33;
  // Setting the font clears ParentFont, as any change of a control's own font does.
  m_font.SetName("Arial");
  m_font.SetSize(9);
  m_font.SetStyle(fsBold);
  m_font.SetColor(clBlack);
  // The change rules hold however a picture arrives: set, read from a document, or adopted.
  m_imgIcon.SetOnChange([this] {
    m_transparentColor.PickLater();
    Invalidate();
  });
  m_glyph.SetOnChange([this] { AdoptLegacyBitmap(m_glyph, m_imgIcon); });
}

void TKIVButton::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

namespace {
constexpr auto kIconRule = TPictureKeyColor::TRule::UnlessOwnTransparency;
}  // namespace

TColor TKIVButton::TransparentColor() const { return m_transparentColor.Get(m_iconCache, m_imgIcon, kIconRule); }

void TKIVButton::SetTransparentColor(TColor color) {
  m_transparentColor.Set(color);
  Invalidate();
}

void TKIVButton::SetImgIcon(const TPicture& icon) {
  TransparentColor();  // a pick still pending reads the icon that goes now
  m_imgIcon.Assign(&icon);
}

void TKIVButton::Paint(TCanvas& canvas) {
  if (!Visible() || m_width <= 0 || m_height <= 0) return;
  const TFaceState state = FaceState(*this);
  const bool themed = m_xpThemesSupport && VisualStylesActive();
  TBitmap32 surface = CaptureBackground(*this);
  TCanvas surfaceCanvas(surface.View());
  surfaceCanvas.SetFont(m_font);
  PaintFace(surfaceCanvas, state, themed);
  if (m_style != TKIVButtonStyle::absHotSpot) PaintCaptionAndIcon(surfaceCanvas, state, themed);
  PaintFrame(surface.View(), state, themed);
  CompositeOpacity(*this, m_opacity, surface, canvas);
}

void TKIVButton::PaintFace(TCanvas& surfaceCanvas, const TFaceState& state, bool themed) {
  const TBitmapView surface = surfaceCanvas.View();
  const TRect client = surface.Bounds();
  if (themed) {
    TThemedButtonState look = TThemedButtonState::Normal;
    if (!m_enabled) look = TThemedButtonState::Disabled;
    else if (state.pressed) look = TThemedButtonState::Pressed;
    else if (state.hovered) look = TThemedButtonState::Hot;
    DrawThemedPushButton(surface, client, look);
    return;
  }
  switch (m_style) {
    case TKIVButtonStyle::absWindows: DrawClassicPushButton(surface, client, state.pressed); return;
    case TKIVButtonStyle::absTransparent:
    case TKIVButtonStyle::absNoBorder:
    case TKIVButtonStyle::absHotSpot: return;
    default: break;
  }
  const bool normal = !state.pressed && !state.hovered;
  if (m_style == TKIVButtonStyle::absSolid && normal) return;
  const TColor fill = state.pressed ? m_downColor : state.hovered ? m_overColor : m_color;
  if (m_style == TKIVButtonStyle::absSemiTransparent) {
    BlendColorOverBackground(surfaceCanvas, *this, fill);
    return;
  }
  FillRect(surface, {1, 1, client.right - 1, client.bottom - 1}, ColorToPixel(fill));
}

void TKIVButton::PaintCaptionAndIcon(TCanvas& surface, const TFaceState& state, bool themed) {
  const bool antialias = m_textMode == TKIVTextRenderMode::atmAntiAlias;
  const std::string text = DecodedCaption();
  const TDecodedPicture* icon = m_iconCache.Get(m_imgIcon);
  const int32_t iw = icon ? icon->bitmap.Width() : 0, ih = icon ? icon->bitmap.Height() : 0;
  const TCaptionLayout layout = LayOutCaption(m_width, m_height, MeasureText(surface, text, antialias, DT_CENTER),
                                              icon != nullptr, iw, ih, m_layout, m_caption.empty());
  const TPoint at = layout.caption;
  if (state.pressed) {
    const TPoint pressedAt = themed ? at : TPoint{at.x + 1, at.y + 1};
    DrawCaptionLayer(surface, text, pressedAt, layout.text, m_downFontColor, antialias);
  } else {
    if (m_textStyle == TKIVCoolButtonTextStyle::abtLowered)
      DrawCaptionLayer(surface, text, {at.x + 1, at.y + 1}, layout.text, m_shadowColor, antialias);
    if (m_textStyle == TKIVCoolButtonTextStyle::abtRaised)
      DrawCaptionLayer(surface, text, {at.x - 1, at.y - 1}, layout.text, m_shadowColor, antialias);
    const TColor colour = state.hovered ? m_overFontColor : m_enabled ? m_font.Color() : TColor{0x808080};
    DrawCaptionLayer(surface, text, at, layout.text, colour, antialias);
  }
  if (!icon) return;
  const int32_t shift = state.pressed && !themed ? 1 : 0;
  DrawIconPicture(surface.View(), {layout.icon.x + shift, layout.icon.y + shift}, *icon, TransparentColor());
}

void TKIVButton::PaintFrame(const TBitmapView& surface, const TFaceState& state, bool themed) {
  if (themed || m_style == TKIVButtonStyle::absWindows) return;
  const TRect client = surface.Bounds();
  const bool designFrameOnly = m_style == TKIVButtonStyle::absNoBorder || m_style == TKIVButtonStyle::absHotSpot;
  if (!designFrameOnly) {
    if (state.pressed) return DrawSunkenFrame(surface, client);
    if (state.hovered) return DrawRaisedFrame(surface, client);
    switch (m_style) {
      case TKIVButtonStyle::absNormal:
      case TKIVButtonStyle::absSemiTransparent: return DrawRaisedFrame(surface, client);
      case TKIVButtonStyle::absFlat: return DrawFrame3D(surface, client, m_borderColor, m_borderColor);
      default: break;
    }
  }
  if (m_designMode) DrawDottedFrame(surface, client);
}
