#pragma once
// The menu window as stored: the root of every menu document, with its pages, background,
// frame, splash and end screens, hint settings, music, launch settings and translations.
// TfrmMain is the run-time class: it adds the event handlers a document binds by name.

#include <cstdint>
#include <optional>
#include <string>

#include "graphics/geometry.h"
#include "graphics/picture_cache.h"
#include "graphics/region.h"
#include "model/control.h"
#include "model/custom_data.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/records.h"
#include "model/strings.h"
#include "window/menu_context.h"
#include "window/window_host.h"

TELVO_ENUM(TFormBorderStyle, bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin)
TELVO_ENUM(TPosition, poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter, poDesktopCenter,
           poMainFormCenter, poOwnerFormCenter)
TELVO_ENUM(TFormStyle, fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop)
TELVO_ENUM(TWindowState, wsNormal, wsMinimized, wsMaximized)
TELVO_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
extern const TEnumType kBorderIconType;  // biSystemMenu, biMinimize, biMaximize, biHelp
inline constexpr uint32_t biSystemMenu = 1;
inline constexpr uint32_t biMinimize = 2;
inline constexpr uint32_t biMaximize = 4;

// What the window's Picture holds, as far as frames and shapes care: nothing usable (empty,
// or not decodable), a JPEG or an icon (never cut into a shape), or any other picture.
enum class TPictureKind : uint8_t { Empty, Jpeg, Icon, Other };

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

  ~TKIVForm() override;

  // Fills the context's message texts from TextTranslation (an empty key keeps its default) and
  // hands them to each control on the window.
  void Loaded() override;

  // What belongs to this menu and not to the process (see TMenuContext); it lives as long as the
  // window.
  TMenuContext& Context() { return m_context; }
  const TMenuContext& Context() const { return m_context; }

  // The windowing system that shows this window (an off-screen stand-in for renders); null
  // (the default) while the window is only a document, as while it is read. Attaching brings
  // the host in line with the window's current state (caption, frame, shape, opacity, icon,
  // cursors, ...) without changing the window. The host must outlive the window or be detached
  // first.
  //
  // The window's setters and Apply operations change the window's own state (visibility of the
  // page's controls, caption, client size, control positions) whether or not a host is attached,
  // and hand the visible effect to the host when there is one. While the window is being read
  // (IsLoading) the setters only store their value: the effects wait for the start-up's switch
  // out of design mode.
  void SetHost(TWindowHost* host);
  TWindowHost* Host() const { return m_host; }
  // The screen the window is laid out on: the host's, or 1920 x 1080 without a host (renders).
  TSize ScreenSize() const;

  // Pages. Setting ActivePage shows the controls of that page (see IsOnPage) and applies the
  // page caption; no range check is made.
  int32_t ActivePage() const { return m_activePage; }
  void SetActivePage(int32_t page);
  bool AlwaysShowPageZero() const { return m_alwaysShowPageZero; }
  void SetAlwaysShowPageZero(bool value);
  bool UsePageCaption() const { return m_usePageCaption; }
  void SetUsePageCaption(bool value);
  // With UsePageCaption and an ActivePage inside Pages, the caption becomes that page's entry.
  void ApplyPageCaption();
  void SetCaption(std::string caption) override;
  void SetColor(TColor color) override;

  // Design mode: switching it off is the start-up's switch into run mode (frame, full screen,
  // shape, opacity, control cursors, start page).
  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) override;

  // Frame, full screen, shape, opacity, stacking.
  TKIVWindowStyle WindowStyle() const { return m_windowStyle; }
  void SetWindowStyle(TKIVWindowStyle style);
  bool TopMost() const { return m_topMost; }
  void SetTopMost(bool topMost);
  // Border kind from WindowStyle, DesignMode and Picture, keeping the client size; a shaped
  // window with a picture other than a JPEG takes the picture's size. Rebuilding the frame
  // drops any window shape.
  void ApplyFrame();
  // Full-screen layout on or off: the window covers the screen with one pixel to spare on each
  // side and the controls move so the stored layout stays centred (see FullScreenShift).
  void SetFullScreen(bool on);
  // On: cuts the window to the region of Picture's pixels that differ from its shape colour.
  // Off does nothing (ApplyFrame drops the shape).
  void ApplyShape(bool on);
  // Translucency at AlphaValue * 255 / 100 when AlphaValue < 100 outside design mode.
  void ApplyAlpha();
  void ApplyTopMost();
  // Hint timing (design mode: 500 / 2500 ms; run mode: CustHintPause / CustHintHidePause),
  // the pause between hints and whether the custom hint window is used, and the hint look,
  // into the context's hint settings.
  void ApplyHintSettings();
  TBorderKind BorderKind() const;
  // The title bar's buttons (a set of biSystemMenu, biMinimize, biMaximize; biHelp has no
  // button here). Without biSystemMenu there is no button at all, as on the documents' platform.
  uint32_t BorderIcons() const { return m_borderIcons; }
  void SetBorderIcons(uint32_t icons);
  TTitleButtons TitleButtons() const;
  // The client area's size; before the first ApplyFrame it is the stored ClientWidth and
  // ClientHeight, or, where they are not stored, Width and Height less the frame of the stored
  // BorderStyle (see FrameExtent).
  TSize ClientSize() const override;
  TRect ClientRect() const { return TRect::FromSize(0, 0, ClientSize().width, ClientSize().height); }
  // The outer size: client size plus the frame of the current border kind.
  TSize OuterSize() const;
  // Moves the window's outer top-left corner (screen coordinates).
  void SetWindowPosition(TPoint topLeft);
  // The shape the window is cut to, if any (client coordinates).
  const std::optional<TRegion>& Shape() const { return m_shape; }

  // Background.
  TKIVFillStyle BackGround() const { return m_backGround; }
  void SetBackGround(TKIVFillStyle style);
  TColor GradBeginColor() const { return m_gradBeginColor; }
  void SetGradBeginColor(TColor color);
  TColor GradEndColor() const { return m_gradEndColor; }
  void SetGradEndColor(TColor color);
  TKIVGradFillStyle GradStyle() const { return m_gradStyle; }
  void SetGradStyle(TKIVGradFillStyle style);
  bool ShowGrid() const { return m_showGrid; }
  void SetShowGrid(bool showGrid);
  // Picture decoded (cached until its bytes change); null when it is empty or does not decode.
  const TDecodedPicture* DecodedPicture();
  TPictureKind PictureKind();
  // Asks the host to paint the whole client area again (at once while the window paints).
  void Repaint();
  // The window's own picture, without its children: the colour, then the gradient or the
  // tiled picture of an unshaped window, or the shape picture of a shaped one, then the design
  // grid (see window_paint.h).
  void Paint(TCanvas& canvas) override;
  // Set by the painter while it paints the window.
  void SetPainting(bool painting) { m_painting = painting; }

  // Icon and cursors from IconData, KIVCursor, KIVHotCursor and KIVEditCursor; each is applied
  // again whenever its data changes. A damaged icon gives the default icon; a damaged cursor
  // leaves the cursor as it was.
  void ApplyIcon();
  void ApplyCursor(int16_t number);
  // The About item of the background menu, unless HideAboutMenu.
  bool HideAboutMenu() const { return m_hideAboutMenu; }
  void SetHideAboutMenu(bool hide);

  // Input the host hands over. KeyPress: a typed character before any control sees it; true
  // when the window used it (Esc with ExitWithESC outside design mode closes the window).
  bool KeyPress(char32_t character);
  // A press on the window's background (no windowless control under the pointer): with
  // MoveWithAnyPoint, outside full screen, the window starts to follow the pointer.
  void BackgroundMouseDown(TMouseButton button);
  // The window's Minimise command (the minimise action, or the host's own minimise button):
  // asks the host to minimise the application, then as ApplicationMinimized.
  void Minimize();
  // The application was minimised (by any means). In run mode with MinimizeToTrayIcon or
  // HideTaskBar the menu goes into the tray: the host shows the tray icon (whose tip is
  // TrayTipText of the caption) and keeps the window out of sight until it is restored. Where
  // the desktop has no tray, the minimise stays an ordinary one and the menu is not in the tray.
  void ApplicationMinimized();
  // A double click on the tray icon: the icon goes and the menu comes back.
  void TrayDoubleClicked();
  bool InTray() const { return m_inTray; }
  // Copies the hint look (the Hint* properties) into the context's hint settings; the setters
  // of those properties call it.
  void CopyHintLook();

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
  // Background or shape picture. Every change of it (outside loading: the switch to run mode
  // applies a document's) refits a shaped window and repaints a picture background.
  TPicture* Picture() { return &m_picture; }
  TPicture* Splash() { return &m_splash; }
  TPicture* EndScreen() { return &m_endScreen; }
  // The custom hint's background picture; a change of it goes into the hint settings.
  TPicture* HintBGImage() { return &m_hintBGImage; }
  TFont* HintFont() { return &m_hintFont; }
  TAudioData* StartupSound() { return &m_startupSound; }
  TWaveData* CommonMouseEnterSound() { return &m_commonMouseEnterSound; }
  TWaveData* CommonMouseClickSound() { return &m_commonMouseClickSound; }
  TKIVUserVersion* UserVersion() { return &m_userVersion; }
  TKIVTextTranslation* TextTranslation() { return &m_textTranslation; }
  TControlScrollBar* HorzScrollBar() { return &m_horzScrollBar; }
  TControlScrollBar* VertScrollBar() { return &m_vertScrollBar; }

  // Start-up and launch settings, read by the session before the menu shows.
  bool ShowSplash() const { return m_showSplash; }
  void SetShowSplash(bool v) { m_showSplash = v; }
  bool ShapedShow() const { return m_shapedShow; }
  bool SplashFade() const { return m_splashFade; }
  bool SplashSkipWithESC() const { return m_splashSkipWithESC; }
  bool EndScreenSameAsSplash() const { return m_endScreenSameAsSplash; }
  void SetEndScreenSameAsSplash(bool v) { m_endScreenSameAsSplash = v; }
  bool ShowEndScreen() const { return m_showEndScreen; }
  void SetShowEndScreen(bool v) { m_showEndScreen = v; }
  bool EndScreenShaped() const { return m_endScreenShaped; }
  bool EndScreenFade() const { return m_endScreenFade; }
  bool EndScreenSkipWithESC() const { return m_endScreenSkipWithESC; }
  bool HideTaskBar() const { return m_hideTaskBar; }
  void SetHideTaskBar(bool v) { m_hideTaskBar = v; }
  bool AdminOnly() const { return m_adminOnly; }
  const std::string& AdminMsg() const { return m_adminMsg; }
  const std::string& LaunchApp() const { return m_launchApp; }
  const std::string& LaunchParam() const { return m_launchParam; }
  bool LaunchMax() const { return m_launchMax; }
  bool LaunchWait() const { return m_launchWait; }
  bool LaunchOnly() const { return m_launchOnly; }

  // Music: StartupSound's playing at start-up and on activation.
  bool AutoMusic() const { return m_autoMusic; }
  void SetAutoMusic(bool v) { m_autoMusic = v; }
  bool AutoPlayMusic() const { return m_autoPlayMusic; }
  void SetAutoPlayMusic(bool v) { m_autoPlayMusic = v; }
  bool Loop() const { return m_loop; }
  void SetLoop(bool v) { m_loop = v; }

  // Settings the window's actions and input read.
  int32_t PageCount() const { return m_pageCount; }
  void SetPageCount(int32_t v) { m_pageCount = v; }
  bool SysMsgBox() const { return m_sysMsgBox; }
  void SetSysMsgBox(bool v) { m_sysMsgBox = v; }
  bool ExitWithESC() const { return m_exitWithESC; }
  void SetExitWithESC(bool v) { m_exitWithESC = v; }
  bool MoveWithAnyPoint() const { return m_moveWithAnyPoint; }
  void SetMoveWithAnyPoint(bool v) { m_moveWithAnyPoint = v; }
  bool MinimizeToTrayIcon() const { return m_minimizeToTrayIcon; }
  void SetMinimizeToTrayIcon(bool v) { m_minimizeToTrayIcon = v; }
  bool KeyPreview() const { return m_keyPreview; }
  bool Scaled() const { return m_scaled; }

 private:
  void PictureChanged();
  void RunPageSwitch();
  void SetLiveClientSize(TSize size);
  void SetControlCursors();
  void RebuildAboutItem();
  void ChangeBackground(bool repaint);
  bool ShowsGradient() const;

  TMenuContext m_context;
  TWindowHost* m_host = nullptr;
  uint32_t m_borderIcons = biSystemMenu | biMinimize;
  TBorderKind m_border = TBorderKind::Sizeable;  // follows the stored BorderStyle until ApplyFrame
  std::optional<TSize> m_liveClient;   // set by the first ApplyFrame
  std::optional<TSize> m_savedClient;  // client size before the full-screen layout
  std::optional<TRegion> m_shape;
  TPictureCache m_pictureCache;
  bool m_painting = false;
  bool m_inTray = false;
  int32_t m_activePage = 0;
  bool m_alwaysShowPageZero = false;
  TKIVFillStyle m_backGround = TKIVFillStyle::afsNormal;
  bool m_designMode = false;
  TColor m_gradBeginColor = clBlue;
  TColor m_gradEndColor = clWhite;
  TKIVGradFillStyle m_gradStyle = TKIVGradFillStyle::agsLinearH;
  bool m_showGrid = false;
  bool m_topMost = false;
  TKIVWindowStyle m_windowStyle = TKIVWindowStyle::awsNormal;
  bool m_hideAboutMenu = false;
  bool m_usePageCaption = false;
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

  // Inherited window properties.
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

  // The rest of the window's own properties, in stream order.
  int32_t m_pageCount = 0;
  bool m_autoMusic = false;
  bool m_autoPlayMusic = true;
  bool m_loop = false;
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
};

// The run-time menu window: publishes the handlers a document's event properties bind to.
class TfrmMain : public TKIVForm {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
