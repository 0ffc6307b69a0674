#include "model/control.h"

#include <algorithm>
#include <cassert>

const TEnumType kAnchorKindType{"TAnchorKind", {"akLeft", "akTop", "akRight", "akBottom"}};
const TEnumType kBevelEdgeType{"TBevelEdge", {"beLeft", "beTop", "beRight", "beBottom"}};


const TClassInfo& TSizeConstraints::StaticClass() {
  using C = TSizeConstraints;
  static const TClassInfo* info = TClassBuilder<C>("TSizeConstraints", &TPersistent::StaticClass())
                                      .Integer("MaxHeight", Field(&C::m_maxHeight), 0)
                                      .Integer("MaxWidth", Field(&C::m_maxWidth), 0)
                                      .Integer("MinHeight", Field(&C::m_minHeight), 0)
                                      .Integer("MinWidth", Field(&C::m_minWidth), 0)
                                      .Build();
  return *info;
}

void TSizeConstraints::Assign(const TPersistent* source) {
  const TSizeConstraints none;
  const TSizeConstraints* from = source ? As<TSizeConstraints>(source) : &none;
  if (!from) AssignError(source);
  m_maxHeight = from->m_maxHeight;
  m_maxWidth = from->m_maxWidth;
  m_minHeight = from->m_minHeight;
  m_minWidth = from->m_minWidth;
}

const TClassInfo& TControl::StaticClass() {
  using C = TControl;
  static const TClassInfo* info =
      TClassBuilder<C>("TControl", &TComponent::StaticClass())
          .Integer("Left", Accessors(&C::Left, &C::SetLeft))
          .Integer("Top", Accessors(&C::Top, &C::SetTop))
          .Integer("Width", Accessors(&C::Width, &C::SetWidth))
          .Integer("Height", Accessors(&C::Height, &C::SetHeight))
          .Cursor("Cursor", Field(&C::m_cursor), crDefault)
          .String("Hint", Field(&C::m_hint))
          .Enum("HelpType", Field(&C::m_helpType), THelpType::htContext)
          .String("HelpKeyword", Field(&C::m_helpKeyword))
          .Integer("HelpContext", Field(&C::m_helpContext), 0)
          .Defined({"IsControl", [](TPersistent& o, TValueReader& r) { static_cast<C&>(o).m_isControl = r.ReadBoolean(); },
                    [](const TPersistent& o, TValueWriter& w) { w.WriteBoolean(static_cast<const C&>(o).m_isControl); },
                    [](const TPersistent& o) { return static_cast<const C&>(o).m_isControl; }})
          .Unpublished()
          .Enum("Align", Field(&C::m_align), TAlign::alNone)
          .Set("Anchors", Field(&C::m_anchors), kAnchorKindType, kAnchorsLeftTop)
          .Bool("AutoSize", Field(&C::m_autoSize), false)
          .Enum("BiDiMode", Field(&C::m_biDiMode))
          .String("Caption", Accessors(&C::Caption, &C::SetCaption))
          .Color("Color", Accessors(&C::Color, &C::SetColor))
          .Object("Constraints", [](C& c) -> TPersistent* { return &c.m_constraints; })
          .Cursor("DragCursor", Field(&C::m_dragCursor), crDrag)
          .Enum("DragKind", Field(&C::m_dragKind), TDragKind::dkDrag)
          .Enum("DragMode", Field(&C::m_dragMode), TDragMode::dmManual)
          .Bool("Enabled", Accessors(&C::Enabled, &C::SetEnabled), true)
          .Object("Font", [](C& c) -> TPersistent* { return &c.m_font; })
          .Bool("ParentBiDiMode", Field(&C::m_parentBiDiMode), true)
          .Bool("ParentColor", Field(&C::m_parentColor), true)
          .Bool("ParentFont", Field(&C::m_parentFont), true)
          .Bool("ParentShowHint", Field(&C::m_parentShowHint), true)
          .Reference("PopupMenu", Field(&C::m_popupMenu), TComponent::StaticClass())
          .Bool("ShowHint", Field(&C::m_showHint))
          .Bool("Visible", Accessors(&C::Visible, &C::SetVisible), true)
          .Events("OnCanResize", "OnClick", "OnConstrainedResize", "OnContextPopup", "OnDblClick", "OnDragDrop",
                  "OnDragOver", "OnEndDock", "OnEndDrag", "OnMouseActivate", "OnMouseDown", "OnMouseEnter",
                  "OnMouseLeave", "OnMouseMove", "OnMouseUp", "OnMouseWheel", "OnMouseWheelDown",
                  "OnMouseWheelUp", "OnResize", "OnStartDock", "OnStartDrag")
          .Build();
  return *info;
}

TControl::TControl() {
  m_font.SetOnChange([this] {
    if (!m_assigningParentFont) m_parentFont = false;
  });
}

TControl::~TControl() { SetParent(nullptr); }

void TControl::SetParent(TWinControl* newParent) {
  if (m_parent) {
    // Searched from the last: a window destroys its controls newest first.
    auto& siblings = m_parent->m_controls;
    if (auto it = std::find(siblings.rbegin(), siblings.rend(), this); it != siblings.rend())
      siblings.erase(std::next(it).base());
  }
  m_parent = newParent;
  if (m_parent) m_parent->m_controls.push_back(this);
}

void TControl::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  m_left = left;
  m_top = top;
  m_width = width;
  m_height = height;
}

void TControl::Invalidate() {
  if (m_parent) m_parent->InvalidateArea(m_left, m_top, m_width, m_height);
}

void TControl::AssignParentFont(const TFont& font) {
  m_assigningParentFont = true;
  m_font.Assign(&font);
  m_assigningParentFont = false;
}

const TClassInfo& TGraphicControl::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TGraphicControl>("TGraphicControl", &TControl::StaticClass()).Build();
  return *info;
}

const TClassInfo& TWinControl::StaticClass() {
  using C = TWinControl;
  static const TClassInfo* info =
      TClassBuilder<C>("TWinControl", &TControl::StaticClass())
          .Defined({"DesignSize",
                    [](TPersistent& o, TValueReader& r) {
                      auto& c = static_cast<C&>(o);
                      r.ReadListBegin();
                      c.m_designWidth = static_cast<int32_t>(r.ReadInteger());
                      c.m_designHeight = static_cast<int32_t>(r.ReadInteger());
                      r.ReadListEnd();
                    },
                    [](const TPersistent& o, TValueWriter& w) {
                      auto& c = static_cast<const C&>(o);
                      w.WriteListBegin();
                      w.WriteInteger(c.m_designWidth);
                      w.WriteInteger(c.m_designHeight);
                      w.WriteListEnd();
                    },
                    [](const TPersistent&) { return true; }})
          .Unpublished()
          .Integer("TabOrder", Field(&C::m_tabOrder), -1)
          .Bool("TabStop", Field(&C::m_tabStop), false)
          .Bool("Ctl3D", Field(&C::m_ctl3D))
          .Bool("ParentCtl3D", Field(&C::m_parentCtl3D), true)
          .Bool("DockSite", Field(&C::m_dockSite), false)
          .Bool("UseDockManager", Field(&C::m_useDockManager), true)
          .Set("BevelEdges", Field(&C::m_bevelEdges), kBevelEdgeType, kAllBevelEdges)
          .Enum("BevelInner", Field(&C::m_bevelInner), TBevelCut::bvRaised)
          .Enum("BevelOuter", Field(&C::m_bevelOuter), TBevelCut::bvLowered)
          .Enum("BevelKind", Field(&C::m_bevelKind), TBevelKind::bkNone)
          .Integer("BevelWidth", Field(&C::m_bevelWidth), 1)
          .Integer("BorderWidth", Field(&C::m_borderWidth), 0)
          .Enum("ImeMode", Field(&C::m_imeMode), TImeMode::imDontCare)
          .String("ImeName", Field(&C::m_imeName))
          .Bool("ParentBackground", Field(&C::m_parentBackground))
          .Bool("DoubleBuffered", Field(&C::m_doubleBuffered))
          .Events("OnDockDrop", "OnDockOver", "OnEnter", "OnExit", "OnGetSiteInfo", "OnKeyDown", "OnKeyPress",
                  "OnKeyUp", "OnUnDock")
          .Build();
  return *info;
}

TWinControl::~TWinControl() {
  // Children outlive their parent's window part while the owner destroys them; detach them first.
  for (TControl* child : m_controls) child->m_parent = nullptr;
}

void TWinControl::InvalidateArea(int32_t left, int32_t top, int32_t width, int32_t height) {
  if (Parent())
    Parent()->InvalidateArea(m_left + left, m_top + top, width, height);
  else if (m_onInvalidate)
    m_onInvalidate(left, top, width, height);
}

void TWinControl::SetChildOrder(TControl* child, int index) {
  auto it = std::find(m_controls.begin(), m_controls.end(), child);
  if (it == m_controls.end()) return;
  m_controls.erase(it);
  index = std::clamp(index, 0, static_cast<int>(m_controls.size()));
  m_controls.insert(m_controls.begin() + index, child);
}

const TClassInfo& TCustomControl::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TCustomControl>("TCustomControl", &TWinControl::StaticClass()).Build();
  return *info;
}
