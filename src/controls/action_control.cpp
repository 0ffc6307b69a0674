#include "controls/action_control.h"

const TClassInfo& TKIVActionControl::StaticClass() {
  using C = TKIVActionControl;
  static const TClassInfo* info =
      TClassBuilder<C>("TKIVActionControl", &TGraphicControl::StaticClass())
          .PublishAll("Anchors", "Caption", "Enabled", "Font", "OnClick", "OnDblClick", "OnMouseDown",
                      "OnMouseMove", "OnMouseUp", "ParentFont", "ShowHint", "Visible")
          .Enum("ActionType", Field(&C::m_actionType))
          .Enum("BGMusicControl", Field(&C::m_bgMusicControl))
          .Bool("DesignMode", Accessors(&C::DesignMode, &C::SetDesignMode))
          .Object("MouseEnterSound", &C::MouseEnterSound)
          .Object("MouseClickSound", &C::MouseClickSound)
          .Bool("IgnoreCommonSounds", Field(&C::m_ignoreCommonSounds))
          .Events("OnMouseEnter", "OnMouseLeave")
          .String("Parameter", Field(&C::m_parameter))
          .String("SecondParam", Field(&C::m_secondParam))
          .Object("GraphicComment", &C::GraphicComment)
          .Bool("MinimizeBeforeAction", Field(&C::m_minimizeBeforeAction))
          .Bool("ExitAfterAction", Field(&C::m_exitAfterAction))
          .Bool("Locked", Field(&C::m_locked))
          .Integer("GroupIndex", Field(&C::m_groupIndex))
          .Object("SP_Picture", &C::SP_Picture)
          .Enum("SP_Window", Field(&C::m_spWindow))
          .String("SP_Caption", Field(&C::m_spCaption))
          .Bool("SP_Fade", Field(&C::m_spFade))
          .Integer("SP_FadeTime", Field(&C::m_spFadeTime))
          .String("SS_Path", Field(&C::m_ssPath))
          .Bool("SS_Recursive", Field(&C::m_ssRecursive))
          .Bool("SS_Rand", Field(&C::m_ssRand))
          .Integer("SS_Pause", Field(&C::m_ssPause))
          .Bool("SS_FullScreen", Field(&C::m_ssFullScreen))
          .Integer("SS_WinWidth", Field(&C::m_ssWinWidth))
          .Integer("SS_WinHeight", Field(&C::m_ssWinHeight))
          .Color("SS_BGColor", Field(&C::m_ssBGColor))
          .Bool("SS_PlayBGMusic", Field(&C::m_ssPlayBGMusic))
          .Bool("SS_StopBGMusic", Field(&C::m_ssStopBGMusic))
          .String("SS_Effects", Field(&C::m_ssEffects))
          .Bool("SS_ShowInfo", Field(&C::m_ssShowInfo))
          .Bool("SS_ManualMode", Field(&C::m_ssManualMode))
          .Bool("SS_Loop", Field(&C::m_ssLoop))
          .Bool("SS_Enlarge", Field(&C::m_ssEnlarge))
          .Bool("SS_ExactFit", Field(&C::m_ssExactFit))
          .Bool("RightClickToLocate", Field(&C::m_rightClickToLocate))
          .Object("CtrlIA", &C::CtrlIA)
          .Bool("IgnoreHotCursor", Field(&C::m_ignoreHotCursor))
          .String("Password", Field(&C::m_password))
          .Build();
  return *info;
}

TKIVActionControl::TKIVActionControl(TFace face) : m_face(face) { m_showHint = true; }

bool TKIVActionControl::HasAction() const {
  return m_actionType != TKIVActionType::aatNone || m_bgMusicControl != TKIVBGMusicControl::amcNone;
}

void TKIVActionControl::SetDesignMode(bool designMode) {
  if (designMode == m_designMode) return;
  m_designMode = designMode;
  m_hovered = m_pressed = m_visited = m_passwordAccepted = false;
  Invalidate();
}

void TKIVActionControl::SetCaption(std::string caption) {
  TGraphicControl::SetCaption(std::move(caption));
  Invalidate();
}

void TKIVActionControl::RepaintFace() {
  if (m_face == TFace::FollowsPointer) Invalidate();
}

void TKIVActionControl::MouseEnter() {
  if (m_leftButtonDown) {
    // A held press dragged back in: press the face again, silently.
    PressHandling(TMouseButton::mbLeft);
  }
  if (m_designMode) return;
  m_hovered = true;
  RepaintFace();
}

void TKIVActionControl::MouseLeave() {
  if (m_leftButtonDown) ReleaseHandling();
  m_hovered = false;
  if (!m_designMode && m_visible) RepaintFace();
}

void TKIVActionControl::MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  (void)shift, (void)x, (void)y;
  if (button == TMouseButton::mbLeft) m_leftButtonDown = true;
  PressHandling(button);
}

void TKIVActionControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  (void)shift;
  if (button == TMouseButton::mbLeft && m_leftButtonDown) {
    m_leftButtonDown = false;
    if (x >= 0 && y >= 0 && x < m_width && y < m_height) Click();
  }
  ReleaseHandling();
}

void TKIVActionControl::PressHandling(TMouseButton button) {
  if (button != TMouseButton::mbLeft) return;
  m_pressed = true;
  RepaintFace();
}

void TKIVActionControl::ReleaseHandling() {
  m_pressed = false;
  RepaintFace();
}

void TKIVActionControl::Click() {
  if (m_designMode) return;
  m_pressed = false;
  Invalidate();
  m_visited = true;
  AfterAction();
}

const TClassInfo& TKIVStaticActionControl::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TKIVStaticActionControl>("TKIVStaticActionControl", &TKIVActionControl::StaticClass()).Build();
  return *info;
}
