#pragma once
// The one look of the text controls' Qt widgets on every machine, whatever the desktop's style:
// Qt's Fusion style with the Windows scroll bars' 17 pixels, and a palette taken from the
// player's fixed system colour table, so that wraps, scroll ranges and golden images agree.

#include <QPalette>
#include <QStyle>
#include <QTextEdit>

// The style, made once for the process.
QStyle* TextWidgetStyle();
// The palette of the system colour table: window, window text, highlight, button face ...
QPalette TextWidgetPalette();

// Makes editor a read-only text control's editor that draws only its text: hidden, the style and
// palette above with a transparent base, no frame, no document margin, the arrow cursor, no
// undo. The control paints its background and border beneath it.
void PrepareTransparentEditor(QTextEdit& editor);
