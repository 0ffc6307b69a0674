#include "controls/button.h"

#include <algorithm>
#include <vector>

#include "controls/button_face.h"
#include "controls/legacy_bitmap.h"
#include "controls/themed_button.h"
#include "graphics/colors.h"
#include "graphics/raster.h"
#include "graphics/rect_frames.h"
#include "window/control_composite.h"

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
          .Object("ImgIcon", [](C& c) -> TPersistent* { return c.m_imgIcon.Picture(); })
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
  m_width = kPushButtonWidth;
  m_height = kPushButtonHeight;
  SetPushButtonFont(m_font);
  // The change rules hold however a picture arrives: set, read from a document, or adopted.
  m_glyph.SetOnChange([this] { AdoptLegacyBitmap(m_glyph, *m_imgIcon.Picture()); });
}

void TKIVButton::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

void TKIVButton::SetTransparentColor(TColor color) {
  m_imgIcon.SetKeyColor(color);
  Invalidate();
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
  TCaptionLook look{};
  if (state.pressed) {
    look = {m_downFontColor, themed ? 0 : 1};
  } else {
    const TColor colour = state.hovered ? m_overFontColor : m_enabled ? m_font.Color() : TColor{0x808080};
    look = {colour, 0, m_textStyle, m_shadowColor, 1};
  }
  DrawCaptionAndIcon(surface, DecodedCaption(), m_caption.empty(), m_imgIcon, m_layout,
                     m_textMode == TKIVTextRenderMode::atmAntiAlias, look);
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
