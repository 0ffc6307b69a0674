#pragma once
// What a splash, end-screen or viewer window shows, step by step: the plain face (an animated GIF
// playing frame by frame, a shaped window recut with each frame) or one opacity of a fade. A
// window with per-pixel alpha is translucent where a compositor runs; elsewhere it blends over a
// copy of the screen behind it, taken when the stage is built.

#include <cstdint>
#include <memory>

#include <QRect>
#include <QTimer>

#include "graphics/bitmap32.h"
#include "platform/picture_window.h"
#include "window/splash_picture.h"

class QScreen;

class TPictureStage {
 public:
  // Builds the hidden window for picture (which must outlive the stage) over area (the client
  // area on the screen, of the picture's size) with style; its translucency is decided here.
  // fades: the window will show fade steps rather than the plain face.
  TPictureStage(QWidget* owner, TSplashPicture& picture, TPictureWindow::TStyle style, const QRect& area, bool fades,
                const TPictureWindowServices& services);

  TPictureWindow& Window() { return *m_window; }
  // Shows the plain face of frame 0 and, for an animated picture, plays on from there.
  void Play() { ShowFrame(0); }
  // Shows the fade's foreground over the copied screen at opacity alpha.
  void ShowFadeStep(uint8_t alpha);

 private:
  void ShowFrame(int32_t frame);

  TSplashPicture& m_picture;
  std::unique_ptr<TPictureWindow> m_window;
  TBitmap32 m_background;  // the screen behind the window, when it blends by itself
  TBitmap32 m_work;
  QTimer m_animation;
  int32_t m_frame = 0;
};

// The client area of picture centred on screen's geometry (the primary screen when null).
QRect CentredArea(const QScreen* screen, const TSplashPicture& picture);
