// Switching the menu window between the builder's design mode and run mode.

#include "window/design_mode.h"

#include "window/frame.h"
#include "window/menu_form.h"

TCursor RunModeCursor(const TControl& control, bool editCursorEmpty, bool hotCursorEmpty) {
  switch (control.RunModeCursorKind()) {
    case TRunModeCursor::Hot:
      return kCursorHot;
    case TRunModeCursor::Edit:
      return kCursorEdit;
    case TRunModeCursor::RichText:
      return editCursorEmpty && hotCursorEmpty ? crDefault : kCursorEdit;
    case TRunModeCursor::Normal:
      break;
  }
  return kCursorNormal;
}

void TKIVForm::SetControlCursors() {
  for (TControl* child : Controls()) {
    child->SetDesignMode(m_designMode);
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
