#pragma once
// The base of the clickable windowless controls: what a click does (action and parameters),
// the sounds, the password, the picture and slide-show settings and the command sent to
// another control. TKIVStaticActionControl is the variant whose face ignores the pointer.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "model/custom_data.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/records.h"

class TKIVActionControl : public TGraphicControl {
 public:
  TKIVActionControl();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TKIVActionType ActionType() const { return m_actionType; }
  TKIVBGMusicControl BGMusicControl() const { return m_bgMusicControl; }
  bool DesignMode() const { return m_designMode; }
  virtual void SetDesignMode(bool designMode) { m_designMode = designMode; }
  TWaveData* MouseEnterSound() { return &m_mouseEnterSound; }
  TWaveData* MouseClickSound() { return &m_mouseClickSound; }
  bool IgnoreCommonSounds() const { return m_ignoreCommonSounds; }
  const std::string& Parameter() const { return m_parameter; }
  const std::string& SecondParam() const { return m_secondParam; }
  TPicture* GraphicComment() { return &m_graphicComment; }
  bool MinimizeBeforeAction() const { return m_minimizeBeforeAction; }
  bool ExitAfterAction() const { return m_exitAfterAction; }
  TPicture* SP_Picture() { return &m_spPicture; }
  TKIVControlIA* CtrlIA() { return &m_ctrlIA; }
  bool RightClickToLocate() const { return m_rightClickToLocate; }
  bool IgnoreHotCursor() const { return m_ignoreHotCursor; }
  const std::string& Password() const { return m_password; }
  // Whether Alt with the caption's accelerator letter clicks the control (not stored).
  bool AcceleratorEnabled() const { return m_acceleratorEnabled; }

  // Picture action settings, handed unchanged to the picture viewer.
  TSPWindowStyle m_spWindow = TSPWindowStyle::swsNormal;
  std::string m_spCaption = "Picture";
  bool m_spFade = false;
  int32_t m_spFadeTime = 1;
  // Slide-show action settings, handed unchanged to the slide show.
  std::string m_ssPath;
  bool m_ssRecursive = false;
  bool m_ssRand = false;
  uint32_t m_ssPause = 2;
  bool m_ssFullScreen = true;
  int32_t m_ssWinWidth = 800;
  int32_t m_ssWinHeight = 600;
  TColor m_ssBGColor = clBlack;
  bool m_ssPlayBGMusic = false;
  bool m_ssStopBGMusic = false;
  std::string m_ssEffects;
  bool m_ssShowInfo = true;
  bool m_ssManualMode = false;
  bool m_ssLoop = false;
  bool m_ssEnlarge = true;
  bool m_ssExactFit = false;

 protected:
  TKIVActionType m_actionType = TKIVActionType::aatNone;
  TKIVBGMusicControl m_bgMusicControl = TKIVBGMusicControl::amcNone;
  bool m_designMode = false;
  TWaveData m_mouseEnterSound;
  TWaveData m_mouseClickSound;
  bool m_ignoreCommonSounds = false;
  std::string m_parameter;
  std::string m_secondParam;
  TPicture m_graphicComment;
  bool m_minimizeBeforeAction = false;
  bool m_exitAfterAction = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  TPicture m_spPicture;
  bool m_rightClickToLocate = false;
  TKIVControlIA m_ctrlIA;
  bool m_ignoreHotCursor = false;
  std::string m_password;
  bool m_acceleratorEnabled = true;
};

class TKIVStaticActionControl : public TKIVActionControl {
 public:
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
