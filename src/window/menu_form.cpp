#include "window/menu_form.h"

#include <algorithm>

#include "graphics/picture_decoder.h"
#include "window/frame.h"

const TEnumType kBorderIconType{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};

const TClassInfo& TControlScrollBar::StaticClass() {
  using C = TControlScrollBar;
  static const TClassInfo* info = TClassBuilder<C>("TControlScrollBar", &TPersistent::StaticClass())
                                      .Integer("Increment", Field(&C::m_increment), 8)
                                      .Integer("Margin", Field(&C::m_margin), 0)
                                      .Integer("Position", Field(&C::m_position), 0)
                                      .Integer("Range", Field(&C::m_range), 0)
                                      .Bool("Smooth", Field(&C::m_smooth), false)
                                      .Bool("Tracking", Field(&C::m_tracking), false)
                                      .Bool("Visible", Field(&C::m_visible), true)
                                      .Build();
  return *info;
}

namespace {

// Reads the design-time text height into `member`; with scaling off it has no effect.
TDefinedProp TextHeightEntry(int32_t TKIVForm::*member) {
  return {"TextHeight",
          [member](TPersistent& o, TValueReader& r) {
            static_cast<TKIVForm&>(o).*member = static_cast<int32_t>(r.ReadInteger());
          },
          [member](const TPersistent& o, TValueWriter& w) { w.WriteInteger(static_cast<const TKIVForm&>(o).*member); },
          [member](const TPersistent& o) { return static_cast<const TKIVForm&>(o).*member != 0; }};
}

// A property of the hint look: storing it also updates the window's hint settings.
template <class T>
TAccess<TKIVForm, T> HintField(T TKIVForm::*member) {
  return {[member](const TKIVForm& c) { return c.*member; },
          [member](TKIVForm& c, T v) {
            c.*member = std::move(v);
            c.CopyHintLook();
          }};
}

// UseSysColorTheme and UseSysColorStyle share the one value of the window's context.
TAccess<TKIVForm, std::string> SysColorThemeAccess() {
  return {[](const TKIVForm& c) { return c.Context().sysColorTheme; },
          [](TKIVForm& c, std::string v) { c.Context().sysColorTheme = std::move(v); }};
}

TDefinedProp IgnoreFontPropertyEntry(bool TKIVForm::*member) {
  return {"IgnoreFontProperty",
          [member](TPersistent& o, TValueReader& r) { static_cast<TKIVForm&>(o).*member = r.ReadBoolean(); },
          [member](const TPersistent& o, TValueWriter& w) { w.WriteBoolean(static_cast<const TKIVForm&>(o).*member); },
          [member](const TPersistent& o) { return static_cast<const TKIVForm&>(o).*member; }};
}

}  // namespace

const TClassInfo& TKIVForm::StaticClass() {
  using C = TKIVForm;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVForm", &TWinControl::StaticClass())
          .PublishAll("Align", "Anchors", "AutoSize", "BiDiMode", "Caption", "Color", "Constraints", "Ctl3D",
                      "DockSite", "DragKind", "DragMode", "Enabled", "Font", "ParentBiDiMode", "ParentFont",
                      "PopupMenu", "ShowHint", "UseDockManager", "Visible", "DoubleBuffered", "ImeMode", "ImeName")
          .Integer("ClientHeight", Accessors(&C::ClientHeight, &C::SetClientHeight))
          .Integer("ClientWidth", Accessors(&C::ClientWidth, &C::SetClientWidth))
          .Bool("AlphaBlend", Field(&C::m_alphaBlend), false)
          .Integer("AlphaBlendValue", Field(&C::m_alphaBlendValue), 255)
          .Bool("AutoScroll", Field(&C::m_autoScroll))
          .Set("BorderIcons", Accessors(&C::BorderIcons, &C::SetBorderIcons), kBorderIconType, 0x7)
          .Enum("BorderStyle", Field(&C::m_borderStyle), TFormBorderStyle::bsSizeable)
          .Publish("BorderWidth")
          .Enum("FormStyle", Field(&C::m_formStyle), TFormStyle::fsNormal)
          .Object("HorzScrollBar", &C::HorzScrollBar)
          .Object("Icon", &C::Icon)
          .Bool("KeyPreview", Field(&C::m_keyPreview), false)
          .Bool("OldCreateOrder", Field(&C::m_oldCreateOrder))
          .Integer("PixelsPerInch", Field(&C::m_pixelsPerInch))
          .Enum("Position", Field(&C::m_position), TPosition::poDesigned)
          .Bool("Scaled", Field(&C::m_scaled), true)
          .Bool("TransparentColor", Field(&C::m_transparentColor), false)
          .Color("TransparentColorValue", Field(&C::m_transparentColorValue), 0)
          .Object("VertScrollBar", &C::VertScrollBar)
          .Enum("WindowState", Field(&C::m_windowState), TWindowState::wsNormal)
          .Events("OnActivate", "OnClick", "OnClose", "OnCloseQuery", "OnCreate", "OnDblClick", "OnDeactivate",
                  "OnDestroy", "OnHide", "OnKeyDown", "OnKeyPress", "OnKeyUp", "OnMouseDown", "OnMouseMove",
                  "OnMouseUp", "OnMouseWheel", "OnPaint", "OnResize", "OnShortCut", "OnShow")
          .Defined(TextHeightEntry(&C::m_textHeight))
          .Defined(IgnoreFontPropertyEntry(&C::m_ignoreFontProperty))
          // The menu window's own properties.
          .Integer("ActivePage", Accessors(&C::ActivePage, &C::SetActivePage))
          .Integer("PageCount", Field(&C::m_pageCount))
          .Object("Pages", &C::Pages)
          .Bool("AlwaysShowPageZero", Accessors(&C::AlwaysShowPageZero, &C::SetAlwaysShowPageZero))
          .Enum("BackGround", Accessors(&C::BackGround, &C::SetBackGround))
          .Object("IconData", &C::IconData)
          .Object("KIVCursor", &C::KIVCursor)
          .Object("KIVHotCursor", &C::KIVHotCursor)
          .Object("KIVEditCursor", &C::KIVEditCursor)
          .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
          .Color("GradBeginColor", Accessors(&C::GradBeginColor, &C::SetGradBeginColor))
          .Color("GradEndColor", Accessors(&C::GradEndColor, &C::SetGradEndColor))
          .Enum("GradStyle", Accessors(&C::GradStyle, &C::SetGradStyle))
          .Integer("GridX", Accessors(&C::GridX, &C::SetGridX))
          .Integer("GridY", Accessors(&C::GridY, &C::SetGridY))
          .Object("Picture", &C::Picture)
          .Bool("ShowGrid", Accessors(&C::ShowGrid, &C::SetShowGrid))
          .Integer("StartupPage", Accessors(&C::StartupPage, &C::SetStartupPage))
          .Object("StartupSound", &C::StartupSound)
          .Bool("AutoMusic", Field(&C::m_autoMusic))
          .Bool("AutoPlayMusic", Field(&C::m_autoPlayMusic))
          .Bool("Loop", Field(&C::m_loop))
          .Bool("TopMost", Accessors(&C::TopMost, &C::SetTopMost))
          .Enum("WindowStyle", Accessors(&C::WindowStyle, &C::SetWindowStyle))
          .Bool("ShowSplash", Field(&C::m_showSplash))
          .Bool("ShapedShow", Field(&C::m_shapedShow))
          .Bool("SplashFade", Field(&C::m_splashFade))
          .Integer("SplashDelay", Accessors(&C::SplashDelay, &C::SetSplashDelay))
          .Object("Splash", &C::Splash)
          .Bool("SplashSkipWithESC", Field(&C::m_splashSkipWithESC))
          .Bool("EndScreenSameAsSplash", Field(&C::m_endScreenSameAsSplash))
          .Bool("ShowEndScreen", Field(&C::m_showEndScreen))
          .Bool("EndScreenShaped", Field(&C::m_endScreenShaped))
          .Bool("EndScreenFade", Field(&C::m_endScreenFade))
          .Integer("EndScreenDelay", Accessors(&C::EndScreenDelay, &C::SetEndScreenDelay))
          .Object("EndScreen", &C::EndScreen)
          .Bool("EndScreenSkipWithESC", Field(&C::m_endScreenSkipWithESC))
          .Object("FontList", &C::FontList)
          .Enum("HintDirection", HintField(&C::m_hintDirection))
          .Color("HintBorderColor", HintField(&C::m_hintBorderColor))
          .Color("HintColor", HintField(&C::m_hintColor))
          .Color("HintShadowColor", HintField(&C::m_hintShadowColor))
          .Integer("HintOpacity", Accessors(&C::HintOpacity, &C::SetHintOpacity))
          .Integer("HintShadowOffset", HintField(&C::m_hintShadowOffset))
          .Object("HintFont", &C::HintFont)
          .Enum("HintBGStyle", HintField(&C::m_hintBGStyle))
          .Enum("HintGradStyle", HintField(&C::m_hintGradStyle))
          .Color("HintGradBeginColor", HintField(&C::m_hintGradBeginColor))
          .Color("HintGradEndColor", HintField(&C::m_hintGradEndColor))
          .Object("HintBGImage", &C::HintBGImage)
          .Bool("UseCustomizedHint", Field(&C::m_useCustomizedHint))
          .Integer("CustHintPause", Field(&C::m_custHintPause))
          .Integer("CustHintHidePause", Field(&C::m_custHintHidePause))
          .Integer("AlphaValue", Accessors(&C::AlphaValue, &C::SetAlphaValue))
          .Bool("ExitWithESC", Field(&C::m_exitWithESC))
          .String("UseSysColorTheme", SysColorThemeAccess())
          .String("UseSysColorStyle", SysColorThemeAccess())
          .Bool("HideTaskBar", Field(&C::m_hideTaskBar))
          .Bool("HideAboutMenu", Accessors(&C::HideAboutMenu, &C::SetHideAboutMenu))
          .Bool("SysMsgBox", Field(&C::m_sysMsgBox))
          .String("LaunchApp", Field(&C::m_launchApp))
          .String("LaunchParam", Field(&C::m_launchParam))
          .Bool("LaunchMax", Field(&C::m_launchMax))
          .Bool("LaunchWait", Field(&C::m_launchWait))
          .Bool("LaunchOnly", Field(&C::m_launchOnly))
          .Integer("Groups", Field(&C::m_groups))
          .Bool("MoveWithAnyPoint", Field(&C::m_moveWithAnyPoint))
          .Object("CommonMouseEnterSound", &C::CommonMouseEnterSound)
          .Object("CommonMouseClickSound", &C::CommonMouseClickSound)
          .Bool("AdminOnly", Field(&C::m_adminOnly))
          .String("AdminMsg", Field(&C::m_adminMsg))
          .Bool("MinimizeToTrayIcon", Field(&C::m_minimizeToTrayIcon))
          .Bool("CustomVersion", Field(&C::m_customVersion))
          .Object("UserVersion", &C::UserVersion)
          .Bool("UsePageCaption", Accessors(&C::UsePageCaption, &C::SetUsePageCaption))
          .Object("TextTranslation", &C::TextTranslation)
          .Build();
  return *info;
}

TKIVForm::TKIVForm() {
  m_horzScrollBar.m_visible = false;
  m_vertScrollBar.m_visible = false;
  m_parentFont = false;
  m_hintFont.SetName("Verdana");
  m_hintFont.SetSize(10);
  m_hintFont.SetColor(clBlue);
  m_hintFont.SetStyle(fsBold | fsItalic);
  m_hintFont.SetOnChange([this] { CopyHintLook(); });
  CopyHintLook();
  m_iconData.SetOnChange([this](TCustomData&) {
    if (!IsLoading()) ApplyIcon();
  });
  m_kivCursor.SetOnChange([this](TCustomData&) {
    if (!IsLoading()) ApplyCursor(kCursorNormal);
  });
  m_kivHotCursor.SetOnChange([this](TCustomData&) {
    if (!IsLoading()) ApplyCursor(kCursorHot);
  });
  m_kivEditCursor.SetOnChange([this](TCustomData&) {
    if (!IsLoading()) ApplyCursor(kCursorEdit);
  });
  m_picture.SetOnChange([this] { PictureChanged(); });
  m_hintBGImage.SetOnChange([this] { CopyHintLook(); });
}

TKIVForm::~TKIVForm() = default;

void TKIVForm::SetHost(TWindowHost* host) {
  m_host = host;
  if (!host) {
    SetOnInvalidate(nullptr);
    return;
  }
  SetOnInvalidate([this](int32_t left, int32_t top, int32_t width, int32_t height) {
    if (m_host) m_host->Invalidate(TRect::FromSize(left, top, width, height), m_painting);
  });
  m_border = BorderKind();
  host->SetCaption(Caption());
  host->SetBorder(m_border);
  host->SetTitleButtons(TitleButtons());
  const TSize client = ClientSize();
  host->SetClientSize(client.width, client.height);
  host->SetPosition(Left(), Top());
  host->SetShape(m_shape);
  ApplyAlpha();
  ApplyTopMost();
  ApplyIcon();
  for (int16_t number : {kCursorNormal, kCursorHot, kCursorEdit}) ApplyCursor(number);
  host->SetWindowCursor(Cursor());
  host->SetAboutItem(!m_hideAboutMenu);
}

TBorderKind TKIVForm::BorderKind() const { return m_liveClient ? m_border : StoredBorderKind(m_borderStyle); }

void TKIVForm::SetBorderIcons(uint32_t icons) {
  m_borderIcons = icons;
  if (!IsLoading() && m_host) m_host->SetTitleButtons(TitleButtons());
}

TTitleButtons TKIVForm::TitleButtons() const {
  const bool systemMenu = (m_borderIcons & biSystemMenu) != 0;
  return {systemMenu, systemMenu && (m_borderIcons & biMinimize) != 0, systemMenu && (m_borderIcons & biMaximize) != 0};
}

void TKIVForm::SetCaption(std::string caption) {
  TWinControl::SetCaption(std::move(caption));
  if (!IsLoading() && m_host) m_host->SetCaption(Caption());
}

void TKIVForm::SetColor(TColor color) {
  if (color == Color()) return;
  TWinControl::SetColor(color);
  if (!IsLoading()) ChangeBackground(true);
}

void TKIVForm::Repaint() {
  if (m_host) m_host->Invalidate(ClientRect(), m_painting);
}

// The windowless controls repaint with the window, which paints them; every child hears of the
// change, so a control keeping a copy of the background paints again.
void TKIVForm::ChangeBackground(bool repaint) {
  if (repaint) Repaint();
  for (TControl* child : Controls()) child->ParentBackgroundChanged();
}

void TKIVForm::SetBackGround(TKIVFillStyle style) {
  if (style == m_backGround) return;
  m_backGround = style;
  if (!IsLoading()) ChangeBackground(true);
}

namespace {

template <class T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TKIVForm::SetGradBeginColor(TColor color) {
  if (Store(m_gradBeginColor, color) && !IsLoading()) ChangeBackground(ShowsGradient());
}
void TKIVForm::SetGradEndColor(TColor color) {
  if (Store(m_gradEndColor, color) && !IsLoading()) ChangeBackground(ShowsGradient());
}
void TKIVForm::SetGradStyle(TKIVGradFillStyle style) {
  if (Store(m_gradStyle, style) && !IsLoading()) ChangeBackground(ShowsGradient());
}

bool TKIVForm::ShowsGradient() const {
  return m_windowStyle != TKIVWindowStyle::awsShaped && m_backGround == TKIVFillStyle::afsGradient;
}

void TKIVForm::SetShowGrid(bool showGrid) {
  if (Store(m_showGrid, showGrid) && !IsLoading() && m_designMode) Repaint();
}

void TKIVForm::ApplyHintSettings() {
  THintSettings& settings = m_context.hintSettings;
  settings.delayMs = m_designMode ? 500 : m_custHintPause;
  settings.displayMs = m_designMode ? 2500 : m_custHintHidePause;
  settings.custom = m_useCustomizedHint && !m_designMode;
  settings.betweenHintsMs = settings.custom ? 100 : 50;
  CopyHintLook();
}

void TKIVForm::CopyHintLook() {
  THintSettings& settings = m_context.hintSettings;
  settings.direction = m_hintDirection;
  settings.borderColor = m_hintBorderColor;
  settings.color = m_hintColor;
  settings.shadowColor = m_hintShadowColor;
  settings.shadowOffset = m_hintShadowOffset;
  settings.opacityPercent = m_hintOpacity;
  settings.font.Assign(&m_hintFont);
  settings.fillStyle = m_hintBGStyle;
  settings.gradStyle = m_hintGradStyle;
  settings.gradBeginColor = m_hintGradBeginColor;
  settings.gradEndColor = m_hintGradEndColor;
  settings.picture.Assign(&m_hintBGImage);
}

void TKIVForm::SetGridX(int32_t v) {
  if (Store(m_gridX, std::clamp(v, 2, 128)) && !IsLoading() && m_designMode && m_showGrid) Repaint();
}
void TKIVForm::SetGridY(int32_t v) {
  if (Store(m_gridY, std::clamp(v, 2, 128)) && !IsLoading() && m_designMode && m_showGrid) Repaint();
}
void TKIVForm::SetSplashDelay(int32_t seconds) { m_splashDelay = std::clamp(seconds, 1, 60); }
void TKIVForm::SetEndScreenDelay(int32_t seconds) { m_endScreenDelay = std::clamp(seconds, 1, 60); }
void TKIVForm::SetStartupPage(int32_t page) { m_startupPage = std::max(page, 0); }
void TKIVForm::SetAlphaValue(int32_t percent) { m_alphaValue = std::clamp(percent, 0, 100); }
void TKIVForm::SetHintOpacity(int32_t percent) {
  m_hintOpacity = std::clamp(percent, 0, 100);
  CopyHintLook();
}

void TKIVForm::Loaded() {
  TWinControl::Loaded();
  TMessageTexts& texts = m_context.messageTexts;
  for (size_t i = 0; i < kMessageKeyCount; ++i) {
    auto key = static_cast<TMessageKey>(i);
    const std::string& translated = m_textTranslation.Text(key);
    texts.SetText(key, translated.empty() ? std::string(DefaultMessageText(key)) : translated);
  }
  for (TControl* control : Controls()) control->MessageTextsChanged(texts);
}

const TClassInfo& TfrmMain::StaticClass() {
  static const TClassInfo* info = TClassBuilder<TfrmMain>("TfrmMain", &TKIVForm::StaticClass())
                                      .Method("FormCloseQuery")
                                      .Method("FormCreate")
                                      .Method("FormDestroy")
                                      .Method("FormKeyDown")
                                      .Method("FormResize")
                                      .Method("FormShow")
                                      .Build();
  return *info;
}
