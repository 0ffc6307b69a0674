#pragma once
// TKIVCoolButton: the picture-skinned push button. Its face is cut from a skin picture holding
// one to three state frames stacked vertically (normal, hovered, pressed), each stretched to the
// button with fixed corners; a caption with a shadow and an optional icon lie on top, laid out
// as on TKIVButton.

#include <cstdint>

#include "controls/action_control.h"
#include "controls/button_icon.h"
#include "controls/control_paint.h"

class TKIVCoolButton : public TKIVActionControl {
 public:
  TKIVCoolButton();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The skin face (or the plain face when the skin cannot serve), caption and icon in the
  // current pointer state, faded by Opacity.
  void Paint(TCanvas& canvas) override;

  // Stored and kept; the face does not use it.
  TAlignment Alignment() const { return m_alignment; }
  TColor DownFontColor() const { return m_downFontColor; }
  // The skin: GlyphNumber frames of equal height, top to bottom. Every change of it, through
  // SetPicture, this pointer or the document, sets GlyphNumber to 3, resizes the button to the
  // skin's width and a third of its height (when the skin is larger than 3 x 9 pixels; not
  // while loading) and makes TransparentColor the skin's top-left pixel (a TransparentColor set
  // afterwards, as one stored after the skin, wins).
  TPicture* Picture() { return &m_picture; }
  const TPicture& Picture() const { return m_picture; }
  void SetPicture(const TPicture& skin) { m_picture.Assign(&skin); }
  // Older form of Picture: a bitmap it receives moves into an empty Picture, and it is emptied
  // again; never written.
  TBitmap* Glyph() { return &m_glyph; }
  int32_t GlyphNumber() const { return m_glyphNumber; }
  // Clamped to 1-3 frames. Outside loading the button also takes the size of one frame of the
  // skin (when the skin is wider than 3 pixels and a frame higher than 3).
  void SetGlyphNumber(int32_t count);
  // Every change of the icon makes ImageTransColor its top-left pixel when the picture has no
  // transparency of its own (a value set afterwards wins).
  TPicture* ImgIcon() { return m_imgIcon.Picture(); }
  const TPicture& ImgIcon() const { return m_imgIcon.Picture(); }
  void SetImgIcon(const TPicture& icon) { m_imgIcon.Set(icon); }
  // Older form of ImgIcon: a bitmap it receives moves into an empty ImgIcon, and it is emptied
  // again; never written.
  TBitmap* Image() { return &m_image; }
  TKIVGlyphLayout Layout() const { return m_layout; }
  // Stored and kept; the face does not use it.
  int32_t Margin() const { return m_margin; }
  // A negative margin is stored as 0.
  void SetMargin(int32_t margin);
  TColor OverFontColor() const { return m_overFontColor; }
  TColor ShadowColor() const { return m_shadowColor; }
  TKIVCoolButtonTextStyle TextStyle() const { return m_textStyle; }
  // Key colour of a skin picture without transparency of its own.
  TColor TransparentColor() const;
  void SetTransparentColor(TColor color);
  // Key colour of an icon picture without transparency of its own.
  TColor ImageTransColor() const { return m_imgIcon.KeyColor(); }
  void SetImageTransColor(TColor color);
  // Corner size of the skin's stretch; 0 stretches each frame whole.
  int32_t StretchMargin() const { return m_stretchMargin; }
  // A negative margin is stored as 0.
  void SetStretchMargin(int32_t margin);
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }

 protected:
  TAlignment m_alignment = TAlignment::taCenter;
  TColor m_downFontColor = clRed;
  TPicture m_picture;
  TBitmap m_glyph;
  int32_t m_glyphNumber = 3;
  TButtonIcon m_imgIcon{[this] { Invalidate(); }};
  TBitmap m_image;
  TKIVGlyphLayout m_layout = TKIVGlyphLayout::aglGlyphLeft;
  int32_t m_margin = 5;
  TColor m_overFontColor = clBlue;
  TColor m_shadowColor = clWhite;
  TKIVCoolButtonTextStyle m_textStyle = TKIVCoolButtonTextStyle::abtRaised;
  int32_t m_stretchMargin = 8;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;

 private:
  void SkinChanged();
  // Resizes the button to one of frames frames of the skin when the skin is large enough.
  void FitToSkin(int32_t frames);
  void PaintSkinFace(TBitmap32& surface, const TDecodedPicture& skin, const TFaceState& state);
  void PaintCaptionAndIcon(TCanvas& surface, const TFaceState& state);

  // The key colour waits to be picked from the skin until it is first needed, so a document's
  // skins are not decoded while it loads (mutable: reading it picks it).
  mutable TPictureKeyColor m_transparentColor{clBlack};
  mutable TPictureCache m_skinCache;
  // The skin as an opaque bitmap for the key-colour path, rebuilt when the skin changes.
  TBitmap32 m_opaqueSkin;
  uint64_t m_opaqueSkinGeneration = 0;
};
