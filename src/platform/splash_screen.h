#pragma once
// The splash and end screens: a borderless, always-on-top window with one picture, centred on
// the screen for a number of seconds, plain or fading in and out. The plain screen counts
// wall-clock time and shows the hourglass everywhere; an animated GIF plays, and a window cut to
// its shape is recut with every frame. The fading screen counts 100 ms thread-timer steps and
// blends the picture over a still copy of the screen behind it (or, for a shaped PNG with
// per-pixel alpha where a compositor runs, fades a translucent window). Esc ends either early
// when skipWithEsc is set; nothing else does.

#include <cstdint>
#include <memory>
#include <optional>

#include <QElapsedTimer>
#include <QTimer>

#include "platform/picture_stage.h"
#include "platform/picture_window.h"
#include "window/picture_fades.h"
#include "window/splash_picture.h"

struct TSplashSettings {
  bool fade = false;
  bool skipWithEsc = false;
  int32_t delaySeconds = 0;  // > 0
};

class TSplashScreen {
 public:
  // Builds the hidden window for picture (which must outlive the screen), centred on the
  // primary screen; a fading screen, or one with per-pixel alpha and no compositor, copies the
  // screen behind it now. The plain screen shows the hourglass over the whole application until
  // it is destroyed.
  TSplashScreen(TSplashPicture& picture, const TSplashSettings& settings, const TPictureWindowServices& services);
  TSplashScreen(const TSplashScreen&) = delete;
  TSplashScreen& operator=(const TSplashScreen&) = delete;

  // Shows the window, paints it at once and brings it to the front; the time (or the fade)
  // starts now.
  void Show();
  // Esc (with skipWithEsc) ended it, or its time is up.
  bool Over() const;
  TPictureWindow& Window() { return m_stage.Window(); }
  // The fade of a fading screen (null for a plain one).
  const TSplashFade* Fade() const { return m_fade.get(); }

 private:
  int64_t DurationMs() const { return int64_t{m_settings.delaySeconds} * 1000; }

  // The hourglass over the whole application for as long as it lives, whatever ends the screen.
  struct TWaitCursor {
    TWaitCursor();
    ~TWaitCursor();
  };

  TSplashSettings m_settings;
  bool m_skip = false;
  TPictureStage m_stage;
  // Plain: the wall clock from Show and a timer that wakes the wait at the deadline.
  QElapsedTimer m_shown;
  QTimer m_deadline;
  std::unique_ptr<TSplashFade> m_fade;
  std::optional<TWaitCursor> m_waitCursor;
};

// Shows picture as a splash or end screen and returns when it is over (or the player is asked
// to end). A fading screen waits 50 ms first.
void ShowSplashPicture(TSplashPicture& picture, const TSplashSettings& settings, const TPictureWindowServices& services);
