#include "window/menu_form.h"

#include <algorithm>

#include "model/message_texts.h"

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

// Reads the design-time text height; with scaling off it has no effect.
TDefinedProp TextHeightEntry() {
  return {"TextHeight",
          [](TPersistent& o, TValueReader& r) { static_cast<TKIVForm&>(o).m_textHeight = static_cast<int32_t>(r.ReadInteger()); },
          [](const TPersistent& o, TValueWriter& w) { w.WriteInteger(static_cast<const TKIVForm&>(o).m_textHeight); },
          [](const TPersistent& o) { return static_cast<const TKIVForm&>(o).m_textHeight != 0; }};
}

TDefinedProp IgnoreFontPropertyEntry() {
  return {"IgnoreFontProperty",
          [](TPersistent& o, TValueReader& r) { static_cast<TKIVForm&>(o).m_ignoreFontProperty = r.ReadBoolean(); },
          [](const TPersistent& o, TValueWriter& w) { w.WriteBoolean(static_cast<const TKIVForm&>(o).m_ignoreFontProperty); },
          [](const TPersistent& o) { return static_cast<const TKIVForm&>(o).m_ignoreFontProperty; }};
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
          .Set("BorderIcons", Field(&C::m_borderIcons), kBorderIconType, 0x7)
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
          .Defined(TextHeightEntry())
          .Defined(IgnoreFontPropertyEntry())
          // The menu window's own properties.
          .Integer("ActivePage", Field(&C::m_activePage))
          .Integer("PageCount", Field(&C::m_pageCount))
          .Object("Pages", &C::Pages)
          .Bool("AlwaysShowPageZero", Field(&C::m_alwaysShowPageZero))
          .Enum("BackGround", Field(&C::m_backGround))
          .Object("IconData", &C::IconData)
          .Object("KIVCursor", &C::KIVCursor)
          .Object("KIVHotCursor", &C::KIVHotCursor)
          .Object("KIVEditCursor", &C::KIVEditCursor)
          .Bool("DesignMode", Field(&C::m_designMode))
          .Color("GradBeginColor", Field(&C::m_gradBeginColor))
          .Color("GradEndColor", Field(&C::m_gradEndColor))
          .Enum("GradStyle", Field(&C::m_gradStyle))
          .Integer("GridX", Accessors(&C::GridX, &C::SetGridX))
          .Integer("GridY", Accessors(&C::GridY, &C::SetGridY))
          .Object("Picture", &C::Picture)
          .Bool("ShowGrid", Field(&C::m_showGrid))
          .Integer("StartupPage", Accessors(&C::StartupPage, &C::SetStartupPage))
          .Object("StartupSound", &C::StartupSound)
          .Bool("AutoMusic", Field(&C::m_autoMusic))
          .Bool("AutoPlayMusic", Field(&C::m_autoPlayMusic))
          .Bool("Loop", Field(&C::m_loop))
          .Bool("TopMost", Field(&C::m_topMost))
          .Enum("WindowStyle", Field(&C::m_windowStyle))
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
          .Enum("HintDirection", Field(&C::m_hintDirection))
          .Color("HintBorderColor", Field(&C::m_hintBorderColor))
          .Color("HintColor", Field(&C::m_hintColor))
          .Color("HintShadowColor", Field(&C::m_hintShadowColor))
          .Integer("HintOpacity", Accessors(&C::HintOpacity, &C::SetHintOpacity))
          .Integer("HintShadowOffset", Field(&C::m_hintShadowOffset))
          .Object("HintFont", &C::HintFont)
          .Enum("HintBGStyle", Field(&C::m_hintBGStyle))
          .Enum("HintGradStyle", Field(&C::m_hintGradStyle))
          .Color("HintGradBeginColor", Field(&C::m_hintGradBeginColor))
          .Color("HintGradEndColor", Field(&C::m_hintGradEndColor))
          .Object("HintBGImage", &C::HintBGImage)
          .Bool("UseCustomizedHint", Field(&C::m_useCustomizedHint))
          .Integer("CustHintPause", Field(&C::m_custHintPause))
          .Integer("CustHintHidePause", Field(&C::m_custHintHidePause))
          .Integer("AlphaValue", Accessors(&C::AlphaValue, &C::SetAlphaValue))
          .Bool("ExitWithESC", Field(&C::m_exitWithESC))
          .String("UseSysColorTheme", {[](const C&) { return SysColorTheme(); },
                                       [](C&, std::string v) { SysColorTheme() = std::move(v); }})
          .String("UseSysColorStyle", {[](const C&) { return SysColorTheme(); },
                                       [](C&, std::string v) { SysColorTheme() = std::move(v); }})
          .Bool("HideTaskBar", Field(&C::m_hideTaskBar))
          .Bool("HideAboutMenu", Field(&C::m_hideAboutMenu))
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
          .Bool("UsePageCaption", Field(&C::m_usePageCaption))
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
}

std::string& TKIVForm::SysColorTheme() {
  static std::string value = "TRUE";
  return value;
}

void TKIVForm::SetGridX(int32_t v) { m_gridX = std::clamp(v, 2, 128); }
void TKIVForm::SetGridY(int32_t v) { m_gridY = std::clamp(v, 2, 128); }
void TKIVForm::SetSplashDelay(int32_t seconds) { m_splashDelay = std::clamp(seconds, 1, 60); }
void TKIVForm::SetEndScreenDelay(int32_t seconds) { m_endScreenDelay = std::clamp(seconds, 1, 60); }
void TKIVForm::SetStartupPage(int32_t page) { m_startupPage = std::max(page, 0); }
void TKIVForm::SetAlphaValue(int32_t percent) { m_alphaValue = std::clamp(percent, 0, 100); }
void TKIVForm::SetHintOpacity(int32_t percent) { m_hintOpacity = std::clamp(percent, 0, 100); }

void TKIVForm::Loaded() {
  TWinControl::Loaded();
  TMessageTexts& texts = ProcessMessageTexts();
  for (size_t i = 0; i < kMessageKeyCount; ++i) {
    auto key = static_cast<TMessageKey>(i);
    const std::string& translated = m_textTranslation.Text(key);
    texts.SetText(key, translated.empty() ? std::string(DefaultMessageText(key)) : translated);
  }
  for (TControl* control : Controls()) control->MessageTextsChanged();
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
