#pragma once
// TKIVMediaPlayer, the page control that plays a file, an address or the audio CD through the
// media module's component, with the player's own control bar.
//
// It goes live when the window leaves design mode (the list loaded, playing at once with
// AutoStart unless AutoStartWhenShowing waits for the control to show), reloads when the window
// is first shown, starts when it first shows (AutoStart with AutoStartWhenShowing), and pauses
// while hidden (AutoPause). AutoRewind plays the list 999 times instead of once.

#include <cstdint>
#include <memory>
#include <string>

#include "model/menu_enums.h"
#include "viewers/media_component.h"
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
  void SetControlBarStyle(TKIVMediaPlayerControlBarStyle style);
  bool ShowMenu() const { return m_showMenu; }
  bool StretchToFit() const { return m_stretchToFit; }
  void SetStretchToFit(bool stretch);

  // Takes the module's component, with the control's settings, and goes live as the window's
  // mode says.
  void AttachComponent(std::unique_ptr<TMediaComponent> component);
  // For a picture of the window (an off-screen render): the player loads but never plays.
  void KeepStill() { m_still = true; }
  // Going live (outside design mode) or back: applied even when the mode does not change.
  void SetDesignMode(bool designMode) override;
  void SetVisible(bool visible) override;
  // Reloads URL; with AutoStart plays unless AutoStartWhenShowing waits for a control that
  // does not show. Only for a player directly on the window.
  void FirstShow() override;

  // What control commands reach: u (path macros expanded) or the audio CD becomes the list,
  // outside design mode only; URL stays as stored.
  void LoadURL(const std::string& u);
  void PlayMedia();
  void TogglePause();
  void StopMedia();
  // The video over the whole screen, while playing or paused.
  void FullScreen();

 private:
  TMediaComponent* Media() const { return static_cast<TMediaComponent*>(Component()); }
  // Whether the control and all its parents are visible.
  bool Showing() const;
  // Plays, unless the player is kept still.
  void Start();

  std::string m_url;
  bool m_autoStart = false;
  bool m_autoStartWhenShowing = true;
  bool m_autoPause = false;
  bool m_autoRewind = false;
  TKIVMediaPlayerControlBarStyle m_controlBarStyle = TKIVMediaPlayerControlBarStyle::ambFull;
  bool m_showMenu = true;
  bool m_stretchToFit = false;
  bool m_startedWhenShown = false;
  bool m_reloading = false;
  bool m_wasShowing = true;
  bool m_still = false;
};
