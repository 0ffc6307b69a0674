#include "text/rich_edit.h"

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
          .String("FileName", Field(&C::m_fileName))
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
}
