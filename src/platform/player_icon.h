#pragma once
// Window icons: the player's own icon, and icons built from decoded images.

#include <vector>

#include <QIcon>

#include "graphics/bitmap32.h"

// The player's own icon (a disc with a play mark), drawn at 16, 32 and 48 pixels. It is the
// application icon and the window icon of a menu that brings none.
QIcon DefaultPlayerIcon();

// An icon with one pixmap per non-empty image; none when there is none.
QIcon IconFromBitmaps(const std::vector<TBitmap32>& images);
