#pragma once
// What every viewer module's component widget does alike: where it lies in the menu window, and
// how it is drawn into a picture of a window that is not on screen.

#include <QPainter>
#include <QWidget>

#include "graphics/geometry.h"

// Puts widget at rect (the menu window's client coordinates) and shows or hides it.
void PlaceComponentWidget(QWidget& widget, const TRect& rect, bool shown);

// Draws widget and its children with painter, whose origin is the widget's top-left corner,
// unless its window is on screen (there the widget draws itself); true when it drew.
bool RenderComponentWidget(QWidget& widget, QPainter& painter);
