#pragma once
// TKIVWebBrowser, the page control that hosts a web view with an optional navigation bar, and
// the not-installed message that it shares with the media, Flash and PDF hosts. Here the
// control is its stored form; hosting and navigation build on it.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "model/menu_enums.h"
#include "model/message_texts.h"

// The blue text a viewer host shows in place of a missing component. It holds the process-wide
// message of its key as it was last read: at construction, and again whenever the host's
// MessageTextsChanged runs after the window applied a document's translations. The text is
// kept raw; its backslash escapes are decoded where it is shown.
class TNotInstalledMessage {
 public:
  explicit TNotInstalledMessage(TMessageKey key) : m_key(key) { Reread(); }
  TMessageKey Key() const { return m_key; }
  const std::string& Text() const { return m_text; }
  void Reread() { m_text = ProcessMessageTexts().Text(m_key); }

 private:
  TMessageKey m_key;
  std::string m_text;
};

class TKIVWebBrowser : public TCustomControl {
 public:
  TKIVWebBrowser();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  void MessageTextsChanged() override { m_notInstalled.Reread(); }
  const std::string& NotInstalledText() const { return m_notInstalled.Text(); }

  // Home address as stored (path macros not expanded).
  const std::string& URL() const { return m_url; }
  bool ShowMenu() const { return m_showMenu; }
  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) { m_designMode = designMode; }
  TKIVWebBrowserControlBarStyle ControlBarStyle() const { return m_controlBarStyle; }
  const std::string& IAName() const { return m_iaName; }

 private:
  TNotInstalledMessage m_notInstalled{TMessageKey::NoIE4Message};
  std::string m_url;
  bool m_showMenu = true;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  bool m_designMode = false;
  TKIVWebBrowserControlBarStyle m_controlBarStyle = TKIVWebBrowserControlBarStyle::awbNone;
  std::string m_iaName;
};
