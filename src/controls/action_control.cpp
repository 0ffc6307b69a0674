#include "controls/action_control.h"

#include <exception>
#include <initializer_list>
#include <optional>
#include <vector>

#include "actions/dispatcher.h"
#include "actions/password.h"
#include "graphics/text_escape.h"
#include "window/menu_form.h"

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

TRunModeCursor TKIVActionControl::RunModeCursorKind() const {
  return HasAction() && !m_ignoreHotCursor ? TRunModeCursor::Hot : TRunModeCursor::Normal;
}

void TKIVActionControl::SetCaption(std::string caption) {
  TGraphicControl::SetCaption(std::move(caption));
  Invalidate();
}

void TKIVActionControl::RepaintFace() {
  if (m_face == TFace::FollowsPointer) Invalidate();
}

std::string TKIVActionControl::DecodedCaption() {
  TUnescapedText decoded = UnescapeTextLeavingOutErrors(m_caption);
  if (decoded.failed && m_caption != m_reportedCaption) {
    m_reportedCaption = m_caption;
    if (const TMenuContext* context = MenuContextOf(*this); context && context->services.diagnostics)
      context->services.diagnostics->ReportPaintError(Name() + ": caption \"" + m_caption + "\": " +
                                                      ETextEscapeError().what());
  }
  return std::move(decoded.text);
}

namespace {

using K = TKIVActionType;

bool IsOneOf(K kind, std::initializer_list<K> kinds) {
  for (K k : kinds)
    if (k == kind) return true;
  return false;
}

// Decodes one UTF-8 character at text[i], moving i past it; malformed bytes stand for themselves.
char32_t NextCharacter(std::string_view text, size_t& i) {
  const auto lead = static_cast<uint8_t>(text[i++]);
  const int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  if (extra == 0 || i + extra > text.size()) return lead;
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) c = (c << 6) | (static_cast<uint8_t>(text[i++]) & 0x3F);
  return c;
}

char32_t UpperAscii(char32_t c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

}  // namespace

bool IsAccelerator(char32_t character, std::string_view caption) {
  std::optional<char32_t> accelerator;
  for (size_t i = 0; i < caption.size();) {
    if (caption[i] == '&' && i + 1 < caption.size()) {
      ++i;
      if (caption[i] == '&') {
        ++i;
        continue;
      }
      accelerator = NextCharacter(caption, i);
    } else {
      NextCharacter(caption, i);
    }
  }
  return accelerator && UpperAscii(*accelerator) == UpperAscii(character);
}

bool DispatchDialogChar(TWinControl& window, char32_t character, TShiftState shift) {
  // A click may change the page, which changes no child order; copy anyway in case it does.
  const std::vector<TControl*> children = window.Controls();
  for (TControl* child : children)
    if (auto* control = dynamic_cast<TKIVActionControl*>(child); control && control->DialogChar(character, shift))
      return true;
  return false;
}

void TKIVActionControl::MouseEnter() {
  if (m_leftButtonDown) {
    // A held press dragged back in: press the face again, silently.
    PressHandling(TMouseButton::mbLeft);
  } else if (!m_designMode && HasAction()) {
    if (const TMenuContext* context = MenuContextOf(*this); context && context->services.sounds)
      if (const TWaveData* sound = ChosenSound(m_mouseEnterSound, &TKIVForm::CommonMouseEnterSound))
        context->services.sounds->PlaySound(*sound, false);
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
  if (button == TMouseButton::mbLeft) {
    m_leftButtonDown = true;
    // The second press of a double click may come first as an ordinary press: the press with
    // ssDouble that follows it takes the click back.
    m_doubleClickHeld = (shift & ssDouble) != 0;
  }
  PressHandling(button);
}

void TKIVActionControl::MouseUp(TMouseButton button, TShiftState shift, int32_t x, int32_t y) {
  (void)shift;
  if (button == TMouseButton::mbLeft && m_leftButtonDown) {
    m_leftButtonDown = false;
    if (!m_doubleClickHeld && x >= 0 && y >= 0 && x < m_width && y < m_height) Click();
  }
  ReleaseHandling();
}

void TKIVActionControl::PressHandling(TMouseButton button) {
  if (button == TMouseButton::mbLeft) {
    m_pressed = true;
    RepaintFace();
  } else if (button == TMouseButton::mbRight && m_face == TFace::FollowsPointer && m_rightClickToLocate) {
    TKIVForm* window = MenuWindowOf(*this);
    if (!window) return;
    if (m_actionType == K::aatSlideShow)
      RunAction(*window, K::aatExplore, m_ssPath, "0");
    else
      LocateTarget(*window, m_actionType, m_parameter, m_secondParam);
  }
}

void TKIVActionControl::ReleaseHandling() {
  m_pressed = false;
  RepaintFace();
}

bool TKIVActionControl::DialogChar(char32_t character, TShiftState shift) {
  if (!m_enabled || !m_visible || !m_acceleratorEnabled || (shift & ssAlt) == 0) return false;
  if (!IsAccelerator(character, m_caption)) return false;
  Click();
  return true;
}

const TWaveData* TKIVActionControl::ChosenSound(const TWaveData& own, TWaveData* (TKIVForm::*common)()) const {
  if (!own.Empty()) return &own;
  if (m_ignoreCommonSounds) return nullptr;
  auto* form = dynamic_cast<TKIVForm*>(Parent());
  if (!form) return nullptr;
  const TWaveData* sound = (form->*common)();
  return sound->Empty() ? nullptr : sound;
}

bool TKIVActionControl::AskPassword(const TMenuContext& context) {
  TDialogs* dialogs = context.services.dialogs;
  if (!dialogs) return false;
  const std::string title = Parent() ? Parent()->Caption() : std::string();
  const std::string& prompt = context.messageTexts.Text(TMessageKey::PasswordPrompt);
  while (true) {
    std::string typed = m_typedPassword;
    if (!dialogs->InputQuery(title, prompt.empty() ? std::string("&Enter Password:") : prompt, typed, true))
      return false;
    m_typedPassword = typed;
    if (ScramblePassword(typed) == m_password) return true;
  }
}

void TKIVActionControl::Click() {
  if (m_designMode) return;
  m_pressed = false;
  Invalidate();
  TKIVForm* window = MenuWindowOf(*this);
  const TMenuServices services = window ? window->Context().services : TMenuServices{};

  if (HasAction() && services.sounds)
    if (const TWaveData* sound = ChosenSound(m_mouseClickSound, &TKIVForm::CommonMouseClickSound))
      services.sounds->PlaySound(*sound, IsOneOf(m_actionType, {K::aatExit, K::aatEject}));

  if (!m_password.empty() && !m_passwordAccepted) {
    if (!window || !AskPassword(window->Context())) return;
    m_passwordAccepted = true;
  }

  const bool stopAndResume = m_bgMusicControl == TKIVBGMusicControl::amcStopAndResume &&
                             IsOneOf(m_actionType, {K::aatRunProgram, K::aatOpenDocument}) && !m_parameter.empty();
  if (services.sounds)
    services.sounds->ControlBGMusic(stopAndResume ? TKIVBGMusicControl::amcStopBGMusic : m_bgMusicControl);
  m_visited = true;

  const bool hidesWindow = IsOneOf(m_actionType, {K::aatPopupMessage, K::aatShowPicture, K::aatSlideShow});
  if (m_minimizeBeforeAction && window) {
    if (IsOneOf(m_actionType, {K::aatRunProgram, K::aatOpenDocument, K::aatExplore, K::aatGotoWeb, K::aatMail}))
      RunAction(*window, K::aatMinimize, "", "");
    else if (hidesWindow && services.showing)
      services.showing->HideMenuWindow();
  }

  try {
    RunClickAction(window, services, stopAndResume);
  } catch (const std::exception& error) {
    // The action failed (a message that does not decode); the window must not stay hidden.
    if (window) ReportActionError(*window, error);
  }

  if (m_minimizeBeforeAction && hidesWindow && services.showing) services.showing->ShowMenuWindow();
  if (m_exitAfterAction && !IsOneOf(m_actionType, {K::aatNone, K::aatExit, K::aatEject}) && window)
    RunAction(*window, K::aatExit, "", "");
  AfterAction();
}

void TKIVActionControl::RunClickAction(TKIVForm* window, const TMenuServices& services, bool stopAndResume) {
  TDelegatedActions* delegated = services.delegated;
  if (m_actionType == K::aatShowPicture) {
    if (delegated) delegated->ShowPicture(*this);
  } else if (m_actionType == K::aatSlideShow) {
    if (delegated) delegated->RunSlideShow(*this);
  } else if (m_actionType == K::aatControlIA) {
    if (delegated) delegated->RunControlCommand(*this);
  } else if (stopAndResume) {
    if (services.shell) services.shell->RunAndWait(m_parameter, m_secondParam, false, true);
    if (!m_exitAfterAction && services.sounds) services.sounds->ControlBGMusic(TKIVBGMusicControl::amcPlayBGMusic);
  } else if (window) {
    RunAction(*window, m_actionType, m_parameter, m_secondParam);
  }
}

const TClassInfo& TKIVStaticActionControl::StaticClass() {
  static const TClassInfo* info =
      TClassBuilder<TKIVStaticActionControl>("TKIVStaticActionControl", &TKIVActionControl::StaticClass()).Build();
  return *info;
}
