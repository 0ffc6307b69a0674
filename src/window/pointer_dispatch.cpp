#include "window/pointer_dispatch.h"

#include <algorithm>

namespace {

constexpr TShiftState kButtons = ssLeft | ssRight | ssMiddle;

TPoint Local(const TControl& control, TPoint at) { return {at.x - control.Left(), at.y - control.Top()}; }

}  // namespace

TControl* TPointerDispatcher::ControlAt(TPoint at) const {
  const auto& children = m_form.Controls();
  // The windowed controls the window drives lie above the windowless ones.
  for (const bool windowless : {false, true})
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      TControl* child = *it;
      const bool driven = windowless ? child->InheritsFrom(TGraphicControl::StaticClass()) : child->PaintedByWindow();
      if (!child->Visible() || !child->Enabled() || !driven) continue;
      if (TRect::FromSize(child->Left(), child->Top(), child->Width(), child->Height()).Contains(at)) return child;
    }
  return nullptr;
}

void TPointerDispatcher::ForgetLostControls() {
  const auto& children = m_form.Controls();
  auto present = [&](TControl* c) { return c && std::find(children.begin(), children.end(), c) != children.end(); };
  if (!present(m_hovered)) m_hovered = nullptr;
  if (!present(m_captured)) m_captured = nullptr;
}

void TPointerDispatcher::SetHovered(TControl* control) {
  if (control == m_hovered) return;
  TControl* old = m_hovered;
  m_hovered = control;
  if (old) old->MouseLeave();
  if (control) control->MouseEnter();
}

void TPointerDispatcher::MouseMove(TShiftState shift, TPoint at) {
  ForgetLostControls();
  SetHovered(ControlAt(at));
  if (TControl* target = m_captured ? m_captured : m_hovered) {
    const TPoint local = Local(*target, at);
    target->MouseMove(shift, local.x, local.y);
  }
}

TPointerTarget TPointerDispatcher::MouseDown(TMouseButton button, TShiftState shift, TPoint at) {
  ForgetLostControls();
  if (m_captured) {
    // A second button while one is held goes to the control that has the pointer.
    const TPoint local = Local(*m_captured, at);
    m_captured->MouseDown(button, shift, local.x, local.y);
    return TPointerTarget::Control;
  }
  SetHovered(ControlAt(at));
  if (!m_hovered) return TPointerTarget::Background;
  m_captured = m_hovered;
  const TPoint local = Local(*m_captured, at);
  m_captured->MouseDown(button, shift, local.x, local.y);
  return TPointerTarget::Control;
}

void TPointerDispatcher::MouseUp(TMouseButton button, TShiftState shift, TPoint at) {
  ForgetLostControls();
  TControl* target = m_captured;
  if ((shift & kButtons) == 0) m_captured = nullptr;
  if (target) {
    const TPoint local = Local(*target, at);
    target->MouseUp(button, shift, local.x, local.y);
  }
  // The control may have hidden itself or changed the page: see what is under the pointer now.
  ForgetLostControls();
  if (!m_captured) SetHovered(ControlAt(at));
}

void TPointerDispatcher::MouseLeave() {
  ForgetLostControls();
  if (!m_captured) SetHovered(nullptr);
}

TCursor TPointerDispatcher::CurrentCursor() const {
  return m_hovered ? m_hovered->Cursor() : m_form.Cursor();
}
