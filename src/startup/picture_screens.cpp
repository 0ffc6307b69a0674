#include "startup/picture_screens.h"

#include <exception>
#include <optional>

#include "controls/action_control.h"
#include "platform/picture_viewer.h"
#include "platform/splash_screen.h"
#include "window/splash_picture.h"

namespace {

// The one place where the errors of these windows are swallowed: a splash or a picture is
// decoration, and the menu must go on without it.
template <typename TShow>
void Cosmetic(TShow&& show) {
  try {
    show();
  } catch (const std::exception&) {
  }
}

}  // namespace

void ShowSplashScreen(const TSplashRequest& request, const TPictureWindowServices& services) {
  Cosmetic([&] {
    std::optional<TSplashPicture> picture = TSplashPicture::Prepare(*request.picture, request.shaped);
    if (!picture) return;
    ShowSplashPicture(*picture, {request.fade, request.skipWithEsc, request.delaySeconds}, services);
  });
}

void ShowPictureOf(TControl& clicked, TQtMenuWindow& menu, const TPictureWindowServices& services) {
  auto* control = dynamic_cast<TKIVActionControl*>(&clicked);
  if (!control) return;
  Cosmetic([&] {
    const TSPWindowStyle style = control->m_spWindow;
    std::optional<TSplashPicture> picture =
        TSplashPicture::Prepare(*control->SP_Picture(), style == TSPWindowStyle::swsShaped);
    if (!picture) return;
    const TPictureViewerSettings settings{style, control->m_spFade, control->m_spFadeTime, control->m_spCaption};
    ShowPictureViewer(&menu, *picture, settings, services, menu.Cursors().Frames(kCursorHot).front().cursor);
  });
}
