// The menu window's pages: which direct children are visible, and the page caption.

#include "window/pages.h"

#include "window/menu_form.h"

void TKIVForm::RunPageSwitch() {
  for (TControl* child : Controls()) child->SetVisible(IsOnPage(child->Tag(), m_activePage, m_alwaysShowPageZero));
  for (TControl* child : Controls())
    if (child->Visible()) child->PageShown();
  ApplyPageCaption();
  Repaint();
}

void TKIVForm::SetActivePage(int32_t page) {
  m_activePage = page;
  if (!IsLoading()) RunPageSwitch();
}

void TKIVForm::SetAlwaysShowPageZero(bool value) {
  if (value == m_alwaysShowPageZero) return;
  m_alwaysShowPageZero = value;
  if (!IsLoading()) RunPageSwitch();
}

void TKIVForm::SetUsePageCaption(bool value) {
  m_usePageCaption = value;
  if (!IsLoading()) ApplyPageCaption();
}

void TKIVForm::ApplyPageCaption() {
  const auto& pages = m_pages.Lines();
  if (!m_usePageCaption || m_activePage < 0 || static_cast<size_t>(m_activePage) >= pages.size()) return;
  SetCaption(pages[static_cast<size_t>(m_activePage)]);
}
