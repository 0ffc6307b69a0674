#pragma once
// The text box's component on Qt: a read-only QTextEdit holding plain text, with a transparent
// background (the control's fill and border lie beneath it), no caret, the arrow cursor, the
// player's one widget style, and the Windows edit's measures: no document margin, two pixels
// of margin left and right, and lines one font cell apart (Qt would add the font's leading).

#include <QTextEdit>

#include "text/text_box_component.h"

class TQtTextBox final : public QTextEdit, public TTextBoxComponent {
 public:
  explicit TQtTextBox(QWidget* window);

  void Place(const TRect& rect, bool shown) override;
  void Render(QPainter& painter) override;
  void SetText(const std::string& text) override;
  void SetLook(const TTextBoxLook& look) override;
  void SetDesignMode(bool designMode) override;

 private:
  // Gives every paragraph the look's alignment and line pitch.
  void FormatBlocks();

  TTextBoxLook m_look;
};
