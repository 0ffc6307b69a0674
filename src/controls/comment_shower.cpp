#include "controls/comment_shower.h"

#include <algorithm>

#include "graphics/rect_frames.h"
#include "graphics/text_render.h"
#include "window/control_composite.h"

const TClassInfo& TKIVCommentShower::StaticClass() {
  using C = TKIVCommentShower;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVCommentShower", &TGraphicControl::StaticClass())
          .Enum("Alignment", Accessors(&C::Alignment, &C::SetAlignment), TAlignment::taLeftJustify)
          .Bool("WordWrap", Accessors(&C::WordWrap, &C::SetWordWrap), false)
          .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Accessors(&C::TextMode, &C::SetTextMode))
          .PublishAll("Align", "Anchors", "Font", "ParentColor", "ParentFont", "Visible", "OnClick", "OnDblClick",
                      "OnMouseDown", "OnMouseMove", "OnMouseUp")
          .Build();
  return *info;
}

TKIVCommentShower::TKIVCommentShower() {
  m_width = 201;
  m_height = 105;
  m_font.SetName("Arial");
  m_font.SetSize(9);
}

void TKIVCommentShower::SetOpacity(int32_t percent) {
  m_opacity = std::clamp(percent, 0, 100);
  Invalidate();
}

void TKIVCommentShower::SetAlignment(TAlignment alignment) {
  if (alignment == m_alignment) return;
  m_alignment = alignment;
  Invalidate();
}

void TKIVCommentShower::SetWordWrap(bool wordWrap) {
  if (wordWrap == m_wordWrap) return;
  m_wordWrap = wordWrap;
  Invalidate();
}

void TKIVCommentShower::SetTextMode(TKIVTextRenderMode mode) {
  if (mode == m_textMode) return;
  m_textMode = mode;
  Invalidate();
}

void TKIVCommentShower::SetDesignMode(bool designMode) {
  m_designMode = designMode;
  Invalidate();
}

void TKIVCommentShower::SetCaption(std::string caption) {
  if (caption == m_caption) return;
  TGraphicControl::SetCaption(std::move(caption));
  if (m_visible) Invalidate();
}

void TKIVCommentShower::Paint(TCanvas& canvas) {
  TBitmap32 surface = CaptureBackground(*this);
  TCanvas text(surface.View());
  text.SetFont(m_font);
  text.Brush().style = TBrushStyle::bsClear;
  uint32_t flags = DT_NOPREFIX | DT_EXPANDTABS;
  if (m_alignment == TAlignment::taRightJustify) flags |= DT_RIGHT;
  if (m_alignment == TAlignment::taCenter) flags |= DT_CENTER;
  if (m_wordWrap) flags |= DT_WORDBREAK;
  DrawTextRect(text, m_caption, {0, 0, m_width, m_height}, m_textMode == TKIVTextRenderMode::atmAntiAlias, flags);
  if (m_designMode) DrawDottedFrame(text, {0, 0, m_width, m_height});
  CompositeOpacity(*this, m_opacity, surface, canvas);
}

const TClassInfo& TKIVGraphicCommentShower::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TKIVGraphicCommentShower>("TKIVGraphicCommentShower", &TKIVImage::StaticClass()).Build();
  return *info;
}

TKIVGraphicCommentShower::TKIVGraphicCommentShower() {
  m_width = 201;
  m_height = 105;
}
