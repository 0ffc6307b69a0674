#pragma once
// The PDF picture of the PDF view's cover: 128 x 128, the player's own artwork.

#include <QPixmap>

QPixmap PdfCoverPicture();
