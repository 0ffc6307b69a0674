#include "text/text_box.h"

#include <algorithm>
#include <vector>


const TClassInfo& TCustomMemo::StaticClass() {
  using C = TCustomMemo;
  static const TClassInfo* info =
      TClassBuilder<C>("TCustomMemo", &TWinControl::StaticClass())
          .Unpublished()
          .Enum("Alignment", Field(&C::m_alignment), TAlignment::taLeftJustify)
          .Enum("BorderStyle", Field(&C::m_borderStyle), TBorderStyle::bsSingle)
          .Bool("HideSelection", Field(&C::m_hideSelection), true)
          .Object("Lines", [](C& c) -> TPersistent* { return &c.m_lines; })
          .Integer("MaxLength", Field(&C::m_maxLength), 0)
          .Bool("OEMConvert", Field(&C::m_oemConvert), false)
          .Bool("ReadOnly", Field(&C::m_readOnly), false)
          .Enum("ScrollBars", Field(&C::m_scrollBars), TScrollStyle::ssNone)
          .String("Text", Accessors(&C::Text, &C::SetText))
          .Bool("WantReturns", Field(&C::m_wantReturns), true)
          .Bool("WantTabs", Field(&C::m_wantTabs), false)
          .Bool("WordWrap", Field(&C::m_wordWrap), true)
          .Event("OnChange")
          .Build();
  return *info;
}

TCustomMemo::TCustomMemo() {
  m_width = 185;
  m_height = 89;
  m_tabStop = true;
  m_color = clWindow;
  m_parentColor = false;
}

std::string TCustomMemo::Text() const {
  std::string text;
  for (int i = 0; i < m_lines.Count(); ++i) {
    if (i > 0) text += "\r\n";
    text += m_lines[i];
  }
  return text;
}

void TCustomMemo::SetText(std::string text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
    start = end + 1;
  }
  m_lines.SetLines(std::move(lines));
}

const TClassInfo& TKIVTextBox::StaticClass() {
  using C = TKIVTextBox;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVTextBox", &TCustomMemo::StaticClass())
          .Enum("FillStyle", Field(&C::m_fillStyle))
          .Enum("GradStyle", Field(&C::m_gradStyle))
          .Color("GradBeginColor", Field(&C::m_gradBeginColor))
          .Color("GradEndColor", Field(&C::m_gradEndColor))
          .Object("Glyph", [](C& c) -> TPersistent* { return &c.m_glyph; })
          .Bool("Transparent", Field(&C::m_transparent))
          .Integer("Opacity", Accessors(&C::Opacity, &C::SetOpacity), 100)
          .Enum("ExBorderStyle", Field(&C::m_exBorderStyle))
          .Color("BorderColor", Field(&C::m_borderColor))
          .Bool("SingleLine", Accessors(&C::SingleLine, &C::SetSingleLine))
          .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .String("IAName", Field(&C::m_iaName))
          .PublishAll("OnMouseEnter", "OnMouseLeave")
          // The memo's and the platform's properties.
          .PublishAll("Align", "Alignment", "Anchors", "BiDiMode", "Color", "Constraints", "Ctl3D", "DragCursor",
                      "DragKind", "DragMode", "Enabled", "Font", "HideSelection", "ImeMode", "ImeName", "Lines",
                      "MaxLength", "OEMConvert", "ParentBiDiMode", "ParentColor", "ParentCtl3D", "ParentFont",
                      "ParentShowHint", "PopupMenu", "ScrollBars", "ShowHint", "TabOrder", "Text", "Visible",
                      "WantReturns", "WantTabs", "WordWrap")
          .PublishAll("OnChange", "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                      "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseActivate",
                      "OnMouseDown", "OnMouseMove", "OnMouseUp", "OnStartDock", "OnStartDrag")
          .Build();
  return *info;
}

TKIVTextBox::TKIVTextBox() {
  m_width = 201;
  m_height = 121;
  m_cursor = crArrow;
  m_readOnly = true;
  m_tabStop = false;
  m_parentBackground = false;
  m_font.SetName("Arial");
  m_font.SetSize(8);
}

void TKIVTextBox::SetOpacity(int32_t percent) { m_opacity = std::clamp(percent, 0, 100); }

void TKIVTextBox::SetSingleLine(bool singleLine) {
  m_singleLine = singleLine;
  if (!singleLine) return;
  if (m_lines.Count() > 1) m_lines.SetLines({m_lines[0]});
  m_scrollBars = TScrollStyle::ssNone;
}
