#pragma once
// TKIVScrollText: a framed panel in which a block of text lines scrolls one pixel per timer
// tick, like credits, over a solid, gradient, tiled-picture or see-through background, with an
// optional picture beside the text. A windowed control, not an action control; the menu window
// paints it as it paints the windowless ones (PaintedByWindow), from the project's own drawing.
//
// The text moves on a control timer of the menu's services (TMenuServices::timers), which runs
// while the text is active, holds at least one line, and the control is visible and in run mode.
// Without a timer source the text stands still where it starts. Changing the lines, alignment,
// direction, size, font or text mode restarts the block at the top of the area (the stopped
// text's place), from where it scrolls on.
//
// TCustomPanel is the platform panel it builds on: the panel's bevels, border and
// FullRepaint, all unpublished until a descendant publishes them.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/control.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/strings.h"
#include "graphics/bitmap32.h"
#include "graphics/font_resolver.h"
#include "graphics/geometry.h"
#include "graphics/picture_cache.h"
#include "controls/scroll_text_motion.h"

class TControlTimer;
class TTimerSource;

// Horizontal alignment of text (the platform's alignment type).

class TCustomPanel : public TCustomControl {
 public:
  TCustomPanel();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TBevelCut BevelInner() const { return m_bevelInner; }
  TBevelCut BevelOuter() const { return m_bevelOuter; }
  int32_t BevelWidth() const { return m_bevelWidth; }
  int32_t BorderWidth() const { return m_borderWidth; }
  bool FullRepaint() const { return m_fullRepaint; }

 protected:
  bool m_fullRepaint = true;
};

class TKIVScrollText : public TCustomPanel {
 public:
  TKIVScrollText();
  ~TKIVScrollText() override;
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Moves a picture stored by older documents in Glyph into an empty Picture, then starts the
  // block from its restart position and the timer if the text runs.
  void Loaded() override;

  bool PaintedByWindow() const override { return true; }
  // Draws the background (fill faded by Opacity, picture, bevels and border), then the text
  // block at its place, clipped to the text area, with its shadow. canvas's origin is the
  // control's top-left corner. A panel larger than the bitmap limits (bitmap32.h) draws nothing.
  void Paint(TCanvas& canvas) override;
  // A change of size restarts the block.
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void SetVisible(bool visible) override;
  void SetDesignMode(bool designMode) override;
  void PageShown() override;
  void ParentBackgroundChanged() override;
  // One timer tick: the block moves one pixel (or starts over once it has passed out of the
  // area) and the control asks to be painted. Nothing happens while it is invisible.
  void Tick();

  TPicture* Picture() { return &m_picture; }
  const TPicture& Picture() const { return m_picture; }
  // Older form of Picture: read from old documents, emptied after loading, never written.
  TBitmap* Glyph() { return &m_glyph; }
  TKIVGlyphLayout GlyphLayout() const { return m_glyphLayout; }
  void SetGlyphLayout(TKIVGlyphLayout layout) { SetAndRepaint(m_glyphLayout, layout); }
  TPicture* BGGlyph() { return &m_bgGlyph; }
  const TPicture& BGGlyph() const { return m_bgGlyph; }
  TKIVFillStyle FillStyle() const { return m_fillStyle; }
  void SetFillStyle(TKIVFillStyle style) { SetAndRepaint(m_fillStyle, style); }
  TColor GradBeginColor() const { return m_gradBeginColor; }
  void SetGradBeginColor(TColor color) { SetAndRepaint(m_gradBeginColor, color); }
  TColor GradEndColor() const { return m_gradEndColor; }
  void SetGradEndColor(TColor color) { SetAndRepaint(m_gradEndColor, color); }
  TKIVGradFillStyle GradStyle() const { return m_gradStyle; }
  void SetGradStyle(TKIVGradFillStyle style) { SetAndRepaint(m_gradStyle, style); }
  TAlignment Alignment() const { return m_alignment; }
  // Restarts the block.
  void SetAlignment(TAlignment alignment);
  const TStrings& Strings() const { return m_strings; }
  // Replaces the lines: restarts the block; the timer runs only while there is a line.
  void SetStrings(const TStrings& strings);
  bool Active() const { return m_active; }
  // Starts or stops the movement; the block stays where it is.
  void SetActive(bool active);
  int32_t Speed() const { return m_speed; }
  // Clamped to 1-100.
  void SetSpeed(int32_t speed);
  // Time between one-pixel steps: 100 ms at speed 1 down to 1 ms at speed 100. The control
  // timer rounds it up to whole Windows timer steps, the pace the documents were made at.
  uint32_t TimerIntervalMs() const { return static_cast<uint32_t>(101 - m_speed); }
  TKIVScrollTextDirection ScrollDirection() const { return m_scrollDirection; }
  // Restarts the block.
  void SetScrollDirection(TKIVScrollTextDirection direction);
  bool Transparent() const { return m_transparent; }
  void SetTransparent(bool transparent) { SetAndRepaint(m_transparent, transparent); }
  TKIVCoolButtonTextStyle TextStyle() const { return m_textStyle; }
  void SetTextStyle(TKIVCoolButtonTextStyle style) { SetAndRepaint(m_textStyle, style); }
  TColor TextShadowColor() const { return m_textShadowColor; }
  void SetTextShadowColor(TColor color) { SetAndRepaint(m_textShadowColor, color); }
  int32_t Opacity() const { return m_opacity; }
  // Clamped to 0-100 percent.
  void SetOpacity(int32_t percent);
  TKIVTextRenderMode TextMode() const { return m_textMode; }
  // Restarts the block.
  void SetTextMode(TKIVTextRenderMode mode);

  // The geometry of the current settings (the picture decoded to find its size).
  TScrollTextFrame Frame();
  // The text area in the control's coordinates.
  TRect TextArea() { return ScrollTextArea(Frame()); }
  // The text block's size, measured in the control's font and text mode.
  TSize TextSize();
  // The block's top-left corner relative to the text area's.
  TPoint ScrollPosition();
  // Whether the control timer is running.
  bool Scrolling() const;

 protected:
  TPicture m_picture;
  TBitmap m_glyph;
  TKIVGlyphLayout m_glyphLayout = TKIVGlyphLayout::aglGlyphLeft;
  TPicture m_bgGlyph;
  TKIVFillStyle m_fillStyle = TKIVFillStyle::afsNormal;
  TColor m_gradBeginColor = clYellow;
  TColor m_gradEndColor = clRed;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  TAlignment m_alignment = TAlignment::taLeftJustify;
  TStrings m_strings;
  bool m_active = true;
  int32_t m_speed = 60;
  TKIVScrollTextDirection m_scrollDirection = TKIVScrollTextDirection::asdBottomToTop;
  bool m_transparent = false;
  TKIVCoolButtonTextStyle m_textStyle = TKIVCoolButtonTextStyle::abtNormal;
  TColor m_textShadowColor = clWhite;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  int32_t m_opacity = 100;
  TKIVTextRenderMode m_textMode = TKIVTextRenderMode::atmSystemDefault;

 private:
  // What the text's size was measured from; a change of any of it measures again.
  struct TMeasuredText {
    TCanvasFont font;
    bool antialias = false;
    std::vector<std::string> lines;
    TSize size;
  };

  template <class T>
  void SetAndRepaint(T& member, T value) {
    if (member == value) return;
    member = value;
    Invalidate();
  }
  bool Antialiased() const { return m_textMode == TKIVTextRenderMode::atmAntiAlias; }
  int32_t FrameWidth() const;
  // The block goes back to where a text of the given activity starts, once its size is known.
  void Restart(bool active) { m_pendingRestart = active; }
  // Restarts the block as a stopped text would start; the movement resumes from there.
  void RestartStill() { Restart(false); }
  // Starts, restarts with a new interval, or stops the timer to match the settings.
  void UpdateTimer();
  const TDecodedPicture* DecodedPicture();
  TBitmap32 BuildBackground();
  void FillBackground(TBitmap32& target);
  void DrawFrame(const TBitmapView& target) const;
  void DrawText(TBitmap32& target);

  bool m_designMode = false;
  TPoint m_position;
  std::optional<bool> m_pendingRestart = true;
  std::optional<TMeasuredText> m_measured;
  TPictureCache m_pictureCache;
  TPictureCache m_bgGlyphCache;
  TTimerSource* m_timerSource = nullptr;
  std::unique_ptr<TControlTimer> m_timer;
  uint32_t m_timerIntervalMs = 0;
};
