#include "text/rich_edit.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "actions/control_path.h"
#include "actions/regular_file.h"
#include "graphics/colors.h"
#include "graphics/raster.h"
#include "text/code_page.h"
#include "text/rich_edit_component.h"
#include "text/rtf_reader.h"
#include "text/text_border.h"
#include "window/menu_context.h"

namespace {

// Larger RTF files are not read: the whole text is held and parsed at once.
constexpr uint64_t kMaxRtfBytes = uint64_t{64} << 20;

// Plain text as a document: one paragraph a line, in the control's font (its size given).
TRtfDocument PlainDocument(const std::string& text, int32_t sizePoints) {
  TStrings lines;
  lines.SetText(text);
  TRtfDocument document;
  TRtfCharFormat format;
  format.fontSizeHalfPoints = sizePoints * 2;
  for (const std::string& line : lines.Lines()) {
    TRtfParagraph paragraph;
    if (!line.empty()) paragraph.runs.push_back({line, format});
    document.paragraphs.push_back(std::move(paragraph));
  }
  return document;
}

}  // namespace

const TEnumType kClipboardCommandType{"TClipboardCommand", {"caCopy", "caCut", "caPaste", "caClear", "caUndo"}};
const TEnumType kRichLangOptionType{"TRichLangOption",
                                    {"rlAutoKeyboard", "rlAutoFont", "rlImeCancelComplete", "rlImeAlwaysSendNotify"}};
const TEnumType kRichStreamModeType{"TRichStreamMode", {"smSelection", "smPlainRtf", "smNoObjects", "smUnicode"}};


const TClassInfo& TCustomRichEdit::StaticClass() {
  using C = TCustomRichEdit;
  static const TClassInfo* info =
      TClassBuilder<C>("TCustomRichEdit", &TCustomMemo::StaticClass())
          .Unpublished()
          .Bool("HideScrollBars", Field(&C::m_hideScrollBars), true)
          .Color("HintColor", Field(&C::m_hintColor), clDefault)
          .Bool("AdvancedTypography", Field(&C::m_advancedTypography))
          .Bool("AutoAdvancedTypography", Field(&C::m_autoAdvancedTypography), true)
          .Bool("AutoURLDetect", Field(&C::m_autoURLDetect), true)
          .Bool("AutoVerbMenu", Field(&C::m_autoVerbMenu), true)
          .Bool("AllowObjects", Field(&C::m_allowObjects), true)
          .Bool("AllowInPlace", Field(&C::m_allowInPlace), true)
          .Set("ClipboardCommands", Field(&C::m_clipboardCommands), kClipboardCommandType, kAllClipboardCommands)
          .Bool("ForceUndo", Field(&C::m_forceUndo), true)
          .Set("LangOptions", Field(&C::m_langOptions), kRichLangOptionType, kLangAutoFont)
          .Bool("OLEDragDrop", Field(&C::m_oleDragDrop), true)
          .Bool("PlainText", Field(&C::m_plainText), false)
          .Bool("SelectionBar", Field(&C::m_selectionBar), true)
          .String("SelText", Field(&C::m_selText))
          .Enum("StreamFormat", Field(&C::m_streamFormat), TRichStreamFormat::sfDefault)
          .Set("StreamMode", Field(&C::m_streamMode), kRichStreamModeType, 0)
          .String("Title", Field(&C::m_title))
          .Integer("UndoLimit", Field(&C::m_undoLimit), 100)
          .Bool("UseFixedPopup", Field(&C::m_useFixedPopup), true)
          .Bool("WordSelection", Field(&C::m_wordSelection), true)
          .Integer("Zoom", Field(&C::m_zoomPercent), 100)
          .Event("OnSelectionChange")
          .Build();
  return *info;
}

TCustomRichEdit::TCustomRichEdit() { m_scrollBars = TScrollStyle::ssBoth; }

const TClassInfo& TKIVRichEdit::StaticClass() {
  using C = TKIVRichEdit;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVRichEdit", &TCustomRichEdit::StaticClass())
          .Object("RichLines", [](C& c) -> TPersistent* { return &c.m_richLines; })
          .Bool("StoreText", Field(&C::m_storeText))
          .String("FileName", Accessors(&C::FileName, &C::SetFileName))
          .Enum("ExBorderStyle", Field(&C::m_exBorderStyle))
          .Color("BorderColor", Field(&C::m_borderColor))
          .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .String("IAName", Field(&C::m_iaName))
          // The rich edit's and the platform's properties, some with the rich edit's own
          // stream defaults.
          .PublishAll("Align", "Alignment", "Anchors", "BiDiMode", "BorderStyle", "BorderWidth")
          .Publish("Color", clWindow)
          .PublishAll("Constraints", "DragCursor", "DragKind", "DragMode", "Enabled", "Font", "HideSelection",
                      "HideScrollBars", "HintColor", "ImeMode", "ImeName", "MaxLength", "ParentBiDiMode")
          .Publish("ParentColor", false)
          .PublishAll("ParentFont", "ParentShowHint", "PopupMenu", "ReadOnly")
          .Publish("ScrollBars", static_cast<int64_t>(TScrollStyle::ssBoth))
          .PublishAll("ShowHint", "TabOrder")
          .Publish("TabStop", true)
          .PublishAll("Visible", "WantReturns", "WantTabs", "WordWrap", "AdvancedTypography",
                      "AutoAdvancedTypography", "AutoURLDetect", "AutoVerbMenu", "AllowObjects", "AllowInPlace",
                      "ClipboardCommands", "ForceUndo", "LangOptions", "OLEDragDrop", "PlainText", "SelectionBar",
                      "SelText", "StreamFormat", "StreamMode", "Title", "UndoLimit", "UseFixedPopup",
                      "WordSelection", "Zoom")
          .PublishAll("OnChange", "OnClick", "OnContextPopup", "OnDblClick", "OnDragDrop", "OnDragOver", "OnEndDock",
                      "OnEndDrag", "OnEnter", "OnExit", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseActivate",
                      "OnMouseDown", "OnMouseEnter", "OnMouseLeave", "OnMouseMove", "OnMouseUp", "OnMouseWheel",
                      "OnMouseWheelDown", "OnMouseWheelUp", "OnSelectionChange", "OnStartDock", "OnStartDrag")
          .Build();
  return *info;
}

TKIVRichEdit::TKIVRichEdit() {
  m_width = 201;
  m_height = 121;
  m_cursor = crArrow;
  m_readOnly = true;
  m_allowInPlace = false;
  m_autoVerbMenu = false;
  m_tabStop = false;
}

void TKIVRichEdit::SetDesignMode(bool designMode) {
  if (designMode == m_designMode) return;
  m_designMode = designMode;
  m_cursor = designMode ? crArrow : crDefault;
  if (auto* view = static_cast<TRichEditComponent*>(m_component.Get())) view->SetDesignMode(designMode);
}

void TKIVRichEdit::SetFileName(std::string fileName) {
  if (fileName == m_fileName) return;
  m_fileName = std::move(fileName);
  const TComponent* window = Owner();
  if (m_storeText && ((window && window->IsLoading()) || IsLoading())) return;
  const std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(ControlFilePath(*this, m_fileName), kMaxRtfBytes);
  m_richLines.SetText(bytes ? std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size())
                            : std::string_view());
  ShowRichLines();
}

TRect TKIVRichEdit::ClientArea() const { return TextClientArea(m_exBorderStyle, m_width, m_height); }

void TKIVRichEdit::AttachComponent(std::unique_ptr<TRichEditComponent> component) {
  TRichEditComponent* view = component.get();
  m_component.Adopt(std::move(component), ClientArea());
  view->SetDesignMode(m_designMode);
  view->SetLinkClicked([this](const std::string& text) { OpenLink(text); });
  ShowRichLines();
}

void TKIVRichEdit::ShowRichLines() {
  auto* view = static_cast<TRichEditComponent*>(m_component.Get());
  if (!view) return;
  view->SetDocument(ReadRtf(m_richLines.Text()), TCanvasFont::From(m_font), m_autoURLDetect);
}

void TKIVRichEdit::OpenFile(const std::string& file) {
  auto* view = static_cast<TRichEditComponent*>(m_component.Get());
  if (!view) return;
  const std::string path = ControlFilePath(*this, file);
  std::error_code error;
  if (!std::filesystem::exists(path, error)) {
    view->SetDocument({}, TCanvasFont::From(m_font), m_autoURLDetect);
    return;
  }
  const std::optional<std::vector<uint8_t>> bytes = ReadRegularFile(path, kMaxRtfBytes);
  if (!bytes) return;
  const std::string_view text(reinterpret_cast<const char*>(bytes->data()), bytes->size());
  view->SetDocument(IsRtf(text) ? ReadRtf(text) : PlainDocument(DecodeTextFile(*bytes, m_font.Charset()), m_font.Size()),
                    TCanvasFont::From(m_font), m_autoURLDetect);
}

void TKIVRichEdit::OpenLink(const std::string& text) {
  if (m_designMode) return;
  const TMenuContext* context = MenuContextOf(*this);
  if (!context || !context->services.shell) return;
  const bool bareWeb = text.size() > 4 && std::equal(text.begin(), text.begin() + 4, "www.",
                                                     [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
  context->services.shell->ShellExecute({"open", bareWeb ? "http://" + text : text, "", "", TShowMode::Normal},
                                        [](int) {});
}

void TKIVRichEdit::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  TCustomRichEdit::SetBounds(left, top, width, height);
  m_component.Place(ClientArea());
}

void TKIVRichEdit::SetVisible(bool visible) {
  TCustomRichEdit::SetVisible(visible);
  m_component.Place(ClientArea());
}

void TKIVRichEdit::Paint(TCanvas& canvas) {
  const TRect client = ClientArea();
  const TCanvasArea area = canvas.Area();
  FillRect(area.view, area.Place(client), ColorToPixel(m_color));
  PaintTextBorder(canvas, m_exBorderStyle, m_width, m_height, m_borderColor, m_color);
  m_component.Render(canvas, client);
}
