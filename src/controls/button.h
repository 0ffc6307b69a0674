#pragma once
// TKIVButton: the ordinary push button, an action control whose face is drawn in one of eight
// styles with a caption, an optional caption shadow and an optional icon beside, above or below
// the caption. Hover and press change its colours.

#include <cstdint>

#include "controls/action_control.h"
#include "controls/button_icon.h"
#include "controls/control_paint.h"

class TKIVButton : public TKIVActionControl {
 public:
  TKIVButton();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Background, face, caption, icon and frame in the current pointer state, faded by Opacity.
  void Paint(TCanvas& canvas) override;

  // The face colour in the normal state is the control's Color.
  TColor BorderColor() const { return m_borderColor; }
  TColor OverColor() const { return m_overColor; }
  TColor DownColor() const { return m_downColor; }
  TColor OverFontColor() const { return m_overFontColor; }
  TColor DownFontColor() const { return m_downFontColor; }
  // Every change of the icon, through SetImgIcon, this pointer or the document, makes
  // TransparentColor its top-left pixel when the picture has no transparency of its own (a
  // TransparentColor set afterwards, as one stored after the icon, wins).
  TPicture* ImgIcon() { return m_imgIcon.Picture(); }
  const TPicture& ImgIcon() const { return m_imgIcon.Picture(); }
  void SetImgIcon(const TPicture& icon) { m_imgIcon.Set(icon); }
  // Older form of ImgIcon: a bitmap it receives moves into an empty ImgIcon, and it is emptied
  // again; never written.
  TBitmap* Glyph() { return &m_glyph; }
  TKIVGlyphLayout Layout() const { return m_layout; }
  TKIVButtonStyle Style() const { return m_style; }
  // Key colour of icon pictures without transparency of their own.
  TColor TransparentColor() const { return m_imgIcon.KeyColor(); }
  void SetTransparentColor(TColor color);
  TColor ShadowColor() const { return m_shadowColor; }
  TKIVCoolButtonTextStyle TextStyle() const { return m_textStyle; }
  bool XPThemesSupport() const { return m_xpThemesSupport; }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }

 protected:
  TColor m_borderColor = 0x8396A0;
  TColor m_overColor = 0xE1EAEB;
  TColor m_downColor = 0xC5D6D9;
  TColor m_overFontColor = clBlue;
  TColor m_downFontColor = clRed;
  TButtonIcon m_imgIcon{[this] { Invalidate(); }};
  TBitmap m_glyph;
  TKIVGlyphLayout m_layout = TKIVGlyphLayout::aglGlyphLeft;
  TKIVButtonStyle m_style = TKIVButtonStyle::absWindows;
  TColor m_shadowColor = clWhite;
  TKIVCoolButtonTextStyle m_textStyle = TKIVCoolButtonTextStyle::abtNormal;
  bool m_xpThemesSupport = false;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;

 private:
  void PaintFace(TCanvas& surface, const TFaceState& state, bool themed);
  void PaintCaptionAndIcon(TCanvas& surface, const TFaceState& state, bool themed);
  void PaintFrame(const TBitmapView& surface, const TFaceState& state, bool themed);
};
