#pragma once
// The bitmaps older documents stored where pictures now go.

#include "model/picture.h"

// Moves a bitmap that legacy holds into target when target is empty, and empties legacy again;
// does nothing while legacy is empty.
void AdoptLegacyBitmap(TBitmap& legacy, TPicture& target);
