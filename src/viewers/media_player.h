#pragma once
// TKIVMediaPlayer, the page control that hosts a media player for a file, an address or the
// audio CD. Here it is its stored form; hosting and playing build on it.

#include <cstdint>
#include <string>

#include "model/menu_enums.h"
#include "viewers/viewer_host.h"

class TKIVMediaPlayer : public TViewerHost {
 public:
  TKIVMediaPlayer();
  static const TClassInfo& StaticClass();
  const TClassInfo& ClassType() const override { return StaticClass(); }

  // Media file or address as stored (path macros not expanded), or "[AUDIO CD]" in any case.
  const std::string& URL() const { return m_url; }
  bool AutoStart() const { return m_autoStart; }
  bool AutoStartWhenShowing() const { return m_autoStartWhenShowing; }
  bool AutoPause() const { return m_autoPause; }
  bool AutoRewind() const { return m_autoRewind; }
  TKIVMediaPlayerControlBarStyle ControlBarStyle() const { return m_controlBarStyle; }
  bool ShowMenu() const { return m_showMenu; }
  bool StretchToFit() const { return m_stretchToFit; }

 private:
  std::string m_url;
  bool m_autoStart = false;
  bool m_autoStartWhenShowing = true;
  bool m_autoPause = false;
  bool m_autoRewind = false;
  TKIVMediaPlayerControlBarStyle m_controlBarStyle = TKIVMediaPlayerControlBarStyle::ambFull;
  bool m_showMenu = true;
  bool m_stretchToFit = false;
};
