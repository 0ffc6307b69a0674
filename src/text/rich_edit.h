#pragma once
// TKIVRichEdit, a read-only rich-text control whose RTF is stored in the document or read from a
// file on the medium, with clickable web links; and TCustomRichEdit, the platform rich edit it
// builds on. Here both are their stored form; the RTF reader and the text view build on it.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "model/menu_enums.h"
#include "model/strings.h"
#include "text/text_box.h"

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

class TKIVRichEdit : public TCustomRichEdit {
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
  TKIVTextBoxBorderStyle ExBorderStyle() const { return m_exBorderStyle; }
  TColor BorderColor() const { return m_borderColor; }
  bool DesignMode() const { return m_designMode; }
  // A change shows the arrow cursor in design mode and the default cursor otherwise.
  void SetDesignMode(bool designMode) override;
  const std::string& IAName() const { return m_iaName; }

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
};
