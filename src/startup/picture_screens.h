#pragma once
// The splash, the end screen and the picture viewer as the player shows them: the document's
// settings handed to the platform's windows. These windows are cosmetic: whatever goes wrong
// inside one (a picture that does not decode, a failed allocation) closes it and the menu goes on.

#include <functional>
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

// The actions of other layers that the player carries out: the picture viewer, shown by
// showPicture (ShowPictureOf with the player's windows). The slide show and the control
// commands are not carried out yet, so a click on them does nothing.
class TPictureActions : public TDelegatedActions {
 public:
  explicit TPictureActions(std::function<void(TControl&)> showPicture) : m_showPicture(std::move(showPicture)) {}
  void ShowPicture(TControl& clicked) override { m_showPicture(clicked); }
  void RunSlideShow(TControl&) override {}
  void RunControlCommand(TControl&) override {}

 private:
  std::function<void(TControl&)> m_showPicture;
};
