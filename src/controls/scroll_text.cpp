#include "controls/scroll_text.h"

#include <algorithm>

#include "controls/legacy_bitmap.h"
#include "graphics/bitmap_to_canvas.h"
#include "graphics/canvas.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/picture_transparency.h"
#include "graphics/raster.h"
#include "graphics/rect_frames.h"
#include "graphics/text_render.h"
#include "window/control_composite.h"
#include "window/control_timer.h"
#include "window/menu_context.h"

const TClassInfo& TCustomPanel::StaticClass() {
  using C = TCustomPanel;
  static const TClassInfo* info = TClassBuilder<C>("TCustomPanel", &TCustomControl::StaticClass())
                                      .Unpublished()
                                      .Bool("FullRepaint", Field(&C::m_fullRepaint), true)
                                      .Build();
  return *info;
}

TCustomPanel::TCustomPanel() {
  m_width = 185;
  m_height = 41;
  m_bevelOuter = TBevelCut::bvRaised;
  m_bevelInner = TBevelCut::bvNone;
  m_bevelWidth = 1;
  m_borderWidth = 0;
  m_useDockManager = true;
}

const TClassInfo& TKIVScrollText::StaticClass() {
  using C = TKIVScrollText;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVScrollText", &TCustomPanel::StaticClass())
          .Object("Picture", [](C& c) -> TPersistent* { return &c.m_picture; })
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Enum("GlyphLayout", Accessors(&C::GlyphLayout, &C::SetGlyphLayout))
          .Object("BGGlyph", [](C& c) -> TPersistent* { return &c.m_bgGlyph; })
          .Enum("FillStyle", Accessors(&C::FillStyle, &C::SetFillStyle))
          .Color("GradBeginColor", Accessors(&C::GradBeginColor, &C::SetGradBeginColor))
          .Color("GradEndColor", Accessors(&C::GradEndColor, &C::SetGradEndColor))
          .Enum("GradStyle", Accessors(&C::GradStyle, &C::SetGradStyle))
          .Enum("Alignment", Accessors(&C::Alignment, &C::SetAlignment))
          .Object("Strings", [](C& c) -> TPersistent* { return &c.m_strings; })
          .Bool("Active", Accessors(&C::Active, &C::SetActive))
          .Integer("Speed", Accessors(&C::Speed, &C::SetSpeed))
          .Enum("ScrollDirection", Accessors(&C::ScrollDirection, &C::SetScrollDirection))
          .Bool("Transparent", Accessors(&C::Transparent, &C::SetTransparent))
          .Enum("TextStyle", Accessors(&C::TextStyle, &C::SetTextStyle))
          .Color("TextShadowColor", Accessors(&C::TextShadowColor, &C::SetTextShadowColor))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Accessors(&C::TextMode, &C::SetTextMode))
          // The panel's properties. Its bevels have the panel's stream defaults, not those of
          // the bevel edges every windowed control has.
          .PublishAll("Align", "Anchors")
          .Publish("BevelInner", static_cast<int64_t>(TBevelCut::bvNone))
          .Publish("BevelOuter", static_cast<int64_t>(TBevelCut::bvRaised))
          .PublishAll("BevelWidth", "BiDiMode", "BorderWidth", "Color", "Constraints", "Ctl3D", "UseDockManager",
                      "DockSite", "DragCursor", "DragKind", "DragMode", "Enabled", "FullRepaint", "Font",
                      "ParentBiDiMode", "ParentBackground", "ParentColor", "ParentCtl3D", "ParentFont",
                      "ParentShowHint", "PopupMenu", "ShowHint", "TabOrder", "TabStop", "Visible")
          .PublishAll("OnCanResize", "OnClick", "OnConstrainedResize", "OnContextPopup", "OnDockDrop", "OnDockOver",
                      "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock", "OnEndDrag", "OnEnter", "OnExit",
                      "OnGetSiteInfo", "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnResize", "OnStartDock",
                      "OnStartDrag", "OnUnDock")
          .Build();
  return *info;
}

namespace {

// Bevel and border widths beyond any sensible frame (a damaged document) are held here, so the
// frame's arithmetic cannot overflow; the frame is cut off at the control's edges anyway.
constexpr int32_t kMaxFrameSide = 1 << 16;

uint32_t AlignmentFlag(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    case TAlignment::taLeftJustify: break;
  }
  return 0;
}

TRect Inset(const TRect& rect) { return {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}; }

}  // namespace

TKIVScrollText::TKIVScrollText() {
  m_width = 201;
  m_height = 137;
  m_bevelInner = TBevelCut::bvLowered;
  m_parentBackground = false;
  m_font.SetName("Arial");
  m_font.SetSize(8);
  m_picture.SetOnChange([this] { Invalidate(); });
  m_bgGlyph.SetOnChange([this] {
    if (m_fillStyle == TKIVFillStyle::afsGlyph) Invalidate();
  });
}

TKIVScrollText::~TKIVScrollText() = default;

void TKIVScrollText::Loaded() {
  TCustomPanel::Loaded();
  AdoptLegacyBitmap(m_glyph, m_picture);
  Restart(m_active);
  UpdateTimer();
}

void TKIVScrollText::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  const bool resized = width != m_width || height != m_height;
  TCustomPanel::SetBounds(left, top, width, height);
  if (!resized) return;
  RestartStill();
  Invalidate();
}

void TKIVScrollText::SetVisible(bool visible) {
  TCustomPanel::SetVisible(visible);
  UpdateTimer();
}

void TKIVScrollText::SetDesignMode(bool designMode) {
  m_designMode = designMode;
  UpdateTimer();
}

void TKIVScrollText::PageShown() { UpdateTimer(); }

void TKIVScrollText::ParentBackgroundChanged() {
  if (m_transparent || m_opacity < 100) Invalidate();
}

void TKIVScrollText::SetAlignment(TAlignment alignment) {
  if (alignment == m_alignment) return;
  m_alignment = alignment;
  RestartStill();
  Invalidate();
}

void TKIVScrollText::SetScrollDirection(TKIVScrollTextDirection direction) {
  if (direction == m_scrollDirection) return;
  m_scrollDirection = direction;
  RestartStill();
  Invalidate();
}

void TKIVScrollText::SetStrings(const TStrings& strings) {
  m_strings.Assign(&strings);
  RestartStill();
  UpdateTimer();
  Invalidate();
}

void TKIVScrollText::SetActive(bool active) {
  if (active == m_active) return;
  m_active = active;
  UpdateTimer();
  Invalidate();
}

void TKIVScrollText::SetSpeed(int32_t speed) {
  m_speed = std::clamp(speed, 1, 100);
  UpdateTimer();
  Invalidate();
}

void TKIVScrollText::SetOpacity(int32_t percent) {
  m_opacity = std::clamp(percent, 0, 100);
  Invalidate();
}

void TKIVScrollText::SetTextMode(TKIVTextRenderMode mode) {
  if (mode == m_textMode) return;
  m_textMode = mode;
  RestartStill();
  Invalidate();
}

bool TKIVScrollText::Scrolling() const { return m_timer && m_timer->Active(); }

void TKIVScrollText::UpdateTimer() {
  const bool runs = m_active && m_strings.Count() > 0 && Visible() && !m_designMode && !IsLoading();
  const TMenuContext* context = MenuContextOf(*this);
  TTimerSource* source = context ? context->services.timers : nullptr;
  if (!runs || !source) {
    if (m_timer) m_timer->Stop();
    return;
  }
  if (source != m_timerSource || !m_timer) {
    m_timer = source->MakeTimer([this] { Tick(); });
    m_timerSource = source;
  }
  // A new interval starts the timer over, as setting a running timer's interval does.
  if (!m_timer->Active() || m_timerIntervalMs != TimerIntervalMs()) {
    m_timerIntervalMs = TimerIntervalMs();
    m_timer->Start(m_timerIntervalMs);
  }
}

void TKIVScrollText::Tick() {
  if (!Visible()) return;
  const TSize text = TextSize();
  const TRect area = TextArea();
  m_position = ScrollStep(ScrollPosition(), m_scrollDirection, m_alignment, {area.Width(), area.Height()}, text);
  Invalidate();
}

const TDecodedPicture* TKIVScrollText::DecodedPicture() {
  const TDecodedPicture* decoded = m_pictureCache.Get(m_picture);
  return decoded && decoded->bitmap.Width() > 0 && decoded->bitmap.Height() > 0 ? decoded : nullptr;
}

int32_t TKIVScrollText::FrameWidth() const {
  return 2 * std::clamp(m_bevelWidth, 0, kMaxFrameSide) + std::clamp(m_borderWidth, 0, kMaxFrameSide);
}

TScrollTextFrame TKIVScrollText::Frame() {
  TScrollTextFrame frame{{m_width, m_height}, FrameWidth(), {}, m_glyphLayout};
  if (const TDecodedPicture* picture = DecodedPicture())
    frame.picture = {picture->bitmap.Width(), picture->bitmap.Height()};
  return frame;
}

TSize TKIVScrollText::TextSize() {
  const TCanvasFont font = TCanvasFont::From(m_font);
  const bool antialias = Antialiased();
  if (m_measured && m_measured->font == font && m_measured->antialias == antialias &&
      m_measured->lines == m_strings.Lines())
    return m_measured->size;
  // A new font, text mode or text after the first measuring restarts the block; the setters of
  // the text mode and the lines have done so already.
  if (m_measured && !m_pendingRestart) RestartStill();
  TBitmap32 scratch(1, 1);
  TCanvas canvas(scratch.View());
  canvas.Font() = font;
  const TTextSize size = MeasureText(canvas, m_strings.Text(), antialias, DT_NOPREFIX | DT_EXPANDTABS);
  m_measured = TMeasuredText{font, antialias, m_strings.Lines(), {size.width, size.height}};
  return m_measured->size;
}

TPoint TKIVScrollText::ScrollPosition() {
  const TSize text = TextSize();
  if (m_pendingRestart) {
    const TRect area = TextArea();
    m_position =
        ScrollRestartPosition(m_scrollDirection, *m_pendingRestart, m_alignment, {area.Width(), area.Height()}, text);
    m_pendingRestart.reset();
  }
  return m_position;
}

void TKIVScrollText::Paint(TCanvas& canvas) {
  // The panel is composed in control-sized pictures; a size past the bitmap limits (a damaged
  // document) is not drawn rather than asking for gigabytes.
  if (m_width <= 0 || m_height <= 0 || m_width > kMaxBitmapSide || m_height > kMaxBitmapSide ||
      int64_t{m_width} * m_height > kMaxBitmapPixels)
    return;
  TBitmap32 surface = BuildBackground();
  DrawText(surface);
  CopyToCanvas(canvas, {0, 0}, surface.View());
}

TBitmap32 TKIVScrollText::BuildBackground() {
  TBitmap32 background(m_width, m_height);
  // Only the fill is faded by Opacity; the picture and the frame go over it at full strength.
  if (m_opacity == 100) {
    FillBackground(background);
  } else {
    TBitmap32 fill(m_width, m_height);
    FillBackground(fill);
    TCanvas canvas(background.View());
    CompositeOpacity(*this, m_opacity, fill, canvas);
  }
  const TBitmapView view = background.View();
  if (const TDecodedPicture* picture = DecodedPicture()) {
    const TPoint at = ScrollPictureOrigin(Frame());
    // A bitmap leaves out the colour of its top-left pixel; other pictures draw with their own
    // transparency.
    if (picture->format == TPictureFormat::Bitmap)
      DrawTransparentBitmap(view, picture->bitmap.View(), at, TopLeftColor(*picture));
    else
      AlphaBlend(view, at, picture->bitmap.View());
  }
  DrawFrame(view);
  return background;
}

void TKIVScrollText::FillBackground(TBitmap32& target) {
  const TBitmapView view = target.View();
  const TRect client = target.Bounds();
  if (m_transparent) {
    target = CaptureBackground(*this);
    return;
  }
  if (m_fillStyle == TKIVFillStyle::afsGradient) {
    FillGradient(view, client, m_gradBeginColor, m_gradStyle, m_gradEndColor);
    return;
  }
  FillRect(view, client, ColorToPixel(m_color));
  if (m_fillStyle != TKIVFillStyle::afsGlyph) return;
  const TDecodedPicture* tile = m_bgGlyphCache.Get(m_bgGlyph);
  if (!tile || tile->bitmap.Width() <= 0 || tile->bitmap.Height() <= 0) return;
  // Tiles from the top-left corner; a tile's transparent parts show the panel's colour.
  for (int32_t y = 0; y < m_height; y += tile->bitmap.Height())
    for (int32_t x = 0; x < m_width; x += tile->bitmap.Width()) AlphaBlend(view, {x, y}, tile->bitmap.View());
}

void TKIVScrollText::DrawFrame(const TBitmapView& target) const {
  TRect rect = target.Bounds();
  auto rings = [&](int32_t count, TColor topLeft, TColor bottomRight) {
    for (int32_t i = 0; i < count && !rect.IsEmpty(); ++i) {
      DrawFrame3D(target, rect, topLeft, bottomRight);
      rect = Inset(rect);
    }
  };
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    const bool lowered = cut == TBevelCut::bvLowered;
    rings(m_bevelWidth, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow);
  };
  bevel(m_bevelOuter);
  rings(m_borderWidth, m_color, m_color);
  bevel(m_bevelInner);
}

void TKIVScrollText::DrawText(TBitmap32& target) {
  if (m_strings.Count() == 0) return;
  const TSize size = TextSize();
  const TPoint at = ScrollPosition();
  const TRect area = TextArea();
  const TRect block = TRect::FromSize(area.left + at.x, area.top + at.y, size.width, size.height);
  TCanvas canvas(target.View());
  canvas.IntersectClip(area);
  canvas.SetFont(m_font);
  canvas.Brush().style = TBrushStyle::bsClear;
  const std::string text = m_strings.Text();
  const bool antialias = Antialiased();
  const uint32_t flags = AlignmentFlag(m_alignment) | DT_NOPREFIX | DT_NOCLIP;
  if (m_textStyle != TKIVCoolButtonTextStyle::abtNormal) {
    const int32_t d = m_textStyle == TKIVCoolButtonTextStyle::abtLowered ? 1 : -1;
    canvas.Font().color = m_textShadowColor;
    DrawTextRect(canvas, text, block.Offset(d, d), antialias, flags);
    canvas.Font().color = m_font.Color();
  }
  DrawTextRect(canvas, text, block, antialias, flags);
}
