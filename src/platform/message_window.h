#pragma once
// The menu's own message window: a frameless, modal window cut to its rounded frame, with an
// icon, the wrapped message and an OK button with normal, hovered and pressed faces. Esc, Enter
// or Space anywhere, or a click on OK, closes it; a press anywhere else drags it.

#include <string>

#include <QDialog>

#include "graphics/bitmap32.h"
#include "graphics/message_window_art.h"
#include "platform/pointer_pixel.h"

class TMessageWindow : public QDialog {
 public:
  // text is shown as it is (escapes already decoded); icon may be empty (then no icon);
  // screenWidth limits the text to half of it.
  TMessageWindow(QWidget* owner, const std::string& text, const TBitmap32& icon, int32_t screenWidth);

  const std::string& Text() const { return m_text; }
  const TMessageLayout& Layout() const { return m_layout; }
  TOkButtonFace Face() const { return m_face; }
  // The window's picture as it is painted now.
  const TBitmap32& Picture() const { return m_picture; }
  // The cursor over the window and the one over OK.
  void SetCursors(const QCursor& window, const QCursor& button) {
    m_windowCursor = window;
    m_buttonCursor = button;
    setCursor(m_overButton ? m_buttonCursor : m_windowCursor);
  }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void SetFace(TOkButtonFace face);
  bool OverButton(const QPoint& at) const;
  void Repaint();

  std::string m_text;
  TBitmap32 m_icon;
  TMessageLayout m_layout;
  TBitmap32 m_frame;
  TBitmap32 m_faces[3];
  TBitmap32 m_picture;
  TOkButtonFace m_face = TOkButtonFace::Normal;
  bool m_buttonHeld = false;  // the left button went down on OK and is held
  bool m_overButton = false;
  QCursor m_windowCursor;
  QCursor m_buttonCursor;
  TPointerPixels m_pointerPixels{*this};
};
