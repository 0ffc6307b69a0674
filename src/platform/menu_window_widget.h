#pragma once
// The menu window on Qt Widgets: a top-level QWidget that carries out what the window logic
// decides (TWindowHost) and hands the user's input back through TMenuWindowHandlers. The
// widget's size is the client area; a window manager's frame lies outside it. Windowed controls
// are QWidget children of it and lie above everything it paints.

#include <cstdint>
#include <functional>
#include <memory>

#include <QIcon>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "graphics/bitmap32.h"
#include "model/control.h"
#include "platform/cursor_table.h"
#include "platform/pointer_pixel.h"
#include "window/window_host.h"

class QSystemTrayIcon;

// What the window logic installs to hear from the window. Each may be left empty. Positions are
// client coordinates in menu pixels: on a window Qt scales by N, the pixel whose N x N block
// holds the pointer.
struct TMenuWindowHandlers {
  // Paints the client surface. area is the part that must be painted; pixels outside it may be
  // left as they are. Pixels are shown as they are, alpha ignored.
  std::function<void(const TBitmapView& surface, const TRect& area)> paint;
  // Pointer over the client area (not over a windowed control). A double click arrives as a
  // press with ssDouble in shift; while a button is held the window keeps getting the pointer.
  std::function<void(TMouseButton button, TShiftState shift, int32_t x, int32_t y)> mouseDown;
  std::function<void(TMouseButton button, TShiftState shift, int32_t x, int32_t y)> mouseUp;
  std::function<void(TShiftState shift, int32_t x, int32_t y)> mouseMove;
  std::function<void()> mouseLeave;
  // A typed character (27 for Esc) before any widget of the window sees it; true consumes it.
  std::function<bool(char32_t character)> keyPress;
  // A typed character keyPress did not use, with the keys held (ssAlt, ssCtrl, ssShift): offered
  // to the controls' accelerators; true consumes it.
  std::function<bool(char32_t character, TShiftState shift)> dialogChar;
  // The pointer entered a widget inside the window (a windowed control's own) at (x, y).
  std::function<void(int32_t x, int32_t y)> childEntered;
  // Whether (x, y) is the window's own background, where the right button opens the About menu;
  // without it the whole client area counts as background.
  std::function<bool(int32_t x, int32_t y)> isBackground;
  // The window was minimised, by MinimizeApplication or by the window manager's button.
  std::function<void()> minimized;
  // The tray icon was double-clicked.
  std::function<void()> trayDoubleClicked;
  // The window is closing (Close, or the window manager's close button).
  std::function<void()> closed;
};

class TQtMenuWindow : public QWidget, public TWindowHost {
 public:
  // A hidden top-level window with a sizeable frame, the default icon, the arrow cursor and the
  // About item.
  TQtMenuWindow();
  ~TQtMenuWindow() override;

  void SetHandlers(TMenuWindowHandlers handlers) { m_handlers = std::move(handlers); }

  // The cursor over whatever lies under the pointer now (a windowless control's Cursor);
  // crDefault gives back the window's own cursor. The pointer dispatcher calls this as the
  // pointer moves from control to control.
  void SetPointerCursor(TCursor cursor);

  // The client surface the paint handler fills: the widget's size, within kMaxBitmapSide and
  // kMaxBitmapPixels.
  const TBitmap32& Surface() const { return m_surface; }
  // The About menu while it is open (tests look at it); null otherwise.
  QMenu* OpenMenu() const { return m_menu; }
  QSystemTrayIcon* TrayIcon() const { return m_tray.get(); }
  // The cursors defined for this window (the menu's normal, hot and edit cursors).
  const TQtCursorTable& Cursors() const { return m_cursors; }
  TBorderKind Border() const { return m_border; }

  // TWindowHost
  void SetCaption(const std::string& caption) override;
  void SetBorder(TBorderKind border) override;
  void SetTitleButtons(TTitleButtons buttons) override;
  void SetClientSize(int32_t width, int32_t height) override;
  void SetPosition(int32_t left, int32_t top) override;
  int32_t ScreenWidth() const override;
  int32_t ScreenHeight() const override;
  void SetShape(const std::optional<TRegion>& region) override;
  void SetOpacity(std::optional<uint8_t> alpha) override;
  void SetTopMost(bool topMost) override;
  void SetIcon(const std::vector<TBitmap32>& images) override;
  void DefineCursor(int16_t number, std::vector<TCursorImage> frames) override;
  void SetWindowCursor(int16_t cursor) override;
  void SetAboutItem(bool present) override;
  void Invalidate(const TRect& area, bool immediate) override;
  bool ShowTrayIcon(bool shown) override;
  void MinimizeApplication() override;
  void RestoreApplication() override;
  void Close() override;
  void StartSystemMove() override;
  void HideFromTaskbar() override;
  void ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  Qt::WindowFlags WantedFlags() const;
  void ApplyFlags();
  void ApplySizeLimits();
  void ShowCursor();
  void NextCursorFrame();
  void HideIntoTray();
  void RemoveTrayIcon();

  TMenuWindowHandlers m_handlers;
  // The player's own icon, for a menu without one: drawn once.
  QIcon m_playerIcon;
  TBitmap32 m_surface;
  TBorderKind m_border = TBorderKind::Sizeable;
  TTitleButtons m_titleButtons;
  bool m_topMost = false;
  bool m_hiddenFromTaskbar = false;
  bool m_aboutItem = true;
  bool m_painting = false;
  QPointer<QMenu> m_menu;
  std::unique_ptr<QSystemTrayIcon> m_tray;

  TQtCursorTable m_cursors;
  TCursor m_windowCursor = crDefault;
  TCursor m_pointerCursor = crDefault;
  TCursor m_shownCursor = crDefault;
  size_t m_cursorFrame = 0;
  QTimer m_cursorTimer;
  TPointerPixels m_pointerPixels{*this};
};
