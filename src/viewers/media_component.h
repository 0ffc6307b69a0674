#pragma once
// The media module's component: a player for a list of sources (files, addresses, audio CD
// tracks), drawing the video itself under the player's own control bar.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "window/widget_component.h"

class QWidget;

class TMediaComponent : public TWidgetComponent {
 public:
  static constexpr const char* kModuleName = "media";
  static constexpr const char* kInterfaceName = "TMediaComponent";
  static constexpr uint32_t kInterfaceVersion = 1;
  // Creates a hidden, stopped component inside window (the menu window's widget).
  struct TFactory {
    std::unique_ptr<TMediaComponent> (*create)(QWidget* window);
  };

  enum class TState : uint8_t { Stopped, Paused, Playing };
  enum class TBar : uint8_t { Full, Mini, None };

  // Stops, then takes sources (Linux paths, or addresses with a scheme such as "http:" or
  // "cdda:") to play one after another; an empty list plays nothing.
  virtual void SetSources(std::vector<std::string> sources) = 0;
  virtual void Play() = 0;
  virtual void Pause() = 0;
  virtual void Stop() = 0;
  virtual TState State() const = 0;
  // How many times the list plays before the player stops (at least 1).
  virtual void SetPlayCount(int count) = 0;
  virtual void SetBar(TBar bar) = 0;
  // Stretches the video over the component; otherwise it keeps its proportions and is made
  // smaller only when it does not fit.
  virtual void SetStretchToFit(bool stretch) = 0;
  // Whether the right button opens the player's menu (play, pause, stop).
  virtual void SetContextMenu(bool enabled) = 0;
  // The video over the whole screen until Esc or a double click.
  virtual void SetFullScreen(bool fullScreen) = 0;
  // Told each time the list has played its last time (the player is stopped then).
  virtual void SetEndedHandler(std::function<void()> ended) = 0;
};
