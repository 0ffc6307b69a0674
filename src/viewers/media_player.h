#pragma once
// TKIVMediaPlayer, the page control that hosts a media player for a file, an address or the
// audio CD. Here it is its stored form; hosting and playing build on it.

#include <cstdint>
#include <string>

#include "model/control.h"
#include "model/menu_enums.h"
#include "viewers/web_browser.h"

class TKIVMediaPlayer : public TCustomControl {
 public:
  TKIVMediaPlayer();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  void MessageTextsChanged() override { m_notInstalled.Reread(); }
  const std::string& NotInstalledText() const { return m_notInstalled.Text(); }

  // Media file or address as stored (path macros not expanded), or "[AUDIO CD]" in any case.
  const std::string& URL() const { return m_url; }
  bool AutoStart() const { return m_autoStart; }
  bool AutoStartWhenShowing() const { return m_autoStartWhenShowing; }
  bool AutoPause() const { return m_autoPause; }
  bool AutoRewind() const { return m_autoRewind; }
  TKIVMediaPlayerControlBarStyle ControlBarStyle() const { return m_controlBarStyle; }
  bool ShowMenu() const { return m_showMenu; }
  bool StretchToFit() const { return m_stretchToFit; }
  bool DesignMode() const { return m_designMode; }
  void SetDesignMode(bool designMode) { m_designMode = designMode; }
  const std::string& IAName() const { return m_iaName; }

 private:
  TNotInstalledMessage m_notInstalled{TMessageKey::NoWMPMessage};
  std::string m_url;
  bool m_autoStart = false;
  bool m_autoStartWhenShowing = true;
  bool m_autoPause = false;
  bool m_autoRewind = false;
  TKIVMediaPlayerControlBarStyle m_controlBarStyle = TKIVMediaPlayerControlBarStyle::ambFull;
  bool m_showMenu = true;
  bool m_stretchToFit = false;
  bool m_designMode = false;
  bool m_locked = false;
  uint32_t m_groupIndex = 0;
  std::string m_iaName;
};
