#pragma once
// The splash, the end screen and the picture viewer as the player shows them: the document's
// settings handed to the platform's windows. These windows are cosmetic: whatever goes wrong
// inside one (a picture that does not decode, a failed allocation) closes it and the menu goes on.

#include "model/control.h"
#include "platform/menu_window_widget.h"
#include "platform/picture_window.h"
#include "startup/menu_session.h"

// Shows the splash or end screen of request and returns once it is over.
void ShowSplashScreen(const TSplashRequest& request, const TPictureWindowServices& services);

// The picture action of clicked (an action control): its SP_Picture in the viewer its SP_Window,
// SP_Fade, SP_FadeTime and SP_Caption ask for, owned by menu and with menu's hot cursor over it.
// An empty or undecodable picture shows nothing. Returns once the viewer has closed.
void ShowPictureOf(TControl& clicked, TQtMenuWindow& menu, const TPictureWindowServices& services);
