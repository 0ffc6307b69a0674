#pragma once
// The base of the clickable windowless controls: what a click does (action and parameters),
// the sounds, the password, the picture and slide-show settings and the command sent to
// another control, and the run-time pointer state the derived controls draw.
// TKIVStaticActionControl is the variant whose face ignores the pointer.

#include <cstdint>
#include <string>
#include <string_view>

#include "model/control.h"
#include "model/custom_data.h"
#include "model/menu_enums.h"
#include "model/picture.h"
#include "model/records.h"

class TKIVForm;
struct TMenuContext;
struct TMenuServices;

class TKIVActionControl : public TGraphicControl {
 public:
  TKIVActionControl() : TKIVActionControl(TFace::FollowsPointer) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  TKIVActionType ActionType() const { return m_actionType; }
  TKIVBGMusicControl BGMusicControl() const { return m_bgMusicControl; }
  bool DesignMode() const { return m_designMode; }
  // A different value clears hovered, pressed, visited and password-accepted and repaints.
  void SetDesignMode(bool designMode) override;
  // Hot when the control acts (HasAction) and does not set IgnoreHotCursor.
  TRunModeCursor RunModeCursorKind() const override;
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

  // Run-time state, never stored; the derived controls choose their face from it.
  // Hovered: the pointer is over the control (never in design mode). Pressed: the left button
  // went down on it and is held (it goes while a held pointer is dragged out, and comes back
  // when it returns). Visited: a click got past the password step once in this run.
  // PasswordAccepted: the password was typed correctly once, so it is not asked again.
  bool Hovered() const { return m_hovered; }
  bool Pressed() const { return m_pressed; }
  bool Visited() const { return m_visited; }
  bool PasswordAccepted() const { return m_passwordAccepted; }
  // Whether a click does anything: ActionType or BGMusicControl is not the "none" value.
  bool HasAction() const;

  void SetCaption(std::string caption) override;

  // Pointer events from the window, positions in the control's coordinates. A left press and
  // its release inside the control make a click (Click runs before the release handling).
  // While the left button is held after a press here, leaving releases the face and coming
  // back presses it again. A double click is no click: a press with ssDouble (the second press
  // of a double click, whether or not it came as an ordinary press first) presses the face,
  // and its release only releases it.
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) override;
  // What a click does, in order: the click sound (waited for before exit and eject), the
  // password (asked until it matches or is cancelled; cancel ends the click), the background
  // music, visited, minimising or hiding the window, the action, showing the window again,
  // exit after the action, AfterAction. In design mode only the face is released. The outside
  // world is reached through the services bound into the context of the menu window the control
  // lies on.
  // An action that fails with an exception (see RunAction) is reported through
  // ReportActionError and the steps after it still run, so a hidden window comes back.
  virtual void Click();
  // Called once at the end of every completed click; empty here.
  virtual void AfterAction() {}
  // A typed character: with Alt held and the character the caption's accelerator (the letter
  // after a single "&", any letter case), on an enabled, visible control whose accelerator
  // switch is on, the control is clicked and the key is used (true).
  bool DialogChar(char32_t character, TShiftState shift);

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
  enum class TFace : uint8_t { FollowsPointer, Static };
  explicit TKIVActionControl(TFace face);

  // The control's own press and release handling (the face, the right-click gesture); the
  // pointer-event overrides call these, and so do the re-press and release of a drag out and
  // back in.
  void PressHandling(TMouseButton button);
  void ReleaseHandling();
  // Repaints the face when it follows the pointer.
  void RepaintFace();
  // The caption with its escapes decoded, for drawing. An escape that does not decode is left
  // out of the text and reported (TDiagnostics::ReportPaintError) once for each caption text,
  // not at every paint.
  std::string DecodedCaption();
  // The control's own sound when it has one, else the menu window's common sound (unless
  // IgnoreCommonSounds, or the parent is no menu window); null: silence.
  const TWaveData* ChosenSound(const TWaveData& own, TWaveData* (TKIVForm::*common)()) const;
  // The password loop with the menu's prompt: true once the typed text matches, false when the
  // user cancels or the menu has no dialogs.
  bool AskPassword(const TMenuContext& context);
  // The action step of a click: the picture viewer, the slide show, the control command, the
  // stop-and-resume wait, or RunAction. Throws what RunAction throws.
  void RunClickAction(TKIVForm* window, const TMenuServices& services, bool stopAndResume);

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

 private:
  const TFace m_face;
  bool m_leftButtonDown = false;  // a left press that began here is still held
  bool m_doubleClickHeld = false;  // that press is the second of a double click: no click
  bool m_hovered = false;
  bool m_pressed = false;
  bool m_visited = false;
  bool m_passwordAccepted = false;
  std::string m_typedPassword;  // the last text typed into the password window
  std::string m_reportedCaption;  // the last caption whose escape error was reported
};

// Offers a typed character to the action controls placed directly on window, in child order,
// until one uses it (see TKIVActionControl::DialogChar).
bool DispatchDialogChar(TWinControl& window, char32_t character, TShiftState shift);

// Whether character is the accelerator of caption: the character after the last single "&"
// ("&&" is a literal ampersand), compared ignoring the case of ASCII letters.
bool IsAccelerator(char32_t character, std::string_view caption);

// An action control whose face stays as it is while hovered and pressed, and which offers no
// right-click gesture.
class TKIVStaticActionControl : public TKIVActionControl {
 public:
  TKIVStaticActionControl() : TKIVActionControl(TFace::Static) {}
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }
};
