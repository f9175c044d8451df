#pragma once

#include "TColor.h"

#include <QImage>
#include <QList>

// The GIF image of swatches: 25 x 25 swatches (black 1-pixel outline, the
// colour inside) on white, 16 to a row at x = 4, 33, ..., 439 and
// y = 4, 33, ...; the 468-pixel-wide bitmap is trimmed to the rows used, and
// a single short row also to its width (5 colours give 149 x 33, 16 give
// 468 x 33, 17 give 468 x 62).
namespace GifSwatchWriter {

// The bitmap for the colours as given (the caller cuts the list first).
QImage SwatchImage(const QList<TColor>& colors);

// How many of the colours (a prefix) fit one GIF colour table together with
// the white background and, once a swatch is drawn, the black outline: all
// of them unless they bring the distinct colours past 256. The swatch
// colours are never changed; the rest are left out.
qsizetype FittingCount(const QList<TColor>& colors);

} // namespace GifSwatchWriter
