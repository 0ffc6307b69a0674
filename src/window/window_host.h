#pragma once
// What the menu window needs from the windowing system. The window's behaviour (pages, frame,
// shape, opacity, cursors, tray) is decided in this layer and carried out through this
// interface; the Qt implementation lives in the platform layer, and tests may record calls.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "graphics/bitmap32.h"
#include "graphics/region.h"

enum class TBorderKind : uint8_t {
  Sizeable,     // design mode
  SingleFixed,  // a normal frame that cannot be resized
  None,         // no frame at all
};

enum class TMessageBoxIcon : uint8_t { Information, Warning };

// The buttons of the window's title bar (the document's BorderIcons): close (the system menu),
// minimise and maximise. A window manager may offer fewer.
struct TTitleButtons {
  bool close = true;
  bool minimize = true;
  bool maximize = false;
  friend bool operator==(const TTitleButtons&, const TTitleButtons&) = default;
};

// The process-wide cursor numbers the window sets up.
inline constexpr int16_t kCursorNormal = 1999;
inline constexpr int16_t kCursorHot = 2999;
inline constexpr int16_t kCursorEdit = 3999;

struct TCursorImage {
  TBitmap32 image;
  TPoint hotSpot;
  int32_t delayMs = 0;  // for the frames of an animated cursor
};

class TWindowHost {
 public:
  virtual ~TWindowHost() = default;

  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetBorder(TBorderKind border) = 0;
  // The title bar's buttons of a window with a frame.
  virtual void SetTitleButtons(TTitleButtons buttons) { (void)buttons; }
  virtual void SetClientSize(int32_t width, int32_t height) = 0;
  virtual void SetPosition(int32_t left, int32_t top) = 0;  // the outer frame's top-left on screen
  virtual int32_t ScreenWidth() const = 0;
  virtual int32_t ScreenHeight() const = 0;
  // Cuts the window to region (client coordinates); nothing restores the full rectangle.
  virtual void SetShape(const std::optional<TRegion>& region) = 0;
  // Whole-window opacity 0..255; nothing turns translucency off.
  virtual void SetOpacity(std::optional<uint8_t> alpha) = 0;
  virtual void SetTopMost(bool topMost) = 0;
  // Icon images, largest first; empty means the player's own default icon.
  virtual void SetIcon(const std::vector<TBitmap32>& images) = 0;
  // Defines cursor number (1999, 2999, 3999) from frames; empty frames mean the system's
  // cursor for that number (arrow, arrow, I-beam).
  virtual void DefineCursor(int16_t number, std::vector<TCursorImage> frames) = 0;
  // The cursor shown while the pointer is over the window's own background.
  virtual void SetWindowCursor(int16_t cursor) = 0;
  virtual void SetAboutItem(bool present) = 0;
  // Repaint the area (client coordinates) soon; or at once when immediate.
  virtual void Invalidate(const TRect& area, bool immediate) = 0;
  // Shows or removes the tray icon; true when it shows (false where the desktop has no tray).
  virtual bool ShowTrayIcon(bool shown) = 0;
  virtual void MinimizeApplication() = 0;
  virtual void RestoreApplication() = 0;
  virtual void Close() = 0;
  virtual void StartSystemMove() = 0;

  // No taskbar button for the application (the document's HideTaskBar); minimising then goes to
  // the tray, or, where there is none, keeps a taskbar button while minimised.
  virtual void HideFromTaskbar() {}
  // A modal message box owned by no window, shown before the menu is visible (start-up's
  // refusals and warnings); returns once the user has closed it.
  virtual void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) {
    (void)title, (void)text, (void)icon;
  }
};

// A host for a window nobody sees: every request is ignored and the screen is 1920 x 1080, the
// size off-screen renders assume. Off-screen renders and tests override what they watch.
class TNullWindowHost : public TWindowHost {
 public:
  void SetCaption(const std::string&) override {}
  void SetBorder(TBorderKind) override {}
  void SetClientSize(int32_t, int32_t) override {}
  void SetPosition(int32_t, int32_t) override {}
  int32_t ScreenWidth() const override { return 1920; }
  int32_t ScreenHeight() const override { return 1080; }
  void SetShape(const std::optional<TRegion>&) override {}
  void SetOpacity(std::optional<uint8_t>) override {}
  void SetTopMost(bool) override {}
  void SetIcon(const std::vector<TBitmap32>&) override {}
  void DefineCursor(int16_t, std::vector<TCursorImage>) override {}
  void SetWindowCursor(int16_t) override {}
  void SetAboutItem(bool) override {}
  void Invalidate(const TRect&, bool) override {}
  bool ShowTrayIcon(bool) override { return false; }
  void MinimizeApplication() override {}
  void RestoreApplication() override {}
  void Close() override {}
  void StartSystemMove() override {}
};
