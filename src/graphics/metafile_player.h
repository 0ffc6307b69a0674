#pragma once
// Internal to the metafile decoder: playing the records of a metafile onto a bitmap.

#include <QRectF>

#include <cstddef>
#include <cstdint>
#include <span>

#include "graphics/bitmap32.h"

// Plays the records of a placeable old-style metafile starting at recordsOffset; bounds is the
// header's bounding box in logical units, mapped onto the whole target.
void PlayWmf(std::span<const uint8_t> file, size_t recordsOffset, const QRectF& bounds, TBitmap32& target);
// Plays an enhanced metafile; its frame rectangle is mapped onto the whole target.
void PlayEmf(std::span<const uint8_t> file, TBitmap32& target);
