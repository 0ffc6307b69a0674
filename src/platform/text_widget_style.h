#pragma once
// The one look of the text controls' Qt widgets on every machine, whatever the desktop's style:
// Qt's Fusion style with the Windows scroll bars' 17 pixels, and a palette taken from the
// player's fixed system colour table, so that wraps, scroll ranges and golden images agree.

#include <QPalette>
#include <QStyle>

// The style, made once for the process.
QStyle* TextWidgetStyle();
// The palette of the system colour table: window, window text, highlight, button face ...
QPalette TextWidgetPalette();
