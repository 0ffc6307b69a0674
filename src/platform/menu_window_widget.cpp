#include "platform/menu_window_widget.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QShowEvent>
#include <QSystemTrayIcon>
#include <QWindow>

#include "graphics/colors.h"
#include "graphics/region.h"
#include "platform/about_box.h"
#include "platform/display_scale.h"
#include "platform/opaque_picture.h"
#include "platform/player_icon.h"
#include "platform/x11_window_state.h"
#include "window/tray.h"

namespace {

TShiftState ShiftOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

std::optional<TMouseButton> ButtonOf(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return TMouseButton::mbLeft;
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return std::nullopt;
  }
}

QRect ToQRect(const TRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The character a key press types: the first of its text, or, when the platform sends none,
// the letter or digit of the key, or Esc for the Escape key.
char32_t CharacterOf(const QKeyEvent& event) {
  const QString text = event.text();
  if (!text.isEmpty()) return text.toUcs4().value(0);
  // With Alt some platforms send letters and digits without text.
  const int key = event.key();
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return static_cast<char32_t>(key);
  return key == Qt::Key_Escape ? U'\x1b' : U'\0';
}

}  // namespace

TQtMenuWindow::TQtMenuWindow() : QWidget(nullptr, Qt::Window), m_playerIcon(DefaultPlayerIcon()) {
  setAttribute(Qt::WA_OpaquePaintEvent);  // the surface covers every pixel
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setWindowIcon(m_playerIcon);
  // The surface gets its size from the resize event, which Qt delivers before the first paint.
  m_cursorTimer.setSingleShot(true);
  QObject::connect(&m_cursorTimer, &QTimer::timeout, this, [this] { NextCursorFrame(); });
  ApplyFlags();
  ShowCursor();
  // Keys reach the window before its widgets (see eventFilter).
  qApp->installEventFilter(this);
}

TQtMenuWindow::~TQtMenuWindow() { qApp->removeEventFilter(this); }

// --- frame, size, position -----------------------------------------------------------------

void TQtMenuWindow::SetCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

// A frame always has a title; its buttons are the ones asked for (a window manager reads them from
// the window's hints and may offer fewer).
Qt::WindowFlags TQtMenuWindow::WantedFlags() const {
  Qt::WindowFlags flags = Qt::Window;
  if (m_border == TBorderKind::None) {
    flags |= Qt::FramelessWindowHint;
  } else {
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (m_titleButtons.close) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (m_titleButtons.minimize) flags |= Qt::WindowMinimizeButtonHint;
    if (m_titleButtons.maximize) flags |= Qt::WindowMaximizeButtonHint;
  }
  if (m_topMost) flags |= Qt::WindowStaysOnTopHint;
  return flags;
}

// Changing QWidget's flags on a shown window hides it and shows it again (moving and activating
// it on the way); the window's native flags can instead change in place, so a shown window
// takes its new flags without leaving the screen.
void TQtMenuWindow::ApplyFlags() {
  const Qt::WindowFlags flags = WantedFlags();
  if (flags == windowFlags()) return;
  if (isVisible() && windowHandle()) {
    overrideWindowFlags(flags);
    windowHandle()->setFlags(flags);
  } else {
    setWindowFlags(flags);
  }
}

void TQtMenuWindow::SetBorder(TBorderKind border) {
  m_border = border;
  ApplyFlags();
  ApplySizeLimits();
}

void TQtMenuWindow::SetTitleButtons(TTitleButtons buttons) {
  m_titleButtons = buttons;
  ApplyFlags();
}

// Only the sizeable frame lets the user change the size.
void TQtMenuWindow::ApplySizeLimits() {
  if (m_border == TBorderKind::Sizeable) {
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  } else {
    setFixedSize(size());
  }
}

void TQtMenuWindow::SetClientSize(int32_t width, int32_t height) {
  const QSize wanted(std::clamp(width, 0, kMaxBitmapSide), std::clamp(height, 0, kMaxBitmapSide));
  if (m_border == TBorderKind::Sizeable)
    resize(wanted);
  else
    setFixedSize(wanted);
}

void TQtMenuWindow::SetPosition(int32_t left, int32_t top) { move(left, top); }

int32_t TQtMenuWindow::ScreenWidth() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().width() : 0;
}

int32_t TQtMenuWindow::ScreenHeight() const {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->geometry().height() : 0;
}

// --- shape, opacity, stacking ----------------------------------------------------------------

void TQtMenuWindow::SetShape(const std::optional<TRegion>& region) {
  if (!region) {
    clearMask();
    return;
  }
  const QRegion mask = ToQRegion(*region);
  // An empty mask means "no mask" to Qt; a region with no pixel in the window keeps the window
  // present but shows none of it.
  setMask(mask.isEmpty() ? QRegion(-1, -1, 1, 1) : mask);
}

void TQtMenuWindow::SetOpacity(std::optional<uint8_t> alpha) { setWindowOpacity(alpha ? *alpha / 255.0 : 1.0); }

void TQtMenuWindow::SetTopMost(bool topMost) {
  m_topMost = topMost;
  ApplyFlags();
}

void TQtMenuWindow::HideFromTaskbar() {
  m_hiddenFromTaskbar = true;
  if (windowHandle()) SetSkipTaskbar(windowHandle(), true);
}

// A window manager drops the window's states when it is hidden; they are set again before each
// show. Without --scale the window's scale follows the screen it is on, so the menu's cursors are
// built again when it moves to another screen (the window's handle is known from its first show).
void TQtMenuWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!windowHandle()) return;
  if (m_hiddenFromTaskbar && !event->spontaneous()) SetSkipTaskbar(windowHandle(), true);
  QObject::connect(windowHandle(), &QWindow::screenChanged, this, &TQtMenuWindow::ShowCursor, Qt::UniqueConnection);
}

// --- icon and cursors ------------------------------------------------------------------------

void TQtMenuWindow::SetIcon(const std::vector<TBitmap32>& images) {
  const QIcon icon = IconFromBitmaps(images);
  setWindowIcon(icon.isNull() ? m_playerIcon : icon);
  if (m_tray) m_tray->setIcon(windowIcon());
}

void TQtMenuWindow::DefineCursor(int16_t number, std::vector<TCursorImage> frames) {
  if (m_cursors.Define(number, std::move(frames))) ShowCursor();
}

void TQtMenuWindow::SetWindowCursor(int16_t cursor) {
  m_windowCursor = cursor;
  ShowCursor();
}

void TQtMenuWindow::SetPointerCursor(TCursor cursor) {
  m_pointerCursor = cursor;
  ShowCursor();
}

// Shows the first frame of the cursor in force (the pointer's, else the window's) and, for an
// animation, starts the timer that steps through the others. The menu's cursors follow the
// window's scale as it is now.
void TQtMenuWindow::ShowCursor() {
  m_cursors.SetScale(WindowScale(*this));
  m_shownCursor = m_pointerCursor != crDefault ? m_pointerCursor : m_windowCursor;
  m_cursorFrame = 0;
  const std::vector<TQtCursorFrame>& frames = m_cursors.Frames(m_shownCursor);
  setCursor(frames.front().cursor);
  m_cursorTimer.stop();
  if (frames.size() > 1) m_cursorTimer.start(frames.front().delayMs);
}

void TQtMenuWindow::NextCursorFrame() {
  const std::vector<TQtCursorFrame>& frames = m_cursors.Frames(m_shownCursor);
  if (frames.size() < 2) return;
  m_cursorFrame = (m_cursorFrame + 1) % frames.size();
  setCursor(frames[m_cursorFrame].cursor);
  m_cursorTimer.start(frames[m_cursorFrame].delayMs);
}

// --- About menu and message box --------------------------------------------------------------

void TQtMenuWindow::SetAboutItem(bool present) { m_aboutItem = present; }

void TQtMenuWindow::contextMenuEvent(QContextMenuEvent* event) {
  const QPoint at = m_pointerPixels.PixelAt(event->pos());
  if (!m_aboutItem || (m_handlers.isBackground && !m_handlers.isBackground(at.x(), at.y()))) {
    event->ignore();
    return;
  }
  if (m_menu) m_menu->close();
  m_menu = new QMenu(this);
  m_menu->setAttribute(Qt::WA_DeleteOnClose);
  m_menu->addAction(QStringLiteral("&About..."), this, [this] { OpenAboutBox(this); });
  m_menu->popup(event->globalPos());
  event->accept();
}

void TQtMenuWindow::ShowMessageBox(const std::string& title, const std::string& text, TMessageBoxIcon icon) {
  QMessageBox box(icon == TMessageBoxIcon::Warning ? QMessageBox::Warning : QMessageBox::Information,
                  QString::fromStdString(title), QString::fromStdString(text), QMessageBox::Ok);
  box.exec();
}

// --- painting --------------------------------------------------------------------------------

void TQtMenuWindow::Invalidate(const TRect& area, bool immediate) {
  const QRect rect = ToQRect(area).intersected(this->rect());
  if (rect.isEmpty()) return;
  // Inside a paint Qt cannot paint again at once; the area is painted right after instead.
  if (immediate && !m_painting)
    repaint(rect);
  else
    update(rect);
}

// The surface covers the client area up to the bitmap limits (a window larger than that,
// stretched by a window manager or the user, shows the rest unpainted).
void TQtMenuWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int32_t surfaceWidth = std::min(width(), kMaxBitmapSide);
  const int64_t rowsAllowed = kMaxBitmapPixels / std::max(surfaceWidth, 1);
  const auto surfaceHeight = static_cast<int32_t>(std::min<int64_t>({height(), kMaxBitmapSide, rowsAllowed}));
  if (m_surface.Width() != surfaceWidth || m_surface.Height() != surfaceHeight)
    m_surface.Resize(surfaceWidth, surfaceHeight, ColorToPixel(clBtnFace));
}

void TQtMenuWindow::paintEvent(QPaintEvent* event) {
  const QRect rect = event->rect().intersected(QRect(0, 0, m_surface.Width(), m_surface.Height()));
  if (rect.isEmpty()) return;
  if (m_handlers.paint) {
    m_painting = true;
    m_handlers.paint(m_surface.View(), TRect::FromSize(rect.x(), rect.y(), rect.width(), rect.height()));
    m_painting = false;
  }
  QPainter painter(this);
  DrawOpaque(painter, m_surface.View(), rect);
}

// --- input -----------------------------------------------------------------------------------

// The window hears a key before its widgets: the filter sees the press at its first receiver
// (the widget with focus, else the window) and not again while Qt passes it up to the parents.
bool TQtMenuWindow::eventFilter(QObject* watched, QEvent* event) {
  // Only these two kinds matter here. The type is checked before the object is taken as a
  // widget: the filter also sees events sent to widgets that are being destroyed, which are no
  // longer widgets.
  if (event->type() != QEvent::Enter && event->type() != QEvent::KeyPress) return false;
  if (!watched->isWidgetType()) return false;
  auto* widget = static_cast<QWidget*>(watched);
  if (widget->window() != this) return false;
  if (event->type() == QEvent::Enter && widget != this && m_handlers.childEntered) {
    // The pointer entered a control's own widget (a text box's editor, a viewer): the window
    // sees no move of its own there.
    const QPoint at = m_pointerPixels.PixelAt(widget->mapTo(this, static_cast<QEnterEvent*>(event)->position()));
    m_handlers.childEntered(at.x(), at.y());
    return false;
  }
  if (event->type() != QEvent::KeyPress) return false;
  QWidget* focus = QApplication::focusWidget();
  QWidget* firstReceiver = focus && focus->window() == this ? focus : this;
  if (widget != firstReceiver) return false;
  const auto& key = *static_cast<QKeyEvent*>(event);
  const char32_t character = CharacterOf(key);
  if (character == U'\0') return false;
  if (m_handlers.keyPress && m_handlers.keyPress(character)) return true;
  return m_handlers.dialogChar && m_handlers.dialogChar(character, ShiftOf(key.modifiers(), Qt::NoButton));
}

void TQtMenuWindow::mousePressEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button || !m_handlers.mouseDown) return;
  const QPoint at = m_pointerPixels.PixelAt(event->position());
  m_handlers.mouseDown(*button, ShiftOf(event->modifiers(), event->buttons()), at.x(), at.y());
}

void TQtMenuWindow::mouseDoubleClickEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button || !m_handlers.mouseDown) return;
  const QPoint at = m_pointerPixels.PixelAt(event->position());
  m_handlers.mouseDown(*button, ShiftOf(event->modifiers(), event->buttons()) | ssDouble, at.x(), at.y());
}

void TQtMenuWindow::mouseReleaseEvent(QMouseEvent* event) {
  const std::optional<TMouseButton> button = ButtonOf(event->button());
  if (!button || !m_handlers.mouseUp) return;
  const QPoint at = m_pointerPixels.PixelAt(event->position());
  m_handlers.mouseUp(*button, ShiftOf(event->modifiers(), event->buttons()), at.x(), at.y());
}

void TQtMenuWindow::mouseMoveEvent(QMouseEvent* event) {
  if (!m_handlers.mouseMove) return;
  const QPoint at = m_pointerPixels.PixelAt(event->position());
  m_handlers.mouseMove(ShiftOf(event->modifiers(), event->buttons()), at.x(), at.y());
}

void TQtMenuWindow::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (m_handlers.mouseLeave) m_handlers.mouseLeave();
}

void TQtMenuWindow::StartSystemMove() {
  if (windowHandle()) windowHandle()->startSystemMove();
}

// --- minimising, tray, closing ---------------------------------------------------------------

// A window kept out of the taskbar gets its taskbar button back while it is minimised without a
// tray icon, so it can be found again.
void TQtMenuWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const bool wasMinimized = static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
  if (isMinimized() && !wasMinimized) {
    if (m_handlers.minimized) m_handlers.minimized();
    if (m_hiddenFromTaskbar && !m_tray) SetSkipTaskbar(windowHandle(), false);
  } else if (!isMinimized() && wasMinimized && m_hiddenFromTaskbar) {
    SetSkipTaskbar(windowHandle(), true);
  }
}

void TQtMenuWindow::MinimizeApplication() {
  showMinimized();
  if (m_tray) hide();
}

void TQtMenuWindow::HideIntoTray() {
  if (m_tray && isMinimized()) hide();
}

// With a tray the icon is the way back, so the minimised window leaves the taskbar; without
// one, minimising stays an ordinary minimise.
bool TQtMenuWindow::ShowTrayIcon(bool shown) {
  if (!shown) {
    RemoveTrayIcon();
    return false;
  }
  if (!QSystemTrayIcon::isSystemTrayAvailable()) return false;
  if (!m_tray) {
    m_tray = std::make_unique<QSystemTrayIcon>();
    // Queued: the handler usually removes the icon, which must not happen inside the icon's own
    // event handling.
    QObject::connect(
        m_tray.get(), &QSystemTrayIcon::activated, this,
        [this](QSystemTrayIcon::ActivationReason reason) {
          if (reason == QSystemTrayIcon::DoubleClick && m_handlers.trayDoubleClicked) m_handlers.trayDoubleClicked();
        },
        Qt::QueuedConnection);
  }
  m_tray->setIcon(windowIcon());
  m_tray->setToolTip(QString::fromStdString(TrayTipText(windowTitle().toStdString())));
  m_tray->show();
  // Called while the window is being minimised, the window would be shown again right after:
  // it leaves once that is done.
  QTimer::singleShot(0, this, [this] { HideIntoTray(); });
  return true;
}

void TQtMenuWindow::RemoveTrayIcon() {
  if (!m_tray) return;
  m_tray->hide();
  m_tray.release()->deleteLater();
}

void TQtMenuWindow::RestoreApplication() {
  showNormal();
  raise();
  activateWindow();
}

void TQtMenuWindow::Close() { close(); }

void TQtMenuWindow::closeEvent(QCloseEvent* event) {
  if (m_menu) m_menu->close();
  RemoveTrayIcon();
  if (m_handlers.closed) m_handlers.closed();
  event->accept();
}
