#pragma once
// The slide-show window: a borderless window, full screen or centred, filled by the transition
// control, with the file-name line at its top left and the help line at its bottom right in
// lime. Keys, clicks and the right-button menu go to the show's course (actions/slide_show.h);
// its pacing timer is a thread timer, so the show goes on inside modal waits.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "actions/slide_show.h"
#include "model/ident_tables.h"
#include "platform/pic_show_widget.h"
#include "platform/picture_window.h"
#include "platform/pointer_pixel.h"
#include "window/thread_timer.h"

struct TSlideShowFrame {
  bool fullScreen = true;
  int32_t width = 800;  // without fullScreen, clamped to the screen
  int32_t height = 600;
  TColor background = 0;
  bool showInfo = true;  // the two text lines
};

class TSlideShowWindow final : public QDialog, private TSlideShowTimer {
 public:
  // pictures is not empty. services' dispatcher and clock pace the timer (the steady clock and a
  // dispatcher of the window's own when null).
  TSlideShowWindow(QWidget* owner, std::vector<std::string> pictures, TSlideShowSettings settings,
                   const TSlideShowFrame& frame, const TPictureWindowServices& services,
                   TSlideShow::TPictureLoader loader, uint32_t seed);
  ~TSlideShowWindow() override;

  // Shows the window at its place (Qt's full-screen state, so desktop panels do not shrink it)
  // and starts the show.
  void Start();
  TSlideShow& Show() { return *m_show; }
  TPicShow& Engine() { return m_stage->Control(); }
  // What the window shows: the control's picture with the text lines over it.
  TBitmap32 Picture();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Start(uint32_t intervalMs) override;
  void Stop() override;
  void PaintLines(const TBitmapView& view) const;
  void OpenMenu(const QPoint& globalPosition);
  static uint64_t NowMs();

  TSlideShowFrame m_frame;
  std::unique_ptr<TTickDispatcher> m_ownDispatcher;
  TKIVThreadTimer m_timer;
  TPicShowWidget* m_stage;
  std::unique_ptr<TSlideShow> m_show;
  TPointerPixels m_pointerPixels{*this};
};

// Shows the slide show of pictures, decoded by loader, and returns once it has ended (or the
// player is asked to end).
void RunSlideShowWindow(QWidget* owner, std::vector<std::string> pictures, TSlideShowSettings settings,
                        const TSlideShowFrame& frame, const TPictureWindowServices& services,
                        TSlideShow::TPictureLoader loader);
