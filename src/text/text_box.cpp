#include "text/text_box.h"

#include <algorithm>
#include <filesystem>
#include <vector>

#include "actions/control_path.h"
#include "actions/regular_file.h"
#include "graphics/colors.h"
#include "graphics/gradient.h"
#include "graphics/raster.h"
#include "graphics/text_render.h"
#include "text/code_page.h"
#include "text/text_border.h"
#include "text/text_box_component.h"
#include "window/control_composite.h"

namespace {

// Larger files are not read into a text box: the whole text is held at once.
constexpr uint64_t kMaxTextFileBytes = uint64_t{16} << 20;

}  // namespace

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

void TCustomMemo::SetText(std::string text) { m_lines.SetText(text); }

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
  ShowLines();
}

void TKIVTextBox::SetDesignMode(bool designMode) {
  m_designMode = designMode;
  if (auto* editor = static_cast<TTextBoxComponent*>(m_component.Get())) editor->SetDesignMode(designMode);
}

TRect TKIVTextBox::ClientArea() const { return TextClientArea(m_exBorderStyle, m_width, m_height); }

TTextBoxLook TKIVTextBox::Look() const {
  TTextBoxLook look;
  look.font = TCanvasFont::From(m_font);
  look.alignment = m_alignment;
  look.wordWrap = m_wordWrap;
  look.scrollBars = m_scrollBars;
  // The Windows edit control puts lines one cell height apart, without the font's leading.
  TBitmap32 measuring(1, 1);
  TCanvas canvas(measuring.View());
  canvas.Font() = look.font;
  look.linePitch = MeasureTextHeight(canvas, "Wg", false, 0);
  return look;
}

void TKIVTextBox::AttachComponent(std::unique_ptr<TTextBoxComponent> component) {
  TTextBoxComponent* editor = component.get();
  m_component.Adopt(std::move(component), ClientArea());
  editor->SetLook(Look());
  editor->SetDesignMode(m_designMode);
  ShowLines();
}

void TKIVTextBox::ShowLines() {
  if (auto* editor = static_cast<TTextBoxComponent*>(m_component.Get())) editor->SetText(Text());
}

void TKIVTextBox::OpenFile(const std::string& file) {
  const std::string path = ControlFilePath(*this, file);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    m_lines.Clear();
  } else {
    const std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(path, kMaxTextFileBytes);
    if (!bytes) return;
    m_lines.SetText(DecodeTextFile(*bytes, m_font.Charset()));
    if (m_singleLine && m_lines.Count() > 1) m_lines.SetLines({m_lines[0]});
  }
  ShowLines();
}

void TKIVTextBox::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TCustomMemo::SetBounds(left, top, width, height);
  m_component.Place(ClientArea());
}

void TKIVTextBox::SetVisible(bool visible) {
  TCustomMemo::SetVisible(visible);
  m_component.Place(ClientArea());
}

void TKIVTextBox::Paint(TCanvas& canvas) {
  const TRect client = ClientArea();
  // The fill is drawn over what lies beneath and shown faded by Opacity; a transparent text box
  // shows what lies beneath as it is.
  if (!m_transparent) {
    TBitmap32 surface = CaptureBackground(*this);
    const TBitmapView fill = surface.View().SubView(client);
    const TRect whole{0, 0, client.Width(), client.Height()};
    const TDecodedPicture* glyph = m_glyph.Empty() ? nullptr : m_glyphCache.Get(m_glyph);
    if (m_fillStyle == TKIVFillStyle::afsGradient)
      FillGradient(fill, whole, m_gradBeginColor, m_gradStyle, m_gradEndColor);
    else if (m_fillStyle == TKIVFillStyle::afsGlyph && glyph && !glyph->bitmap.Empty())
      DrawTiled(fill, whole, glyph->bitmap.View());
    else
      FillRect(fill, whole, ColorToPixel(m_color));
    CompositeOpacity(*this, m_opacity, surface, canvas);
  }
  PaintTextBorder(canvas, m_exBorderStyle, m_width, m_height, m_borderColor, m_color);
  m_component.Render(canvas, client);
}
