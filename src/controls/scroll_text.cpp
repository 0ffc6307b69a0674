#include "controls/scroll_text.h"

#include "controls/legacy_bitmap.h"

#include <algorithm>

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
          .Enum("GlyphLayout", Field(&C::m_glyphLayout))
          .Object("BGGlyph", [](C& c) -> TPersistent* { return &c.m_bgGlyph; })
          .Enum("FillStyle", Field(&C::m_fillStyle))
          .Color("GradBeginColor", Field(&C::m_gradBeginColor))
          .Color("GradEndColor", Field(&C::m_gradEndColor))
          .Enum("GradStyle", Field(&C::m_gradStyle))
          .Enum("Alignment", Field(&C::m_alignment))
          .Object("Strings", [](C& c) -> TPersistent* { return &c.m_strings; })
          .Bool("Active", Field(&C::m_active))
          .Integer("Speed", Accessors(&C::Speed, &C::SetSpeed))
          .Enum("ScrollDirection", Field(&C::m_scrollDirection))
          .Bool("Transparent", Field(&C::m_transparent))
          .Enum("TextStyle", Field(&C::m_textStyle))
          .Color("TextShadowColor", Field(&C::m_textShadowColor))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("TextMode", Field(&C::m_textMode))
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

TKIVScrollText::TKIVScrollText() {
  m_width = 201;
  m_height = 137;
  m_bevelInner = TBevelCut::bvLowered;
  m_parentBackground = false;
  m_font.SetName("Arial");
  m_font.SetSize(8);
}

void TKIVScrollText::Loaded() {
  TCustomPanel::Loaded();
  AdoptLegacyBitmap(m_glyph, m_picture);
}

void TKIVScrollText::SetSpeed(int32_t speed) { m_speed = std::clamp(speed, 1, 100); }

void TKIVScrollText::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }
