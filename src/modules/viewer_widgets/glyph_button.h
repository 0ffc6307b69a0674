#pragma once
// The flat tool buttons of the viewers' own bars (the web browser's back, forward and go, the
// media player's and the PDF view's bars), each showing a 16 x 16 glyph of the player's own
// artwork: drawn once, grey while the button is disabled, one pixel lower while it is pressed.

#include <QIcon>
#include <QToolButton>

enum class TGlyph { Back, Forward, Go, Play, Pause, Stop, PreviousPage, NextPage, ZoomOut, ZoomIn, Print };

// The glyph as a 16 x 16 picture on a transparent background.
QPixmap GlyphPixmap(TGlyph glyph);

class TGlyphButton : public QToolButton {
 public:
  TGlyphButton(TGlyph glyph, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap m_glyph;
  QPixmap m_disabledGlyph;
};
