// Switching the menu window between the builder's design mode and run mode.

#include "window/design_mode.h"

#include <stdexcept>

#include "model/class_info.h"
#include "window/frame.h"
#include "window/menu_form.h"

bool ClassDerivesFrom(const TClassInfo& cls, std::string_view name) {
  for (const TClassInfo* c = &cls; c; c = c->Parent())
    if (c->Name() == name) return true;
  return false;
}

namespace {

int64_t OrdinalOr(const TControl& control, std::string_view property, int64_t fallback) {
  const TPropInfo* prop = control.ClassType().FindProperty(property);
  return prop && prop->getOrdinal ? prop->getOrdinal(control) : fallback;
}

// Sets the control's DesignMode when its class publishes one. A control that refuses the value
// keeps its own; the switch goes on with the next control.
void SetChildDesignMode(TControl& control, bool designMode) {
  const TPropInfo* prop = control.ClassType().FindProperty("DesignMode");
  if (!prop || !prop->setOrdinal) return;
  try {
    prop->setOrdinal(control, designMode ? 1 : 0);
  } catch (const std::exception&) {
  }
}

}  // namespace

TCursor RunModeCursor(const TControl& control, bool editCursorEmpty, bool hotCursorEmpty) {
  const TClassInfo& cls = control.ClassType();
  if (ClassDerivesFrom(cls, "TKIVActionControl")) {
    const bool acts = OrdinalOr(control, "ActionType", 0) != 0 || OrdinalOr(control, "BGMusicControl", 0) != 0;
    return acts && OrdinalOr(control, "IgnoreHotCursor", 0) == 0 ? kCursorHot : kCursorNormal;
  }
  if (ClassDerivesFrom(cls, "TCustomRichEdit")) return editCursorEmpty && hotCursorEmpty ? crDefault : kCursorEdit;
  if (ClassDerivesFrom(cls, "TCustomMemo") || ClassDerivesFrom(cls, "TCustomEdit")) return kCursorEdit;
  return kCursorNormal;
}

void TKIVForm::SetControlCursors() {
  for (TControl* child : Controls()) {
    SetChildDesignMode(*child, m_designMode);
    child->SetCursor(m_designMode ? crArrow
                                  : RunModeCursor(*child, m_kivEditCursor.Empty(), m_kivHotCursor.Empty()));
  }
  SetCursor(m_designMode ? crDefault : kCursorNormal);
  if (m_host) m_host->SetWindowCursor(Cursor());
}

void TKIVForm::SetDesignMode(bool designMode) {
  if (designMode == m_designMode) return;
  m_designMode = designMode;
  if (IsLoading()) return;
  ApplyAlpha();
  if (m_windowStyle == TKIVWindowStyle::awsFullScreen) {
    if (designMode) {
      SetFullScreen(false);
      ApplyFrame();
    } else {
      ApplyFrame();
      SetFullScreen(true);
    }
  } else {
    ApplyFrame();
    if (m_windowStyle == TKIVWindowStyle::awsShaped) ApplyShape(!designMode && IsShapePicture(PictureKind()));
  }
  if (m_topMost) ApplyTopMost();
  if (m_showGrid) Repaint();
  SetControlCursors();
  if (designMode)
    RunPageSwitch();
  else
    SetActivePage(m_startupPage);
  RebuildAboutItem();
}
