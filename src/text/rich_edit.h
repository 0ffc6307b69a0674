#pragma once
// TKIVRichEdit, a read-only rich-text control whose RTF is stored in the document or read from a
// file on the medium, with clickable web links; and TCustomRichEdit, the platform rich edit it
// builds on.
//
// The window paints the rich edit's border and its background colour; the text is drawn above
// them by its component, a read-only rich-text view fed by the project's RTF reader and placed
// over the client area.

#include <cstdint>
#include <memory>
#include <string>

#include "model/control.h"
#include "model/menu_enums.h"
#include "model/strings.h"
#include "text/text_box.h"
#include "window/component_host.h"

TELVO_ENUM(TRichStreamFormat, sfDefault, sfRichText, sfPlainText)
// Set element types (bit n = ordinal n).
extern const TEnumType kClipboardCommandType;  // caCopy, caCut, caPaste, caClear, caUndo
extern const TEnumType kRichLangOptionType;    // rlAutoKeyboard, rlAutoFont, rlImeCancelComplete, rlImeAlwaysSendNotify
extern const TEnumType kRichStreamModeType;    // smSelection, smPlainRtf, smNoObjects, smUnicode
inline constexpr uint32_t kAllClipboardCommands = 0x1F;
inline constexpr uint32_t kLangAutoFont = 0x2;

// The platform rich edit: the memo's settings plus the rich-text ones, all unpublished until a
// descendant publishes them, with the platform's stream defaults.
class TCustomRichEdit : public TCustomMemo {
 public:
  TCustomRichEdit();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
  TRunModeCursor RunModeCursorKind() const override { return TRunModeCursor::RichText; }

  bool AutoURLDetect() const { return m_autoURLDetect; }
  bool PlainText() const { return m_plainText; }
  int32_t ZoomPercent() const { return m_zoomPercent; }

 protected:
  bool m_hideScrollBars = true;
  TColor m_hintColor = clDefault;
  bool m_advancedTypography = false;
  bool m_autoAdvancedTypography = true;
  bool m_autoURLDetect = true;
  bool m_autoVerbMenu = true;
  bool m_allowObjects = true;
  bool m_allowInPlace = true;
  uint32_t m_clipboardCommands = kAllClipboardCommands;
  bool m_forceUndo = true;
  uint32_t m_langOptions = kLangAutoFont;
  bool m_oleDragDrop = true;
  bool m_plainText = false;
  bool m_selectionBar = true;
  std::string m_selText;
  TRichStreamFormat m_streamFormat = TRichStreamFormat::sfDefault;
  uint32_t m_streamMode = 0;
  std::string m_title;
  int32_t m_undoLimit = 100;
  bool m_useFixedPopup = true;
  bool m_wordSelection = true;
  int32_t m_zoomPercent = 100;
};

class TRichEditComponent;

class TKIVRichEdit : public TCustomRichEdit, public TComponentHost {
 public:
  TKIVRichEdit();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // The RTF source.
  TStrings* RichLines() { return &m_richLines; }
  const TStrings& RichLines() const { return m_richLines; }
  // Whether the document carries the text in RichLines; otherwise FileName is read.
  bool StoreText() const { return m_storeText; }
  // RTF file as stored (path macros not expanded).
  const std::string& FileName() const { return m_fileName; }
  // Setting another name stores it and, unless the document is being read with StoreText on,
  // reads the file (path macros expanded, a Windows path reaching its Linux file; a regular
  // file only, without waiting, up to a size limit) into RichLines, or clears RichLines when it
  // cannot be read.
  void SetFileName(std::string fileName);
  TKIVTextBoxBorderStyle ExBorderStyle() const { return m_exBorderStyle; }
  TColor BorderColor() const { return m_borderColor; }
  bool DesignMode() const { return m_designMode; }
  // A change shows the arrow cursor in design mode and the default cursor otherwise.
  void SetDesignMode(bool designMode) override;
  const std::string& IAName() const { return m_iaName; }

  // The client area inside the border.
  TRect ClientArea() const;
  // Takes the rich-text view and shows RichLines in it.
  void AttachComponent(std::unique_ptr<TRichEditComponent> component);
  TWidgetComponent* Component() const override { return m_component.Get(); }
  void DetachComponent() override { m_component.Reset(); }
  // The view shows RichLines again, read as RTF (after they changed).
  void ShowRichLines();
  // The control command "open": the view shows file (path macros expanded, a Windows path
  // reaching its Linux file; a regular file only, without waiting, up to a size limit) as RTF,
  // or as plain text when it is none; RichLines stay as stored. A missing file empties the view;
  // one that is there but cannot be read leaves it as it was.
  void OpenFile(const std::string& file);
  // A link's text opened through the menu's shell; "http://" is put before a bare "www."
  // address, which the desktop's opener would refuse.
  void OpenLink(const std::string& text);

  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) override;
  void SetVisible(bool visible) override;
  // Border and background colour, beneath the view's text; and the text itself where the view
  // is not on screen.
  bool PaintedByWindow() const override { return true; }
  void Paint(TCanvas& canvas) override;

 private:
  TStrings m_richLines;
  bool m_storeText = true;
  std::string m_fileName;
  TKIVTextBoxBorderStyle m_exBorderStyle = TKIVTextBoxBorderStyle::atbNormal;
  TColor m_borderColor = 0xFFCF90;
  bool m_designMode = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  std::string m_iaName;
  TWidgetSlot m_component{*this};
};
