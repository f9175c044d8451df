#pragma once

#include "TColor.h"

#include <QIODevice>
#include <QList>

// Photoshop colour swatches (.aco), all numbers big-endian:
//   version (2 bytes), count n (2 bytes, unsigned), then n entries of
//   10 bytes: colour space (2), components w, x, y, z (2 each).
// Colour space 0 (RGB) takes the high byte of w, x, y; space 1 (HSB) reads
// hue w / 182.04 degrees, saturation x / 655.35 %, brightness y / 655.35 %
// through HSVToRGB; every other space (CMYK, Lab, greyscale...) is skipped.
// Only the first block is read. A file that ends before the count says
// yields the complete entries it holds.
//
// A file whose first block is a version 2 block (each entry followed by a
// 4-byte length and that many UTF-16 name characters) is read with the names
// stepped over, so that name bytes are never taken for colours.
namespace AcoReader {

QList<TColor> Read(QIODevice& device);

// One entry's colour; false for a colour space that is skipped.
bool EntryColor(quint16 space, quint16 w, quint16 x, quint16 y, TColor& color);

} // namespace AcoReader
