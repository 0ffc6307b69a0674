// What the menu window does with keys, background presses, minimising and the tray.

#include "window/menu_form.h"
#include "window/tray.h"

std::string TrayTipText(std::string_view caption) {
  constexpr size_t kMaxCharacters = 63;
  size_t characters = 0;
  size_t end = 0;
  while (end < caption.size()) {
    // Each character starts with a byte that is not a continuation byte (10xxxxxx).
    size_t next = end + 1;
    while (next < caption.size() && (static_cast<uint8_t>(caption[next]) & 0xC0) == 0x80) ++next;
    if (++characters > kMaxCharacters) break;
    end = next;
  }
  return std::string(caption.substr(0, end));
}

bool TKIVForm::KeyPress(char32_t character) {
  constexpr char32_t kEscape = 27;
  if (character != kEscape || !m_exitWithESC || m_designMode) return false;
  if (m_host) m_host->Close();
  return true;
}

void TKIVForm::BackgroundMouseDown(TMouseButton button) {
  (void)button;  // any button drags
  if (m_moveWithAnyPoint && m_windowStyle != TKIVWindowStyle::awsFullScreen && m_host) m_host->StartSystemMove();
}

void TKIVForm::Minimize() {
  if (m_host) m_host->MinimizeApplication();
  ApplicationMinimized();
}

void TKIVForm::ApplicationMinimized() {
  if (m_inTray || m_designMode || !(m_minimizeToTrayIcon || m_hideTaskBar)) return;
  // Where the desktop has no tray the minimise stays an ordinary one.
  m_inTray = m_host && m_host->ShowTrayIcon(true);
}

void TKIVForm::TrayDoubleClicked() {
  if (!m_inTray) return;
  m_inTray = false;
  if (m_host) {
    m_host->ShowTrayIcon(false);
    m_host->RestoreApplication();
  }
}

void TKIVForm::SetHideAboutMenu(bool hide) {
  m_hideAboutMenu = hide;
  if (!IsLoading()) RebuildAboutItem();
}

void TKIVForm::RebuildAboutItem() {
  if (!m_host) return;
  m_host->SetAboutItem(false);
  m_host->SetAboutItem(!m_hideAboutMenu);
}
