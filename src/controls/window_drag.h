#pragma once
// The window handle of labels, shapes and images: pressing such a control moves the menu window
// with the pointer, as if it were dragged by its title bar.

#include "model/control.h"

// Starts moving the menu window when control lies directly on it and the window is not
// full-screen; does nothing otherwise.
void DragMenuWindow(const TControl& control);
