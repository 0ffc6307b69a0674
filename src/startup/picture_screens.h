#pragma once
// The splash, the end screen, the picture viewer and the slide show as the player shows them: the document's
// settings handed to the platform's windows. These windows are cosmetic: whatever goes wrong
// inside one (a picture that does not decode, a failed allocation) closes it and the menu goes on.

#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "model/control.h"
#include "platform/menu_window_widget.h"
#include "platform/picture_window.h"
#include "startup/menu_session.h"
#include "window/menu_services.h"

// Shows the splash or end screen of request and returns once it is over.
void ShowSplashScreen(const TSplashRequest& request, const TPictureWindowServices& services);

// The picture action of clicked (an action control): its SP_Picture in the viewer its SP_Window,
// SP_Fade, SP_FadeTime and SP_Caption ask for, owned by menu and with menu's hot cursor over it.
// An empty or undecodable picture shows nothing. Returns once the viewer has closed.
void ShowPictureOf(TControl& clicked, TQtMenuWindow& menu, const TPictureWindowServices& services);

// The slide show of clicked (an action control): the pictures of its SS_Path folder (path
// macros expanded, a Windows path found on Linux) in the slide-show window its SS_ settings ask
// for, owned by menu, with the background music started before and stopped after as they say.
// An empty path does nothing; a folder without pictures shows the menu's warning instead.
// Returns once the show has ended.
void RunSlideShowOf(TControl& clicked, TQtMenuWindow& menu, const TPictureWindowServices& services);

// The picture file at path as the slide show shows it: decoded by its content, transparent parts
// drawn as the platform draws them onto an opaque bitmap; nothing for a file that is not a
// regular file, is larger than 256 MB or does not decode.
std::optional<TBitmap32> LoadSlideShowPicture(const std::string& path);

// The actions of other layers that the player carries out: the picture viewer and the slide
// show, run by showPicture and runSlideShow (ShowPictureOf and RunSlideShowOf with the player's
// windows), and the commands to other controls.
class TDelegatedMenuActions : public TDelegatedActions {
 public:
  TDelegatedMenuActions(std::function<void(TControl&)> showPicture, std::function<void(TControl&)> runSlideShow)
      : m_showPicture(std::move(showPicture)), m_runSlideShow(std::move(runSlideShow)) {}
  void ShowPicture(TControl& clicked) override { m_showPicture(clicked); }
  void RunSlideShow(TControl& clicked) override { m_runSlideShow(clicked); }
  // The clicked action control's command to another control (see control_commands.h).
  void RunControlCommand(TControl& clicked) override;

 private:
  std::function<void(TControl&)> m_showPicture;
  std::function<void(TControl&)> m_runSlideShow;
};
