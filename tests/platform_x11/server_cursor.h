#pragma once
// The cursor an X server shows now, read through its XFixes extension: what the user sees at the
// pointer, whichever client set it.

#include <optional>
#include <string>

#include <QImage>
#include <QPoint>

struct TServerCursor {
  QImage image;     // Format_ARGB32_Premultiplied, in the server's pixels
  QPoint hotSpot;   // the pixel of image at the pointer's position
};

// The cursor of the server named display; nothing when it cannot be reached or has no XFixes.
std::optional<TServerCursor> ServerCursor(const std::string& display);
