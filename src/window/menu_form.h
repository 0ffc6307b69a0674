#pragma once
// The menu window as stored: the root of every menu document, with its pages, background,
// frame, splash and end screens, hint settings, music, launch settings and translations.
// TfrmMain is the run-time class: it adds the event handlers a document binds by name.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "model/custom_data.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/records.h"
#include "model/strings.h"

TELVO_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
TELVO_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
           poMainFormCenter, poOwnerFormCenter)
TELVO_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
TELVO_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
TELVO_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
extern const TEnumType kBorderIconType;  // biSystemMenu, biMinimize, biMaximize, biHelp
inline constexpr uint32_t biSystemMenu = 1;
inline constexpr uint32_t biMinimize = 2;

// A window scroll bar as stored ("HorzScrollBar.Visible").
class TControlScrollBar : public TPersistent {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  int32_t m_increment = 8;
  int32_t m_margin = 0;
  int32_t m_position = 0;
  int32_t m_range = 0;
  bool m_smooth = false;
  bool m_tracking = false;
  bool m_visible = true;
};

class TKIVForm : public TWinControl {
 public:
  TKIVForm();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Applies the stored client size, fills the process-wide message texts from TextTranslation
  // (an empty key keeps its default) and lets each control on the window re-read them.
  void Loaded() override;

  // Client size: 0 means not stored (the window derives it from Width and Height).
  int32_t ClientWidth() const { return m_clientWidth; }
  int32_t ClientHeight() const { return m_clientHeight; }
  void SetClientWidth(int32_t v) { m_clientWidth = v; }
  void SetClientHeight(int32_t v) { m_clientHeight = v; }

  int32_t GridX() const { return m_gridX; }
  void SetGridX(int32_t v);
  int32_t GridY() const { return m_gridY; }
  void SetGridY(int32_t v);
  int32_t SplashDelay() const { return m_splashDelay; }
  void SetSplashDelay(int32_t seconds);
  int32_t EndScreenDelay() const { return m_endScreenDelay; }
  void SetEndScreenDelay(int32_t seconds);
  int32_t StartupPage() const { return m_startupPage; }
  void SetStartupPage(int32_t page);
  int32_t AlphaValue() const { return m_alphaValue; }
  void SetAlphaValue(int32_t percent);
  int32_t HintOpacity() const { return m_hintOpacity; }
  void SetHintOpacity(int32_t percent);

  TStrings* Pages() { return &m_pages; }
  TStrings* FontList() { return &m_fontList; }
  TIcon* Icon() { return &m_icon; }
  TIconData* IconData() { return &m_iconData; }
  TCursorData* KIVCursor() { return &m_kivCursor; }
  TCursorData* KIVHotCursor() { return &m_kivHotCursor; }
  TCursorData* KIVEditCursor() { return &m_kivEditCursor; }
  TPicture* Picture() { return &m_picture; }
  TPicture* Splash() { return &m_splash; }
  TPicture* EndScreen() { return &m_endScreen; }
  TPicture* HintBGImage() { return &m_hintBGImage; }
  TFont* HintFont() { return &m_hintFont; }
  TAudioData* StartupSound() { return &m_startupSound; }
  TWaveData* CommonMouseEnterSound() { return &m_commonMouseEnterSound; }
  TWaveData* CommonMouseClickSound() { return &m_commonMouseClickSound; }
  TKIVUserVersion* UserVersion() { return &m_userVersion; }
  TKIVTextTranslation* TextTranslation() { return &m_textTranslation; }
  TControlScrollBar* HorzScrollBar() { return &m_horzScrollBar; }
  TControlScrollBar* VertScrollBar() { return &m_vertScrollBar; }

  // Inherited window properties.
  uint32_t m_borderIcons = biSystemMenu | biMinimize;
  TFormBorderStyle m_borderStyle = TFormBorderStyle::bsSizeable;
  bool m_keyPreview = true;
  bool m_scaled = false;
  int32_t m_pixelsPerInch = 96;
  int32_t m_textHeight = 0;
  bool m_ignoreFontProperty = false;
  bool m_oldCreateOrder = false;
  TPosition m_position = TPosition::poDesigned;
  TFormStyle m_formStyle = TFormStyle::fsNormal;
  TWindowState m_windowState = TWindowState::wsNormal;
  bool m_autoScroll = true;
  bool m_alphaBlend = false;
  int32_t m_alphaBlendValue = 255;
  bool m_transparentColor = false;
  TColor m_transparentColorValue = clBlack;

  // Own properties, in stream order.
  int32_t m_activePage = 0;
  int32_t m_pageCount = 0;
  bool m_alwaysShowPageZero = false;
  TKIVFillStyle m_backGround = TKIVFillStyle::afsNormal;
  bool m_designMode = false;
  TColor m_gradBeginColor = clBlue;
  TColor m_gradEndColor = clWhite;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  bool m_showGrid = false;
  bool m_autoMusic = false;
  bool m_autoPlayMusic = true;
  bool m_loop = false;
  bool m_topMost = false;
  TKIVWindowStyle m_windowStyle = TKIVWindowStyle::awsNormal;
  bool m_showSplash = false;
  bool m_shapedShow = false;
  bool m_splashFade = false;
  bool m_splashSkipWithESC = false;
  bool m_endScreenSameAsSplash = false;
  bool m_showEndScreen = false;
  bool m_endScreenShaped = false;
  bool m_endScreenFade = false;
  bool m_endScreenSkipWithESC = false;
  TKIVPosition m_hintDirection = TKIVPosition::apsRightTop;
  TColor m_hintBorderColor = clBlue;
  TColor m_hintColor = clYellow;
  TColor m_hintShadowColor = clPurple;
  int32_t m_hintShadowOffset = 4;
  TKIVFillStyle m_hintBGStyle = TKIVFillStyle::afsNormal;
  TKIVGradFillStyle m_hintGradStyle = TKIVGradFillStyle::agsLinearH;
  TColor m_hintGradBeginColor = clYellow;
  TColor m_hintGradEndColor = clRed;
  bool m_useCustomizedHint = false;
  int32_t m_custHintPause = 500;
  int32_t m_custHintHidePause = 2500;
  bool m_exitWithESC = false;
  bool m_hideTaskBar = false;
  bool m_hideAboutMenu = false;
  bool m_sysMsgBox = false;
  std::string m_launchApp;
  std::string m_launchParam;
  bool m_launchMax = false;
  bool m_launchWait = false;
  bool m_launchOnly = false;
  uint32_t m_groups = 0;
  bool m_moveWithAnyPoint = false;
  bool m_adminOnly = false;
  std::string m_adminMsg;
  bool m_minimizeToTrayIcon = false;
  bool m_customVersion = false;
  bool m_usePageCaption = false;

  // One shared value for both names, never stored by documents.
  static std::string& SysColorTheme();

 private:
  int32_t m_clientWidth = 0;
  int32_t m_clientHeight = 0;
  int32_t m_gridX = 8;
  int32_t m_gridY = 8;
  int32_t m_splashDelay = 3;
  int32_t m_endScreenDelay = 3;
  int32_t m_startupPage = 0;
  int32_t m_alphaValue = 100;
  int32_t m_hintOpacity = 100;
  TStrings m_pages;
  TStrings m_fontList;
  TIcon m_icon;
  TIconData m_iconData;
  TCursorData m_kivCursor;
  TCursorData m_kivHotCursor;
  TCursorData m_kivEditCursor;
  TPicture m_picture;
  TPicture m_splash;
  TPicture m_endScreen;
  TPicture m_hintBGImage;
  TFont m_hintFont;
  TAudioData m_startupSound;
  TWaveData m_commonMouseEnterSound;
  TWaveData m_commonMouseClickSound;
  TKIVUserVersion m_userVersion;
  TKIVTextTranslation m_textTranslation;
  TControlScrollBar m_horzScrollBar;
  TControlScrollBar m_vertScrollBar;
};

// The run-time menu window: publishes the handlers a document's event properties bind to.
class TfrmMain : public TKIVForm {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
