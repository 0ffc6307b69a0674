#pragma once
// TKIVCoolButton: the picture-skinned push button. Its face is cut from a skin picture holding
// one to three state frames stacked vertically (normal, hovered, pressed), each stretched to the
// button with fixed corners; a caption with a shadow and an optional icon lie on top, laid out
// as on TKIVButton.

#include <cstdint>

#include "controls/action_control.h"
#include "controls/control_paint.h"

class TKIVCoolButton : public TKIVActionControl {
 public:
  TKIVCoolButton();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Moves pictures that older documents stored in Glyph and Image into an empty Picture and
  // an empty ImgIcon.
  void Loaded() override;
  // The skin face (or the plain face when the skin cannot serve), caption and icon in the
  // current pointer state, faded by Opacity.
  void Paint(TCanvas& canvas) override;

  // Stored and kept; the face does not use it.
  TAlignment Alignment() const { return m_alignment; }
  TColor DownFontColor() const { return m_downFontColor; }
  // The skin: GlyphNumber frames of equal height, top to bottom.
  TPicture* Picture() { return &m_picture; }
  const TPicture& Picture() const { return m_picture; }
  // Copies skin, sets GlyphNumber to 3, resizes the button to the skin's width and a third of
  // its height (when the skin is larger than 3 x 9 pixels) and picks TransparentColor from the
  // skin's top-left pixel.
  void SetPicture(const TPicture& skin);
  // Older form of Picture: read from old documents, emptied after loading, never written.
  TBitmap* Glyph() { return &m_glyph; }
  int32_t GlyphNumber() const { return m_glyphNumber; }
  // Clamped to 1-3 frames. Outside loading the button also takes the size of one frame of the
  // skin (when the skin is wider than 3 pixels and a frame higher than 3).
  void SetGlyphNumber(int32_t count);
  TPicture* ImgIcon() { return &m_imgIcon; }
  const TPicture& ImgIcon() const { return m_imgIcon; }
  // Copies icon; a picture without transparency of its own also sets ImageTransColor to its
  // top-left pixel.
  void SetImgIcon(const TPicture& icon);
  // Older form of ImgIcon: read from old documents, emptied after loading, never written.
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
  TColor TransparentColor() const { return m_transparentColor; }
  // Key colour of an icon picture without transparency of its own.
  TColor ImageTransColor() const { return m_imageTransColor; }
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
  TPicture m_imgIcon;
  TBitmap m_image;
  TKIVGlyphLayout m_layout = TKIVGlyphLayout::aglGlyphLeft;
  int32_t m_margin = 5;
  TColor m_overFontColor = clBlue;
  TColor m_shadowColor = clWhite;
  TKIVCoolButtonTextStyle m_textStyle = TKIVCoolButtonTextStyle::abtRaised;
  TColor m_transparentColor = clBlack;
  TColor m_imageTransColor = clBlack;
  int32_t m_stretchMargin = 8;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;

 private:
  // Resizes the button to one of frames frames of the skin when the skin is large enough.
  void FitToSkin(int32_t frames);
  void PaintSkinFace(TBitmap32& surface, const TDecodedPicture& skin, const TFaceState& state);
  void PaintCaptionAndIcon(TCanvas& surface, const TFaceState& state);

  TPictureCache m_skinCache;
  TPictureCache m_iconCache;
  // The skin as an opaque bitmap for the key-colour path, rebuilt when the skin changes.
  TBitmap32 m_opaqueSkin;
  uint64_t m_opaqueSkinGeneration = 0;
};
