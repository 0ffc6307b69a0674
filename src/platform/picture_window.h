#pragma once
// The window of a splash screen, an end screen or the picture viewer: it shows one picture at its
// size, either opaque (each pixel's colour, alpha ignored), optionally cut to a region, or, when
// made translucent, with the picture's own per-pixel alpha, which a compositing manager blends
// over whatever lies behind. Esc and left clicks are handed to the routine that runs it.

#include <functional>
#include <optional>
#include <string>

#include <QDialog>

#include "graphics/bitmap32.h"
#include "graphics/region.h"
#include "platform/pointer_pixel.h"

class TQtMenuWindow;
class TTickDispatcher;
class TTimerClock;

// What the splash, end-screen and viewer routines need from the player.
struct TPictureWindowServices {
  // Where the fade timers hand their ticks (the user-interface thread; required for fading
  // windows); the clock they wait with (null: the steady clock). Both must outlive the windows.
  TTickDispatcher* dispatcher = nullptr;
  TTimerClock* clock = nullptr;
  // Whether a compositing manager blends translucent windows (see CompositorRuns); without one,
  // per-pixel alpha is blended over a copy of the screen taken before the window shows.
  bool compositor = false;
  // The menu window, whose own picture stands in for a screen that cannot be read; may be null.
  const TQtMenuWindow* menu = nullptr;
  // Hears why the screen could not be read (--verbose); may be empty.
  std::function<void(const std::string&)> report;
  // True once the player is asked to end (a termination signal): a window then closes at once.
  std::function<bool()> interrupted;
};

// Handles the user-interface thread's events, waiting for them, until done() holds or
// services.interrupted() does. Works before the application's event loop runs and after it
// has been asked to quit, where a nested event loop would return at once.
void RunUntil(const std::function<bool()>& done, const TPictureWindowServices& services);

class TPictureWindow : public QDialog {
 public:
  struct TStyle {
    bool dialogFrame = false;  // a captioned dialog frame; else no frame at all
    bool stayOnTop = false;
    bool toolWindow = false;   // no taskbar button (a splash)
    bool translucent = false;  // per-pixel alpha; only where a compositor runs
  };
  TPictureWindow(QWidget* owner, const TStyle& style);

  // Shows picture (of the window's size) from now on and repaints at once when shown.
  void ShowPicture(TBitmap32 picture);
  // The picture the window shows now.
  const TBitmap32& Picture() const { return m_picture; }
  bool Translucent() const { return m_translucent; }
  // Cuts the window to region (client coordinates); nothing: the whole rectangle.
  void SetShape(const std::optional<TRegion>& region);
  // Client size and the top-left corner of the client area on the screen.
  void Place(int32_t left, int32_t top, int32_t width, int32_t height);

  // Esc pressed; a left button released over the window after it went down there; the window
  // manager asked to close the window (its close button). The window itself stays as it is: the
  // routine that runs it decides.
  std::function<void()> onEscape;
  std::function<void()> onClick;
  std::function<void()> onCloseRequest;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  bool m_translucent;
  bool m_leftDown = false;
  TBitmap32 m_picture;
  TPointerPixels m_pointerPixels{*this};
};
