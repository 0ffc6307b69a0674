#pragma once
// The picture viewer (the aatShowPicture action): the picture in a window of its own, centred on
// the screen, until a click on it or Esc. The plain viewer is a captioned dialog, a borderless
// window or a window cut to the picture's shape, and plays an animated GIF (a shaped one recut
// with every frame). The fade viewer, borderless or shaped, fades the picture in over a still
// copy of the screen, takes a click or Esc only once fully in, fades out again and closes.

#include <cstdint>
#include <memory>
#include <string>

#include <QCursor>

#include "model/menu_enums.h"
#include "platform/picture_stage.h"
#include "platform/picture_window.h"
#include "window/picture_fades.h"
#include "window/splash_picture.h"

struct TPictureViewerSettings {
  TSPWindowStyle style = TSPWindowStyle::swsNormal;
  bool fade = false;            // only with swsNoBorder or swsShaped
  int32_t fadeTimeSeconds = 1;  // bounded by kMaxViewerFadeSeconds; 0 or less: no fade at all
  std::string caption;          // the captioned window's title
};

class TPictureViewer {
 public:
  // Builds the hidden, application-modal viewer of picture (prepared shaped exactly for
  // swsShaped; it must outlive the viewer), owned by owner (may be null), with cursor over it.
  // The fade viewer copies the screen behind it now, unless a compositor blends it.
  TPictureViewer(QWidget* owner, TSplashPicture& picture, const TPictureViewerSettings& settings,
                 const TPictureWindowServices& services, const QCursor& cursor);
  TPictureViewer(const TPictureViewer&) = delete;
  TPictureViewer& operator=(const TPictureViewer&) = delete;

  // Shows the window; the fade viewer starts fading in.
  void Show();
  // A click, Esc or the window manager's close button closed the plain viewer, or the fade
  // viewer has faded out.
  bool Closed() const { return m_closed; }
  TPictureWindow& Window() { return m_stage.Window(); }
  // The fade of a fade viewer (null for a plain one).
  const TViewerFade* Fade() const { return m_fade.get(); }

 private:
  void UserClose();

  bool m_closed = false;
  TPictureStage m_stage;
  std::unique_ptr<TViewerFade> m_fade;
};

// Shows picture in the viewer and returns once it has closed (or the player is asked to end).
// The fade viewer waits 50 ms first.
void ShowPictureViewer(QWidget* owner, TSplashPicture& picture, const TPictureViewerSettings& settings,
                       const TPictureWindowServices& services, const QCursor& cursor);
